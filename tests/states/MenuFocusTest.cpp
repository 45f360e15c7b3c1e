#include "input/SyntheticInput.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/MenuFocus.h"
#include "states/TitleState.h"
#include "support/StateDriver.h"

#include <string>
#include <vector>

namespace {

// The title with the fourteen shipped levels, its buttons named by what they show.
struct MenuFocusTest : StateTest {
    struct Move {
        const char* from;
        int key;
        const char* to;
    };

    void SetUp() override {
        StateTest::SetUp();
        Config::get().initialize(14);
    }
    static void openAll(bool completed) {
        for (LevelInfo& record : Config::get().levels) {
            record.unlocked = true;
            record.completed = completed;
        }
    }
    static std::vector<GuiButton*> buttons(TitleState& title) {
        std::vector<GuiButton*> all = title.levelButtons;
        all.insert(all.end(), {title.victoryButton, title.themeButton, title.musicButton, title.quitButton});
        return all;
    }
    static GuiButton* named(TitleState& title, const std::string& label) {
        for (GuiButton* button : buttons(title))
            if (button->label == label)
                return button;
        ADD_FAILURE() << "no button " << label;
        return nullptr;
    }
    static std::string nameOf(GuiButton* button) { return button ? button->label : "(none)"; }
    void checkMoves(TitleState& title, const std::vector<Move>& moves) {
        frame(title);  // the level buttons learn whether their levels are open
        for (const Move& move : moves) {
            title.focus.start(named(title, move.from));
            frame(title);
            frame(title, {move.key});
            EXPECT_EQ(nameOf(title.focus.focused()), move.to) << "from " << move.from << " by key " << move.key;
        }
    }
    void frameHolding(TitleState& title, const std::vector<int>& keys) {
        SyntheticInput::clear(title.keyboard);
        for (int key : keys)
            SyntheticInput::setKey(title.keyboard, key, true);
        AppStateBase::sCurrent = &title;
        Switch::updatePrimaries();
        title.update(0.017);
    }
    void mouseTo(TitleState& title, int x, int y, bool down = false) {
        SyntheticInput::clear(title.mouse);
        title.mouse.x = x;
        title.mouse.y = y;
        SyntheticInput::setButton(title.mouse, 1, down);
        frame(title);
    }
    // The mouse and the keys never disagree: the focused button is the one shown hovered.
    void expectOneHighlight(TitleState& title) {
        for (GuiButton* button : buttons(title))
            if (button->world) {
                EXPECT_EQ(button->state == GuiButton::HOVERED, button == title.focus.focused()) << button->label;
            }
    }
};

const int UP = ALLEGRO_KEY_UP, DOWN = ALLEGRO_KEY_DOWN, LEFT = ALLEGRO_KEY_LEFT, RIGHT = ALLEGRO_KEY_RIGHT;

TEST_F(MenuFocusTest, ArrowsGoAlongRowsAndAcrossToTheNearestButtonThatWay) {
    openAll(false);
    TitleState title;
    checkMoves(title, {{"1", LEFT, "1"},      {"1", UP, "1"},       {"1", RIGHT, "2"},    {"1", DOWN, "6"},
                       {"7", UP, "2"},        {"5", RIGHT, "Sky"},  {"10", RIGHT, "Yes"}, {"14", RIGHT, "Yes"},
                       {"14", DOWN, "Quit"},  {"11", DOWN, "Quit"}, {"Sky", LEFT, "5"},   {"Sky", UP, "Sky"},
                       {"Sky", DOWN, "Yes"},  {"Yes", LEFT, "10"},  {"Yes", DOWN, "Quit"}, {"Quit", UP, "Yes"},
                       {"Quit", LEFT, "14"},  {"Quit", DOWN, "Quit"}});
}

TEST_F(MenuFocusTest, LockedLevelsAreSteppedOver) {
    TitleState title;  // levels 1 to 3 open
    checkMoves(title, {{"3", RIGHT, "Sky"}, {"1", DOWN, "Quit"}, {"Sky", LEFT, "3"}, {"Yes", LEFT, "Quit"},
                       {"Quit", UP, "Yes"}, {"Quit", LEFT, "3"}});
}

TEST_F(MenuFocusTest, TheVictoryButtonTakesItsPlaceInTheGrid) {
    openAll(true);
    TitleState title;
    checkMoves(title, {{"14", RIGHT, "??"}, {"??", RIGHT, "Yes"}, {"10", DOWN, "??"}, {"??", DOWN, "Quit"},
                       {"??", UP, "10"},    {"Yes", LEFT, "10"},  {"Quit", UP, "??"}});
}

TEST_F(MenuFocusTest, TheFocusStartsWhereThePlayerIsUpTo) {
    struct Case {
        int completed;
        const char* focused;
    } cases[] = {{0, "1"}, {2, "3"}, {14, "??"}};
    for (const Case& c : cases) {
        openAll(false);
        for (int i = 0; i < c.completed; ++i)
            Config::get().levels[i].completed = true;
        TitleState title;
        frame(title);
        EXPECT_EQ(nameOf(title.focus.focused()), c.focused) << c.completed << " completed";
    }
}

// Z and Space together are what the gamepad's button sends.
TEST_F(MenuFocusTest, EachPressKeyActsOnceHoweverLongItIsHeld) {
    std::vector<std::vector<int>> presses = {
        {ALLEGRO_KEY_Z}, {ALLEGRO_KEY_SPACE}, {ALLEGRO_KEY_ENTER}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}};
    TitleState title;
    frame(title);
    title.focus.start(title.themeButton);
    for (const std::vector<int>& keys : presses) {
        int before = title.themeIndex;
        for (int i = 0; i < 3; ++i)
            frameHolding(title, keys);
        frame(title);
        EXPECT_EQ(title.themeIndex, (before + 1) % 6) << "keys " << keys.size() << ", first " << keys[0];
    }
}

TEST_F(MenuFocusTest, TheFocusFollowsTheMouseAndLeavesWithIt) {
    TitleState title;
    frame(title);
    mouseTo(title, 100, 340);  // onto level 2
    EXPECT_EQ(nameOf(title.focus.focused()), "2");
    expectOneHighlight(title);
    mouseTo(title, 400, 250);  // off every button: hovering ends
    EXPECT_EQ(title.focus.focused(), nullptr);
    expectOneHighlight(title);
    frame(title, {RIGHT});  // back where it was, and on
    EXPECT_EQ(nameOf(title.focus.focused()), "3");
    mouseTo(title, 420, 260);  // a focus the keys gave stays while the mouse roams
    EXPECT_EQ(nameOf(title.focus.focused()), "3");
    mouseTo(title, 600, 340);  // onto the theme button
    frame(title, {DOWN});      // the mouse rests there, but the keys have moved on
    EXPECT_EQ(nameOf(title.focus.focused()), "Yes");
    expectOneHighlight(title);
    mouseTo(title, 600, 340, true);  // a click where the mouse rests takes the focus back
    EXPECT_EQ(title.focus.focused(), title.themeButton);
    EXPECT_EQ(title.themeIndex, 1);
    expectOneHighlight(title);
}

TEST_F(MenuFocusTest, AHiddenFocusPressesNothing) {
    TitleState title;
    frame(title);
    mouseTo(title, 600, 340);
    mouseTo(title, 600, 300);
    frame(title, {ALLEGRO_KEY_ENTER});
    EXPECT_EQ(title.themeIndex, 0);
    EXPECT_FALSE(title.themeButton->clicked);
}

} // namespace
