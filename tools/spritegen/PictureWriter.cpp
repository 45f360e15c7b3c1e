#include "PictureWriter.h"

#include "Fail.h"

#include <allegro5/allegro_image.h>

ALLEGRO_COLOR separatorColour() {
    return al_map_rgb(255, 0, 255);
}

ALLEGRO_BITMAP* drawPicture(const SpriteSource& source, const PictureSource& picture,
                            const Palette& palette) {
    int count = int(picture.frames.size());
    if (count == 0 || (!picture.isSheet && count != 1))
        fail(picture.name, 0, "a sheet needs frames and an image exactly one");
    int width = count * (picture.frameWidth + 1) - 1;
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, picture.frameHeight);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    al_set_target_bitmap(bitmap);
    for (int i = 0; i < count; ++i) {
        Grid grid = source.compose(picture.frames[i], picture);
        int left = i * (picture.frameWidth + 1);
        for (int y = 0; y < grid.height; ++y) {
            for (int x = 0; x < grid.width; ++x)
                al_put_pixel(left + x, y, palette.colour(grid.at(x, y)));
            if (i + 1 < count)
                al_put_pixel(left + picture.frameWidth, y, separatorColour());
        }
    }
    al_unlock_bitmap(bitmap);
    return bitmap;
}

void savePicture(ALLEGRO_BITMAP* bitmap, const std::string& path) {
    if (!al_save_bitmap(path.c_str(), bitmap))
        fail(path, 0, "cannot write the picture");
    al_destroy_bitmap(bitmap);
}
