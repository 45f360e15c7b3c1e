#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "support/AllegroFixture.h"

#include <array>

namespace {

using DrawTest = AllegroTest;

// A region each: a tint multiplies primitives and bitmaps component-wise and its alpha blends them in;
// the ordinary blender draws as given; a repeat batch starts its pattern at each rectangle's corner
// and leaves the right and bottom sides open.
TEST_F(DrawTest, EachHelperDrawsWhereAndInTheColourItSays) {
    ALLEGRO_BITMAP* white = al_clone_bitmap(target(4, 4, al_map_rgb(255, 255, 255)));
    target(3, 2, al_map_rgb(0, 0, 255));
    al_put_pixel(0, 0, al_map_rgb(255, 0, 0));
    ALLEGRO_BITMAP* pattern = al_clone_bitmap(al_get_target_bitmap());
    ALLEGRO_BITMAP* canvas = target(40, 20, al_map_rgb(200, 200, 200));
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(255, 128, 0));
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(200, 200, 200));
    Draw::bitmap(white, 12, 2);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgba(255, 255, 255, 128));
    Draw::filledRectangle(20, 0, 25, 10, al_map_rgb(0, 0, 0));
    Draw::setOrdinaryBlender();
    Draw::scaledBitmap(white, 0, 0, 4, 4, 30, 0, 10, 10);
    Draw::RepeatBatch batch(pattern);
    batch.add(2, 11, 11, 15);
    batch.add(14, 16, 17, 18);
    batch.fill();
    const std::array<int, 5> pixels[] = {
        {5, 5, 200, 100, 0},    {13, 3, 255, 128, 0},    {17, 7, 200, 200, 200}, {22, 5, 100, 100, 100},
        {29, 5, 200, 200, 200}, {39, 9, 255, 255, 255},  {2, 11, 255, 0, 0},     {5, 13, 255, 0, 0},
        {10, 14, 0, 0, 255},    {11, 11, 200, 200, 200}, {14, 16, 255, 0, 0},    {15, 17, 0, 0, 255}};
    for (auto [x, y, r, g, b] : pixels)
        expectPixel(canvas, x, y, r, g, b, 2);
    canvas = target(20, 101, al_map_rgb(0, 0, 0));
    GfxHelpers::gradientRectangle(0, 0, 20, 101, al_map_rgb(255, 0, 0), al_map_rgb(0, 0, 255));
    for (auto [y, red] : {std::pair{0, 253}, {50, 128}, {100, 2}})
        expectPixel(canvas, 10, y, red, 0, 255 - red, 3);
    al_destroy_bitmap(white);
    al_destroy_bitmap(pattern);
}

}  // namespace
