#include "world/Level.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Game.h"
#include "world/Physics.h"
#include "world/Tile.h"
#include "world/World.h"

#include <algorithm>
#include <tuple>

namespace {

// A running game whose grid is built from (type, col, row) triples through the world, as a
// play state does; groups 0-9 present, 10-15 absent.
struct LevelTest : AllegroTest {
    World world;
    Game game;

    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
        for (int t = 0; t < Tile::TYPES; ++t)
            Tile::sTypePresent[t] = t < 10;
    }
    void build(std::initializer_list<std::array<int, 3>> tiles) {
        for (auto [type, col, row] : tiles)
            world.add(new Tile(type, nullptr, col, row));
        world.reindex();
        game.level->addTiles(&world);
        world.reindex();
    }
    Tile* at(int col, int row) { return game.level->tile(col, row); }
    Tile* probe(double x, double y) { return game.level->collision(Vec(x, y)); }
};

// Borders are drawn between different types and at the edge of the field; the first tile of a
// cell stays, and tiles off the grid are discarded.
TEST_F(LevelTest, TilesTakeTheirCellsAndBorderWhatDiffersFromThem) {
    build({{0, 5, 5},
           {0, 6, 5},
           {1, 7, 5},
           {0, 0, 0},
           {0, 1, 0},
           {0, 0, 1},
           {3, 9, 9},
           {4, 9, 9},
           {0, 40, 0},
           {0, 2, 30}});
    EXPECT_EQ(at(5, 5)->mask, Tile::LEFT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(6, 5)->mask, Tile::RIGHT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(7, 5)->mask, 15);
    EXPECT_EQ(at(0, 0)->mask, Tile::LEFT | Tile::TOP);
    EXPECT_EQ(std::pair(at(9, 9)->type, at(9, 9)->level), std::pair(3, game.level));
    EXPECT_EQ(world.list(Tags::TILE).size(), 7u);
}

// Probes are truncated toward zero, so a little left of or above the field is its first cell. Groups
// past the table (as a file's channel byte may name) are never present, nor is one of the table
// switched in their stead.
TEST_F(LevelTest, OnlyPresentGroupsAreSolidAndProbesTruncateTowardZero) {
    build({{0, 0, 0}, {2, 4, 4}, {12, 8, 8}, {200, 1, 1}});
    EXPECT_TRUE(probe(-5, 10) == at(0, 0) && probe(-19.99, -19.99) == at(0, 0) && probe(85, 85));
    for (auto [x, y] : {std::pair{-25.0, 10.0}, {20, 10}, {800, 590}, {1e9, -1e9}, {25, 25}, {165, 165}})
        EXPECT_EQ(probe(x, y), nullptr) << x << ", " << y;
    Tile::setPresent(2, false);
    Tile::setPresent(12, true);
    EXPECT_TRUE(!probe(85, 85) && probe(165, 165));
    EXPECT_EQ(at(4, 4)->mask, 15) << "an absent tile keeps its borders";
    for (int type : {16, -1, 255})
        Tile::setPresent(type, true);
    EXPECT_FALSE(Tile::present(16) || Tile::present(-1) || Tile::present(15));
}

// A box more than a pixel into a tile collides on its shallowest side and is pushed back out of it;
// one touching a tile edge to edge collides with nothing.
TEST_F(LevelTest, EachSideIsFoundAndPushesTheRightWay) {
    build({{0, 5, 3}, {0, 7, 5}, {0, 5, 7}, {0, 3, 5}, {0, 15, 16}, {0, 14, 16}, {0, 14, 15}});
    const std::tuple<double, double, int, double, double> cases[] = {
        {100, 75, Collision::ABOVE, 0, 5},   {125, 100, Collision::RIGHT, -5, 0},
        {100, 125, Collision::BELOW, 0, -5}, {75, 100, Collision::LEFT, 5, 0},
        {100, 121, Collision::NONE, 0, 0},   {100, 121.5, Collision::BELOW, 0, -1.5},
        {297, 302, Collision::BELOW, 0, -2}, {297, 300, Collision::LEFT, 3, 0}};
    for (const auto& [x, y, side, pushX, pushY] : cases) {
        Collision hit = Physics::collisions(Rect(x, y, x + 20, y + 20), *game.level);
        Vec push = Physics::ejection(hit);
        EXPECT_EQ(std::tuple(hit.side, push.x, push.y), std::tuple(side, pushX, pushY)) << x << "," << y;
    }
}

// A path along the right edge is outside, as a point there is; one through the top-left corner
// exactly is inside.
TEST(Geometry, APathCountsWhenAnyPartOfItIsInTheBox) {
    const std::tuple<const char*, Vec, Vec, bool> cases[] = {
        {"straight through", {-5, 5}, {15, 5}, true},
        {"standing inside", {5, 5}, {5, 5}, true},
        {"ending inside", {-5, -5}, {5, 5}, true},
        {"stopping short", {-5, 5}, {-1, 5}, false},
        {"passing the corner", {-5, 8}, {8, 25}, false},
        {"alongside", {-1, -1}, {-1, 20}, false},
        {"down the right edge", {10, -5}, {10, 20}, false},
        {"down the left edge", {0, -5}, {0, 20}, true},
        {"grazing the top-left corner", {-5, 5}, {5, -5}, true}};
    for (const auto& [name, from, to, crosses] : cases)
        EXPECT_EQ(Rect(0, 0, 10, 10).crossedBy(from, to), crosses) << name;
}

}  // namespace
