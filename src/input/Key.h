#pragma once

#include "input/Switch.h"

// A keyboard key, by the library's key code, read from the running state's keyboard snapshot.
class Key : public Switch {
public:
    explicit Key(int keyCode);
    bool on() override { return down; }
    void update() override;

private:
    int keyCode;
    bool down = false;
};
