#include "entities/Fireworks.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/Random.h"
#include "entities/Particle.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <cmath>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, DYNA, POSI, 0};

Entity* prototype() {
    return new Fireworks();
}

}  // namespace

// Fireworks show only through the sparks they throw, so they are never drawn themselves.
// clang-format off
const Kind Kinds::FIREWORKS = {"fw", "fireworks", 90, TAGS,
    Kind::NONE, "fireworks", '!', 0, {}, prototype, nullptr};
// clang-format on

namespace {

const int SPARKS = 60;

}  // namespace

Fireworks::Fireworks() {
    Resources::load(bangSound, "media/land.wav");
}

const int* Fireworks::indices() {
    return Kinds::FIREWORKS.tags;
}

int Fireworks::order(int index) {
    return index == Tags::RNDR ? Kinds::FIREWORKS.layer : Entity::order(index);
}

// One chance in 51 per update, so bursts come more often at higher frame rates.
void Fireworks::update(double) {
    if (randomInt(0, 50) == 0)
        burst();
}

// Each spark draws its angle, its speed and its two offsets in this order.
void Fireworks::burst() {
    if (!world)
        return;
    Sound::play(bangSound, 1.2f, 1.0f);
    for (int i = 0; i < SPARKS; ++i) {
        float angle = randomFloat(0, 6.28f);
        float speed = randomFloat(215, 265);
        float dx = randomFloat(-5, 5);
        float dy = randomFloat(-5, 5);
        world->add(new Particle("media/glow.png", Vec(x() + dx, y() + dy),
                                Vec(speed * std::sin(angle), speed * std::cos(angle)), 0.4, 0.1, Draw::ONE));
    }
}
