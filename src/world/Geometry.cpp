#include "world/Geometry.h"

#include <algorithm>

// Clips the path against each edge in turn (Liang-Barsky): what is left of it lies inside.
bool Rect::crossedBy(Vec from, Vec to) const {
    double dx = to.x - from.x, dy = to.y - from.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {from.x - x1, x2 - from.x, from.y - y1, y2 - from.y};
    double enter = 0, leave = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            // Running along an edge: the right and bottom ones are outside, as for a point.
            bool farEdge = i % 2 == 1;
            if (q[i] < 0 || (farEdge && q[i] == 0))
                return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    return true;
}
