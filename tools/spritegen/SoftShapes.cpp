#include "SoftShapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Blob {
    double x, y, radius;
};

// 0 outside every blob, rising to 1 a little inside the nearest edge.
double coverage(const std::vector<Blob>& blobs, double x, double y, double softness) {
    double best = 0;
    for (const Blob& blob : blobs) {
        double inside = (blob.radius - std::hypot(x - blob.x, y - blob.y)) / softness;
        best = std::max(best, std::clamp(inside, 0.0, 1.0));
    }
    return best;
}

// Few alpha steps keep the soft shapes in the same chunky style as the sprites.
double band(double value, int steps) {
    return std::ceil(value * steps) / steps;
}

ALLEGRO_COLOR withAlpha(ALLEGRO_COLOR colour, double alpha) {
    unsigned char r, g, b;
    al_unmap_rgb(colour, &r, &g, &b);
    return al_map_rgba(r, g, b, (unsigned char)std::lround(255 * std::clamp(alpha, 0.0, 1.0)));
}

ALLEGRO_BITMAP* paintBlobs(int width, int height, const std::vector<Blob>& blobs, double softness,
                           double peakAlpha, ALLEGRO_COLOR light, ALLEGRO_COLOR shade, double shadeFrom) {
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(width, height);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    al_set_target_bitmap(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double alpha = band(coverage(blobs, x + 0.5, y + 0.5, softness), 4) * peakAlpha;
            ALLEGRO_COLOR colour = y >= shadeFrom * height ? shade : light;
            al_put_pixel(x, y, alpha > 0 ? withAlpha(colour, alpha) : al_map_rgba(0, 0, 0, 0));
        }
    al_unlock_bitmap(bitmap);
    return bitmap;
}

}  // namespace

ALLEGRO_BITMAP* drawCloud(const Palette& palette) {
    // A flat-bottomed heap of puffs; the lower third is a shade darker so it reads as a volume.
    std::vector<Blob> blobs = {{22, 33, 14}, {40, 24, 18}, {60, 20, 19}, {78, 30, 15},
                               {50, 36, 13}, {88, 37, 10}, {12, 39, 9},  {68, 38, 11}};
    return paintBlobs(100, 50, blobs, 6, 0.95, palette.named("white"), palette.named("silver"), 0.68);
}

ALLEGRO_BITMAP* drawPuff(const Palette& palette) {
    std::vector<Blob> blobs = {{8, 11, 5}, {12, 9, 5.5}, {11, 13, 4.5}, {7, 7, 3.5}};
    return paintBlobs(20, 20, blobs, 3, 0.85, palette.named("silver"), palette.named("stone"), 0.6);
}

ALLEGRO_BITMAP* drawGlow(const Palette& palette) {
    const int size = 8;
    ALLEGRO_BITMAP* bitmap = al_create_bitmap(size, size);
    al_lock_bitmap(bitmap, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_WRITEONLY);
    al_set_target_bitmap(bitmap);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double distance = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0) / (size / 2.0);
            double fade = std::clamp(1 - distance, 0.0, 1.0);
            al_put_pixel(x, y, withAlpha(palette.named("white"), fade * fade * 1.4));
        }
    al_unlock_bitmap(bitmap);
    return bitmap;
}
