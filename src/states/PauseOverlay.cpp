#include "states/PauseOverlay.h"

#include "assets/Draw.h"

namespace PauseOverlay {

std::string keys(bool retries, bool toEditor) {
    std::string leave = toEditor ? "back to the editor" : "back to menu";
    if (retries)
        return "P - resume, R - retry, ESC - " + leave;
    return "P - resume, R, ESC - " + leave;
}

void draw(ALLEGRO_FONT* font, const std::string& keys) {
    Draw::filledRectangle(0, 0, 800, 600, al_map_rgba(0, 0, 0, 150));
    Draw::shadowedText(font, 400, 280, ALLEGRO_ALIGN_CENTRE, "Paused", al_map_rgb(255, 255, 0));
    Draw::shadowedText(font, 400, 304, ALLEGRO_ALIGN_CENTRE, keys, al_map_rgb(255, 255, 255));
}

}  // namespace PauseOverlay
