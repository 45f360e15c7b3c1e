#include "io/Kinds.h"

namespace {

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

} // namespace Kinds
