#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "io/LevelText.h"
#include "progress/AtomicFile.h"
#include "support/Files.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

namespace {

using Colour = GameProcess::Colour;

const auto dark = [](Colour c) { return c.r < 60 && c.g < 60 && c.b < 60; };
const auto light = [](Colour c) { return c.r > 100 && c.g > 150 && c.b > 200; };
const auto notSky = [](Colour c) { return !(c.b > 200 && c.b >= c.g && c.b >= c.r); };
const auto black = [](Colour c) { return c.r == 0 && c.g == 0 && c.b == 0; };
const auto paper = [](Colour c) { return c.r == 120 && c.g == 180 && c.b == 255; };  // the editor's background
const auto gridLine = [](Colour c) { return c.r == 60 && c.g == 100 && c.b == 255; };

// The title's logo, its dark outline, in the picture's coordinates mapped to the window.
bool logoShown(const GameProcess& game, float left = 0, float top = 0, float scale = 1) {
    auto x = [&](int px) { return static_cast<int>(left + px * scale); };
    auto y = [&](int py) { return static_cast<int>(top + py * scale); };
    return game.count(x(170), y(45), x(620), y(130), dark, 3) > 200 * scale * scale;
}

// A floor to walk on, or one whose bag drops straight into its container, so that the level
// completes by itself a second after it starts.
void writeLevel(GameProcess& game, int number, bool dropping) {
    std::vector<std::string> rows(30, std::string(40, '.'));
    for (int row = 25; row < 30; ++row)
        rows[row] = std::string(40, '0');
    rows[24][5] = '@';
    rows[2][20] = dropping ? 'b' : '.';
    std::string text = "map\n";
    for (const std::string& row : rows)
        text += row + "\n";
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(text + "objects\ncontainer " + (dropping ? "20" : "35") + " 24 1\n", records, error));
    ASSERT_TRUE(AtomicFile::write(game.folder() + "/levels/" + std::to_string(number) + ".lv",
                                  LevelRecords::write(records)));
}

TEST(Journey, TheTitleByKeysThenAPausedWalkAndACompletionSavedWhenTheWindowIsClosed) {
    GameProcess game;
    writeLevel(game, 1, false);
    writeLevel(game, 2, true);
    game.start({});
    ASSERT_TRUE(game.open(15)) << game.output();
    game.moveTo(790, 10);  // out of the menu's way: the focus is the keys' alone
    game.pause(1.5);
    ASSERT_TRUE(game.shoot("title") && game.shoot("title-focused"));
    EXPECT_TRUE(logoShown(game));
    EXPECT_GT(game.count(0, 150, 800, 280, light, 10), 250);  // the sky behind the menu
    game.key("Left");  // from level 1, the first unfinished level, there is nothing further left
    game.key("Return");
    game.pause(1.0);
    ASSERT_TRUE(game.shoot("heads-up"));
    EXPECT_FALSE(logoShown(game));
    EXPECT_GT(game.count(95, 480, 125, 500, notSky), 20);  // the avatar where it starts
    int sky = game.count(0, 40, 800, 300, light, 10);
    EXPECT_GT(sky, 500);
    game.key("p");
    game.pause(0.3);
    ASSERT_TRUE(game.shoot("paused"));
    EXPECT_LT(game.count(0, 40, 800, 300, light, 10), sky / 10);
    game.key("p");
    game.hold("Right", 0.6);
    game.key("z");
    game.pause(0.1);
    ASSERT_TRUE(game.shoot("walked"));
    EXPECT_GT(game.count(0, 40, 800, 300, light, 10), sky * 8 / 10);
    EXPECT_EQ(game.count(95, 480, 125, 500, notSky), 0);
    EXPECT_GT(game.count(150, 300, 400, 500, notSky), 20);  // further right, perhaps still in the air
    game.key("Escape");
    game.pause(0.5);
    game.clickAt(110, 345);  // level 2, which completes by itself
    game.pause(3.0);
    ASSERT_TRUE(game.shoot("completed"));
    EXPECT_GT(game.count(20, 20, 780, 220, [](Colour c) { return c.b < 130; }, 10), 1000);  // the summary
    game.key("Escape");
    game.pause(0.5);
    ASSERT_TRUE(game.shoot("back-at-title"));
    EXPECT_TRUE(logoShown(game));
    EXPECT_EQ(game.close(15), 0) << game.output();
    std::vector<uint8_t> progress = fileBytes(game.folder() + "/sorrelmoor.dat");
    ASSERT_EQ(progress.size(), 5u + 12 * numberedLevelSources().size());
    EXPECT_EQ(progress[5 + 1], 0);       // level 1 not completed
    EXPECT_EQ(progress[5 + 12 + 1], 1);  // level 2 completed
    EXPECT_EQ(progress[5 + 12 + 2], 1);  // with the golden crown: it has no loose garbage
}

// What the editor's file holds where the test put it: floor tiles, the avatar, the container.
std::vector<int> placedIn(const std::string& path) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelRecords::parse(fileBytes(path), records, error)) << error;
    std::vector<int> placed(3);
    for (const LevelRecord& r : records) {
        std::string code = r.kind->code;
        placed[0] += code == "tl" && r.row == 25 && r.value == 0;
        placed[1] += code == "av" && r.col == 5 && r.row == 24;
        placed[2] += code == "ct" && r.col == 15 && r.row == 24 && r.value == 1;
    }
    return placed;
}

