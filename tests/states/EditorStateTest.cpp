#include "states/EditorState.h"
#include "core/SPrintF.h"
#include "io/LoadSave.h"
#include "support/StateDriver.h"

#include <cstdio>
#include <filesystem>

namespace {

// The editor works on "levels/edit.lv" in the working directory: each test has a folder of its own.
struct EditorStateTest : StateTest {
    std::filesystem::path home = std::filesystem::current_path();
    void SetUp() override {
        StateTest::SetUp();
        std::filesystem::create_directory(scratchFolder() + "/levels");
        std::filesystem::create_symlink(home / "media", scratchFolder() + "/media");
        std::filesystem::current_path(scratchFolder());
    }
    void TearDown() override {
        std::filesystem::current_path(home);
        StateTest::TearDown();
    }
    // Where what fills the grid's cells stands, in cells, column by column.
    static std::string placed(EditorState& editor) {
        std::string text;
        for (Entity* entity : editor.grid)
            if (entity)
                text += SPrintF::format("%.0f,%.0f ", entity->x() / 20, entity->y() / 20);
        return text + "of " + std::to_string(editor.world.list(Tags::ENTT).size());
    }
};

// The cell under the mouse is its pixel / 20; left of or above the window is off the field, not cell 0.
TEST_F(EditorStateTest, AClickPlacesInTheCellUnderTheMouseADragInEachNewCellAndTheRightButtonErases) {
    struct Row {
        int x, y, left, right;
        const char* placed;  // afterwards
    } rows[] = {
        {39, 79, 0, 0, "of 0"},          {39, 79, 1, 0, "1,3 of 1"},       {40, 79, 1, 0, "1,3 2,3 of 2"},
        {59, 60, 1, 0, "1,3 2,3 of 2"},  {-5, 60, 1, 0, "1,3 2,3 of 2"},   {10, -1, 1, 0, "1,3 2,3 of 2"},
        {800, 60, 1, 0, "1,3 2,3 of 2"}, {10, 600, 1, 0, "1,3 2,3 of 2"},  {60, 99, 1, 0, "1,3 2,3 3,4 of 3"},
        {40, 60, 0, 1, "1,3 3,4 of 2"},  {100, 100, 0, 1, "1,3 3,4 of 2"}, {20, 60, 1, 0, "1,3 3,4 of 2"}};
    EditorState editor;
    for (const Row& row : rows) {
        editor.selected = row.x == 20 ? 7 : 0;  // loose garbage over the tile
        mouse(editor, row.x, row.y, row.left, row.right);
        EXPECT_EQ(placed(editor), row.placed) << row.x << "," << row.y;
    }
    EXPECT_EQ(editor.grid[1 * 30 + 3]->edString(), "loose garbage");
}

// A wheel turned before the first frame does not count.
TEST_F(EditorStateTest, ZAndXAndTheWheelGoRoundThePaletteOfFortyPrototypesBothWays) {
    EditorState editor;
    std::vector<int> selected;
    const int Z = ALLEGRO_KEY_Z, X = ALLEGRO_KEY_X;
    std::vector<std::pair<int, int>> turns = {{0, 7}, {Z, 7}, {0, 7}, {X, 7}, {0, 10}, {0, 6}};  // key, wheel
    for (auto [key, wheel] : turns) {
        editor.mouse.z = wheel;
        frame(editor, {key});
        selected.push_back(editor.selected);
    }
    EXPECT_EQ(selected, std::vector<int>({0, 39, 39, 0, 3, 39}));
}

TEST_F(EditorStateTest, EachFileCommandSaysWhatItDid) {
    struct Row {
        const char *tiles, *notice;  // the working file's top row, if there is a working file
        int key;
        size_t placedAfter;
    } rows[] = {
        {nullptr, "Saved 1 object to levels/edit.lv", ALLEGRO_KEY_S, 1},
        {"00", "Loaded 2 objects from levels/edit.lv", ALLEGRO_KEY_L, 2},
        {"", "Loaded 0 objects from levels/edit.lv", ALLEGRO_KEY_L, 0},
        {nullptr, "There is no levels/edit.lv to load yet: press S to save one.", ALLEGRO_KEY_L, 1},
    };
    for (const Row& row : rows) {
        std::remove("levels/edit.lv");
        if (row.tiles)
            std::rename(levelFile({row.tiles}).c_str(), "levels/edit.lv");
        EditorState editor;
        mouse(editor, 100, 100);
        mouse(editor, 100, 100, true);
        frame(editor, {row.key});
        EXPECT_EQ(editor.notice.current(), row.notice);
        EXPECT_EQ(editor.world.list(Tags::ENTT).size(), row.placedAfter) << row.notice;
    }
}

// Two seconds from the latest command, in quarter-second frames.
TEST_F(EditorStateTest, ANoticeShowsForTwoSecondsFromTheLatestCommand) {
    EditorState editor;
    std::string shown;
    for (int turn = 0; turn < 17; ++turn) {
        frame(editor, {turn == 0 ? ALLEGRO_KEY_S : turn == 7 ? ALLEGRO_KEY_L : 0}, 0.25);
        shown += editor.notice.current().substr(0, 1) + ".";
    }
    EXPECT_EQ(shown, "S.S.S.S.S.S.S.L.L.L.L.L.L.L.L...");
}

}  // namespace
