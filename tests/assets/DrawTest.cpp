#include "assets/Draw.h"
#include "assets/GfxHelpers.h"
#include "support/AllegroFixture.h"

namespace {

using DrawTest = AllegroTest;

TEST_F(DrawTest, TintMultipliesPrimitivesComponentWise) {
    ALLEGRO_BITMAP* canvas = target(10, 10, al_map_rgb(0, 0, 0));
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(255, 128, 0));
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(200, 200, 200));
    expectPixel(canvas, 5, 5, 200, 100, 0);
}

TEST_F(DrawTest, TintAlphaBlendsEverythingDrawnAfterIt) {
    ALLEGRO_BITMAP* canvas = target(10, 10, al_map_rgb(200, 200, 200));
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgba(255, 255, 255, 128));
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(0, 0, 0));
    expectPixel(canvas, 1, 1, 100, 100, 100, 2);
    Draw::setOrdinaryBlender();
    Draw::filledRectangle(0, 0, 10, 10, al_map_rgb(0, 0, 0));
    expectPixel(canvas, 1, 1, 0, 0, 0);
}

TEST_F(DrawTest, TintAppliesToBitmaps) {
    ALLEGRO_BITMAP* sprite = al_create_bitmap(4, 4);
    al_set_target_bitmap(sprite);
    al_clear_to_color(al_map_rgb(255, 255, 255));
    ALLEGRO_BITMAP* canvas = target(10, 10, al_map_rgb(0, 0, 0));
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(255, 0, 0));
    Draw::bitmap(sprite, 2, 2);
    expectPixel(canvas, 3, 3, 255, 0, 0);
    expectPixel(canvas, 7, 7, 0, 0, 0);
    Draw::setOrdinaryBlender();
    Draw::scaledBitmap(sprite, 0, 0, 4, 4, 0, 0, 10, 10);
    expectPixel(canvas, 9, 9, 255, 255, 255);
    al_destroy_bitmap(sprite);
}

TEST_F(DrawTest, LoadedBitmapsKeepStraightAlpha) {
    ALLEGRO_BITMAP* half = al_create_bitmap(2, 2);
    al_set_target_bitmap(half);
    al_clear_to_color(al_map_rgba(255, 0, 0, 128));
    std::string path = scratchFolder() + "/half.png";
    ASSERT_TRUE(al_save_bitmap(path.c_str(), half));
    al_destroy_bitmap(half);
    ALLEGRO_BITMAP* loaded = al_load_bitmap(path.c_str());
    ASSERT_NE(loaded, nullptr);
    ALLEGRO_BITMAP* canvas = target(4, 4, al_map_rgb(0, 0, 255));
    Draw::bitmap(loaded, 0, 0);
    // Straight alpha over blue: half red, half blue. Premultiplied loading would halve red twice.
    expectPixel(canvas, 0, 0, 128, 0, 127, 2);
    al_destroy_bitmap(loaded);
}

TEST_F(DrawTest, RepeatBatchRepeatsItsBitmapFromEachRectanglesCorner) {
    ALLEGRO_BITMAP* pattern = al_create_bitmap(3, 2);
    al_set_target_bitmap(pattern);
    al_clear_to_color(al_map_rgb(0, 0, 255));
    al_put_pixel(0, 0, al_map_rgb(255, 0, 0));
    ALLEGRO_BITMAP* canvas = target(20, 10, al_map_rgb(0, 0, 0));
    Draw::RepeatBatch batch(pattern);
    batch.add(2, 1, 11, 5);
    batch.add(14, 6, 17, 8);
    batch.fill();
    expectPixel(canvas, 2, 1, 255, 0, 0);   // the corner starts the pattern
    expectPixel(canvas, 5, 3, 255, 0, 0);   // one repeat across and down
    expectPixel(canvas, 10, 4, 0, 0, 255);
    expectPixel(canvas, 11, 1, 0, 0, 0);    // the right side is open
    expectPixel(canvas, 14, 6, 255, 0, 0);  // the second rectangle starts the pattern anew
    expectPixel(canvas, 15, 7, 0, 0, 255);
    al_destroy_bitmap(pattern);
}

TEST_F(DrawTest, GradientRunsFromTopColourToBottomColour) {
    ALLEGRO_BITMAP* canvas = target(20, 101, al_map_rgb(0, 0, 0));
    GfxHelpers::gradientRectangle(0, 0, 20, 101, al_map_rgb(255, 0, 0), al_map_rgb(0, 0, 255));
    expectPixel(canvas, 10, 0, 253, 0, 2, 3);
    expectPixel(canvas, 10, 100, 2, 0, 253, 3);
    expectPixel(canvas, 10, 50, 128, 0, 127, 3);
}

} // namespace