TEST(Journey, TheEditorPaintsSavesLoadsAndTestPlaysWithoutWritingProgress) {
    GameProcess game;
    game.start({"-editor"});
    ASSERT_TRUE(game.open(15)) << game.output();
    game.pause(1.0);
    ASSERT_TRUE(game.shoot("editor-empty"));
    // Cell middles are paper and cell edges grid lines, below the prototype's name.
    EXPECT_EQ(game.count(10, 30, 800, 600, paper, 20), 40 * 29);
    EXPECT_EQ(game.count(0, 30, 800, 600, gridLine, 20), 40 * 29);
    EXPECT_EQ(game.count(10, 0, 800, 600, gridLine, 20), 40 * 30);
    game.moveTo(5, 505);  // a floor, painted by dragging along row 25
    game.pause(0.1);
    game.button(true);
    for (int x = 5; x < 400; x += 20) {
        game.moveTo(x, 505);
        game.pause(0.06);
    }
    game.button(false);
    for (int i = 0; i < 11; ++i)
        game.key("x");
    game.clickAt(105, 485);  // the avatar
    for (int i = 0; i < 3; ++i)
        game.key("x");
    game.clickAt(305, 485);  // a container for one bag
    game.key("s");
    game.pause(0.3);
    ASSERT_TRUE(game.shoot("editor-placed"));
    EXPECT_EQ(game.count(1, 501, 400, 519, paper), 0);
    EXPECT_GT(game.count(400, 501, 800, 519, paper), 300);
    std::vector<uint8_t> saved = fileBytes(game.folder() + "/levels/edit.lv");
    EXPECT_EQ(placedIn(game.folder() + "/levels/edit.lv"), std::vector<int>({20, 1, 1}));
    game.clickAt(705, 105);  // placed after the save, so the load takes it away
    game.pause(0.2);
    ASSERT_TRUE(game.shoot("editor-extra"));
    EXPECT_LT(game.count(701, 101, 719, 119, paper), 300);
    game.key("l");
    game.pause(0.3);
    ASSERT_TRUE(game.shoot("editor-loaded"));
    EXPECT_EQ(game.count(701, 101, 719, 119, paper), 18 * 18);
    EXPECT_EQ(game.count(1, 501, 400, 519, paper), 0);
    game.key("p");
    game.pause(1.0);
    ASSERT_TRUE(game.shoot("editor-test-play"));
    EXPECT_EQ(game.count(0, 0, 800, 480, paper, 5) + game.count(0, 0, 800, 480, gridLine, 5), 0);
    game.key("Escape");
    game.pause(0.5);
    ASSERT_TRUE(game.shoot("editor-back"));
    EXPECT_GT(game.count(0, 0, 800, 480, paper, 5), 5000);
    EXPECT_EQ(game.close(15), 0) << game.output();
    EXPECT_EQ(fileBytes(game.folder() + "/levels/edit.lv"), saved);
    EXPECT_EQ(placedIn(game.folder() + "/levels/play.lv")[1], 1);
    EXPECT_TRUE(fileBytes(game.folder() + "/sorrelmoor.dat").empty());
}

TEST(Journey, FullScreenOnAWideScreenHasBarsAtTheSidesAndF11GivesAWindowThatEscapeLeaves) {
    GameProcess game;
    game.start({"-fs"}, "1920x1080");
    ASSERT_TRUE(game.open(15)) << game.output();
    game.pause(1.5);
    ASSERT_TRUE(game.shoot("full-screen", 1920, 1080));
    // 800 x 600 at 1.8 times is 1440 x 1080, centred: 240 pixels of bar on each side.
    EXPECT_EQ(game.count(0, 0, 240, 1080, black, 8), 30 * 135);
    EXPECT_EQ(game.count(1680, 0, 1920, 1080, black, 8), 30 * 135);
    EXPECT_LT(game.count(240, 0, 1680, 1080, black, 8), 100);
    EXPECT_TRUE(logoShown(game, 240, 0, 1.8f));
    game.clickAt(240 + 70 * 1.8, 345 * 1.8);  // level 1's button, where it is drawn
    game.pause(1.0);
    ASSERT_TRUE(game.shoot("full-screen-level", 1920, 1080));
    EXPECT_FALSE(logoShown(game, 240, 0, 1.8f));
    game.key("Escape");
    game.key("F11");
    game.pause(1.0);
    EXPECT_TRUE(game.shoot("full-screen-left"));
    EXPECT_TRUE(logoShown(game));
    game.key("Escape");
    EXPECT_EQ(game.wait(10), 0) << game.output();
}

TEST(Journey, OnASmallScreenWithoutSoundTheWholeTitleShowsAndQuitCanBeClicked) {
    GameProcess game;
    game.start({}, "640x480", {"HOME=" + game.folder(), "ALSOFT_DRIVERS=alsa"});
    ASSERT_TRUE(game.open(15)) << game.output();
    game.pause(1.5);
    ASSERT_TRUE(game.shoot("small-screen", 576, 432));  // the screen's height less its panels, 432
    EXPECT_TRUE(logoShown(game, 0, 0, 0.72f));
    game.clickAt(400 * 0.72, 545 * 0.72);  // Quit
    EXPECT_EQ(game.wait(10), 0) << game.output();
    EXPECT_EQ(game.output(), "No sound device: playing without sound.\n");
}

TEST(Journey, WithoutADisplayTheGameSaysSoAndEnds) {
    GameProcess game;
    game.start({}, "");
    EXPECT_EQ(game.wait(20), 1);
    EXPECT_EQ(game.output().rfind("FATAL: Unable to create any sort of display window..\nAllegro error: ", 0), 0u)
        << game.output();
}

} // namespace
