#include "entities/Avatar.h"

#include "assets/Sound.h"
#include "entities/AvatarMotion.h"
#include "entities/Motion.h"
#include "input/Switch.h"
#include "world/Game.h"
#include "world/Level.h"

#include <algorithm>
#include <cmath>

using namespace AvatarMotion;

// Running off an edge keeps a little speed and, for a moment, a full jump.
void Avatar::checkGround() {
    if (state == State::AIRBORNE || Game::sGame->level->collision(Vec(x() + 10, y() + 21)))
        return;
    if (state == State::RUNNING) {
        velocity = Vec(facingSign() * WALK_OFF_SPEED, 0);
        jumpGrace = JUMP_GRACE;
    } else {
        velocity = Vec(0, 0);
        jumpGrace = 0;
    }
    state = State::AIRBORNE;
}

void Avatar::takeOff(double vx) {
    state = State::AIRBORNE;
    addStatistic(&Game::jumps);
    jumpGrace = 0;
    velocity = Vec(vx, carried ? CARRYING_JUMP_VELOCITY : JUMP_VELOCITY);
    Sound::play(jumpSound, 0.65f, 1.0f);
}

void Avatar::fly(double dt) {
    steer(dt);
    velocity.y = std::min(velocity.y + Motion::GRAVITY * dt, MAX_FALL_SPEED);
    setPos(Vec(x() + velocity.x * dt, y() + velocity.y * dt));
    if (tossKey->on())
        toss();
    jumpGrace -= dt;
    if (!jump->on() || !canDoubleJump)
        return;
    double lift = carried ? CARRYING_JUMP_VELOCITY : JUMP_VELOCITY;
    if (jumpGrace > 0) {
        Sound::play(jumpSound, 0.65f, 1.0f);
        addStatistic(&Game::jumps);
        velocity = Vec(facingSign() * JUMP_FORWARD_SPEED, lift);
        jumpGrace = 0;
    } else {
        Sound::play(jumpSound, 0.65f, 1.2f);
        addStatistic(&Game::doubleJumps);
        velocity.y = DOUBLE_JUMP_SHARE * lift;
        velocity.x = std::clamp(velocity.x, -DOUBLE_JUMP_MAX_SPEED, DOUBLE_JUMP_MAX_SPEED);
        canDoubleJump = false;
    }
}

// Pushing against the motion brakes harder than pushing with it accelerates, and both
// grow with the speed; with no push, fast drift dies away and slow drift is kept.
void Avatar::steer(double dt) {
    double& vx = velocity.x;
    if (int way = pushed()) {
        bool against = vx * way < 0;
        double speed = std::fabs(vx);
        vx += way * ((against ? AIR_BRAKE : AIR_PUSH) + AIR_PUSH_GROWTH * speed) * dt;
    } else if (vx < -AIR_DRIFT_KEPT || vx > AIR_DRIFT_KEPT) {
        vx *= 1 - AIR_DAMPING * dt;
    }
    vx = std::clamp(vx, -MAX_AIR_SPEED, MAX_AIR_SPEED);
    if (vx != 0)
        facingRight = vx > 0;
}
