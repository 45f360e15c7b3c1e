#include "io/Kinds.h"

#include "entities/Avatar.h"
#include "entities/Baddie.h"
#include "entities/Bag.h"
#include "entities/Container.h"
#include "entities/Fireworks.h"
#include "entities/ForceField.h"
#include "entities/Garbage.h"
#include "entities/Lever.h"
#include "entities/Message.h"
#include "entities/PressPad.h"
#include "entities/Spikes.h"
#include "world/IndexTag.h"
#include "world/Tile.h"

namespace {

using namespace Tags;

const int TILE_TAGS[] = {ENTT, RNDR, POSI, TILE, 0};
const int SIGN_TAGS[] = {ENTT, RNDR, DYNA, POSI, MESG, 0};
const int BAG_TAGS[] = {ENTT, RNDR, DYNA, POSI, GRBG, CARR, PRSS, 0};
const int GARBAGE_TAGS[] = {ENTT, RNDR, DYNA, POSI, LOOS, 0};
const int PLAIN_TAGS[] = {ENTT, RNDR, DYNA, POSI, 0};
const int AVATAR_TAGS[] = {ENTT, RNDR, DYNA, POSI, AVAT, PRSS, 0};
const int BADDIE_TAGS[] = {ENTT, RNDR, DYNA, POSI, BADD, CARR, PRSS, 0};
const int CONTAINER_TAGS[] = {ENTT, RNDR, DYNA, POSI, CONT, 0};
const int LEVER_TAGS[] = {ENTT, RNDR, DYNA, POSI, LEVR, 0};
const int PRESS_PAD_TAGS[] = {ENTT, RNDR, DYNA, POSI, PRPD, 0};
// Fireworks show only through the sparks they throw, so they are never drawn themselves.
const int FIREWORKS_TAGS[] = {ENTT, DYNA, POSI, 0};

Entity* newTile() {
    return new Tile(0, nullptr, 0, 0);
}
Entity* newSign() {
    return new Message("");
}
Entity* newBag() {
    return new Bag();
}
Entity* newGarbage() {
    return new Garbage();
}
Entity* newSpikes() {
    return new Spikes();
}
Entity* newForceField() {
    return new ForceField(true);
}
Entity* newAvatar() {
    return new Avatar();
}
Entity* newBaddie() {
    return new Baddie(false);
}
Entity* newContainer() {
    return new Container(Vec(0, 0), 1);
}
Entity* newLever() {
    return new Lever(0, false);
}
Entity* newPressPad() {
    return new PressPad(0, false);
}
Entity* newFireworks() {
    return new Fireworks();
}

void addTiles(Kind::Palette& palette) {
    for (int type = 0; type < 5; ++type)
        palette.emplace_back(new Tile(type, nullptr, 0, 0));
}
void addSign(Kind::Palette& palette) {
    palette.emplace_back(new Message("Test message."));
}
void addBag(Kind::Palette& palette) {
    palette.emplace_back(newBag());
}
void addGarbage(Kind::Palette& palette) {
    palette.emplace_back(newGarbage());
}
void addSpikes(Kind::Palette& palette) {
    palette.emplace_back(newSpikes());
}
void addForceFields(Kind::Palette& palette) {
    palette.emplace_back(new ForceField(false));
    palette.emplace_back(new ForceField(true));
}
void addAvatar(Kind::Palette& palette) {
    palette.emplace_back(newAvatar());
}
void addBaddies(Kind::Palette& palette) {
    palette.emplace_back(new Baddie(false));
    palette.emplace_back(new Baddie(true));
}
void addContainers(Kind::Palette& palette) {
    for (int count = 1; count <= 5; ++count)
        palette.emplace_back(new Container(Vec(0, 0), count));
}
void addLevers(Kind::Palette& palette) {
    for (int channel = 0; channel < 5; ++channel) {
        palette.emplace_back(new Lever(channel, false));
        palette.emplace_back(new Lever(channel, true));
    }
}
void addPressPads(Kind::Palette& palette) {
    for (int channel = 0; channel < 5; ++channel) {
        palette.emplace_back(new PressPad(channel, false));
        palette.emplace_back(new PressPad(channel, true));
    }
}
void addFireworks(Kind::Palette& palette) {
    palette.emplace_back(newFireworks());
}

} // namespace

namespace Kinds {

// One row a kind, two lines a row: what the class reports, then how files, text and editor hold it.
// Tiles are drawn in the map by their type's symbol, so their own symbol is unused.
// clang-format off
const Kind TILE = {"tl", "tile", 50, TILE_TAGS,
    Kind::BYTE, "tile", 0, 0, {}, newTile, addTiles};
const Kind SIGN = {"ms", "message", 30, SIGN_TAGS,
    Kind::TEXT, "sign", 0, 0, {}, newSign, addSign};
const Kind BAG = {"gb", "garbage", 50, BAG_TAGS,
    Kind::NONE, "bag", 'b', 0, {}, newBag, addBag};
const Kind GARBAGE = {"lg", "loose garbage", 40, GARBAGE_TAGS,
    Kind::NONE, "garbage", '*', 0, {}, newGarbage, addGarbage};
const Kind SPIKES = {"sp", "spikes", 60, PLAIN_TAGS,
    Kind::NONE, "spikes", '^', 0, {}, newSpikes, addSpikes};
const Kind FORCE_FIELD = {"ff", "forcefield", 70, PLAIN_TAGS,
    Kind::FLAG, "forcefield", '-', '|', {"horizontal", "vertical"}, newForceField, addForceFields};
const Kind AVATAR = {"av", "avatar", 40, AVATAR_TAGS,
    Kind::NONE, "avatar", '@', 0, {}, newAvatar, addAvatar};
const Kind BADDIE = {"bd", "baddie", 51, BADDIE_TAGS,
    Kind::FLAG, "baddie", 't', 'f', {"tame", "feral"}, newBaddie, addBaddies};
const Kind CONTAINER = {"ct", "container", 25, CONTAINER_TAGS,
    Kind::BYTE, "container", 0, 0, {}, newContainer, addContainers};
const Kind LEVER = {"vr", "lever", 35, LEVER_TAGS,
    Kind::CHANNEL, "lever", 0, 0, {"off", "on"}, newLever, addLevers};
const Kind PRESS_PAD = {"pr", "presspad", 55, PRESS_PAD_TAGS,
    Kind::CHANNEL, "presspad", 0, 0, {"off", "on"}, newPressPad, addPressPads};
const Kind FIREWORKS = {"fw", "fireworks", 90, FIREWORKS_TAGS,
    Kind::NONE, "fireworks", '!', 0, {}, newFireworks, addFireworks};
// clang-format on

const Kind* const* all() {
    static const Kind* const rows[] = {&TILE,        &SIGN,      &BAG,    &GARBAGE,   &SPIKES,
                                       &FORCE_FIELD, &AVATAR,    &BADDIE, &CONTAINER, &LEVER,
                                       &PRESS_PAD,   &FIREWORKS, nullptr};
    return rows;
}

} // namespace Kinds
