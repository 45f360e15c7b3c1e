#include "world/TileRects.h"

#include <algorithm>
#include <tuple>

namespace TileRects {

namespace {

// Sorts so that rectangles that may join are neighbours, then joins each with the one before
// it while `joins` says they share a side.
template <typename Order, typename Joins, typename Grow>
std::vector<TileRect> joinNeighbours(std::vector<TileRect> rects, Order order, Joins joins, Grow grow) {
    std::sort(rects.begin(), rects.end(), order);
    std::vector<TileRect> joined;
    for (const TileRect& rect : rects) {
        if (!joined.empty() && joins(joined.back(), rect))
            grow(joined.back(), rect);
        else
            joined.push_back(rect);
    }
    return joined;
}

std::vector<TileRect> alongRows(std::vector<TileRect> rects) {
    return joinNeighbours(
        std::move(rects),
        [](const TileRect& a, const TileRect& b) {
            return std::tie(a.key, a.y, a.h, a.x) < std::tie(b.key, b.y, b.h, b.x);
        },
        [](const TileRect& a, const TileRect& b) {
            return a.key == b.key && a.y == b.y && a.h == b.h && a.x + a.w == b.x;
        },
        [](TileRect& a, const TileRect& b) { a.w += b.w; });
}

std::vector<TileRect> downColumns(std::vector<TileRect> rects) {
    return joinNeighbours(
        std::move(rects),
        [](const TileRect& a, const TileRect& b) {
            return std::tie(a.key, a.x, a.w, a.y) < std::tie(b.key, b.x, b.w, b.y);
        },
        [](const TileRect& a, const TileRect& b) {
            return a.key == b.key && a.x == b.x && a.w == b.w && a.y + a.h == b.y;
        },
        [](TileRect& a, const TileRect& b) { a.h += b.h; });
}

} // namespace

std::vector<TileRect> merge(std::vector<TileRect> rects, int directions) {
    if (directions & ALONG_ROWS)
        rects = alongRows(std::move(rects));
    if (directions & DOWN_COLUMNS)
        rects = downColumns(std::move(rects));
    std::stable_sort(rects.begin(), rects.end(), [](const TileRect& a, const TileRect& b) { return a.key < b.key; });
    return rects;
}

} // namespace TileRects
