#include "entities/Avatar.h"

#include "assets/Sound.h"
#include "entities/AvatarMotion.h"
#include "world/Physics.h"

using namespace AvatarMotion;

// Keeps it out of present tiles; a wall that appears deep inside it crushes it.
void Avatar::handleCollisions(double) {
    Collision hit = Physics::collisions(this);
    for (int pass = 0; pass < 20 && hit.side != Collision::NONE; ++pass) {
        if (hit.depth > CRUSH_DEPTH) {
            die("were crushed by a hunk of wall");
            return;
        }
        if (hit.side == Collision::BELOW && state == State::AIRBORNE && velocity.y >= 0) {
            state = State::STANDING;
            Sound::play(landSound, 1.1f, 1.0f);
        }
        Physics::eject(this, hit);
        if (hit.side == Collision::ABOVE && velocity.y < 0)
            velocity.y = 0;
        if (hit.side == Collision::LEFT || hit.side == Collision::RIGHT)
            velocity.x = 0;
        hit = Physics::collisions(this);
    }
}
