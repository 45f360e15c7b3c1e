#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/MenuFocus.h"
#include "states/TitleState.h"
#include "support/StateDriver.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int UP = ALLEGRO_KEY_UP, DOWN = ALLEGRO_KEY_DOWN, LEFT = ALLEGRO_KEY_LEFT, RIGHT = ALLEGRO_KEY_RIGHT;

// The title with the fourteen shipped levels, its buttons named by what they show.
struct MenuFocusTest : StateTest {
    void SetUp() override {
        StateTest::SetUp();
        Config::get().initialize(14);
    }
    // The first `completed` levels completed; every level open unless `opened` is 3.
    static void progress(int opened, int completed) {
        for (int i = 0; i < 14; ++i)
            Config::get().levels[i] = LevelInfo(i < opened ? 0 : 3);
        for (int i = 0; i < completed; ++i)
            Config::get().levels[i].completed = true;
    }
    static std::vector<GuiButton*> buttons(TitleState& title) {
        std::vector<GuiButton*> all = title.levelButtons;
        all.insert(all.end(), {title.victoryButton, title.themeButton, title.musicButton, title.quitButton});
        return all;
    }
    static std::string focused(TitleState& title) {
        return title.focus.focused() ? title.focus.focused()->label : "(none)";
    }
    // The mouse and the keys never disagree: the focused button is the one shown hovered.
    static void expectOneHighlight(TitleState& title) {
        for (GuiButton* button : buttons(title))
            if (button->world) {
                EXPECT_EQ(button->state == GuiButton::HOVERED, button == title.focus.focused()) << button->label;
            }
    }
};

// Each move is "FROM KEY TO", with the buttons named by their labels and the keys by their initial.
TEST_F(MenuFocusTest, ArrowsGoAlongRowsAndAcrossToTheNearestOpenButtonThatWay) {
    struct Row {
        const char* name;
        int opened, completed;
        const char* moves;
    } rows[] = {
        {"every level open", 14, 0,
         "1 L 1, 1 U 1, 1 R 2, 1 D 6, 7 U 2, 5 R Sky, 10 R Yes, 14 R Yes, 14 D Quit, 11 D Quit, Sky L 5, Sky U Sky, "
         "Sky D Yes, Yes L 10, Yes D Quit, Quit U Yes, Quit L 14, Quit D Quit"},
        {"three levels open", 3, 0, "3 R Sky, 1 D Quit, Sky L 3, Yes L Quit, Quit U Yes, Quit L 3"},
        {"the victory offered", 14, 14, "14 R ??, ?? R Yes, 10 D ??, ?? D Quit, ?? U 10, Yes L 10, Quit U ??"},
    };
    std::map<std::string, int> keys = {{"U", UP}, {"D", DOWN}, {"L", LEFT}, {"R", RIGHT}};
    for (const Row& row : rows) {
        progress(row.opened, row.completed);
        TitleState title;
        frame(title);  // the level buttons learn whether their levels are open
        std::istringstream moves(row.moves);
        for (std::string from, key, to; moves >> from >> key >> to;) {
            to = to.substr(0, to.find(','));
            for (GuiButton* button : buttons(title))
                if (button->label == from)
                    title.focus.start(button);
            ASSERT_EQ(focused(title), from) << row.name;
            frame(title);
            frame(title, {keys.at(key)});
            EXPECT_EQ(focused(title), to) << row.name << ": " << from << " " << key;
        }
    }
}

TEST_F(MenuFocusTest, TheFocusStartsWhereThePlayerIsUpTo) {
    for (int completed : {0, 2, 14}) {
        progress(14, completed);
        TitleState title;
        frame(title);
        EXPECT_EQ(focused(title), completed == 14 ? "??" : std::to_string(completed + 1));
    }
}

// Z and Space together are what the gamepad's button sends.
TEST_F(MenuFocusTest, EachPressKeyActsOnceHoweverLongItIsHeld) {
    TitleState title;
    frame(title);
    title.focus.start(title.themeButton);
    int presses = 0;
    for (std::initializer_list<int> keys : {std::initializer_list<int>{ALLEGRO_KEY_Z}, {ALLEGRO_KEY_SPACE},
                                            {ALLEGRO_KEY_ENTER}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}}) {
        for (int i = 0; i < 3; ++i)
            frame(title, keys);
        frame(title);
        EXPECT_EQ(title.themeIndex, ++presses) << "keys " << keys.size() << ", first " << *keys.begin();
    }
}

TEST_F(MenuFocusTest, TheFocusFollowsTheMouseAndLeavesWithItButAHiddenFocusPressesNothing) {
    TitleState title;
    frame(title);
    mouse(title, 600, 340);
    mouse(title, 600, 300);  // onto the theme button and off again
    frame(title, {ALLEGRO_KEY_ENTER});
    EXPECT_EQ(title.themeIndex, 0);
    mouse(title, 100, 340);  // onto level 2
    EXPECT_EQ(focused(title), "2");
    expectOneHighlight(title);
    mouse(title, 400, 250);  // off every button: hovering ends
    EXPECT_EQ(title.focus.focused(), nullptr);
    expectOneHighlight(title);
    frame(title, {RIGHT});  // back where it was, and on
    EXPECT_EQ(focused(title), "3");
    mouse(title, 420, 260);  // a focus the keys gave stays while the mouse roams
    EXPECT_EQ(focused(title), "3");
    mouse(title, 600, 340);  // onto the theme button
    frame(title, {DOWN});    // the mouse rests there, but the keys have moved on
    EXPECT_EQ(focused(title), "Yes");
    expectOneHighlight(title);
    mouse(title, 600, 340, true);  // a click where the mouse rests takes the focus back
    EXPECT_EQ(title.focus.focused(), title.themeButton);
    EXPECT_EQ(title.themeIndex, 1);
    expectOneHighlight(title);
}

} // namespace
