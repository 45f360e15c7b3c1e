#include "states/MenuFocus.h"
#include "progress/Config.h"
#include "states/GuiButton.h"
#include "states/TitleState.h"
#include "support/StateDriver.h"

#include <sstream>
#include <string>
#include <vector>

namespace {

using MenuFocusTest = StateTest;

std::string focused(TitleState& title) {
    return title.focus.focused() ? title.focus.focused()->label : "(none)";
}

// From a 10-pixel box at the origin, looking right: a box in line wins over any out of line, and
// out of line a pixel across costs two along.
TEST(MenuFocusNearest, PrefersBoxesInLineThenTheLeastAlongPlusTwiceAcross) {
    std::vector<std::pair<std::vector<Rect>, int>> rows = {
        {{Rect(100, 5, 110, 15), Rect(11, 11, 21, 21)}, 0},  // 90 along in line, against 1 and 1
        {{Rect(20, 20, 30, 30), Rect(39, 11, 49, 21)}, 0},   // 10 and 10 (30), against 29 and 1 (31)
        {{Rect(20, 20, 30, 30), Rect(31, 14, 41, 24)}, 1},   // 10 and 10 (30), against 21 and 4 (29)
        {{Rect(5, 0, 15, 10), Rect(10, 0, 20, 10)}, 1}};     // overlapping, against touching
    for (const auto& [boxes, nearest] : rows)
        EXPECT_EQ(MenuFocus::nearest(boxes, Rect(0, 0, 10, 10), MenuFocus::RIGHT), nearest) << boxes[0].x1;
}

// The fourteen shipped levels, every one open or only the first three, as on a fresh record. The
// focus starts on the level the player is up to. Each move is "FROM KEY TO", with the buttons named
// by their labels and the keys by their initial.
TEST_F(MenuFocusTest, ArrowsGoAlongRowsAndAcrossToTheNearestOpenButtonThatWay) {
    struct Row {
        int open, completed;
        const char *start, *moves;
    } rows[] = {{14, 0, "1",
                 "1 L 1, 1 U 1, 1 R 2, 1 D 6, 7 U 2, 5 R Sky, 10 R Yes, 14 D Quit, 11 D Quit, "
                 "Sky L 5, Sky U Sky, Sky D Yes, Yes L 10, Quit U Yes, Quit L 14, Quit D Quit"},
                {3, 2, "3", "3 R Sky, 1 D Quit, Sky L 3, Yes L Quit, Quit L 3"},
                {14, 14, "??", "14 R ??, ?? R Yes, 10 D ??, ?? D Quit, ?? U 10, Quit U ??"}};
    for (const Row& row : rows) {
        Config::get().initialize(14);
        for (int i = 0; i < 14; ++i) {
            Config::get().levels[i].unlocked = i < row.open;
            Config::get().levels[i].completed = i < row.completed;
        }
        TitleState title;
        frame(title);  // the level buttons learn whether their levels are open
        EXPECT_EQ(focused(title), row.start);
        std::istringstream moves(row.moves);
        for (std::string from, key, to; moves >> from >> key >> to;) {
            for (Entity* entity : title.world.list(Tags::ENTT))
                if (GuiButton* button = dynamic_cast<GuiButton*>(entity); button && button->label == from)
                    title.focus.start(button);
            frame(title);
            frame(title, {ALLEGRO_KEY_LEFT + static_cast<int>(std::string("LRUD").find(key))});
            EXPECT_EQ(focused(title), to.substr(0, to.find(','))) << from << " " << key;
        }
    }
}

// On a fresh record, level 2's button is at (95, 330), the theme's at (550, 330). The focused button is
// the one shown hovered, wherever the mouse rests.
TEST_F(MenuFocusTest, TheFocusFollowsTheMouseAndLeavesWithItButOneTheKeysGaveStays) {
    TitleState title;
    struct Step {
        int x, y, key, click;
        const char* focused;
    } steps[] = {{600, 340, 0, 0, "Sky"},
                 {600, 300, ALLEGRO_KEY_ENTER, 0, "(none)"},
                 {100, 340, 0, 0, "2"},
                 {400, 250, ALLEGRO_KEY_RIGHT, 0, "3"},
                 {420, 260, 0, 0, "3"},
                 {600, 340, ALLEGRO_KEY_DOWN, 0, "Yes"},
                 {600, 340, 0, 1, "Locked (6 more)"}};  // pressed once, with nothing on a fresh record
    for (const Step& step : steps) {
        title.mouse.x = step.x;
        title.mouse.y = step.y;
        title.mouse.buttons = step.click ? 1 : 0;
        frame(title, {step.key});
        EXPECT_EQ(focused(title), step.focused) << "step " << &step - steps;
        EXPECT_EQ(title.themeButton->state == GuiButton::HOVERED, title.focus.focused() == title.themeButton)
            << &step - steps;
    }
}

}  // namespace
