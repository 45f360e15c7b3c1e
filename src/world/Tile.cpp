#include "world/Tile.h"

#include "assets/Draw.h"
#include "assets/Resources.h"
#include "core/SPrintF.h"
#include "world/Level.h"

unsigned char Tile::sTypePresent[Tile::TYPES] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};

namespace {

// A rectangle in a colour of 0-1 components, through the drawing layer's tint.
void my_rect(float x1, float y1, float x2, float y2, float r, float g, float b, float a) {
    Draw::filledRectangle(x1, y1, x2, y2, al_map_rgba_f(r, g, b, a));
}

} // namespace

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
    if (present(type)) {
        if (type >= 0 && type < static_cast<int>(sheet->frames.size()))
            Draw::bitmap(sheet->frames[type], x(), y());
        drawEdges(1.0f, 0.25f);
    } else {
        Draw::setOrdinaryBlender();
        drawEdges(0.5f, 0.12f);
    }
}

void Tile::drawEdges(float outlineAlpha, float bevelAlpha) {
    float x1 = x(), y1 = y();
    if (mask & LEFT)
        my_rect(x1, y1, x1 + 1, y1 + 20, 0, 0, 0, outlineAlpha);
    if (mask & RIGHT)
        my_rect(x1 + 19, y1, x1 + 20, y1 + 20, 0, 0, 0, outlineAlpha);
    if (mask & TOP) {
        my_rect(x1, y1, x1 + 20, y1 + 7, 1, 1, 1, bevelAlpha);
        my_rect(x1, y1, x1 + 20, y1 + 1, 0, 0, 0, outlineAlpha);
    }
    if (mask & BOTTOM) {
        my_rect(x1, y1 + 13, x1 + 20, y1 + 20, 0, 0, 0, bevelAlpha);
        my_rect(x1, y1 + 19, x1 + 20, y1 + 20, 0, 0, 0, outlineAlpha);
    }
}
