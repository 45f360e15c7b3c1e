#include "entities/Avatar.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/Game.h"
#include "entities/Carryable.h"
#include "entities/Container.h"
#include "entities/Motion.h"
#include "entities/Particle.h"
#include "input/Controls.h"
#include "progress/Config.h"
#include "world/Level.h"
#include "world/Physics.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace {

const double RUN_SPEED = 200;
const double JUMP_SPEED = -270;
const double CARRYING_JUMP_SPEED = -100;
const double JUMP_FORWARD_SPEED = 111;
const double GRACE = 0.04;

bool held(Switch* key) {
    return key->on();
}

} // namespace

Avatar::Avatar() {
    setPos(Vec(400, 0));
    Resources::load(sheet, "media/guysheet.png");
    Resources::load(jumpSound, "media/jump.wav");
    Resources::load(dieSound, "media/die.wav");
    Resources::load(landSound, "media/land.wav");
    Resources::load(throwSound, "media/throw.wav");
    Controls& controls = Controls::get();
    left = controls.left;
    right = controls.right;
    down = controls.down;
    up = controls.up;
    jump = controls.jump;
    tossKey = controls.toss;
}

const int* Avatar::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::DYNA, Tags::POSI, Tags::AVAT, Tags::PRSS, 0};
    return tags;
}

int Avatar::order(int index) {
    return index == Tags::RNDR ? 40 : Entity::order(index);
}

void Avatar::update(double dt) {
    if (status == Status::DEAD)
        return;
    double clock = animationClock + dt;
    if (status == Status::PLAYING && Game::sGame)
        Game::sGame->elapsedTime += dt;
    handleCollisions(dt);
    if (y() > 600) {
        die("fell of the face of the world");
        return;
    }
    checkGround();
    if (state == State::AIRBORNE)
        fly(dt);
    if (state == State::DUCKING)
        duck();
    if (state == State::STANDING)
        stand();
    if (state == State::RUNNING)
        run(dt);
    handleCollisions(dt);
    if (carried) {
        carried->setX(x());
        carried->setY(y() - (state == State::DUCKING ? 15 : 20));
    }
    checkWinConditions();
    animationClock = clock;
}

void Avatar::checkGround() {
    if (state == State::AIRBORNE || Game::sGame->level->collision(Vec(x() + 10, y() + 21)))
        return;
    if (state == State::RUNNING) {
        velocity = Vec(facingRight ? 30 : -30, 0);
        jumpGrace = GRACE;
    } else {
        velocity = Vec(0, 0);
        jumpGrace = 0;
    }
    state = State::AIRBORNE;
}

void Avatar::steer(double dt) {
    double& vx = velocity.x;
    bool leftOnly = held(left) && !held(right);
    bool rightOnly = held(right) && !held(left);
    if (leftOnly)
        vx -= (vx > 0 ? 800 + 4 * vx : 400 - 4 * vx) * dt;
    else if (rightOnly)
        vx += (vx < 0 ? 800 - 4 * vx : 400 + 4 * vx) * dt;
    else if (vx < -50 || vx > 50)
        vx *= 1 - dt;
    vx = std::clamp(vx, -200.0, 200.0);
    if (vx != 0)
        facingRight = vx > 0;
}

void Avatar::fly(double dt) {
    steer(dt);
    velocity.y = std::min(velocity.y + Motion::GRAVITY * dt, 400.0);
    setPos(Vec(x() + velocity.x * dt, y() + velocity.y * dt));
    if (held(tossKey))
        toss();
    jumpGrace -= dt;
    if (!held(jump) || !canDoubleJump)
        return;
    double lift = carried ? CARRYING_JUMP_SPEED : JUMP_SPEED;
    if (jumpGrace > 0) {
        Sound::play(jumpSound, 0.65f, 1.0f);
        addStatistic(&Game::jumps);
        velocity = Vec(facingRight ? JUMP_FORWARD_SPEED : -JUMP_FORWARD_SPEED, lift);
        jumpGrace = 0;
    } else {
        Sound::play(jumpSound, 0.65f, 1.2f);
        addStatistic(&Game::doubleJumps);
        velocity.y = 0.6 * lift;
        velocity.x = std::clamp(velocity.x, -140.0, 140.0);
        canDoubleJump = false;
    }
}

