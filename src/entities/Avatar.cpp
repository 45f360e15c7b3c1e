#include "entities/Avatar.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "entities/AvatarMotion.h"
#include "input/Controls.h"
#include "world/Game.h"
#include "world/IndexTag.h"

using namespace AvatarMotion;

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, AVAT, PRSS, 0};

Entity* prototype() {
    return new Avatar();
}

}  // namespace

// clang-format off
const Kind Kinds::AVATAR = {"av", "avatar", 40, TAGS,
    Kind::NONE, "avatar", '@', 0, {}, prototype, nullptr};
// clang-format on

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
    return Kinds::AVATAR.tags;
}

int Avatar::order(int index) {
    return index == Tags::RNDR ? Kinds::AVATAR.layer : Entity::order(index);
}

// Each movement step tests the state as it begins, so one update can pass through several
// (ducking, then standing, then running); a jump from the ground flies from the next update.
void Avatar::update(double dt) {
    if (status == Status::DEAD)
        return;
    double clock = animationClock + dt;
    if (status == Status::PLAYING && Game::sGame)
        Game::sGame->elapsedTime += dt;
    handleCollisions(dt);
    if (y() > FALL_DEATH_Y) {
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
    if (carried)
        holdCarried();
    checkWinConditions();
    animationClock = clock;
}

int Avatar::pushed() const {
    return static_cast<int>(right->on()) - static_cast<int>(left->on());
}

double Avatar::facingSign() const {
    return facingRight ? 1 : -1;
}

void Avatar::addStatistic(double Game::*field, double amount) {
    if (Game::sGame)
        Game::sGame->*field += amount;
}

void Avatar::render() {
    if (status == Status::DEAD)
        return;
    const int byState[] = {2, runFrame, 7, 6};
    int frame = byState[static_cast<int>(state)] + (carried || status == Status::WON ? 9 : 0);
    Draw::bitmap(sheet->frames[frame], x(), y(), facingRight ? ALLEGRO_FLIP_HORIZONTAL : 0);
}
