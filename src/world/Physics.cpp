#include "world/Physics.h"

#include "core/Game.h"
#include "world/Entity.h"
#include "world/Level.h"
#include "world/Tile.h"

namespace Physics {

namespace {

void consider(Collision& best, Tile* tile, double depth, int side) {
    if (tile && depth > 1 && depth < best.depth) {
        best.side = side;
        best.other = tile;
        best.depth = depth;
    }
}

} // namespace

Collision collisions(Entity* body) {
    Rect box = body->bbox();
    double cx = (box.x1 + box.x2) * 0.5, cy = (box.y1 + box.y2) * 0.5;
    Level* level = Game::sGame->level;
    Collision best;
    best.depth = 1000;
    if (Tile* t = level->collision(Vec(cx, box.y2)))
        consider(best, t, box.y2 - t->y(), Collision::BELOW);
    if (Tile* t = level->collision(Vec(cx, box.y1)))
        consider(best, t, t->y() + 20 - box.y1, Collision::ABOVE);
    if (Tile* t = level->collision(Vec(box.x1, cy)))
        consider(best, t, t->x() + 20 - box.x1, Collision::LEFT);
    if (Tile* t = level->collision(Vec(box.x2, cy)))
        consider(best, t, box.x2 - t->x(), Collision::RIGHT);
    if (best.side == Collision::NONE)
        best.depth = 0;
    return best;
}

void eject(Entity* body, Collision collision) {
    switch (collision.side) {
    case Collision::LEFT:
        body->setX(body->x() + collision.depth);
        break;
    case Collision::RIGHT:
        body->setX(body->x() - collision.depth);
        break;
    case Collision::ABOVE:
        body->setY(body->y() + collision.depth);
        break;
    case Collision::BELOW:
        body->setY(body->y() - collision.depth);
        break;
    default:
        break;
    }
}

} // namespace Physics
