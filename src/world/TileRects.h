#pragma once

#include <vector>

// Axis-aligned rectangles in pixels, each with a key (what fills it).
struct TileRect {
    float x, y, w, h;
    int key;
};

namespace TileRects {

enum Direction { ALONG_ROWS = 1, DOWN_COLUMNS = 2, BOTH = 3 };

// The same area with the same keys in fewer rectangles: rectangles of one key that share a
// whole side are joined, first along rows, then down columns. The result is ordered by key.
std::vector<TileRect> merge(std::vector<TileRect> rects, int directions);

}  // namespace TileRects
