#include "entities/Message.h"
#include "input/SyntheticInput.h"
#include "io/LoadSave.h"
#include "states/EditorState.h"
#include "support/StateDriver.h"
#include "world/Tile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The editor works on "levels/edit.lv" in the working directory, so each test runs in a
// scratch folder of its own.
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
    void at(EditorState& editor, int x, int y, bool left = false, bool right = false, int wheel = 0) {
        SyntheticInput::clear(editor.mouse);
        editor.mouse.x = x;
        editor.mouse.y = y;
        editor.mouse.z = wheel;
        SyntheticInput::setButton(editor.mouse, 1, left);
        SyntheticInput::setButton(editor.mouse, 2, right);
        frame(editor);
    }
    void press(EditorState& editor, int key) {
        frame(editor, {key});
        frame(editor);
    }
    // The editor's picture, drawn into a memory bitmap of the window's size.
    ALLEGRO_BITMAP* picture(EditorState& editor) {
        ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
        editor.render(nullptr);
        return canvas;
    }
    // Pixels in the box that are neither the editor's paper nor its grid lines: text or a panel.
    static int inked(ALLEGRO_BITMAP* canvas, int x1, int y1, int x2, int y2) {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) {
                unsigned char r, g, b;
                al_unmap_rgb(al_get_pixel(canvas, x, y), &r, &g, &b);
                bool paper = r == 120 && g == 180 && b == 255, line = r == 60 && g == 100 && b == 255;
                count += !paper && !line;
            }
        return count;
    }
    static Entity* cell(EditorState& editor, int col, int row) { return editor.grid[col * 30 + row]; }
    static size_t placed(EditorState& editor) { return editor.world.list(Tags::ENTT).size(); }
};

TEST_F(EditorStateTest, ThePaletteHoldsFortyPrototypesInItsOrder) {
    EditorState editor;
    ASSERT_EQ(editor.palette.size(), 40u);
    const char* expected[] = {"tile(0)", "tile(4)", "message", "garbage", "loose garbage", "spikes",
                              "forcefield(h)", "forcefield(v)", "avatar", "baddie(tame)", "baddie(feral)",
                              "container(1)", "container(5)", "lever(0,off)", "lever(4,on)",
                              "presspad(0,off)", "presspad(4,on)", "fireworks"};
    int indices[] = {0, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19, 28, 29, 38, 39};
    for (size_t i = 0; i < sizeof indices / sizeof indices[0]; ++i)
        EXPECT_EQ(editor.palette[indices[i]]->edString(), expected[i]) << indices[i];
}

TEST_F(EditorStateTest, ZAndXWrapAroundThePaletteAndTheWheelMovesOneANotch) {
    EditorState editor;
    at(editor, 100, 100, false, false, 7);  // a wheel already turned before the first frame
    EXPECT_EQ(editor.selected, 0);
    press(editor, ALLEGRO_KEY_Z);
    EXPECT_EQ(editor.selected, 39);
    press(editor, ALLEGRO_KEY_X);
    EXPECT_EQ(editor.selected, 0);
    at(editor, 100, 100, false, false, 10);
    EXPECT_EQ(editor.selected, 3);
    at(editor, 100, 100, false, false, 6);
    EXPECT_EQ(editor.selected, 39);
}

TEST_F(EditorStateTest, AClickPlacesOrReplacesAndADragPaintsEachNewCellOnce) {
    EditorState editor;
    at(editor, 45, 65);
    at(editor, 45, 65, true);
    Entity* first = cell(editor, 2, 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x(), 40);
    EXPECT_EQ(first->y(), 60);
    at(editor, 50, 70, true);  // held in the same cell: nothing more
    EXPECT_EQ(placed(editor), 1u);
    at(editor, 70, 70, true);  // into the next cell
    at(editor, 75, 70, true);
    EXPECT_EQ(placed(editor), 2u);
    at(editor, 75, 70);
    editor.selected = 7;
    at(editor, 45, 65, true);  // a click replaces what is there
    EXPECT_EQ(placed(editor), 2u);
    EXPECT_EQ(cell(editor, 2, 3)->edString(), "loose garbage");
}

TEST_F(EditorStateTest, TheRightButtonErasesAndAnEmptyCellStaysEmpty) {
    EditorState editor;
    at(editor, 10, 10);
    at(editor, 10, 10, true);
    at(editor, 30, 10, false, true);
    EXPECT_EQ(placed(editor), 1u);
    at(editor, 10, 10, false, true);
    EXPECT_EQ(placed(editor), 0u);
    EXPECT_EQ(cell(editor, 0, 0), nullptr);
}

TEST_F(EditorStateTest, SavingAndLoadingGivesBackTheLayoutAndItsGrid) {
    EditorState editor;
    at(editor, 0, 0);
    editor.selected = 5;  // a sign
    at(editor, 100, 100, true);
    at(editor, 100, 100);
    editor.selected = 11;
    at(editor, 200, 300, true);
    press(editor, ALLEGRO_KEY_S);
    at(editor, 400, 400, true);  // placed after the save: gone after the load
    press(editor, ALLEGRO_KEY_L);
    EXPECT_EQ(placed(editor), 2u);
    EXPECT_EQ(cell(editor, 20, 20), nullptr);
    ASSERT_NE(cell(editor, 5, 5), nullptr);
    EXPECT_EQ(static_cast<Message*>(cell(editor, 5, 5))->text, "Test message.");
    EXPECT_EQ(cell(editor, 10, 15)->edString(), "avatar");
    at(editor, 400, 400, false, true);  // erasing the emptied cell does nothing
    EXPECT_EQ(placed(editor), 2u);
}

