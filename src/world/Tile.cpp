#include "world/Tile.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
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

Tile::Tile(int type, Level* level, int col, int row) : type(type), level(level), col(col), row(row) {
    setPos(Vec(col * 20.0, row * 20.0));
    Resources::load(sheet, "media/tilesheet.png");
}

const int* Tile::indices() {
    static const int tags[] = {Tags::ENTT, Tags::RNDR, Tags::POSI, Tags::TILE, 0};
    return tags;
}

int Tile::order(int index) {
    return index == Tags::RNDR ? 50 : Entity::order(index);
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
    Draw::RectangleBatch edges;
    drawBitmap();
    addEdges(edges);
    edges.fill();
}

const void* Tile::runKey() {
    static const int tiles = 0;
    return &tiles;
}

void Tile::renderRun(Entity* const* first, Entity* const* last) {
    Draw::holdBitmaps();
    for (Entity* const* tile = first; tile != last; ++tile)
        static_cast<Tile*>(*tile)->drawBitmap();
    Draw::releaseBitmaps();
    Draw::RectangleBatch edges;
    for (Entity* const* tile = first; tile != last; ++tile)
        static_cast<Tile*>(*tile)->addEdges(edges);
    edges.fill();
}

void Tile::drawBitmap() {
    if (present(type) && type >= 0 && type < static_cast<int>(sheet->frames.size()))
        Draw::bitmap(sheet->frames[type], x(), y());
}

// Present tiles get a dark outline and a bevel; absent ones a fainter one, always drawn
// with the ordinary blender.
void Tile::addEdges(Draw::RectangleBatch& batch) {
    bool solid = present(type);
    if (!solid)
        Draw::setOrdinaryBlender();
    float outline = solid ? 1.0f : 0.5f;
    float bevel = solid ? 0.25f : 0.12f;
    ALLEGRO_COLOR dark = al_map_rgba_f(0, 0, 0, outline);
    float x1 = x(), y1 = y();
    if (mask & LEFT)
        batch.add(x1, y1, x1 + 1, y1 + 20, dark);
    if (mask & RIGHT)
        batch.add(x1 + 19, y1, x1 + 20, y1 + 20, dark);
    if (mask & TOP) {
        batch.add(x1, y1, x1 + 20, y1 + 7, al_map_rgba_f(1, 1, 1, bevel));
        batch.add(x1, y1, x1 + 20, y1 + 1, dark);
    }
    if (mask & BOTTOM) {
        batch.add(x1, y1 + 13, x1 + 20, y1 + 20, al_map_rgba_f(0, 0, 0, bevel));
        batch.add(x1, y1 + 19, x1 + 20, y1 + 20, dark);
    }
}
