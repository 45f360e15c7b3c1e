#include "assets/TilePainter.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sheet.h"
#include "world/Tile.h"
#include "world/TileRects.h"

#include <map>
#include <tuple>
#include <vector>

namespace TilePainter {

namespace {

// The colour most of a frame's opaque pixels share: the colour of its material.
ALLEGRO_COLOR mostCommonColour(ALLEGRO_BITMAP* frame) {
    ALLEGRO_BITMAP* sheet = al_get_parent_bitmap(frame);
    int left = al_get_bitmap_x(frame), top = al_get_bitmap_y(frame);
    int width = al_get_bitmap_width(frame), height = al_get_bitmap_height(frame);
    std::map<std::tuple<unsigned char, unsigned char, unsigned char>, int> counts;
    al_lock_bitmap(sheet, al_get_bitmap_format(sheet), ALLEGRO_LOCK_READONLY);
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) {
            unsigned char r, g, b, a;
            al_unmap_rgba(al_get_pixel(sheet, x, y), &r, &g, &b, &a);
            if (a >= 128)
                ++counts[{r, g, b}];
        }
    al_unlock_bitmap(sheet);
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second)
            most = it;
    if (most == counts.end())
        return al_map_rgba(0, 0, 0, 0);
    return al_map_rgb(std::get<0>(most->first), std::get<1>(most->first), std::get<2>(most->first));
}

// Read from the tile sheet once, the first time a switch or an outline asks.
const std::vector<ALLEGRO_COLOR>& groupColours() {
    static const std::vector<ALLEGRO_COLOR> colours = [] {
        Sheet* tiles;
        Resources::load(tiles, "media/tilesheet.png");
        std::vector<ALLEGRO_COLOR> read;
        for (int type = 0; type < Tile::TYPES && type < static_cast<int>(tiles->frames.size()); ++type)
            read.push_back(mostCommonColour(tiles->frames[type]));
        return read;
    }();
    return colours;
}

const int KEYS_PER_SIDE = 256;  // a type is one byte

TileRect cell(Tile& tile, int key) {
    return {static_cast<float>(tile.x()), static_cast<float>(tile.y()), 20, 20, key};
}

void drawFaces(Sheet& sheet, const std::vector<TileRect>& faces) {
    for (size_t i = 0; i < faces.size();) {
        Draw::RepeatBatch batch(sheet.ownFrames[faces[i].key]);
        for (int key = faces[i].key; i < faces.size() && faces[i].key == key; ++i)
            batch.add(faces[i].x, faces[i].y, faces[i].x + faces[i].w, faces[i].y + faces[i].h);
        batch.fill();
    }
}

// An absent group is outlined in its own colour, a firm line with a softer one inside it,
// so it matches its switches and cannot be taken for a cloud.
struct EdgeLook {
    ALLEGRO_COLOR line;
    ALLEGRO_COLOR inner;  // clear for present tiles
    ALLEGRO_COLOR highlight;
    ALLEGRO_COLOR shade;
};

ALLEGRO_COLOR withAlpha(ALLEGRO_COLOR colour, float alpha) {
    return al_map_rgba_f(colour.r, colour.g, colour.b, alpha);
}

EdgeLook edgeLook(int type) {
    if (Tile::present(type))
        return {al_map_rgb_f(0, 0, 0), al_map_rgba_f(0, 0, 0, 0), al_map_rgba_f(1, 1, 1, 0.25f),
                al_map_rgba_f(0, 0, 0, 0.25f)};
    ALLEGRO_COLOR group = groupColour(type);
    return {group, withAlpha(group, 0.45f), withAlpha(group, 0.15f), al_map_rgba_f(0, 0, 0, 0.12f)};
}

