#include "world/Tile.h"

#include "assets/TilePainter.h"

// The tile's drawing members live beside the drawing layer, so the world itself never draws.

Sheet* Tile::loadSheet() {
    return TilePainter::sheet();
}

void Tile::render() {
    Entity* self = this;
    renderRun(&self, &self + 1);
}

void Tile::renderRun(Entity* const* first, Entity* const* last) {
    TilePainter::paintRun(*sheet, first, last);
}
