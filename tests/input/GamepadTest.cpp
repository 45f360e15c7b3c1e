#include "input/Gamepad.h"
#include "input/SyntheticInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Keys = std::vector<int>;

// xpad's sticks: the left stick, then the triggers' and the right stick's axes paired in code order
// (left trigger with right X, right Y with right trigger), then the d-pad hat. Pads whose triggers the
// library reads as throttles have them as two one-axis sticks instead.
Gamepad::Shape pad(int buttons, bool throttles = false) {
    Gamepad::Shape shape;
    shape.buttons = buttons;
    for (int axes : throttles ? Keys{2, 2, 1, 1, 2} : Keys{2, 2, 2, 2})
        shape.stickFlags[shape.sticks] = ALLEGRO_JOYFLAG_ANALOGUE, shape.stickAxes[shape.sticks++] = axes;
    shape.stickFlags[shape.sticks - 1] = ALLEGRO_JOYFLAG_DIGITAL;
    return shape;
}

// At rest the triggers read -1, however the library grouped them.
ALLEGRO_JOYSTICK_STATE resting(const Gamepad::Shape& shape) {
    ALLEGRO_JOYSTICK_STATE state{};
    bool throttles = shape.stickAxes[2] == 1;
    state.stick[throttles ? 2 : 1].axis[0] = -1;
    state.stick[throttles ? 3 : 2].axis[throttles ? 0 : 1] = -1;
    return state;
}

struct Push {
    int stick, axis;
    float position;
};

// hid-sony and hid-playstation pads have 13 buttons, north before west and L2 and R2 among them. A key
// held already (H) stays down: pads and the keyboard add up.
TEST(Gamepad, EachButtonStickAndHatPressesItsKeys) {
    const Gamepad::Shape xbox = pad(11), playStation = pad(13), throttles = pad(11, true), fewButtons = pad(4);
    struct Row {
        const char* name;
        const Gamepad::Shape& shape;
        Keys buttons;  // held
        std::vector<Push> pushes;  // axes moved from rest
        Keys expected;
    };
    const Row rows[] = {
        {"resting", xbox, {}, {}, {}},
        {"A", xbox, {0}, {}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}},
        {"B", xbox, {1}, {}, {ALLEGRO_KEY_X}},
        {"X", xbox, {2}, {}, {ALLEGRO_KEY_X}},
        {"Y", xbox, {3}, {}, {ALLEGRO_KEY_R}},
        {"Back", xbox, {6}, {}, {ALLEGRO_KEY_ESCAPE}},
        {"Start", xbox, {7}, {}, {ALLEGRO_KEY_P}},
        {"shoulders, Guide and stick clicks", xbox, {4, 5, 8, 9, 10}, {}, {}},
        {"stick left", xbox, {}, {{0, 0, -0.9f}}, {ALLEGRO_KEY_LEFT}},
        {"stick right", xbox, {}, {{0, 0, 0.9f}}, {ALLEGRO_KEY_RIGHT}},
        {"stick up", xbox, {}, {{0, 1, -0.9f}}, {ALLEGRO_KEY_UP}},
        {"stick down", xbox, {}, {{0, 1, 1}}, {ALLEGRO_KEY_DOWN}},
        {"stick at the dead zone's edge", xbox, {}, {{0, 0, 0.5f}, {0, 1, -0.5f}}, {}},
        {"right stick pushed left and up", xbox, {}, {{1, 1, -1}, {2, 0, -1}}, {}},
        {"both triggers pulled", xbox, {}, {{1, 0, 1}, {2, 1, 1}}, {}},
        {"d-pad left", xbox, {}, {{3, 0, -1}}, {ALLEGRO_KEY_LEFT}},
        {"d-pad down-right", xbox, {}, {{3, 0, 1}, {3, 1, 1}}, {ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_DOWN}},
        {"throttle triggers resting", throttles, {}, {}, {}},
        {"throttle triggers pulled", throttles, {}, {{2, 0, 1}, {3, 0, 1}}, {}},
        {"d-pad up after throttles", throttles, {}, {{4, 1, -1}}, {ALLEGRO_KEY_UP}},
        {"cross", playStation, {0}, {}, {ALLEGRO_KEY_Z, ALLEGRO_KEY_SPACE}},
        {"circle", playStation, {1}, {}, {ALLEGRO_KEY_X}},
        {"triangle", playStation, {2}, {}, {ALLEGRO_KEY_R}},
        {"square", playStation, {3}, {}, {ALLEGRO_KEY_X}},
        {"Share", playStation, {8}, {}, {ALLEGRO_KEY_ESCAPE}},
        {"Options", playStation, {9}, {}, {ALLEGRO_KEY_P}},
        {"L2 and R2 buttons", playStation, {6, 7}, {}, {}},
        {"a button the pad does not have", fewButtons, {7}, {}, {}},
    };
    for (const Row& row : rows) {
        ALLEGRO_JOYSTICK_STATE state = resting(row.shape);
        for (int button : row.buttons)
            state.button[button] = 32767;
        for (const Push& push : row.pushes)
            state.stick[push.stick].axis[push.axis] = push.position;
        ALLEGRO_KEYBOARD_STATE keyboard;
        SyntheticInput::clear(keyboard);
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_H, true);
        Gamepad::pressKeys(row.shape, state, keyboard);
        Keys expected = row.expected, down;
        expected.push_back(ALLEGRO_KEY_H);
        std::sort(expected.begin(), expected.end());
        for (int key = 1; key < ALLEGRO_KEY_MAX; ++key)
            if (al_key_down(&keyboard, key))
                down.push_back(key);
        EXPECT_EQ(down, expected) << row.name;
    }
}

} // namespace
