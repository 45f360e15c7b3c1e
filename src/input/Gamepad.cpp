#include "input/Gamepad.h"

#include "input/SyntheticInput.h"

namespace Gamepad {

namespace {

// The library names Linux pad buttons only "B1", "B2", ..., numbered in the order of the kernel's
// button codes the pad has, so the face buttons are found by position.
struct ButtonLayout {
    int south, east, west, north, back, start;
};

// xpad and pads in XInput mode: A, B, X, Y, LB, RB, Back, Start, Guide, stick clicks.
constexpr ButtonLayout XBOX_LAYOUT{0, 1, 2, 3, 6, 7};

// hid-sony and hid-playstation put north before west and also report L2 and R2 as buttons, which
// moves Select and Start along: 13 buttons in all.
constexpr ButtonLayout PLAYSTATION_LAYOUT{0, 1, 3, 2, 8, 9};
constexpr int PLAYSTATION_BUTTONS = 13;

constexpr float DEAD_ZONE = 0.5f;

ALLEGRO_EVENT_QUEUE* plugEvents = nullptr;  // null until start succeeds

const ButtonLayout& layoutFor(const Shape& shape) {
    return shape.buttons == PLAYSTATION_BUTTONS ? PLAYSTATION_LAYOUT : XBOX_LAYOUT;
}

void pressButton(const Shape& shape, const ALLEGRO_JOYSTICK_STATE& state, int button,
                 ALLEGRO_KEYBOARD_STATE& keyboard, int key) {
    if (button < shape.buttons && state.button[button] > 0)
        SyntheticInput::setKey(keyboard, key, true);
}

void pressButtons(const Shape& shape, const ALLEGRO_JOYSTICK_STATE& state, ALLEGRO_KEYBOARD_STATE& keyboard) {
    const ButtonLayout& layout = layoutFor(shape);
    pressButton(shape, state, layout.south, keyboard, ALLEGRO_KEY_Z);
    pressButton(shape, state, layout.south, keyboard, ALLEGRO_KEY_SPACE);
    pressButton(shape, state, layout.east, keyboard, ALLEGRO_KEY_X);
    pressButton(shape, state, layout.west, keyboard, ALLEGRO_KEY_X);
    pressButton(shape, state, layout.north, keyboard, ALLEGRO_KEY_R);
    pressButton(shape, state, layout.back, keyboard, ALLEGRO_KEY_ESCAPE);
    pressButton(shape, state, layout.start, keyboard, ALLEGRO_KEY_P);
}

// One-axis sticks are triggers and throttles. Hats are d-pads. Of the analogue sticks only the
// first is surely the left stick: the library pairs the remaining axes in code order, which can put
// a trigger resting at -1 beside the right stick's X.
bool isArrowStick(const Shape& shape, int stick) {
    if (shape.stickAxes[stick] != 2)
        return false;
    return stick == 0 || (shape.stickFlags[stick] & ALLEGRO_JOYFLAG_DIGITAL);
}

void pressArrows(float x, float y, ALLEGRO_KEYBOARD_STATE& keyboard) {
    if (x < -DEAD_ZONE)
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_LEFT, true);
    if (x > DEAD_ZONE)
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_RIGHT, true);
    if (y < -DEAD_ZONE)
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_UP, true);
    if (y > DEAD_ZONE)
        SyntheticInput::setKey(keyboard, ALLEGRO_KEY_DOWN, true);
}

// The library raises a configuration event when a pad comes or goes; its pad list changes only
// when asked to reconfigure.
void takeInPluggedPads() {
    ALLEGRO_EVENT event;
    while (al_get_next_event(plugEvents, &event))
        if (event.type == ALLEGRO_EVENT_JOYSTICK_CONFIGURATION)
            al_reconfigure_joysticks();
}

}  // namespace

Shape shapeOf(ALLEGRO_JOYSTICK* pad) {
    Shape shape;
    shape.buttons = al_get_joystick_num_buttons(pad);
    shape.sticks = al_get_joystick_num_sticks(pad);
    for (int stick = 0; stick < shape.sticks; ++stick) {
        shape.stickFlags[stick] = al_get_joystick_stick_flags(pad, stick);
        shape.stickAxes[stick] = al_get_joystick_num_axes(pad, stick);
    }
    return shape;
}

void pressKeys(const Shape& shape, const ALLEGRO_JOYSTICK_STATE& state, ALLEGRO_KEYBOARD_STATE& keyboard) {
    pressButtons(shape, state, keyboard);
    for (int stick = 0; stick < shape.sticks; ++stick)
        if (isArrowStick(shape, stick))
            pressArrows(state.stick[stick].axis[0], state.stick[stick].axis[1], keyboard);
}

void start() {
    if (plugEvents || !al_install_joystick())
        return;
    plugEvents = al_create_event_queue();
    al_register_event_source(plugEvents, al_get_joystick_event_source());
}

void merge(ALLEGRO_KEYBOARD_STATE& keyboard) {
    if (!plugEvents)
        return;
    takeInPluggedPads();
    for (int i = 0; i < al_get_num_joysticks(); ++i) {
        ALLEGRO_JOYSTICK* pad = al_get_joystick(i);
        if (!pad || !al_get_joystick_active(pad))
            continue;
        ALLEGRO_JOYSTICK_STATE state;
        al_get_joystick_state(pad, &state);
        pressKeys(shapeOf(pad), state, keyboard);
    }
}

}  // namespace Gamepad
