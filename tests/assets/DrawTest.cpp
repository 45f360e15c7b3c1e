#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "support/AllegroFixture.h"

namespace {

using DrawTest = AllegroTest;

// The tint multiplies primitives and bitmaps component-wise, and its alpha blends them in.
TEST_F(DrawTest, TheTintMultipliesWhatIsDrawnAndItsAlphaBlendsIt) {
    ALLEGRO_BITMAP* sprite = al_create_bitmap(4, 4);
    al_set_target_bitmap(sprite);
    al_clear_to_color(al_map_rgb(255, 255, 255));
    ALLEGRO_BITMAP* canvas = target(20, 10, al_map_rgb(200, 200, 200));
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(255, 128, 0));
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(200, 200, 200));
    Draw::bitmap(sprite, 12, 2);
    expectPixel(canvas, 5, 5, 200, 100, 0);
    expectPixel(canvas, 13, 3, 255, 128, 0);
    expectPixel(canvas, 17, 7, 200, 200, 200);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgba(255, 255, 255, 128));
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(0, 0, 0));
    expectPixel(canvas, 1, 1, 100, 50, 0, 2);
    Draw::setOrdinaryBlender();
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(0, 0, 0));
    Draw::scaledBitmap(sprite, 0, 0, 4, 4, 10, 0, 10, 10);
    expectPixel(canvas, 1, 1, 0, 0, 0);
    expectPixel(canvas, 19, 9, 255, 255, 255);
    al_destroy_bitmap(sprite);
}

// Each rectangle starts the pattern at its own corner; right and bottom sides are open.
TEST_F(DrawTest, ARepeatBatchRepeatsItsBitmapFromEachRectanglesCorner) {
    ALLEGRO_BITMAP* pattern = al_create_bitmap(3, 2);
    al_set_target_bitmap(pattern);
    al_clear_to_color(al_map_rgb(0, 0, 255));
    al_put_pixel(0, 0, al_map_rgb(255, 0, 0));
    ALLEGRO_BITMAP* canvas = target(20, 10, al_map_rgb(0, 0, 0));
    Draw::RepeatBatch batch(pattern);
    batch.add(2, 1, 11, 5);
    batch.add(14, 6, 17, 8);
    batch.fill();
    const struct {
        int x, y, r, g, b;
    } pixels[] = {{2, 1, 255, 0, 0},  {5, 3, 255, 0, 0},  {10, 4, 0, 0, 255},
                  {11, 1, 0, 0, 0},   {14, 6, 255, 0, 0}, {15, 7, 0, 0, 255}};
    for (const auto& p : pixels)
        expectPixel(canvas, p.x, p.y, p.r, p.g, p.b);
    al_destroy_bitmap(pattern);
    canvas = target(20, 101, al_map_rgb(0, 0, 0));
    GfxHelpers::gradientRectangle(0, 0, 20, 101, al_map_rgb(255, 0, 0), al_map_rgb(0, 0, 255));
    expectPixel(canvas, 10, 0, 253, 0, 2, 3);
    expectPixel(canvas, 10, 50, 128, 0, 127, 3);
    expectPixel(canvas, 10, 100, 2, 0, 253, 3);
}

} // namespace
