#pragma once

#include "world/Entity.h"

#include <allegro5/allegro_font.h>

#include <string>

// A centred text label with a shadow; its position is the middle of the text's top edge.
class GuiText : public Entity {
public:
    ALLEGRO_FONT* font;
    std::string text;  // owners may rewrite it at any time
    double clock = 0;  // advanced only by the owner's calls to update
    bool blinking;

    GuiText(Vec position, const std::string& text, bool blinking);
    const int* indices() override;
    int order(int index) override;
    void update(double dt) override { clock += dt; }
    void render() override;
};
