#include "entities/Message.h"
#include "io/LoadSave.h"
#include "states/EditorState.h"
#include "support/StateDriver.h"
#include "world/Tile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The editor works on "levels/edit.lv" in the working directory: each test has a folder of its own.
struct EditorStateTest : StateTest {
    std::string home;
    void SetUp() override {
        StateTest::SetUp();
        char here[4096];
        home = getcwd(here, sizeof here);
        std::string folder = scratchFolder();
        std::system(("mkdir -p '" + folder + "/levels' && ln -s '" + home + "/media' '" + folder + "/media'").c_str());
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(home.c_str()), 0);
        StateTest::TearDown();
    }
    void press(EditorState& editor, int key) {
        frame(editor, {key});
        frame(editor);
    }
    static Entity* cell(EditorState& editor, int col, int row) { return editor.grid[col * 30 + row]; }
    static size_t placed(EditorState& editor) { return editor.world.list(Tags::ENTT).size(); }
    // Pixels of the editor's picture in the box that are neither its paper nor its grid lines.
    int inked(EditorState& editor, int x1, int y1, int x2, int y2) {
        ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
        editor.render(nullptr);
        return count(canvas, x1, y1, x2, y2, [](int r, int g, int b) {
            return !(r == 120 && g == 180 && b == 255) && !(r == 60 && g == 100 && b == 255);
        });
    }
};

TEST_F(EditorStateTest, ZAndXAndTheWheelGoRoundThePaletteOfFortyInItsOrder) {
    EditorState editor;
    ASSERT_EQ(editor.palette.size(), 40u);
    std::vector<std::string> some;
    for (int i : {0, 4, 5, 7, 11, 13, 14, 18, 19, 29, 39})
        some.push_back(editor.palette[i]->edString());
    EXPECT_EQ(some, std::vector<std::string>({"tile(0)", "tile(4)", "message", "loose garbage", "avatar",
                                              "baddie(feral)", "container(1)", "container(5)", "lever(0,off)",
                                              "presspad(0,off)", "fireworks"}));
    mouse(editor, 100, 100, false, false, 7);  // a wheel already turned before the first frame
    EXPECT_EQ(editor.selected, 0);
    press(editor, ALLEGRO_KEY_Z);
    EXPECT_EQ(editor.selected, 39);
    press(editor, ALLEGRO_KEY_X);
    EXPECT_EQ(editor.selected, 0);
    mouse(editor, 100, 100, false, false, 10);
    EXPECT_EQ(editor.selected, 3);
    mouse(editor, 100, 100, false, false, 6);
    EXPECT_EQ(editor.selected, 39);
}

TEST_F(EditorStateTest, AClickPlacesOrReplacesADragPaintsEachNewCellOnceAndTheRightButtonErases) {
    EditorState editor;
    mouse(editor, 45, 65);
    mouse(editor, 45, 65, true);
    ASSERT_NE(cell(editor, 2, 3), nullptr);
    EXPECT_EQ(cell(editor, 2, 3)->x(), 40);
    EXPECT_EQ(cell(editor, 2, 3)->y(), 60);
    mouse(editor, 59, 79, true);  // held in the same cell: nothing more
    mouse(editor, 60, 79, true);  // into the next cell
    mouse(editor, 75, 70, true);
    EXPECT_EQ(placed(editor), 2u);
    mouse(editor, 75, 70);
    editor.selected = 7;
    mouse(editor, 45, 65, true);  // a click replaces what is there
    EXPECT_EQ(placed(editor), 2u);
    EXPECT_EQ(cell(editor, 2, 3)->edString(), "loose garbage");
    for (Vec p : {Vec(-5, 10), Vec(810, 10), Vec(10, 605), Vec(10, -1)})
        mouse(editor, p.x, p.y, true);  // off the window: nothing
    mouse(editor, 100, 100, false, true);  // an empty cell stays empty
    EXPECT_EQ(placed(editor), 2u);
    mouse(editor, 45, 65, false, true);
    EXPECT_EQ(placed(editor), 1u);
    EXPECT_EQ(cell(editor, 2, 3), nullptr);
}

TEST_F(EditorStateTest, LoadingGivesBackTheSavedLayoutAndItsGrid) {
    EditorState editor;
    mouse(editor, 0, 0);
    editor.selected = 5;  // a sign
    mouse(editor, 100, 100, true);
    mouse(editor, 100, 100);
    editor.selected = 11;
    mouse(editor, 200, 300, true);
    press(editor, ALLEGRO_KEY_S);
    mouse(editor, 400, 400, true);  // placed after the save: gone after the load
    press(editor, ALLEGRO_KEY_L);
    EXPECT_EQ(placed(editor), 2u);
    EXPECT_EQ(cell(editor, 20, 20), nullptr);
    ASSERT_NE(cell(editor, 5, 5), nullptr);
    EXPECT_EQ(static_cast<Message*>(cell(editor, 5, 5))->text, "Test message.");
    EXPECT_EQ(cell(editor, 10, 15)->edString(), "avatar");
    mouse(editor, 400, 400, false, true);  // erasing the emptied cell does nothing
    EXPECT_EQ(placed(editor), 2u);
}