TEST_F(EditorStateTest, LoadingWithoutAWorkingFileKeepsTheLayout) {
    EditorState editor;
    at(editor, 0, 0);
    at(editor, 100, 100, true);
    press(editor, ALLEGRO_KEY_L);
    EXPECT_EQ(placed(editor), 1u);
    EXPECT_NE(cell(editor, 5, 5), nullptr);
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
    at(editor, 0, 0);
    press(editor, ALLEGRO_KEY_L);
    EXPECT_EQ(placed(editor), 4u);
    int filled = 0;
    for (Entity* entity : editor.grid)
        filled += entity != nullptr;
    EXPECT_EQ(filled, 1);
    EXPECT_NE(cell(editor, 2, 2), nullptr);
}

TEST_F(EditorStateTest, ClicksOffTheWindowPlaceNothing) {
    EditorState editor;
    at(editor, -5, 10);
    at(editor, -5, 10, true);
    at(editor, 810, 10, true);
    at(editor, 10, 605, true);
    EXPECT_EQ(placed(editor), 0u);
}

struct NoticeCase {
    const char* name;
    int objectsInFile;  // a working file written before the command; none when negative
    int key;
    const char* expected;
};

TEST_F(EditorStateTest, EachFileCommandSaysWhatItDid) {
    const NoticeCase cases[] = {
        {"save", -1, ALLEGRO_KEY_S, "Saved 1 object to levels/edit.lv"},
        {"load", 2, ALLEGRO_KEY_L, "Loaded 2 objects from levels/edit.lv"},
        {"load an empty file", 0, ALLEGRO_KEY_L, "Loaded 0 objects from levels/edit.lv"},
        {"load with no file yet", -1, ALLEGRO_KEY_L, "There is no levels/edit.lv to load yet: press S to save one."},
    };
    for (const NoticeCase& c : cases) {
        std::remove("levels/edit.lv");
        if (c.objectsInFile >= 0) {
            EditorState writer;
            for (int i = 0; i < c.objectsInFile; ++i) {
                at(writer, 20 * i, 0);
                at(writer, 20 * i, 0, true);
            }
            LoadSave().save("levels/edit.lv", &writer.world);
        }
        EditorState editor;
        at(editor, 100, 100);
        at(editor, 100, 100, true);
        EXPECT_EQ(editor.notice.current(), "") << c.name;
        press(editor, c.key);
        EXPECT_EQ(editor.notice.current(), c.expected) << c.name;
    }
}

TEST_F(EditorStateTest, ANoticeLastsTwoSecondsAndANewerOneStartsAfresh) {
    EditorState editor;
    frame(editor, {ALLEGRO_KEY_S}, 0.25);
    for (int i = 0; i < 7; ++i)
        frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "Saved 0 objects to levels/edit.lv");
    frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "");

    frame(editor, {ALLEGRO_KEY_S}, 0.25);
    for (int i = 0; i < 6; ++i)
        frame(editor, {}, 0.25);
    frame(editor, {ALLEGRO_KEY_L}, 0.25);  // 1.75 s into the first: the second replaces it
    EXPECT_EQ(editor.notice.current(), "Loaded 0 objects from levels/edit.lv");
    for (int i = 0; i < 7; ++i)
        frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "Loaded 0 objects from levels/edit.lv");
    frame(editor, {}, 0.25);
    EXPECT_EQ(editor.notice.current(), "");
}

TEST_F(EditorStateTest, TheNoticeIsDrawnBelowTheLabelUntilItsTimeIsUp) {
    EditorState editor;
    frame(editor);
    ALLEGRO_BITMAP* canvas = picture(editor);
    EXPECT_GT(inked(canvas, 0, 0, 200, 20), 0);  // the label
    EXPECT_EQ(inked(canvas, 0, 21, 400, 40), 0);
    frame(editor, {ALLEGRO_KEY_L});
    canvas = picture(editor);
    EXPECT_GT(inked(canvas, 0, 21, 400, 40), 100);
    frame(editor, {}, EditorNotice::SHOWN_FOR);
    canvas = picture(editor);
    EXPECT_EQ(inked(canvas, 0, 21, 400, 40), 0);
}

TEST_F(EditorStateTest, F1ShowsAndHidesTheKeysOverTheGridAndEditingGoesOn) {
    EditorState editor;
    frame(editor);
    EXPECT_EQ(inked(picture(editor), 300, 250, 500, 350), 0);
    frame(editor, {ALLEGRO_KEY_F1});
    frame(editor, {ALLEGRO_KEY_F1});  // held: one switch
    EXPECT_TRUE(editor.helpShown);
    ALLEGRO_BITMAP* canvas = picture(editor);
    EXPECT_EQ(inked(canvas, 300, 250, 500, 350), 200 * 100);
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(canvas, 605, 305), &r, &g, &b);  // right of the longest line
    EXPECT_LT(r + g + b, 3 * 100) << "a dark panel";
    at(editor, 400, 300, true);  // the panel does not stop a click reaching the grid
    EXPECT_NE(cell(editor, 20, 15), nullptr);
    frame(editor, {ALLEGRO_KEY_F1});
    EXPECT_FALSE(editor.helpShown);
}

} // namespace
