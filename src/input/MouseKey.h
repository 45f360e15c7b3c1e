#pragma once

#include "input/Switch.h"

// A mouse button, read from the running state's mouse snapshot.
class MouseKey : public Switch {
public:
    enum MouseKeyType { LEFT = 1, RIGHT = 2 };  // the library's button numbers

    explicit MouseKey(MouseKeyType button);
    bool on() override { return down; }
    void update() override;

private:
    MouseKeyType button;
    bool down = false;
};
