#include "input/Gamepad.h"
#include "input/SyntheticInput.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace {

using Keys = std::set<int>;

// Sticks of `axes` axes each, the last a d-pad hat. xpad pairs the axes after the left stick in code
// order (left trigger with right X, right Y with right trigger); pads whose triggers the library reads
// as throttles have them as one-axis sticks.
Gamepad::Shape pad(int buttons, std::initializer_list<int> axes) {
    Gamepad::Shape shape;
    shape.buttons = buttons;
    for (int count : axes)
        shape.stickFlags[shape.sticks] = ALLEGRO_JOYFLAG_ANALOGUE, shape.stickAxes[shape.sticks++] = count;
    shape.stickFlags[shape.sticks - 1] = ALLEGRO_JOYFLAG_DIGITAL;
    return shape;
}

// hid-sony and hid-playstation pads have 13 buttons, north before west and L2 and R2 among them. A key
// held already (H) stays down: pads and the keyboard add up.
TEST(Gamepad, EachButtonStickAndHatPressesItsKeys) {
    const Gamepad::Shape xbox = pad(11, {2, 2, 2, 2}), playStation = pad(13, {2, 2, 2, 2}),
                         throttles = pad(11, {2, 2, 1, 1, 2}), fourButtons = pad(4, {2, 2, 2, 2});
    const struct {
        const char* name;
        const Gamepad::Shape& shape;
        std::vector<int> buttons;                       // held
        std::vector<std::tuple<int, int, float>> axes;  // stick, axis, position; others at 0
        Keys expected;
    } rows[] = {
        {"A", xbox, {0}, {}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}},
        {"B", xbox, {1}, {}, {ALLEGRO_KEY_X}},
        {"X", xbox, {2}, {}, {ALLEGRO_KEY_X}},
        {"Y", xbox, {3}, {}, {ALLEGRO_KEY_R}},
        {"Back", xbox, {6}, {}, {ALLEGRO_KEY_ESCAPE}},
        {"Start", xbox, {7}, {}, {ALLEGRO_KEY_P}},
        {"shoulders, Guide and stick clicks", xbox, {4, 5, 8, 9, 10}, {}, {}},
        {"cross", playStation, {0}, {}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}},
        {"circle", playStation, {1}, {}, {ALLEGRO_KEY_X}},
        {"triangle", playStation, {2}, {}, {ALLEGRO_KEY_R}},
        {"square", playStation, {3}, {}, {ALLEGRO_KEY_X}},
        {"L2 and R2", playStation, {6, 7}, {}, {}},
        {"Share", playStation, {8}, {}, {ALLEGRO_KEY_ESCAPE}},
        {"Options", playStation, {9}, {}, {ALLEGRO_KEY_P}},
        {"a button the pad lacks", fourButtons, {7}, {}, {}},
        {"0.5 right, up", xbox, {}, {{0, 0, 0.5f}, {0, 1, -0.5f}}, {}},
        {"0.5 left, down", xbox, {}, {{0, 0, -0.5f}, {0, 1, 0.5f}}, {}},
        {"0.51 right, up", xbox, {}, {{0, 0, 0.51f}, {0, 1, -0.51f}}, {ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_UP}},
        {"0.51 left, down", xbox, {}, {{0, 0, -0.51f}, {0, 1, 0.51f}}, {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_DOWN}},
        {"pulled triggers, right stick", xbox, {}, {{1, 0, 1}, {2, 1, 1}, {1, 1, -1}, {2, 0, -1}}, {}},
        {"triggers resting, d-pad down-left",
         xbox,
         {},
         {{1, 0, -1}, {2, 1, -1}, {3, 0, -1}, {3, 1, 1}},
         {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_DOWN}},
        {"throttles, d-pad up", throttles, {}, {{2, 0, -1}, {3, 0, -1}, {4, 1, -1}}, {ALLEGRO_KEY_UP}},
    };
    for (const auto& row : rows) {
        ALLEGRO_JOYSTICK_STATE state{};
        for (int button : row.buttons)
            state.button[button] = 32767;
        for (auto [stick, axis, position] : row.axes)
            state.stick[stick].axis[axis] = position;
        ALLEGRO_KEYBOARD_STATE keyboard;
        SyntheticInput::clear(keyboard);
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_H, true);
        Gamepad::pressKeys(row.shape, state, keyboard);
        Keys expected = row.expected, down;
        expected.insert(ALLEGRO_KEY_H);
        for (int key = 1; key < ALLEGRO_KEY_MAX; ++key)
            if (al_key_down(&keyboard, key))
                down.insert(key);
        EXPECT_EQ(down, expected) << row.name;
    }
}

}  // namespace
