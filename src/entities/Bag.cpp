#include "entities/Bag.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "world/Game.h"
#include "world/IndexTag.h"
#include "world/Level.h"

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, GRBG, CARR, PRSS, 0};

Entity* prototype() {
    return new Bag();
}

}  // namespace

// clang-format off
const Kind Kinds::BAG = {"gb", "garbage", 50, TAGS,
    Kind::NONE, "bag", 'b', 0, {}, prototype, nullptr};
// clang-format on

Bag::Bag() {
    Resources::load(image, "media/bag.png");
    setPos(Vec(400, 0));
    lastPos = pos();
}

const int* Bag::indices() {
    return Kinds::BAG.tags;
}

int Bag::order(int index) {
    return index == Tags::RNDR ? Kinds::BAG.layer : Entity::order(index);
}

void Bag::update(double dt) {
    lastPos = pos();
    settle();
    if (state == RESTING && !supported()) {
        state = AIRBORNE;
        speed = Vec(0, 0);
    }
    if (state == AIRBORNE)
        fall(dt);
}

// Any of the middle and the two quarter points of its bottom over a present tile holds it.
bool Bag::supported() {
    Level* level = Game::sGame->level;
    return level->collision(Vec(x() + 10, y() + 21)) || level->collision(Vec(x() + 5, y() + 21)) ||
           level->collision(Vec(x() + 15, y() + 21));
}

void Bag::render() {
    Draw::bitmap(image, x(), y());
}
