#include "states/Screen.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* window;
    int width, height;
    float x, y, scale;
    bool whole;
};

class ScreenFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenFit, KeepsTheShapeWithBarsWhereTheWindowDiffers) {
    const FitCase& c = GetParam();
    Screen::Fit fit = Screen::fit(c.width, c.height);
    EXPECT_FLOAT_EQ(fit.x, c.x);
    EXPECT_FLOAT_EQ(fit.y, c.y);
    EXPECT_FLOAT_EQ(fit.scale, c.scale);
    EXPECT_EQ(fit.whole(), c.whole);
    EXPECT_LE(fit.x * 2 + 800 * fit.scale, c.width + 0.01f);
    EXPECT_LE(fit.y * 2 + 600 * fit.scale, c.height + 0.01f);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ScreenFit,
    ::testing::Values(FitCase{"exact", 800, 600, 0, 0, 1, true}, FitCase{"twice", 1600, 1200, 0, 0, 2, true},
                      FitCase{"fullHd", 1920, 1080, 240, 0, 1.8f, false},
                      FitCase{"fourK", 3840, 2160, 480, 0, 3.6f, false},
                      FitCase{"tall", 800, 900, 0, 150, 1, true}, FitCase{"small", 640, 480, 0, 0, 0.8f, false},
                      FitCase{"wideAndShort", 1000, 300, 300, 0, 0.5f, false}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.window); });

TEST(Screen, WindowPixelsMapToPictureCoordinatesThroughTheSameFit) {
    struct {
        int windowWidth, windowHeight, x, y, pictureX, pictureY;
    } cases[] = {
        {800, 600, 123, 456, 123, 456},     // unscaled: unchanged
        {1600, 1200, 799, 1199, 399, 599},  // twice: each picture pixel is two
        {1920, 1080, 240, 0, 0, 0},         // the picture's corner after the left bar
        {1920, 1080, 239, 540, -1, 300},    // in the bar: off the picture
        {1920, 1080, 1679, 1079, 799, 599},  // the last pixel
        {640, 480, 320, 240, 400, 300},     // scaled down: the middle stays the middle
    };
    for (const auto& c : cases) {
        int x = c.x, y = c.y;
        Screen::toPicture(Screen::fit(c.windowWidth, c.windowHeight), x, y);
        EXPECT_EQ(x, c.pictureX) << c.windowWidth << "x" << c.windowHeight << " at " << c.x << "," << c.y;
        EXPECT_EQ(y, c.pictureY) << c.windowWidth << "x" << c.windowHeight << " at " << c.x << "," << c.y;
    }
}

TEST(Screen, WindowOpensAtTheLargestWholeMultipleThatFitsOrScaledDown) {
    struct {
        int areaWidth, areaHeight, width, height;
    } cases[] = {
        {1920, 972, 800, 600},    // 1080p less its panels: once
        {2560, 1296, 1600, 1200}, // 1440p: twice
        {3840, 1944, 2400, 1800}, // 4K: three times
        {800, 600, 800, 600},
        {640, 432, 576, 432},     // smaller than the picture: scaled down, shape kept
        {1024, 400, 533, 400},
    };
    for (const auto& c : cases) {
        int width = 0, height = 0;
        Screen::windowSize(c.areaWidth, c.areaHeight, width, height);
        EXPECT_EQ(width, c.width) << c.areaWidth << "x" << c.areaHeight;
        EXPECT_EQ(height, c.height) << c.areaWidth << "x" << c.areaHeight;
    }
}

} // namespace
