#include "assets/Sheet.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool isSeparator(ALLEGRO_BITMAP* bitmap, int x, int y) {
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
    return r == 255 && g == 0 && b == 255;
}

// Steps along the top row or the left column to the first separator; an image without one
// is a single frame as wide or as tall as itself.
int firstSeparator(ALLEGRO_BITMAP* bitmap, bool alongTop) {
    int limit = alongTop ? al_get_bitmap_width(bitmap) : al_get_bitmap_height(bitmap);
    int at = 0;
    while (at < limit && !isSeparator(bitmap, alongTop ? at : 0, alongTop ? 0 : at))
        ++at;
    return at;
}

}  // namespace

Sheet::Sheet(const char* filename) : bitmap(al_load_bitmap(filename)) {
    if (!bitmap) {
        std::printf("UNABLE TO LOAD BITMAP '%s'!", filename);
        std::fflush(stdout);
        std::exit(1);
    }
    al_lock_bitmap(bitmap, al_get_bitmap_format(bitmap), ALLEGRO_LOCK_READONLY);
    frameWidth = firstSeparator(bitmap, true);
    frameHeight = firstSeparator(bitmap, false);
    al_unlock_bitmap(bitmap);
    int columns = (al_get_bitmap_width(bitmap) + 1) / (frameWidth + 1);
    int rows = (al_get_bitmap_height(bitmap) + 1) / (frameHeight + 1);
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            frames.push_back(al_create_sub_bitmap(bitmap, i * (frameWidth + 1), j * (frameHeight + 1),
                                                  frameWidth, frameHeight));
}

void Sheet::makeOwnFrames() {
    for (size_t i = ownFrames.size(); i < frames.size(); ++i)
        ownFrames.push_back(al_clone_bitmap(frames[i]));
}

Sheet::~Sheet() {
    for (ALLEGRO_BITMAP* frame : ownFrames)
        al_destroy_bitmap(frame);
    for (ALLEGRO_BITMAP* frame : frames)
        al_destroy_bitmap(frame);
    al_destroy_bitmap(bitmap);
}
