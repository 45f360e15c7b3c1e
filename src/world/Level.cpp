#include "world/Level.h"

#include "world/Tile.h"
#include "world/World.h"

Level::~Level() {
    for (Tile* t : grid)
        delete t;
}

Tile* Level::tile(int col, int row) {
    if (col < 0 || col >= COLUMNS || row < 0 || row >= ROWS)
        return nullptr;
    return grid[col * ROWS + row];
}

Tile* Level::collision(Vec p) {
    Tile* t = tile(static_cast<int>(p.x) / 20, static_cast<int>(p.y) / 20);
    return t && Tile::present(t->type) ? t : nullptr;
}

void Level::addTiles(World* world) {
    for (Entity* entity : world->list(Tags::TILE)) {
        int col = static_cast<int>(entity->x()) / 20;
        int row = static_cast<int>(entity->y()) / 20;
        bool inside = col >= 0 && col < COLUMNS && row >= 0 && row < ROWS;
        if (inside && !grid[col * ROWS + row])
            grid[col * ROWS + row] = static_cast<Tile*>(entity);
        else
            entity->discard();
    }
    garbageCount = static_cast<int>(world->list(Tags::LOOS).size());
    setup();
}

void Level::setup() {
    for (int col = 0; col < COLUMNS; ++col)
        for (int row = 0; row < ROWS; ++row)
            if (Tile* t = grid[col * ROWS + row]) {
                t->row = row;
                t->level = this;
                t->col = col;
                t->setup();
            }
}
