#include "io/Kinds.h"

#include "world/Tile.h"

namespace {

Entity* newTile() {
    return new Tile(0, nullptr, 0, 0);
}

// Tiles are drawn in the map by their type's symbol, so their own symbol is unused.
const Kind KINDS[] = {
    {"tl", "tile", Kind::BYTE, 0, 0, {}, newTile},
    {"ct", "container", Kind::BYTE, 0, 0, {}, nullptr},
    {"gb", "bag", Kind::NONE, 'b', 0, {}, nullptr},
    {"av", "avatar", Kind::NONE, '@', 0, {}, nullptr},
    {"ms", "sign", Kind::TEXT, 0, 0, {}, nullptr},
    {"lg", "garbage", Kind::NONE, '*', 0, {}, nullptr},
    {"vr", "lever", Kind::CHANNEL, 0, 0, {"off", "on"}, nullptr},
    {"sp", "spikes", Kind::NONE, '^', 0, {}, nullptr},
    {"ff", "forcefield", Kind::FLAG, '-', '|', {"horizontal", "vertical"}, nullptr},
    {"pr", "presspad", Kind::CHANNEL, 0, 0, {"off", "on"}, nullptr},
    {"bd", "baddie", Kind::FLAG, 't', 'f', {"tame", "feral"}, nullptr},
    {"fw", "fireworks", Kind::NONE, '!', 0, {}, nullptr},
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