void Avatar::duck() {
    if (!held(down))
        state = State::STANDING;
    if (!held(tossKey))
        return;
    if (carried)
        dropCarried();
    else
        pickUpBelow();
}

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

void Avatar::stand() {
    canDoubleJump = true;
    if (held(left) && !held(right)) {
        facingRight = false;
        state = State::RUNNING;
        runFrame = 0;
    } else if (held(right) && !held(left)) {
        facingRight = true;
        state = State::RUNNING;
        runFrame = 0;
    }
    if (held(down))
        state = State::DUCKING;
    if (held(jump))
        takeOff(0);
    if (held(tossKey))
        toss();
}

void Avatar::run(double dt) {
    canDoubleJump = true;
    bool leftOnly = held(left) && !held(right);
    bool rightOnly = held(right) && !held(left);
    if (leftOnly || rightOnly) {
        animate(dt);
        facingRight = rightOnly;
        setX(x() + (rightOnly ? RUN_SPEED : -RUN_SPEED) * dt);
        addStatistic(&Game::pixelsTraversed, RUN_SPEED * dt);
    } else {
        state = State::STANDING;
    }
    if (held(jump))
        takeOff(facingRight ? JUMP_FORWARD_SPEED : -JUMP_FORWARD_SPEED);
    if (held(tossKey))
        toss();
}

void Avatar::takeOff(double vx) {
    state = State::AIRBORNE;
    addStatistic(&Game::jumps);
    jumpGrace = 0;
    velocity = Vec(vx, carried ? CARRYING_JUMP_SPEED : JUMP_SPEED);
    Sound::play(jumpSound, 0.65f, 1.0f);
}

void Avatar::addStatistic(double Game::*field, double amount) {
    if (Game::sGame)
        Game::sGame->*field += amount;
}

void Avatar::handleCollisions(double) {
    Collision hit = Physics::collisions(this);
    for (int pass = 0; pass < 20 && hit.side != Collision::NONE; ++pass) {
        if (hit.depth > 12) {
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

void Avatar::animate(double dt) {
    int steps = static_cast<int>((animationClock + dt) * 8) - static_cast<int>(animationClock * 8);
    for (int i = 0; i < steps; ++i) {
        runFrame = (runFrame + 1) % 6;
        if (runFrame % 2 == 1)
            Sound::play(landSound, 0.9f, 1.0f);
    }
}

// The throw's velocity by what the avatar is doing. Reached while ducking (ducking and the
// toss control in one update) the object is dropped instead, so it never stays marked carried.
void Avatar::toss() {
    if (!carried)
        return;
    if (state == State::DUCKING) {
        dropCarried();
        return;
    }
    Sound::play(throwSound, 1.0f, 1.0f);
    addStatistic(&Game::throws);
    double sign = facingRight ? 1 : -1;
    Vec flight(200 * sign, -100);
    if (state == State::RUNNING)
        flight = Vec(300 * sign, -140);
    else if (state == State::STANDING && held(up))
        flight = Vec(100 * sign, -240);
    carried->toss(flight);
    carried = nullptr;
}

void Avatar::dropCarried() {
    carried->release();
    carried = nullptr;
}

void Avatar::die(const std::string& why) {
    if (status != Status::PLAYING)
        return;
    Sound::play(dieSound, 1.0f, 1.0f);
    Config::get().countDeath();
    Particle::puffAt(world, pos());
    status = Status::DEAD;
    reason = why;
    if (carried)
        dropCarried();
}

void Avatar::win() {
    if (status != Status::PLAYING)
        return;
    status = Status::WON;
    reason = "";
}

void Avatar::checkWinConditions() {
    const World::List& containers = world->list(Tags::CONT);
    if (containers.empty())
        return;
    for (Entity* entity : containers)
        if (static_cast<Container*>(entity)->count > 0)
            return;
    win();
}

void Avatar::render() {
    if (status == Status::DEAD)
        return;
    const int byState[] = {2, runFrame, 7, 6};
    int frame = byState[static_cast<int>(state)] + (carried || status == Status::WON ? 9 : 0);
    Draw::bitmap(sheet->frames[frame], x(), y(), facingRight ? ALLEGRO_FLIP_HORIZONTAL : 0);
}
