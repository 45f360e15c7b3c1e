#pragma once

#include <allegro5/allegro.h>

// Game pads drive the keyboard's controls: each loop turn every connected pad is merged into the
// keyboard snapshot as key presses, so every switch sees a pad just as it sees the keys.
namespace Gamepad {

// What the mapping needs to know of a pad besides its state: how many buttons it has and how the
// library grouped its axes into sticks.
struct Shape {
    int buttons = 0;
    int sticks = 0;
    int stickFlags[_AL_MAX_JOYSTICK_STICKS] = {};  // ALLEGRO_JOYFLAG_DIGITAL marks a d-pad hat
    int stickAxes[_AL_MAX_JOYSTICK_STICKS] = {};
};

Shape shapeOf(ALLEGRO_JOYSTICK* pad);

// Sets down in `keyboard` the keys the pad holds; keys already down stay down.
void pressKeys(const Shape& shape, const ALLEGRO_JOYSTICK_STATE& state, ALLEGRO_KEYBOARD_STATE& keyboard);

// Installs the joystick subsystem and listens for pads being plugged in and out. Without the
// subsystem, merge does nothing.
void start();

// Takes in pads plugged in or out since the last turn, then presses every connected pad's keys
// into the snapshot.
void merge(ALLEGRO_KEYBOARD_STATE& keyboard);

}  // namespace Gamepad
