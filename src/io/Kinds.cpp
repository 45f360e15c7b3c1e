#include "io/Kinds.h"

namespace {

const char TILE_SYMBOLS[] = "0123456789ABCDEF";

}  // namespace

namespace Kinds {

// The editor's palette follows this order.
const Kind* const* all() {
    static const Kind* const rows[] = {&TILE,        &SIGN,      &BAG,    &GARBAGE,   &SPIKES,
                                       &FORCE_FIELD, &AVATAR,    &BADDIE, &CONTAINER, &LEVER,
                                       &PRESS_PAD,   &FIREWORKS, nullptr};
    return rows;
}

const Kind* byCode(const std::string& code) {
    for (const Kind* const* kind = all(); *kind; ++kind)
        if (code == (*kind)->code)
            return *kind;
    return nullptr;
}

const Kind* byKeyword(const std::string& keyword) {
    for (const Kind* const* kind = all(); *kind; ++kind)
        if (keyword == (*kind)->keyword)
            return *kind;
    return nullptr;
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

}  // namespace Kinds
