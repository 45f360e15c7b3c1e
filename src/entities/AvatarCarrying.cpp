#include "entities/Avatar.h"

#include "assets/Sound.h"
#include "entities/AvatarMotion.h"
#include "entities/Carryable.h"
#include "input/Switch.h"
#include "world/Game.h"
#include "world/World.h"

#include <algorithm>
#include <iterator>

using namespace AvatarMotion;

// Ducking is the only way to pick something up or put it down.
void Avatar::duck() {
    if (!down->on())
        state = State::STANDING;
    if (!tossKey->on())
        return;
    if (carried)
        dropCarried();
    else
        pickUpBelow();
}

// Probes the middle and both edges at mid-height; the first resting carryable found is taken.
void Avatar::pickUpBelow() {
    const Vec points[] = {{x() + 10, y() + 10}, {x() + 18, y() + 10}, {x() + 2, y() + 10}};
    for (Entity* entity : world->list(Tags::CARR)) {
        Carryable* candidate = static_cast<Carryable*>(entity);
        Rect box = candidate->bbox();
        bool under = std::any_of(std::begin(points), std::end(points),
                                 [&](const Vec& p) { return box.contains(p.x, p.y); });
        if (under && candidate->state == Carryable::RESTING) {
            candidate->pickup(this);
            carried = candidate;
            return;
        }
    }
}

void Avatar::holdCarried() {
    carried->setX(x());
    carried->setY(y() - (state == State::DUCKING ? DUCKING_CARRY_HEIGHT : CARRY_HEIGHT));
}

// Reached while ducking (ducking and the toss control in one update) the object is
// dropped instead, so it never stays marked carried.
void Avatar::toss() {
    if (!carried)
        return;
    if (state == State::DUCKING) {
        dropCarried();
        return;
    }
    Sound::play(throwSound, 1.0f, 1.0f);
    addStatistic(&Game::throws);
    carried->toss(throwVelocity());
    carried = nullptr;
}

Vec Avatar::throwVelocity() const {
    if (state == State::RUNNING)
        return Vec(facingSign() * RUNNING_THROW_SPEED, RUNNING_THROW_LIFT);
    if (state == State::STANDING && up->on())
        return Vec(facingSign() * HIGH_THROW_SPEED, HIGH_THROW_LIFT);
    return Vec(facingSign() * THROW_SPEED, THROW_LIFT);
}

void Avatar::dropCarried() {
    carried->release();
    carried = nullptr;
}
