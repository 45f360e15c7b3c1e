#pragma once

#include <allegro5/allegro.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Starts the library and its add-ons as the game does, without a display or an X connection:
// bitmaps are memory bitmaps, so drawing can be checked pixel by pixel.
class AllegroTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A memory bitmap as the drawing target, cleared to `background`.
    ALLEGRO_BITMAP* target(int w, int h, ALLEGRO_COLOR background);
    static void expectPixel(ALLEGRO_BITMAP* bitmap, int x, int y, int r, int g, int b, int tolerance = 1);
    // Pixels inside the box for which `test` holds.
    static int count(ALLEGRO_BITMAP* bitmap, int x1, int y1, int x2, int y2,
                     const std::function<bool(int r, int g, int b)>& test);
    static int differing(ALLEGRO_BITMAP* a, ALLEGRO_BITMAP* b, int x1, int y1, int x2, int y2);
    std::string scratchFolder();

private:
    ALLEGRO_BITMAP* drawn = nullptr;
    std::string scratch;
};
