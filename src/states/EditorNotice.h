#pragma once

#include <allegro5/allegro_font.h>

#include <string>

// What the editor's last command did, in one line: shown for two seconds of editor time, then
// gone; a newer line replaces it at once.
class EditorNotice {
public:
    static constexpr double SHOWN_FOR = 2.0;

    void say(const std::string& line);
    void advance(double dt);
    const std::string& current() const;  // empty once its time is up
    void render(ALLEGRO_FONT* font, float x, float y) const;

private:
    std::string line;
    double remaining = 0;
};
