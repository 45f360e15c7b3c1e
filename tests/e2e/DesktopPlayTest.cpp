#include "support/Desktop.h"
#include "support/GameProcess.h"
#include "support/VirtualScreen.h"

#include <gtest/gtest.h>

namespace {

bool black(Desktop::Colour c) {
    return c.r == 0 && c.g == 0 && c.b == 0;
}

bool light(Desktop::Colour c) {
    return c.r > 100 && c.g > 150 && c.b > 200;
}

bool dark(Desktop::Colour c) {
    return c.r < 60 && c.g < 60 && c.b < 60;
}

// The title's logo, its dark outline, in the picture's own coordinates mapped to the window.
bool logoShown(const Desktop& desktop, float left, float top, float scale) {
    auto x = [&](int px) { return static_cast<int>(left + px * scale); };
    auto y = [&](int py) { return static_cast<int>(top + py * scale); };
    return desktop.count(x(170), y(45), x(620), y(130), dark, 3) > 200 * scale * scale;
}

TEST(DesktopPlay, FullScreenOnAWideScreenFillsTheHeightWithBarsAtTheSidesAndF11GivesAWindow) {
    VirtualScreen screen(1920, 1080);
    ASSERT_TRUE(screen.started());
    GameProcess game;
    game.start({"-fs"});
    unsigned long window = game.window(15);
    ASSERT_NE(window, 0u) << game.output();
    Desktop desktop(window);
    desktop.pause(1.5);
    ASSERT_TRUE(desktop.shoot("full-screen", 1920, 1080));
    // 800 x 600 at 1.8 times is 1440 x 1080, centred: 240 pixels of bar on each side.
    EXPECT_EQ(desktop.count(0, 0, 240, 1080, black, 8), 30 * 135);
    EXPECT_EQ(desktop.count(1680, 0, 1920, 1080, black, 8), 30 * 135);
    EXPECT_LT(desktop.count(240, 0, 1680, 1080, black, 8), 100);
    EXPECT_TRUE(logoShown(desktop, 240, 0, 1.8f));

    desktop.clickAt(240 + 70 * 1.8, 345 * 1.8);  // level 1's button, where it is drawn
    desktop.pause(1.0);
    ASSERT_TRUE(desktop.shoot("full-screen-level", 1920, 1080));
    EXPECT_FALSE(logoShown(desktop, 240, 0, 1.8f));

    desktop.key("Escape");
    desktop.key("F11");
    desktop.pause(1.0);
    EXPECT_TRUE(desktop.shoot("full-screen-left", 800, 600));
    EXPECT_TRUE(logoShown(desktop, 0, 0, 1));
    EXPECT_EQ(closeGameWindow(game, 15.0), 0) << game.output();
}

TEST(DesktopPlay, OnAScreenSmallerThanThePictureTheWholeTitleShowsAndQuitCanBeClicked) {
    VirtualScreen screen(640, 480);
    ASSERT_TRUE(screen.started());
    GameProcess game;
    game.start({});
    unsigned long window = game.window(15);
    ASSERT_NE(window, 0u) << game.output();
    Desktop desktop(window);
    desktop.pause(1.5);
    // The screen's height less its panels, 432, at the picture's shape.
    ASSERT_TRUE(desktop.shoot("small-screen", 576, 432));
    EXPECT_TRUE(logoShown(desktop, 0, 0, 0.72f));
    desktop.clickAt(400 * 0.72, 545 * 0.72);  // Quit
    EXPECT_EQ(game.wait(10), 0) << game.output();
}

TEST(DesktopPlay, TheTitleDrivenByKeysAloneStartsLevelOneAndComesBack) {
    GameProcess game;
    game.start({});
    unsigned long window = game.window(15);
    ASSERT_NE(window, 0u) << game.output();
    Desktop desktop(window);
    desktop.moveTo(790, 10);  // out of the menu's way: the focus is the keys' alone
    desktop.pause(1.5);
    ASSERT_TRUE(desktop.shoot("title-focused"));
    desktop.key("Left");  // from level 1, the first unfinished level, there is nothing further left
    desktop.key("Return");
    desktop.pause(1.0);
    ASSERT_TRUE(desktop.shoot("heads-up"));
    EXPECT_FALSE(logoShown(desktop, 0, 0, 1));
    int lightSky = desktop.count(0, 40, 800, 300, light, 10);
    EXPECT_GT(lightSky, 500);
    desktop.key("p");
    desktop.pause(0.3);
    ASSERT_TRUE(desktop.shoot("paused"));
    EXPECT_LT(desktop.count(0, 40, 800, 300, light, 10), lightSky / 10);  // dimmed
    desktop.key("p");
    desktop.pause(0.3);
    ASSERT_TRUE(desktop.shoot("resumed"));
    EXPECT_GT(desktop.count(0, 40, 800, 300, light, 10), lightSky * 9 / 10);
    desktop.key("Escape");
    desktop.pause(0.5);
    ASSERT_TRUE(desktop.shoot("keys-back"));
    EXPECT_TRUE(logoShown(desktop, 0, 0, 1));
    desktop.key("Escape");
    EXPECT_EQ(game.wait(10), 0) << game.output();
}

} // namespace
