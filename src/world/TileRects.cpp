#include "world/TileRects.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace TileRects {

namespace {

// Sorted so that rectangles that may join are neighbours, each is joined with the one before
// it when they share a whole vertical side.
std::vector<TileRect> alongRows(std::vector<TileRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const TileRect& a, const TileRect& b) {
        return std::tie(a.key, a.y, a.h, a.x) < std::tie(b.key, b.y, b.h, b.x);
    });
    std::vector<TileRect> joined;
    for (const TileRect& rect : rects) {
        TileRect* last = joined.empty() ? nullptr : &joined.back();
        if (last && last->key == rect.key && last->y == rect.y && last->h == rect.h &&
            last->x + last->w == rect.x)
            last->w += rect.w;
        else
            joined.push_back(rect);
    }
    return joined;
}

// Rows become columns and columns rows.
std::vector<TileRect> transposed(std::vector<TileRect> rects) {
    for (TileRect& rect : rects) {
        std::swap(rect.x, rect.y);
        std::swap(rect.w, rect.h);
    }
    return rects;
}

std::vector<TileRect> downColumns(std::vector<TileRect> rects) {
    return transposed(alongRows(transposed(std::move(rects))));
}

}  // namespace

std::vector<TileRect> merge(std::vector<TileRect> rects, int directions) {
    if (directions & ALONG_ROWS)
        rects = alongRows(std::move(rects));
    if (directions & DOWN_COLUMNS)
        rects = downColumns(std::move(rects));
    std::stable_sort(rects.begin(), rects.end(),
                     [](const TileRect& a, const TileRect& b) { return a.key < b.key; });
    return rects;
}

}  // namespace TileRects
