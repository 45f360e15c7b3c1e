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
#include "world/Tile.h"

namespace {

Entity* newTile() {
    return new Tile(0, nullptr, 0, 0);
}
Entity* newBag() {
    return new Bag();
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
Entity* newSign() {
    return new Message("");
}
Entity* newGarbage() {
    return new Garbage();
}
Entity* newLever() {
    return new Lever(0, false);
}
Entity* newSpikes() {
    return new Spikes();
}
Entity* newForceField() {
    return new ForceField(true);
}
Entity* newPressPad() {
    return new PressPad(0, false);
}
Entity* newFireworks() {
    return new Fireworks();
}

// Tiles are drawn in the map by their type's symbol, so their own symbol is unused.
const Kind KINDS[] = {
    {"tl", "tile", Kind::BYTE, 0, 0, {}, newTile},
    {"ct", "container", Kind::BYTE, 0, 0, {}, newContainer},
    {"gb", "bag", Kind::NONE, 'b', 0, {}, newBag},
    {"av", "avatar", Kind::NONE, '@', 0, {}, newAvatar},
    {"ms", "sign", Kind::TEXT, 0, 0, {}, newSign},
    {"lg", "garbage", Kind::NONE, '*', 0, {}, newGarbage},
    {"vr", "lever", Kind::CHANNEL, 0, 0, {"off", "on"}, newLever},
    {"sp", "spikes", Kind::NONE, '^', 0, {}, newSpikes},
    {"ff", "forcefield", Kind::FLAG, '-', '|', {"horizontal", "vertical"}, newForceField},
    {"pr", "presspad", Kind::CHANNEL, 0, 0, {"off", "on"}, newPressPad},
    {"bd", "baddie", Kind::FLAG, 't', 'f', {"tame", "feral"}, newBaddie},
    {"fw", "fireworks", Kind::NONE, '!', 0, {}, newFireworks},
};

const Kind* const ALL[] = {&KINDS[0], &KINDS[1], &KINDS[2], &KINDS[3], &KINDS[4],  &KINDS[5], &KINDS[6],
                           &KINDS[7], &KINDS[8], &KINDS[9], &KINDS[10], &KINDS[11], nullptr};

const char TILE_SYMBOLS[] = "0123456789ABCDEF";

} // namespace

int Kind::payloadBytes() const {
    switch (payload) {
    case NONE:
        return 0;
    case BYTE:
    case FLAG:
        return 1;
    case CHANNEL:
        return 2;
    case TEXT:
        return -1;
    }
    return 0;
}

namespace Kinds {

const Kind* byCode(const std::string& code) {
    for (const Kind& kind : KINDS)
        if (code == kind.code)
            return &kind;
    return nullptr;
}

const Kind* byKeyword(const std::string& keyword) {
    for (const Kind& kind : KINDS)
        if (keyword == kind.keyword)
            return &kind;
    return nullptr;
}

const Kind* const* all() {
    return ALL;
}

char tileSymbol(int type) {
    return type >= 0 && type < 16 ? TILE_SYMBOLS[type] : 0;
}

int tileType(char symbol) {
    for (int type = 0; type < 16; ++type)
        if (TILE_SYMBOLS[type] == symbol)
            return type;
    return -1;
}

} // namespace Kinds
