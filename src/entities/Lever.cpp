#include "entities/Lever.h"

#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/SPrintF.h"
#include "entities/SwitchLook.h"
#include "world/Tile.h"
#include "world/World.h"

#include "world/IndexTag.h"
#include <algorithm>

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, LEVR, 0};

Entity* prototype() {
    return new Lever(0, false);
}

void addVariants(Kind::Palette& palette) {
    for (int channel = 0; channel < 5; ++channel) {
        palette.emplace_back(new Lever(channel, false));
        palette.emplace_back(new Lever(channel, true));
    }
}

}  // namespace

// clang-format off
const Kind Kinds::LEVER = {"vr", "lever", 35, TAGS,
    Kind::CHANNEL, "lever", 0, 0, {"off", "on"}, prototype, addVariants};
// clang-format on

namespace {

const int FRAME_OFF = 7;
const int FRAME_ON = 8;

}  // namespace

Lever::Lever(int group, bool startsOn) : channel(group), on(startsOn) {
    Resources::load(sheet, "media/tilesheet.png");
    Resources::load(switchSound, "media/switch.wav");
}

const int* Lever::indices() {
    return Kinds::LEVER.tags;
}

int Lever::order(int index) {
    return index == Tags::RNDR ? Kinds::LEVER.layer : Entity::order(index);
}

std::string Lever::edString() {
    return SPrintF::format("lever(%d,%s)", channel, on ? "on" : "off");
}

void Lever::update(double) {
    if (world) {
        releaseIfHolderGone();
        if (Entity* avatar = world->entity(Tags::AVAT))
            touch(avatar);
        for (Entity* bag : world->list(Tags::GRBG))
            touch(bag);
    }
    Tile::setPresent(channel, on);
}

// A holder swallowed or destroyed while touching would otherwise keep the lever stuck for
// the rest of the level. Only pointers are compared; the gone holder is never followed.
void Lever::releaseIfHolderGone() {
    if (!holder || holder == world->entity(Tags::AVAT))
        return;
    World::List& bags = world->list(Tags::GRBG);
    if (std::find(bags.begin(), bags.end(), holder) == bags.end())
        holder = nullptr;
}

// The touch point is the lever's centre; only a free lever flips.
void Lever::touch(Entity* toucher) {
    bool touching = toucher->bbox().contains(x() + 10, y() + 10);
    if (touching && !holder) {
        Sound::play(switchSound, 1.0f, 1.0f);
        on = !on;
        holder = toucher;
    } else if (!touching && holder == toucher) {
        holder = nullptr;
    }
}

void Lever::render() {
    int frame = on ? FRAME_ON : FRAME_OFF;
    SwitchLook::draw(sheet, frame, x(), y(), channel);
}

void Lever::save(FILE* file) {
    Entity::save(file);
    saveByte(file, channel);
    saveByte(file, on ? 1 : 0);
}

// A missing byte at the end of a file reads as off rather than as a stray "on".
void Lever::load(FILE* file) {
    Entity::load(file);
    channel = loadByte(file);
    on = loadByte(file) > 0;
}
