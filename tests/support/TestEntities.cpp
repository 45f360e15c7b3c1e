#include "support/TestEntities.h"

#include "assets/Resources.h"

#include <allegro5/allegro.h>

void provideTileSheet(const std::string& scratchFolder, int frames) {
    if (Resources::sResources.count("media/tilesheet.png"))
        return;
    ALLEGRO_BITMAP* image = al_create_bitmap(frames * 21 - 1, 20);
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(255, 0, 255));
    for (int f = 0; f < frames; ++f)
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 20; ++y)
                al_put_pixel(f * 21 + x, y, al_map_rgb(100, 10 * f, 50));
    std::string path = scratchFolder + "/tilesheet.png";
    al_save_bitmap(path.c_str(), image);
    al_destroy_bitmap(image);
    Resources::sResources["media/tilesheet.png"] = new Resource<Sheet>(path);
}
