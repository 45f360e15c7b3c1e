#pragma once

#include "world/Entity.h"

#include <allegro5/allegro_audio.h>

class Avatar;

// What the avatar can pick up, carry overhead and throw: bags and baddies.
class Carryable : public Entity {
public:
    enum State { RESTING = 0, AIRBORNE = 1, CARRIED = 2 };

    ALLEGRO_SAMPLE* landSound;
    int state = RESTING;
    Avatar* carrier = nullptr;
    Vec speed;    // pixels per second, used while airborne
    Vec lastPos;  // where its latest update started, so a fast fall can be traced

    Carryable();
    virtual void pickup(Avatar* avatar);  // only while resting
    virtual void release();               // airborne, keeping its speed
    virtual void toss(Vec velocity);      // airborne with the given speed
    virtual Vec velocity() { return speed; }

protected:
    // Pushes it out of present tiles, at most 20 passes: a carrier drops it at the first
    // contact, ceilings and walls stop it, and a floor met while falling lands it.
    void settle();
    void fall(double dt);  // gravity, capped at 600 pixels per second
    virtual void landed() {}
    virtual void hitWall() {}
};
