#include "states/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// An odd leftover splits with the odd pixel to the right or below: the bar's offset rounds down.
TEST(Screen, ThePictureKeepsItsShapeCentredWithBarsWhereTheWindowDiffers) {
    struct {
        int width, height;
        float x, y, scale, whole;
    } rows[] = {{800, 600, 0, 0, 1, 1},      {1600, 1200, 0, 0, 2, 1},  {1920, 1080, 240, 0, 1.8f, 0},
                {800, 901, 0, 150, 1, 1},    {1001, 600, 100, 0, 1, 1}, {640, 480, 0, 0, 0.8f, 0},
                {1000, 300, 300, 0, 0.5f, 0}};
    for (const auto& row : rows) {
        Screen::Fit fit = Screen::fit(row.width, row.height);
        std::vector<float> got = {fit.x, fit.y, fit.scale, float(fit.whole())};
        EXPECT_EQ(got, std::vector<float>({row.x, row.y, row.scale, row.whole})) << row.width << row.height;
    }
}

// Twice the picture, each picture pixel is two; a pixel of a bar is off the picture.
TEST(Screen, WindowPixelsMapToPictureCoordinatesThroughTheSameFit) {
    struct {
        int width, height, x, y, toX, toY;
    } rows[] = {{1600, 1200, 799, 1199, 399, 599},
                {1920, 1080, 240, 0, 0, 0},
                {640, 480, 320, 240, 400, 300},
                {1920, 1080, 239, 540, -1, 300},
                {1920, 1080, 1679, 1079, 799, 599}};
    for (const auto& row : rows) {
        int x = row.x, y = row.y;
        Screen::toPicture(Screen::fit(row.width, row.height), x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(row.toX, row.toY)) << row.x;
    }
}

// The usable area is the monitor less a tenth of its height for title bars and panels; without a
// monitor to ask, 800 x 600 is assumed, which leaves 540 pixels.
TEST(Screen, TheWindowOpensAtTheLargestWholeMultipleThatFitsTheUsableAreaOrScaledDown) {
    struct {
        int areaWidth, areaHeight, width, height;
    } rows[] = {{1920, 972, 800, 600}, {2560, 1296, 1600, 1200}, {3840, 1944, 2400, 1800},
                {800, 600, 800, 600},  {640, 432, 576, 432},     {1024, 400, 533, 400}};
    for (const auto& row : rows) {
        int width = 0, height = 0;
        Screen::windowSize(row.areaWidth, row.areaHeight, width, height);
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(row.width, row.height)) << row.areaWidth;
    }
    ASSERT_TRUE(unsetenv("DISPLAY") == 0 && al_init());  // as every test here that starts the library does
    int width = 0, height = 0;
    Screen::desktopWindowSize(width, height);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(720, 540));
}

}  // namespace
