#include "core/AtomicFile.h"
#include "io/Kinds.h"
#include "io/LevelRecord.h"
#include "io/LevelText.h"
#include "support/Desktop.h"
#include "support/GameProcess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Two small levels of the test's own: a floor to walk and jump on, and one whose bag drops
// straight into its container, so that it completes by itself a second after it starts.
std::string levelText(bool dropping) {
    std::vector<std::string> rows(30, std::string(40, '.'));
    for (int row = 25; row < 30; ++row)
        rows[row] = std::string(40, '0');
    rows[24][5] = '@';
    if (dropping)
        rows[2][20] = 'b';
    std::string text = "map\n";
    for (const std::string& row : rows)
        text += row + "\n";
    return text + "objects\ncontainer " + (dropping ? "20" : "35") + " 24 1\n";
}

// The shipped numbered levels give way to the test's own.
void removeNumberedLevels(GameProcess& game) {
    for (const auto& entry : std::filesystem::directory_iterator(game.folder() + "/levels"))
        if (std::isdigit(static_cast<unsigned char>(entry.path().filename().string()[0])))
            std::filesystem::remove(entry.path());
}

void addLevel(GameProcess& game, int number, bool dropping) {
    std::vector<LevelRecord> records;
    std::string error;
    ASSERT_TRUE(LevelText::read(levelText(dropping), records, error)) << error;
    ASSERT_TRUE(AtomicFile::write(game.folder() + "/levels/" + std::to_string(number) + ".lv",
                                  LevelRecords::write(records)));
}

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The day sky and its clouds are light and blue; the logo, the avatar's outline and the
// summary panel are not.
bool dark(Desktop::Colour c) {
    return c.r < 60 && c.g < 60 && c.b < 60;
}

bool skyLike(Desktop::Colour c) {
    return c.b > 200 && c.b >= c.g && c.b >= c.r;
}

bool notSky(Desktop::Colour c) {
    return !skyLike(c);
}

bool logoShown(const Desktop& desktop) {
    return desktop.count(170, 45, 620, 130, dark, 3) > 200;
}

TEST(PlayThrough, TitleThenALevelWalkedAndJumpedThenACompletionThenQuit) {
    GameProcess game;
    removeNumberedLevels(game);
    addLevel(game, 1, false);
    addLevel(game, 2, true);
    game.start({});
    unsigned long window = game.window(15);
    ASSERT_NE(window, 0u) << game.output();
    Desktop desktop(window);
    desktop.pause(1.5);

    ASSERT_TRUE(desktop.shoot("title"));
    EXPECT_TRUE(logoShown(desktop));
    EXPECT_GT(desktop.count(0, 150, 800, 280, skyLike, 10), 250);  // the sky behind the menu

    desktop.clickAt(70, 345);  // level 1
    desktop.pause(1.0);
    ASSERT_TRUE(desktop.shoot("level"));
    EXPECT_FALSE(logoShown(desktop));
    EXPECT_GT(desktop.count(95, 480, 125, 500, notSky), 20);  // the avatar where it starts

    desktop.hold("Right", 0.6);
    desktop.key("z");
    desktop.pause(0.1);
    ASSERT_TRUE(desktop.shoot("walked"));
    EXPECT_EQ(desktop.count(95, 480, 125, 500, notSky), 0);
    EXPECT_GT(desktop.count(150, 300, 400, 500, notSky), 20);  // further right, perhaps still in the air

    desktop.key("Escape");
    desktop.pause(0.5);
    desktop.clickAt(110, 345);  // level 2, which completes by itself
    desktop.pause(3.0);
    ASSERT_TRUE(desktop.shoot("completed"));
    EXPECT_GT(desktop.count(20, 20, 780, 220, [](Desktop::Colour c) { return c.b < 130; }, 10), 1000);

    desktop.key("Escape");
    desktop.pause(0.5);
    ASSERT_TRUE(desktop.shoot("back-at-title"));
    EXPECT_TRUE(logoShown(desktop));
    desktop.clickAt(400, 545);  // Quit
    EXPECT_EQ(game.wait(10), 0) << game.output();

    std::vector<uint8_t> progress = fileBytes(game.folder() + "/sorrelmoor.dat");
    ASSERT_EQ(progress.size(), 5u + 12 * 2);
    EXPECT_EQ(progress[5 + 1], 0);       // level 1 not completed
    EXPECT_EQ(progress[5 + 12 + 1], 1);  // level 2 completed
    EXPECT_EQ(progress[5 + 12 + 2], 1);  // with the golden crown: it has no loose garbage
}

