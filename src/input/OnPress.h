#pragma once

#include "input/Switch.h"

// On in the one turn in which its source went from off to on.
class OnPress : public Switch {
public:
    explicit OnPress(Switch* source);  // source not owned; it must outlive this switch
    ~OnPress() override;               // the source stops updating it
    bool on() override { return current && !previous; }
    void update() override;

    Switch* source;

private:
    bool current = false;
    bool previous = false;
};
