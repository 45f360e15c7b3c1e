#include "entities/Container.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/Random.h"
#include "core/SPrintF.h"
#include "entities/Carryable.h"
#include "entities/Particle.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <vector>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, CONT, 0};

Entity* prototype() {
    return new Container(Vec(0, 0), 1);
}

void addVariants(Kind::Palette& palette) {
    for (int count = 1; count <= 5; ++count)
        palette.emplace_back(new Container(Vec(0, 0), count));
}

}  // namespace

// clang-format off
const Kind Kinds::CONTAINER = {"ct", "container", 25, TAGS,
    Kind::BYTE, "container", 0, 0, {}, prototype, addVariants};
// clang-format on

Container::Container(Vec position, int bagsNeeded) : count(bagsNeeded) {
    setPos(position);
    Resources::load(sheet, "media/contsheet.png");
    Resources::load(font, "media/font.ttf");
    Resources::load(swallowSound, "media/cont.wav");
}

const int* Container::indices() {
    return Kinds::CONTAINER.tags;
}

int Container::order(int index) {
    return index == Tags::RNDR ? Kinds::CONTAINER.layer : Entity::order(index);
}

std::string Container::edString() {
    return SPrintF::format("container(%d)", count);
}

void Container::save(FILE* file) {
    Entity::save(file);
    saveByte(file, count);
}

void Container::load(FILE* file) {
    Entity::load(file);
    count = loadByte(file);
}

// Only bags in flight go in: one resting in the mouth or held over it stays out. A bag
// falling fast moves further in one frame than the mouth is deep, so its path counts too.
void Container::update(double) {
    std::vector<Entity*> bags = world->list(Tags::GRBG);
    for (Entity* entity : bags) {
        if (count <= 0)
            return;
        Carryable* bag = static_cast<Carryable*>(entity);
        Vec now(bag->x() + 10, bag->y() + 15);
        Vec before(bag->lastPos.x + 10, bag->lastPos.y + 15);
        bool in = bbox().contains(now.x, now.y) || bbox().crossedBy(before, now);
        if (bag->state == Carryable::AIRBORNE && in)
            swallow(bag);
    }
}

void Container::swallow(Entity* bag) {
    bag->discard();
    count -= 1;
    Sound::play(swallowSound, 1.0f, 1.0f);
    for (int i = 0; i < 40; ++i) {
        float dx = randomFloat(5, 35);
        float dy = randomFloat(-5, 10);
        float vy = randomFloat(-37, -75);
        world->add(
            new Particle("media/glow.png", Vec(x() + dx, y() + dy), Vec(0, vy), 0.8, -0.02, Draw::ONE));
    }
}

void Container::render() {
    Draw::bitmap(sheet->frames[count == 0 ? 1 : 0], x(), y() - 8);
    if (count == 0)
        return;
    std::string number = SPrintF::format("%d", count);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(0, 0, 0));
    Draw::text(font, x() + 21, y() + 5, ALLEGRO_ALIGN_CENTRE, number);
    Draw::setBlender(ALLEGRO_ADD, Draw::ALPHA, Draw::INVERSE_ALPHA, al_map_rgb(255, 255, 0));
    Draw::text(font, x() + 20, y() + 4, ALLEGRO_ALIGN_CENTRE, number);
    Draw::setOrdinaryBlender();
}
