#include "states/EditorNotice.h"

#include "assets/Draw.h"

void EditorNotice::say(const std::string& text) {
    line = text;
    remaining = SHOWN_FOR;
}

void EditorNotice::advance(double dt) {
    remaining -= dt;
    if (remaining <= 0)
        line.clear();
}

const std::string& EditorNotice::current() const {
    return line;
}

void EditorNotice::render(ALLEGRO_FONT* font, float x, float y) const {
    if (!line.empty())
        Draw::shadowedText(font, x, y, ALLEGRO_ALIGN_LEFT, line, al_map_rgb(255, 236, 150));
}
