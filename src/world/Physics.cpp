#include "world/Physics.h"

#include "world/Entity.h"
#include "world/Game.h"
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

}  // namespace

Collision collisions(const Rect& box, Level& level) {
    double cx = (box.x1 + box.x2) * 0.5, cy = (box.y1 + box.y2) * 0.5;
    Collision best;
    best.depth = 1000;
    if (Tile* t = level.collision(Vec(cx, box.y2)))
        consider(best, t, box.y2 - t->y(), Collision::BELOW);
    if (Tile* t = level.collision(Vec(cx, box.y1)))
        consider(best, t, t->y() + 20 - box.y1, Collision::ABOVE);
    if (Tile* t = level.collision(Vec(box.x1, cy)))
        consider(best, t, t->x() + 20 - box.x1, Collision::LEFT);
    if (Tile* t = level.collision(Vec(box.x2, cy)))
        consider(best, t, box.x2 - t->x(), Collision::RIGHT);
    if (best.side == Collision::NONE)
        best.depth = 0;
    return best;
}

Vec ejection(const Collision& collision) {
    switch (collision.side) {
    case Collision::LEFT:
        return Vec(collision.depth, 0);
    case Collision::RIGHT:
        return Vec(-collision.depth, 0);
    case Collision::ABOVE:
        return Vec(0, collision.depth);
    case Collision::BELOW:
        return Vec(0, -collision.depth);
    default:
        return Vec();
    }
}

Collision collisions(Entity* body) {
    return collisions(body->bbox(), *Game::sGame->level);
}

void eject(Entity* body, Collision collision) {
    Vec push = ejection(collision);
    if (push.x != 0)
        body->setX(body->x() + push.x);
    if (push.y != 0)
        body->setY(body->y() + push.y);
}

}  // namespace Physics
