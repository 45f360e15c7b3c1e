#include "entities/Garbage.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/Random.h"
#include "entities/Particle.h"
#include "world/Game.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <cmath>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, LOOS, 0};

Entity* prototype() {
    return new Garbage();
}

}  // namespace

// clang-format off
const Kind Kinds::GARBAGE = {"lg", "loose garbage", 40, TAGS,
    Kind::NONE, "garbage", '*', 0, {}, prototype, nullptr};
// clang-format on

Garbage::Garbage() {
    Resources::load(sheet, "media/loosesheet.png");
    Resources::load(pickupSound, "media/pickup.wav");
    frame = static_cast<int>(randomInt(0, 2));
}

const int* Garbage::indices() {
    return Kinds::GARBAGE.tags;
}

int Garbage::order(int index) {
    return index == Tags::RNDR ? Kinds::GARBAGE.layer : Entity::order(index);
}

// The cell centre counts, not the bobbing picture.
void Garbage::update(double dt) {
    clock += dt;
    Entity* avatar = world->entity(Tags::AVAT);
    if (avatar && avatar->bbox().contains(x() + 10, y() + 10))
        collect();
}

void Garbage::collect() {
    Sound::play(pickupSound, 1.0f, 1.0f);
    discard();
    if (Game::sGame)
        Game::sGame->looseGarbage += 1.0;
    for (int i = 0; i < 30; ++i) {
        float angle = randomFloat(0, 6.28f);
        float speed = randomFloat(25, 45);
        float dx = randomFloat(-5, 5);
        float dy = randomFloat(-5, 5);
        world->add(new Particle("media/glow.png", Vec(x() + dx, y() + dy),
                                Vec(std::sin(angle) * speed, std::cos(angle) * speed), 0.4, -0.02,
                                Draw::ONE));
    }
}

void Garbage::render() {
    Draw::bitmap(sheet->frames[frame % sheet->frames.size()], x(), y() + 2 * std::sin(5 * clock));
    float f = static_cast<float>(clock - std::trunc(clock));
    if (f >= 0.4f)
        return;
    int alpha = static_cast<int>(128 - 319 * f);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::ONE, al_map_rgba(255, 255, 255, alpha));
    Draw::filledEllipse(x() + 10, y() + 10, 25 * f, 25 * f, al_map_rgb(255, 255, 255));
    Draw::setOrdinaryBlender();
}
