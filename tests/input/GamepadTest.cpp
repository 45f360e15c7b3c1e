#include "input/Controls.h"
#include "input/Gamepad.h"
#include "input/SyntheticInput.h"
#include "states/AppState.h"
#include "support/AllegroFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Keys = std::vector<int>;

void addStick(Gamepad::Shape& shape, int axes, int flags) {
    shape.stickAxes[shape.sticks] = axes;
    shape.stickFlags[shape.sticks] = flags;
    ++shape.sticks;
}

// xpad: left stick, then the triggers' and right stick's axes paired in code order
// (left trigger with right X, right Y with right trigger), then the d-pad hat.
Gamepad::Shape xboxPad() {
    Gamepad::Shape shape;
    shape.buttons = 11;
    for (int stick = 0; stick < 3; ++stick)
        addStick(shape, 2, ALLEGRO_JOYFLAG_ANALOGUE);
    addStick(shape, 2, ALLEGRO_JOYFLAG_DIGITAL);
    return shape;
}

// hid-sony and hid-playstation pads have the same sticks and 13 buttons; a pad with fewer buttons
// than the state shows must not use the rest.
Gamepad::Shape withButtons(Gamepad::Shape shape, int buttons) {
    shape.buttons = buttons;
    return shape;
}

// Triggers that the library reads as throttles: one-axis sticks after the two sticks.
Gamepad::Shape padWithThrottleTriggers() {
    Gamepad::Shape shape;
    shape.buttons = 11;
    addStick(shape, 2, ALLEGRO_JOYFLAG_ANALOGUE);
    addStick(shape, 2, ALLEGRO_JOYFLAG_ANALOGUE);
    addStick(shape, 1, ALLEGRO_JOYFLAG_ANALOGUE);
    addStick(shape, 1, ALLEGRO_JOYFLAG_ANALOGUE);
    addStick(shape, 2, ALLEGRO_JOYFLAG_DIGITAL);
    return shape;
}

// At rest the triggers read -1, however the library grouped them.
ALLEGRO_JOYSTICK_STATE resting(const Gamepad::Shape& shape) {
    ALLEGRO_JOYSTICK_STATE state{};
    if (shape.stickAxes[2] == 1) {
        state.stick[2].axis[0] = -1;
        state.stick[3].axis[0] = -1;
    } else {
        state.stick[1].axis[0] = -1;
        state.stick[2].axis[1] = -1;
    }
    return state;
}

Keys keysDown(const ALLEGRO_KEYBOARD_STATE& keyboard) {
    Keys down;
    for (int key = 1; key < ALLEGRO_KEY_MAX; ++key)
        if (al_key_down(&keyboard, key))
            down.push_back(key);
    return down;
}

Keys sorted(Keys keys) {
    std::sort(keys.begin(), keys.end());
    return keys;
}

Keys pressedBy(const Gamepad::Shape& shape, const ALLEGRO_JOYSTICK_STATE& state) {
    ALLEGRO_KEYBOARD_STATE keyboard;
    SyntheticInput::clear(keyboard);
    Gamepad::pressKeys(shape, state, keyboard);
    return keysDown(keyboard);
}

struct Push {
    int stick, axis;
    float position;
};

struct Row {
    const char* what;
    Gamepad::Shape shape;
    std::vector<int> buttons;  // held
    std::vector<Push> pushes;  // axes moved from rest
    Keys expected;
};

void hold(ALLEGRO_JOYSTICK_STATE& state, int button) {
    state.button[button] = 32767;
}

TEST(Gamepad, EachButtonStickAndHatPressesItsKeys) {
    const Gamepad::Shape xbox = xboxPad(), playStation = withButtons(xbox, 13);
    const Gamepad::Shape throttles = padWithThrottleTriggers();
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
        {"stick up-left", xbox, {}, {{0, 0, -0.7f}, {0, 1, -0.7f}}, {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_UP}},
        {"stick in the dead zone", xbox, {}, {{0, 0, 0.5f}, {0, 1, -0.45f}}, {}},
        {"right stick pushed left and up", xbox, {}, {{1, 1, -1}, {2, 0, -1}}, {}},
        {"both triggers pulled", xbox, {}, {{1, 0, 1}, {2, 1, 1}}, {}},
        {"d-pad left", xbox, {}, {{3, 0, -1}}, {ALLEGRO_KEY_LEFT}},
        {"d-pad down-right", xbox, {}, {{3, 0, 1}, {3, 1, 1}}, {ALLEGRO_KEY_RIGHT, ALLEGRO_KEY_DOWN}},
        {"d-pad and stick apart", xbox, {}, {{3, 0, 1}, {0, 0, -1}}, {ALLEGRO_KEY_LEFT, ALLEGRO_KEY_RIGHT}},
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
        {"a button the pad does not have", withButtons(xbox, 4), {7}, {}, {}},
    };
    for (const Row& row : rows) {
        ALLEGRO_JOYSTICK_STATE state = resting(row.shape);
        for (int button : row.buttons)
            hold(state, button);
        for (const Push& push : row.pushes)
            state.stick[push.stick].axis[push.axis] = push.position;
        EXPECT_EQ(pressedBy(row.shape, state), sorted(row.expected)) << row.what;
    }
}

TEST(Gamepad, TwoPadsAndTheKeyboardAddUp) {
    ALLEGRO_KEYBOARD_STATE keyboard;
    SyntheticInput::clear(keyboard);
    SyntheticInput::setKey(keyboard, ALLEGRO_KEY_R, true);
    ALLEGRO_JOYSTICK_STATE first = resting(xboxPad()), second = resting(xboxPad());
    first.stick[0].axis[0] = -1;
    hold(second, 0);
    Gamepad::pressKeys(xboxPad(), first, keyboard);
    Gamepad::pressKeys(xboxPad(), second, keyboard);
    Gamepad::pressKeys(xboxPad(), resting(xboxPad()), keyboard);
    EXPECT_EQ(keysDown(keyboard), sorted({ALLEGRO_KEY_Z, ALLEGRO_KEY_R, ALLEGRO_KEY_SPACE, ALLEGRO_KEY_LEFT}))
        << "a resting pad releases nothing another pad or the keyboard holds";
}

class GamepadLoop : public AllegroTest {
protected:
    void TearDown() override {
        AppStateBase::sCurrent = nullptr;
        AllegroTest::TearDown();
    }
};

// As the loop turns: the keyboard snapshot is read afresh, the pad is merged into it, the switches sample it.
TEST_F(GamepadLoop, HeldBottomButtonJumpsOnceThroughTheRunningState) {
    Gamepad::start();
    AppState<int> state;
    AppStateBase::sCurrent = &state;
    Controls& controls = Controls::get();
    std::vector<bool> jumps, confirms;
    for (bool held : {false, true, true, true, false, true}) {
        ALLEGRO_JOYSTICK_STATE pad = resting(xboxPad());
        if (held)
            hold(pad, 0);
        SyntheticInput::clear(state.keyboard);
        Gamepad::pressKeys(xboxPad(), pad, state.keyboard);
        state.updateInputs();
        jumps.push_back(controls.jump->on());
        confirms.push_back(controls.confirm->on());
        EXPECT_FALSE(controls.left->on() || controls.toss->on() || controls.back->on());
    }
    EXPECT_EQ(jumps, (std::vector<bool>{false, true, false, false, false, true}));
    EXPECT_EQ(confirms, jumps);
}

} // namespace
