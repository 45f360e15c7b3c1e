#include "world/Tile.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "assets/Sheet.h"
#include "core/SPrintF.h"
#include "world/Level.h"

unsigned char Tile::sTypePresent[Tile::TYPES] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};

bool Tile::present(int type) {
    return type >= 0 && type < TYPES && sTypePresent[type];
}

void Tile::setPresent(int type, bool on) {
    if (type >= 0 && type < TYPES)
        sTypePresent[type] = on ? 1 : 0;
}

void Tile::restoreGroups() {
    for (int type = 0; type < 10; ++type)
        setPresent(type, true);
}

// What most of the group's frame is painted in; a group without a frame shows as stone.
ALLEGRO_COLOR Tile::groupColour(int type) {
    Sheet* sheet;
    Resources::load(sheet, "media/tilesheet.png");
    if (type < 0 || type >= TYPES || type >= static_cast<int>(sheet->mainColours.size()))
        return al_map_rgb(0x8a, 0x88, 0x96);
    return sheet->mainColours[type];
}

Tile::Tile(int type, Level* level, int col, int row) : type(type), level(level), col(col), row(row) {
    setPos(Vec(col * 20.0, row * 20.0));
    Resources::load(sheet, "media/tilesheet.png");
    sheet->makeOwnFrames();
}

const int* Tile::indices() {
    return Kinds::TILE.tags;
}

int Tile::order(int index) {
    return index == Tags::RNDR ? Kinds::TILE.layer : Entity::order(index);
}

std::string Tile::edString() {
    return SPrintF::format("tile(%d)", type);
}

void Tile::save(FILE* file) {
    Entity::save(file);
    saveByte(file, type);
}

void Tile::load(FILE* file) {
    Entity::load(file);
    type = loadByte(file);
    col = static_cast<int>(x()) / 20;
    row = static_cast<int>(y()) / 20;
}

bool Tile::differs(int c, int r) {
    Tile* other = level ? level->tile(c, r) : nullptr;
    return !other || other->type != type;
}

void Tile::setup() {
    mask = 0;
    mask |= differs(col - 1, row) ? LEFT : 0;
    mask |= differs(col + 1, row) ? RIGHT : 0;
    mask |= differs(col, row - 1) ? TOP : 0;
    mask |= differs(col, row + 1) ? BOTTOM : 0;
}

void Tile::render() {
    Entity* self = this;
    renderRun(&self, &self + 1);
}

const void* Tile::runKey() {
    static const int tiles = 0;
    return &tiles;
}

namespace {

const int KEYS_PER_SIDE = 256;  // a type is one byte

TileRect cell(Tile& tile, int key) {
    return {static_cast<float>(tile.x()), static_cast<float>(tile.y()), 20, 20, key};
}

} // namespace

// Alike neighbours are joined into larger rectangles, so the run costs a few primitives
// instead of a few per tile; the picture is the same, pixel for pixel.
void Tile::renderRun(Entity* const* first, Entity* const* last) {
    std::vector<TileRect> faces, sides, tops;
    bool anyAbsent = false;
    for (Entity* const* entity = first; entity != last; ++entity) {
        Tile& tile = *static_cast<Tile*>(*entity);
        anyAbsent |= !present(tile.type);
        if (present(tile.type) && tile.type < static_cast<int>(sheet->frames.size()))
            faces.push_back(cell(tile, tile.type));
        for (int side : {LEFT, RIGHT})
            if (tile.mask & side)
                sides.push_back(cell(tile, side * KEYS_PER_SIDE + tile.type));
        for (int side : {TOP, BOTTOM})
            if (tile.mask & side)
                tops.push_back(cell(tile, side * KEYS_PER_SIDE + tile.type));
    }
    drawFaces(TileRects::merge(faces, TileRects::BOTH));
    // Absent groups' outlines are always drawn with the ordinary blender.
    if (anyAbsent)
        Draw::setOrdinaryBlender();
    drawEdges(TileRects::merge(sides, TileRects::DOWN_COLUMNS), TileRects::merge(tops, TileRects::ALONG_ROWS));
}

void Tile::drawFaces(const std::vector<TileRect>& faces) {
    for (size_t i = 0; i < faces.size();) {
        Draw::RepeatBatch batch(sheet->ownFrames[faces[i].key]);
        for (int key = faces[i].key; i < faces.size() && faces[i].key == key; ++i)
            batch.add(faces[i].x, faces[i].y, faces[i].x + faces[i].w, faces[i].y + faces[i].h);
        batch.fill();
    }
}

namespace {

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
    ALLEGRO_COLOR group = Tile::groupColour(type);
    return {group, withAlpha(group, 0.45f), withAlpha(group, 0.15f), al_map_rgba_f(0, 0, 0, 0.12f)};
}

} // namespace

// Present tiles get a dark outline and a bevel; absent ones an outline in their group's colour.
// Side lines join down columns, top and bottom ones along rows; left, right, top, bottom is the
// order in which each tile's own edges overlap.
void Tile::drawEdges(const std::vector<TileRect>& sides, const std::vector<TileRect>& tops) {
    Draw::RectangleBatch batch;
    auto inner = [&batch](float x1, float y1, float x2, float y2, ALLEGRO_COLOR colour) {
        if (colour.a > 0)
            batch.add(x1, y1, x2, y2, colour);
    };
    for (const TileRect& r : sides) {
        EdgeLook look = edgeLook(r.key % KEYS_PER_SIDE);
        if (r.key / KEYS_PER_SIDE == LEFT) {
            batch.add(r.x, r.y, r.x + 1, r.y + r.h, look.line);
            inner(r.x + 1, r.y, r.x + 2, r.y + r.h, look.inner);
        } else {
            batch.add(r.x + r.w - 1, r.y, r.x + r.w, r.y + r.h, look.line);
            inner(r.x + r.w - 2, r.y, r.x + r.w - 1, r.y + r.h, look.inner);
        }
    }
    for (const TileRect& r : tops) {
        EdgeLook look = edgeLook(r.key % KEYS_PER_SIDE);
        if (r.key / KEYS_PER_SIDE == TOP) {
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
