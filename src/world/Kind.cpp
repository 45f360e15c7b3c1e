#include "world/Kind.h"

#include "world/Entity.h"

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

void Kind::addToPalette(Palette& palette) const {
    if (addVariants)
        addVariants(palette);
    else
        palette.emplace_back(prototype());
}