TEST_F(EditorStateTest, EntitiesLoadedOffTheFieldStayOutOfTheGrid) {
    {
        World world;
        for (Vec p : {Vec(-20, 40), Vec(820, 40), Vec(40, 600), Vec(40, 40)}) {
            Tile* tile = new Tile(1, nullptr, 0, 0);
            tile->setPos(p);
            world.add(tile);
        }
        world.reindex();
        LoadSave().save("levels/edit.lv", &world);
        for (Entity* entity : world.list(Tags::ENTT))
            world.remove(entity);
        world.reindex();
    }
    EditorState editor;
    press(editor, ALLEGRO_KEY_L);
    EXPECT_EQ(placed(editor), 4u);
    EXPECT_EQ(std::count_if(std::begin(editor.grid), std::end(editor.grid), [](Entity* e) { return e; }), 1);
    EXPECT_NE(cell(editor, 2, 2), nullptr);
}

TEST_F(EditorStateTest, EachFileCommandSaysWhatItDid) {
    struct Row {
        const char* name;
        int objectsInFile;  // in a working file written before the command; none when negative
        int key;
        const char* notice;
        size_t placedAfter;
    } rows[] = {
        {"save", -1, ALLEGRO_KEY_S, "Saved 1 object to levels/edit.lv", 1},
        {"load", 2, ALLEGRO_KEY_L, "Loaded 2 objects from levels/edit.lv", 2},
        {"load an empty file", 0, ALLEGRO_KEY_L, "Loaded 0 objects from levels/edit.lv", 0},
        {"load with no file yet", -1, ALLEGRO_KEY_L, "There is no levels/edit.lv to load yet: press S to save one.", 1},
    };
    for (const Row& row : rows) {
        std::remove("levels/edit.lv");
        if (row.objectsInFile >= 0) {
            EditorState writer;
            for (int i = 0; i < row.objectsInFile; ++i) {
                mouse(writer, 20 * i, 0);
                mouse(writer, 20 * i, 0, true);
            }
            LoadSave().save("levels/edit.lv", &writer.world);
        }
        EditorState editor;
        mouse(editor, 100, 100);
        mouse(editor, 100, 100, true);
        EXPECT_EQ(editor.notice.current(), "") << row.name;
        press(editor, row.key);
        EXPECT_EQ(editor.notice.current(), row.notice) << row.name;
        EXPECT_EQ(placed(editor), row.placedAfter) << row.name;
    }
}

// Two seconds from the last command, in quarter-second frames; the notice is drawn below the label.
TEST_F(EditorStateTest, ANoticeShowsForTwoSecondsFromTheLatestCommand) {
    EditorState editor;
    frame(editor);
    EXPECT_GT(inked(editor, 0, 0, 200, 20), 0);  // the prototype's name
    EXPECT_EQ(inked(editor, 0, 21, 400, 40), 0);
    for (int key : {ALLEGRO_KEY_S, ALLEGRO_KEY_L}) {
        frame(editor, {key}, 0.25);
        for (int i = 0; i < 6; ++i)
            frame(editor, {}, 0.25);
    }
    // 1.5 s after the load, which came 1.75 s into the save's notice
    EXPECT_EQ(editor.notice.current(), "Loaded 0 objects from levels/edit.lv");
    EXPECT_GT(inked(editor, 0, 21, 400, 40), 100);
    frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "Loaded 0 objects from levels/edit.lv");
    frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "");
    EXPECT_EQ(inked(editor, 0, 21, 400, 40), 0);
}

TEST_F(EditorStateTest, F1ShowsAndHidesADarkPanelOfTheKeysOverTheGridAndEditingGoesOn) {
    EditorState editor;
    frame(editor);
    EXPECT_EQ(inked(editor, 300, 250, 500, 350), 0);
    frame(editor, {ALLEGRO_KEY_F1});
    frame(editor, {ALLEGRO_KEY_F1});  // held: one switch
    EXPECT_EQ(inked(editor, 300, 250, 500, 350), 200 * 100);
    EXPECT_EQ(count(al_get_target_bitmap(), 605, 305, 606, 306, [](int r, int g, int b) { return r + g + b < 300; }),
              1);  // dark, right of the longest line
    mouse(editor, 400, 300, true);  // the panel does not stop a click reaching the grid
    EXPECT_NE(cell(editor, 20, 15), nullptr);
    frame(editor, {ALLEGRO_KEY_F1});
    EXPECT_FALSE(editor.helpShown);
}

} // namespace
