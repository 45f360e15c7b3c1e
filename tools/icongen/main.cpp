// Writes the menu icon at one size from the palette and the *.sprites pixel grids the game's
// own pictures are drawn from.
#include "Fail.h"
#include "Icon.h"
#include "Palette.h"
#include "PictureWriter.h"
#include "SpriteSource.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: icongen PALETTE OUTPUT.png SIZE SPRITES...\n"
                     "       (SIZE in pixels, a whole multiple of %d)\n",
                     ICON_GRID);
        return 2;
    }
    if (!al_init() || !al_init_image_addon())
        fail("icongen", 0, "cannot start Allegro");
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);

    Palette palette(argv[1]);
    SpriteSource source;
    for (int i = 4; i < argc; ++i)
        source.read(argv[i]);

    ALLEGRO_BITMAP* icon = drawIcon(source, palette);
    savePicture(enlargeIcon(icon, std::stoi(argv[3])), argv[2]);
    al_destroy_bitmap(icon);
    return 0;
}
