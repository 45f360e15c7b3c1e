#include "entities/PressPad.h"

#include "assets/Resources.h"
#include "assets/Sound.h"
#include "core/SPrintF.h"
#include "entities/SwitchLook.h"
#include "world/IndexTag.h"
#include "world/Tile.h"
#include "world/World.h"

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, DYNA, POSI, PRPD, 0};

Entity* prototype() {
    return new PressPad(0, false);
}

void addVariants(Kind::Palette& palette) {
    for (int channel = 0; channel < 5; ++channel) {
        palette.emplace_back(new PressPad(channel, false));
        palette.emplace_back(new PressPad(channel, true));
    }
}

}  // namespace

// clang-format off
const Kind Kinds::PRESS_PAD = {"pr", "presspad", 55, TAGS,
    Kind::CHANNEL, "presspad", 0, 0, {"off", "on"}, prototype, addVariants};
// clang-format on

namespace {

const int FRAME_FREE = 9;
const int FRAME_PRESSED = 10;

}  // namespace

PressPad::PressPad(int group, bool startsOn) : channel(group), on(startsOn) {
    Resources::load(sheet, "media/tilesheet.png");
    Resources::load(switchSound, "media/switch.wav");
}

const int* PressPad::indices() {
    return Kinds::PRESS_PAD.tags;
}

int PressPad::order(int index) {
    return index == Tags::RNDR ? Kinds::PRESS_PAD.layer : Entity::order(index);
}

std::string PressPad::edString() {
    return SPrintF::format("presspad(%d,%s)", channel, on ? "on" : "off");
}

void PressPad::update(double) {
    pressed = false;
    if (world)
        for (Entity* entity : world->list(Tags::PRSS))
            pressed = weighedDownBy(entity) || pressed;
    Tile::setPresent(channel, pressed != on);
    if (pressed != wasPressed)
        Sound::play(switchSound, 1.0f, 1.0f);
    wasPressed = pressed;
}

// Three points along the feet, one pixel above the bottom of the entity's cell.
bool PressPad::weighedDownBy(Entity* entity) {
    Vec p = entity->pos();
    Rect pad = bbox();
    return pad.contains(p.x + 10, p.y + 19) || pad.contains(p.x + 15, p.y + 19) ||
           pad.contains(p.x + 5, p.y + 19);
}

void PressPad::render() {
    int frame = pressed ? FRAME_PRESSED : FRAME_FREE;
    SwitchLook::draw(sheet, frame, x(), y(), channel);
}

void PressPad::save(FILE* file) {
    Entity::save(file);
    saveByte(file, channel);
    saveByte(file, on ? 1 : 0);
}

// A missing byte at the end of a file reads as off rather than as a stray "on".
void PressPad::load(FILE* file) {
    Entity::load(file);
    channel = loadByte(file);
    on = loadByte(file) > 0;
}
