// Writes every picture the game shows into a media folder, from the palette, the *.sprites
// pixel grids and the soft shapes drawn here in code.
#include "Fail.h"
#include "Logo.h"
#include "Palette.h"
#include "PictureWriter.h"
#include "SoftShapes.h"
#include "SpriteSource.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: spritegen PALETTE OUTPUT-FOLDER SPRITES...\n");
        return 2;
    }
    if (!al_init() || !al_init_image_addon())
        fail("spritegen", 0, "cannot start Allegro");
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
    al_set_new_bitmap_format(ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE);

    Palette palette(argv[1]);
    std::string folder = std::string(argv[2]) + "/";
    SpriteSource source;
    for (int i = 3; i < argc; ++i)
        source.read(argv[i]);

    for (const PictureSource& picture : source.pictures)
        savePicture(drawPicture(source, picture, palette), folder + picture.name + ".png");
    savePicture(drawLogo(source, palette, "Sorrelmoor"), folder + "logo.png");
    savePicture(drawCloud(palette), folder + "cloud.png");
    savePicture(drawPuff(palette), folder + "puff.png");
    savePicture(drawGlow(palette), folder + "glow.png");
    return 0;
}
