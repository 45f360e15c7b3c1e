#pragma once

class Entity;
class Tile;

// The one overlap of a body with a solid tile that ejection should resolve.
struct Collision {
    enum Side { NONE = 0, LEFT = 1, RIGHT = 2, ABOVE = 3, BELOW = 4 };  // where the obstacle is
    int side = NONE;
    Tile* other = nullptr;
    double depth = 0;  // pixels along the push axis
};

// Keeps moving bodies out of walls, through the running game's level grid.
namespace Physics {

// Probes the bottom, top, left and right edge midpoints of the body's box; overlaps of one
// pixel or less are ignored and the shallowest other wins, earlier probes on ties.
Collision collisions(Entity* body);
void eject(Entity* body, Collision collision);

} // namespace Physics
