#pragma once

// A position or a speed in screen pixels; y grows downward.
struct Vec {
    double x = 0;
    double y = 0;
    Vec() = default;
    Vec(double across, double down) : x(across), y(down) {}
};

// Left and top edges inclusive, right and bottom exclusive.
struct Rect {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rect() = default;
    Rect(double left, double top, double right, double bottom) : x1(left), y1(top), x2(right), y2(bottom) {}
    bool contains(double px, double py) const { return x1 <= px && px < x2 && y1 <= py && py < y2; }
    // Boxes that only share an edge count as overlapping.
    bool overlaps(const Rect& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
    // Whether the straight path from `from` to `to` passes through the box. A path that stays
    // on the right or bottom edge is outside, as a point there is.
    bool crossedBy(Vec from, Vec to) const;
};
