#include "world/Tile.h"

#include "core/SPrintF.h"
#include "world/IndexTag.h"
#include "world/Level.h"

namespace {

using namespace Tags;

// The world lists this kind joins; its row below gives its place in files, text and the editor.
const int TAGS[] = {ENTT, RNDR, POSI, TILE, 0};

Entity* prototype() {
    return new Tile(0, nullptr, 0, 0);
}

void addVariants(Kind::Palette& palette) {
    for (int type = 0; type < 5; ++type)
        palette.emplace_back(new Tile(type, nullptr, 0, 0));
}

}  // namespace

// Tiles are drawn in the map by their type's symbol, so their own symbol is unused.
// clang-format off
const Kind Kinds::TILE = {"tl", "tile", 50, TAGS,
    Kind::BYTE, "tile", 0, 0, {}, prototype, addVariants};
// clang-format on

unsigned char Tile::sTypePresent[Tile::TYPES] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
Tile::Painter Tile::sPainter = {nullptr, nullptr};

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

Tile::Tile(int tileType, Level* tileLevel, int tileCol, int tileRow)
    : type(tileType), level(tileLevel), col(tileCol), row(tileRow) {
    setPos(Vec(col * 20.0, row * 20.0));
    if (sPainter.ready)
        sPainter.ready();
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

void Tile::renderRun(Entity* const* first, Entity* const* last) {
    if (sPainter.paintRun)
        sPainter.paintRun(first, last);
}