// Editor colours: the background and the grid lines.
const Desktop::Colour PAPER = {120, 180, 255};

bool paper(Desktop::Colour c) {
    return c.r == PAPER.r && c.g == PAPER.g && c.b == PAPER.b;
}

bool gridLine(Desktop::Colour c) {
    return c.r == 60 && c.g == 100 && c.b == 255;
}

struct Placed {
    int tiles = 0, avatars = 0, containers = 0;
};

Placed placedIn(const std::string& path) {
    std::vector<LevelRecord> records;
    std::string error;
    EXPECT_TRUE(LevelRecords::parse(fileBytes(path), records, error)) << error;
    Placed placed;
    for (const LevelRecord& record : records) {
        std::string code = record.kind->code;
        placed.tiles += code == "tl" && record.row == 25 && record.value == 0;
        placed.avatars += code == "av" && record.col == 5 && record.row == 24;
        placed.containers += code == "ct" && record.col == 15 && record.row == 24 && record.value == 1;
    }
    return placed;
}

TEST(PlayThrough, EditorPlacesSavesLoadsAndTestPlays) {
    GameProcess game;
    game.start({"-editor"});
    unsigned long window = game.window(15);
    ASSERT_NE(window, 0u) << game.output();
    Desktop desktop(window);
    desktop.pause(1.0);
    ASSERT_TRUE(desktop.shoot("editor-empty"));
    // Cell middles are paper and cell edges grid lines, below the prototype's name.
    EXPECT_EQ(desktop.count(10, 30, 800, 600, paper, 20), 40 * 29);
    EXPECT_EQ(desktop.count(0, 30, 800, 600, gridLine, 20), 40 * 29);
    EXPECT_EQ(desktop.count(10, 0, 800, 600, gridLine, 20), 40 * 30);

    desktop.moveTo(5, 505);  // a floor, painted by dragging along row 25
    desktop.pause(0.1);
    desktop.buttonDown();
    for (int x = 5; x < 400; x += 20) {
        desktop.moveTo(x, 505);
        desktop.pause(0.06);
    }
    desktop.buttonUp();
    for (int i = 0; i < 11; ++i)
        desktop.key("x");
    desktop.clickAt(105, 485);  // the avatar
    for (int i = 0; i < 3; ++i)
        desktop.key("x");
    desktop.clickAt(305, 485);  // a container for one bag
    desktop.key("s");
    desktop.pause(0.3);
    ASSERT_TRUE(desktop.shoot("editor-placed"));
    EXPECT_EQ(desktop.count(1, 501, 400, 519, paper), 0);
    EXPECT_GT(desktop.count(400, 501, 800, 519, paper), 300);
    std::vector<uint8_t> saved = fileBytes(game.folder() + "/levels/edit.lv");
    Placed placed = placedIn(game.folder() + "/levels/edit.lv");
    EXPECT_EQ(placed.tiles, 20);
    EXPECT_EQ(placed.avatars, 1);
    EXPECT_EQ(placed.containers, 1);

    desktop.clickAt(705, 105);  // placed after the save, so the load takes it away
    desktop.pause(0.2);
    ASSERT_TRUE(desktop.shoot("editor-extra"));
    EXPECT_LT(desktop.count(701, 101, 719, 119, paper), 300);
    desktop.key("l");
    desktop.pause(0.3);
    ASSERT_TRUE(desktop.shoot("editor-loaded"));
    EXPECT_EQ(desktop.count(701, 101, 719, 119, paper), 18 * 18);
    EXPECT_EQ(desktop.count(1, 501, 400, 519, paper), 0);

    desktop.key("p");
    desktop.pause(1.0);
    ASSERT_TRUE(desktop.shoot("editor-test-play"));
    EXPECT_EQ(desktop.count(0, 0, 800, 480, paper, 5), 0);  // the sky, not the editor
    EXPECT_EQ(desktop.count(0, 0, 800, 480, gridLine, 5), 0);
    desktop.key("Escape");
    desktop.pause(0.5);
    ASSERT_TRUE(desktop.shoot("editor-back"));
    EXPECT_GT(desktop.count(0, 0, 800, 480, paper, 5), 5000);

    EXPECT_EQ(closeGameWindow(game, 15.0), 0) << game.output();
    EXPECT_EQ(fileBytes(game.folder() + "/levels/edit.lv"), saved);
    EXPECT_EQ(placedIn(game.folder() + "/levels/play.lv").avatars, 1);
    EXPECT_TRUE(fileBytes(game.folder() + "/sorrelmoor.dat").empty());
}

} // namespace
