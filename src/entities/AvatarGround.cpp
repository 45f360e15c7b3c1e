#include "entities/Avatar.h"

#include "assets/Sound.h"
#include "entities/AvatarMotion.h"
#include "input/Switch.h"
#include "world/Game.h"

using namespace AvatarMotion;

void Avatar::stand() {
    canDoubleJump = true;
    if (int way = pushed()) {
        facingRight = way > 0;
        state = State::RUNNING;
        runFrame = 0;
    }
    if (down->on())
        state = State::DUCKING;
    if (jump->on())
        takeOff(0);
    if (tossKey->on())
        toss();
}

void Avatar::run(double dt) {
    canDoubleJump = true;
    if (int way = pushed()) {
        animate(dt);
        facingRight = way > 0;
        setX(x() + way * RUN_SPEED * dt);
        addStatistic(&Game::pixelsTraversed, RUN_SPEED * dt);
    } else {
        state = State::STANDING;
    }
    if (jump->on())
        takeOff(facingSign() * JUMP_FORWARD_SPEED);
    if (tossKey->on())
        toss();
}

// Every other frame of the cycle is a footstep.
void Avatar::animate(double dt) {
    int steps = static_cast<int>((animationClock + dt) * RUN_CYCLE_RATE) -
                static_cast<int>(animationClock * RUN_CYCLE_RATE);
    for (int i = 0; i < steps; ++i) {
        runFrame = (runFrame + 1) % RUN_CYCLE_FRAMES;
        if (runFrame % 2 == 1)
            Sound::play(landSound, 0.9f, 1.0f);
    }
}
