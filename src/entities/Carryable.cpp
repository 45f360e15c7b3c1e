#include "entities/Carryable.h"

#include "assets/Resources.h"
#include "assets/Sound.h"
#include "entities/Avatar.h"
#include "entities/Motion.h"
#include "world/Physics.h"

#include <algorithm>

namespace {

const double MAX_FALL_SPEED = 600;  // px/s

}  // namespace

Carryable::Carryable() {
    Resources::load(landSound, "media/land.wav");
}

// Whatever speed it landed with is forgotten, so that dropping it later lets it fall
// rather than sending it off on the last throw's course.
void Carryable::pickup(Avatar* avatar) {
    if (state != RESTING)
        return;
    state = CARRIED;
    carrier = avatar;
    speed = Vec(0, 0);
}

void Carryable::release() {
    state = AIRBORNE;
    carrier = nullptr;
}

void Carryable::toss(Vec velocity) {
    state = AIRBORNE;
    carrier = nullptr;
    speed = velocity;
}

void Carryable::settle() {
    Collision hit = Physics::collisions(this);
    for (int pass = 0; pass < 20 && hit.side != Collision::NONE; ++pass) {
        if (carrier)
            carrier->dropCarried();
        if (hit.side == Collision::BELOW) {
            if (state == AIRBORNE && speed.y >= 0) {
                state = RESTING;
                Sound::play(landSound, 1.0f, 1.0f);
                landed();
            }
            Physics::eject(this, hit);
        } else {
            Physics::eject(this, hit);
            speed = Vec(0, 0);
            if (hit.side != Collision::ABOVE)
                hitWall();
        }
        hit = Physics::collisions(this);
    }
}

void Carryable::fall(double dt) {
    speed.y = std::min(speed.y + Motion::GRAVITY * dt, MAX_FALL_SPEED);
    setPos(Vec(x() + speed.x * dt, y() + speed.y * dt));
}
