#pragma once

#include "input/Key.h"
#include "input/MouseKey.h"
#include "input/OnPress.h"

// The game's shared set of switches, made by whichever code needs it first; never destroyed.
class Controls {
public:
    static Controls* controls;
    static Controls& get();  // creates the set on first use

    Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    Key* up;
    Key* down;
    Key* left;
    Key* right;
    OnPress* jump;     // Z
    OnPress* toss;     // X: pick up, drop, throw
    OnPress* confirm;  // Space
    OnPress* click;    // left mouse button
    OnPress* back;     // Escape
    OnPress* retry;    // R
    OnPress* pause;    // P
    OnPress* hud;      // H: the heads-up line on or off
    OnPress* enter;    // Enter: presses the focused menu button
};
