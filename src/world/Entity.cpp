#include "world/Entity.h"

#include "world/World.h"

namespace {

// Above every sign key a level file can give: columns and rows are bytes, so a sign lies at
// most at (5100, 5100), key 600 x 5100 + 5100.
int nextIdentity = 4000000;

}  // namespace

Entity::Entity() : identity(nextIdentity++) {}

void Entity::discard() {
    world->remove(this);
}

const int* Entity::indices() {
    static const int none[] = {0};
    return none;
}

int Entity::order(int) {
    return identity;
}

// Positions are stored as whole cells, truncated toward zero before and after the division.
void Entity::save(FILE* file) {
    saveByte(file, code()[0]);
    saveByte(file, code()[1]);
    saveByte(file, static_cast<int>(x()) / 20);
    saveByte(file, static_cast<int>(y()) / 20);
}

void Entity::load(FILE* file) {
    int column = loadByte(file);
    int row = loadByte(file);
    setPos(Vec(column * 20.0, row * 20.0));
}

int Entity::loadByte(FILE* file) {
    return std::fgetc(file);
}

void Entity::saveByte(FILE* file, int value) {
    std::fputc(value & 0xFF, file);
}

void Entity::renderRun(Entity* const* first, Entity* const* last) {
    for (Entity* const* entity = first; entity != last; ++entity)
        (*entity)->render();
}
