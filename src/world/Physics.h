#pragma once

#include "world/Geometry.h"

class Entity;
class Level;
class Tile;

// The one overlap of a body with a solid tile that ejection should resolve.
struct Collision {
    enum Side { NONE = 0, LEFT = 1, RIGHT = 2, ABOVE = 3, BELOW = 4 };  // where the obstacle is
    int side = NONE;
    Tile* other = nullptr;
    double depth = 0;  // pixels along the push axis
};

// Keeps moving bodies out of walls.
namespace Physics {

// Probes the bottom, top, left and right edge midpoints of the box; overlaps of one pixel or
// less are ignored and the shallowest other wins, earlier probes on ties.
Collision collisions(const Rect& box, Level& level);
// How far a body must move to leave the tile it collided with: along one axis, or not at all.
Vec ejection(const Collision& collision);

// The same for a body in the running game's level grid.
Collision collisions(Entity* body);
void eject(Entity* body, Collision collision);

}  // namespace Physics
