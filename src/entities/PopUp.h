#pragma once

#include "world/Entity.h"

#include <allegro5/allegro_font.h>

#include <string>
#include <vector>

// A screen-wide panel of text lines drawn over everything: a sign's text or a summary.
class PopUp : public Entity {
public:
    struct Line {
        std::string label;  // left column
        std::string value;  // right column; exactly " " highlights the label instead
    };

    bool visible = false;
    ALLEGRO_FONT* font;
    std::vector<Line> lines;

    PopUp();
    void addLine(const std::string& label, const std::string& value);
    const int* indices() override;
    int order(int index) override;
    void render() override;

private:
    void drawLine(const Line& line, float y);
};
