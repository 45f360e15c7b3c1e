#include "core/AtomicFile.h"
#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "io/LevelText.h"
#include "support/Files.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

namespace {

const auto dark = [](GameProcess::Colour c) { return c.r < 60 && c.g < 60 && c.b < 60; };
const auto black = [](GameProcess::Colour c) { return c.r == 0 && c.g == 0 && c.b == 0; };

// The title's logo, its dark outline, in the picture's coordinates mapped to the window.
bool logoShown(const GameProcess& game, float left = 0, float scale = 1) {
    int x1 = int(left + 170 * scale), x2 = int(left + 620 * scale);
    return game.count(x1, int(45 * scale), x2, int(130 * scale), dark, 3) > 200 * scale * scale;
}

// Level 2 becomes a floor whose one bag drops straight into its container: it completes by itself
// a second after it starts, with no loose garbage to miss.
void writeLevelTwo(GameProcess& game) {
    std::vector<std::string> rows(30, std::string(40, '.'));
    rows[2][20] = 'b';
    rows[24][5] = '@';
    std::string text = "map\n";
    for (int row = 0; row < 30; ++row)
        text += (row < 25 ? rows[row] : std::string(40, '0')) + "\n";
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(text + "objects\ncontainer 20 24 1\n", records, error)) << error;
    ASSERT_TRUE(AtomicFile::write(game.folder() + "/levels/2.lv", LevelRecords::write(records)));
}

// Full screen on a 1920 x 1080 screen shows 800 x 600 at 1.8 times, 1440 x 1080 with 240 pixels
// of bar each side; F11 leaves it for a window of the screen less its panels, which is 800 x 600.
TEST(Journey, AGameStartedFullScreenIsPlayedByAScaledClickAndThenInAWindowAndQuitsWithNothingAmiss) {
    GameProcess game;
    writeLevelTwo(game);
    game.start("-fs", "1920x1080");
    ASSERT_TRUE(game.open(15)) << game.output();
    ASSERT_TRUE(game.shoot("full-screen", 1920, 1080));
    EXPECT_EQ(game.count(0, 0, 240, 1080, black, 8) + game.count(1680, 0, 1920, 1080, black, 8), 60 * 135);
    EXPECT_TRUE(logoShown(game, 240, 1.8f));
    game.clickAt(240 + 110 * 1.8, 345 * 1.8);  // level 2's button, where it is drawn
    game.pause(3.0);
    ASSERT_TRUE(game.shoot("completed", 1920, 1080));
    EXPECT_GT(game.count(
                  276, 36, 1644, 396, [](auto c) { return c.b < 130; }, 10),
              1000);  // the summary
    game.key("Escape", 0.5);
    game.key("F11", 1.0);
    game.moveTo(790, 10);   // inside, for the keys, but off the menu: the focus level 2 took hides
    game.key("Left", 0.5);  // and comes back, moving on to level 1
    ASSERT_TRUE(game.shoot("title") && game.shoot("title-focused"));  // level 1's details shown
    EXPECT_TRUE(logoShown(game));
    game.key("Return", 1.0);
    ASSERT_TRUE(game.shoot("heads-up"));
    EXPECT_FALSE(logoShown(game));
    game.key("p", 0.3);
    ASSERT_TRUE(game.shoot("paused"));
    game.key("p");
    game.key("Right", 0.1, 0.6);
    ASSERT_TRUE(game.shoot("walked"));
    game.key("Escape", 0.5);  // to the title,
    game.key("Escape", 0.5);  // and out
    EXPECT_EQ(game.wait(10), 0) << game.output();
    std::vector<uint8_t> progress = fileBytes(game.folder() + "/sorrelmoor.dat");
    ASSERT_EQ(progress.size(), 5u + 12 * numberedLevelSources().size());
    // Level 1 not completed; level 2 open, completed, with the golden and silver crowns.
    EXPECT_EQ(std::vector<int>({progress[6], progress[17], progress[18], progress[19], progress[20]}),
              std::vector<int>({0, 1, 1, 1, 1}));
}

// A 640 x 480 screen less its panels is 432 high, which holds the picture at 0.72: 576 x 432.
TEST(Journey, OnASmallScreenWithoutSoundTheEditorSavesAFloorPaintedAcrossItsCells) {
    GameProcess game;
    game.start("-editor", "640x480", "HOME=" + game.folder() + " ALSOFT_DRIVERS=alsa");
    ASSERT_TRUE(game.open(15)) << game.output();
    auto cell = [](int col) { return static_cast<int>((20 * col + 10) * 0.72); };  // a cell's middle
    game.moveTo(cell(0), cell(24), " sleep 0.1 mousedown 1 sleep 0.1");
    for (int col = 1; col < 20; ++col)
        game.moveTo(cell(col), cell(24), " sleep 0.1");
    game.moveTo(cell(19), cell(24), " sleep 0.1 mouseup 1");
    game.key("s", 0.3);
    ASSERT_TRUE(game.shoot("editor-placed", 576, 432));
    EXPECT_EQ(game.output(), "No sound device: playing without sound.\n");
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelRecords::parse(fileBytes(game.folder() + "/levels/edit.lv"), records, error)) << error;
    std::string placed;
    for (const LevelRecord& r : records)
        placed += std::string(r.kind->code) + " " + std::to_string(r.col) + "," + std::to_string(r.row) + " ";
    std::string floor;
    for (int col = 0; col < 20; ++col)
        floor += "tl " + std::to_string(col) + ",24 ";
    EXPECT_EQ(placed, floor);
}

}  // namespace
