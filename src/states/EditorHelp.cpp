#include "states/EditorHelp.h"

#include "assets/Draw.h"

namespace EditorHelp {

namespace {

struct Entry {
    const char* input;
    const char* action;
};

const Entry ENTRIES[] = {
    {"Left button", "place the object; drag to paint a row"},
    {"Right button", "erase"},
    {"Z / X, wheel", "choose the previous / next object"},
    {"S", "save to levels/edit.lv"},
    {"L", "load levels/edit.lv"},
    {"P", "test-play; Escape returns here"},
    {"F1", "show or hide these keys"},
};

const int ENTRY_COUNT = sizeof ENTRIES / sizeof ENTRIES[0];
const float WIDTH = 420, MARGIN = 16, ACTION_COLUMN = 120;

}  // namespace

void render(ALLEGRO_FONT* font) {
    float lineHeight = al_get_font_line_height(font) + 6;
    float height = 2 * MARGIN + lineHeight * (ENTRY_COUNT + 1.5f);
    float left = (800 - WIDTH) / 2, top = (600 - height) / 2;
    Draw::filledRectangle(left, top, left + WIDTH, top + height, al_map_rgba(16, 20, 40, 210));
    Draw::rectangle(left + 0.5f, top + 0.5f, left + WIDTH - 0.5f, top + height - 0.5f,
                    al_map_rgb(60, 100, 255), 1);
    float x = left + MARGIN, y = top + MARGIN;
    Draw::shadowedText(font, x, y, ALLEGRO_ALIGN_LEFT, "Editor keys", al_map_rgb(255, 236, 150));
    y += lineHeight * 1.5f;
    for (const Entry& entry : ENTRIES) {
        Draw::shadowedText(font, x, y, ALLEGRO_ALIGN_LEFT, entry.input, al_map_rgb(255, 236, 150));
        Draw::shadowedText(font, x + ACTION_COLUMN, y, ALLEGRO_ALIGN_LEFT, entry.action,
                           al_map_rgb(255, 255, 255));
        y += lineHeight;
    }
}

}  // namespace EditorHelp