// Present tiles get a dark outline and a bevel; absent ones an outline in their group's colour.
// Side lines join down columns, top and bottom ones along rows; left, right, top, bottom is the
// order in which each tile's own edges overlap.
void drawEdges(const std::vector<TileRect>& sides, const std::vector<TileRect>& tops) {
    Draw::RectangleBatch batch;
    auto inner = [&batch](float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour) {
        if (colour.a > 0)
            batch.add(x1, y1, x2, y2, colour);
    };
    for (const TileRect& r : sides) {
        EdgeLook look = edgeLook(r.key % KEYS_PER_SIDE);
        if (r.key / KEYS_PER_SIDE == Tile::LEFT) {
            batch.add(r.x, r.y, r.x + 1, r.y + r.h, look.line);
            inner(r.x + 1, r.y, r.x + 2, r.y + r.h, look.inner);
        } else {
            batch.add(r.x + r.w - 1, r.y, r.x + r.w, r.y + r.h, look.line);
            inner(r.x + r.w - 2, r.y, r.x + r.w - 1, r.y + r.h, look.inner);
        }
    }
    for (const TileRect& r : tops) {
        EdgeLook look = edgeLook(r.key % KEYS_PER_SIDE);
        if (r.key / KEYS_PER_SIDE == Tile::TOP) {
            batch.add(r.x, r.y, r.x + r.w, r.y + 7, look.highlight);
            inner(r.x, r.y + 1, r.x + r.w, r.y + 2, look.inner);
            batch.add(r.x, r.y, r.x + r.w, r.y + 1, look.line);
        } else {
            batch.add(r.x, r.y + r.h - 7, r.x + r.w, r.y + r.h, look.shade);
            inner(r.x, r.y + r.h - 2, r.x + r.w, r.y + r.h - 1, look.inner);
            batch.add(r.x, r.y + r.h - 1, r.x + r.w, r.y + r.h, look.line);
        }
    }
    batch.fill();
}

// The tile sheet, its frames ready to be drawn repeated.
Sheet* sheet() {
    Sheet* tiles;
    Resources::load(tiles, "media/tilesheet.png");
    tiles->makeOwnFrames();
    return tiles;
}

}  // namespace

void install() {
    Tile::sPainter = {[] { sheet(); }, paintRun};
}

// What most of the group's frame is painted in; a group without a frame shows as stone.
ALLEGRO_COLOR groupColour(int type) {
    const std::vector<ALLEGRO_COLOR>& colours = groupColours();
    if (type < 0 || type >= static_cast<int>(colours.size()))
        return al_map_rgb(0x8a, 0x88, 0x96);
    return colours[type];
}

// Alike neighbours are joined into larger rectangles, so the run costs a few primitives
// instead of a few per tile; the picture is the same, pixel for pixel.
void paintRun(Entity* const* first, Entity* const* last) {
    Sheet& tiles = *sheet();
    std::vector<TileRect> faces, sides, tops;
    bool anyAbsent = false;
    for (Entity* const* entity = first; entity != last; ++entity) {
        Tile& tile = *static_cast<Tile*>(*entity);
        anyAbsent |= !Tile::present(tile.type);
        if (Tile::present(tile.type) && tile.type < static_cast<int>(tiles.frames.size()))
            faces.push_back(cell(tile, tile.type));
        for (int side : {Tile::LEFT, Tile::RIGHT})
            if (tile.mask & side)
                sides.push_back(cell(tile, side * KEYS_PER_SIDE + tile.type));
        for (int side : {Tile::TOP, Tile::BOTTOM})
            if (tile.mask & side)
                tops.push_back(cell(tile, side * KEYS_PER_SIDE + tile.type));
    }
    drawFaces(tiles, TileRects::merge(faces, TileRects::BOTH));
    // Absent groups' outlines are always drawn with the ordinary blender.
    if (anyAbsent)
        Draw::setOrdinaryBlender();
    drawEdges(TileRects::merge(sides, TileRects::DOWN_COLUMNS),
              TileRects::merge(tops, TileRects::ALONG_ROWS));
}

}  // namespace TilePainter
