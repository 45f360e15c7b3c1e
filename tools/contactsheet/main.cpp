// Writes the contact sheet: every frame of the game's pictures over each of the six skies.
// Runs in the run folder, where media/ is.
#include "ContactSheet.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "states/Startup.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact-sheet-writer OUTPUT.png\n");
        return 2;
    }
    Startup::startHeadless();

    ALLEGRO_FONT* font;
    Resources::load(font, "media/font.ttf");
    ContactSheet contactSheet(font);
    const int columns = 2;
    ALLEGRO_BITMAP* picture =
        al_create_bitmap(columns * ContactSheet::PANEL_WIDTH, 3 * ContactSheet::PANEL_HEIGHT);
    al_set_target_bitmap(picture);
    for (int i = 0; i < 6; ++i)
        contactSheet.drawPanel(Theme::themes[i], (i % columns) * ContactSheet::PANEL_WIDTH,
                               (i / columns) * ContactSheet::PANEL_HEIGHT);
    if (!al_save_bitmap(argv[1], picture)) {
        std::fprintf(stderr, "contact-sheet-writer: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
