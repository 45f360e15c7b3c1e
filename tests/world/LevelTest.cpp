#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Game.h"
#include "world/Level.h"
#include "world/Physics.h"
#include "world/Tile.h"
#include "world/World.h"

#include <algorithm>

namespace {

// A running game whose grid is built from (type, col, row) triples through the world, as a
// play state does; groups 0-9 present, 10-15 absent.
struct LevelTest : AllegroTest {
    World world;
    Game* game = nullptr;

    void SetUp() override {
        AllegroTest::SetUp();
        provideTileSheet(scratchFolder());
        for (int t = 0; t < Tile::TYPES; ++t)
            Tile::sTypePresent[t] = t < 10;
        game = new Game();
    }
    void TearDown() override {
        delete game;
        AllegroTest::TearDown();
    }
    void build(std::initializer_list<std::array<int, 3>> tiles) {
        for (auto [type, col, row] : tiles)
            world.add(new Tile(type, nullptr, col, row));
        world.reindex();
        game->level->addTiles(&world);
        world.reindex();
    }
    Tile* at(int col, int row) { return game->level->tile(col, row); }
    Tile* probe(double x, double y) { return game->level->collision(Vec(x, y)); }
};

// Borders are drawn between different types and at the edge of the field; the first tile of a
// cell stays, and tiles off the grid are discarded.
TEST_F(LevelTest, TilesTakeTheirCellsAndBorderWhatDiffersFromThem) {
    build({{0, 5, 5}, {0, 6, 5}, {1, 7, 5}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {3, 9, 9}, {4, 9, 9}, {0, 40, 0},
           {0, 2, 30}});
    EXPECT_EQ(at(5, 5)->mask, Tile::LEFT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(6, 5)->mask, Tile::RIGHT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(7, 5)->mask, 15);
    EXPECT_EQ(at(0, 0)->mask, Tile::LEFT | Tile::TOP);
    EXPECT_EQ(at(9, 9)->type, 3);
    EXPECT_EQ(at(9, 9)->level, game->level);
    EXPECT_EQ(world.list(Tags::TILE).size(), 7u);
    EXPECT_EQ(at(40, 0), nullptr);
    EXPECT_EQ(game->level->garbageCount, 0);
}

// Probes are truncated toward zero, so a little left of or above the field is its first cell.
TEST_F(LevelTest, OnlyPresentGroupsAreSolidAndProbesTruncateTowardZero) {
    build({{0, 0, 0}, {2, 4, 4}, {12, 8, 8}, {200, 1, 1}});
    EXPECT_EQ(probe(-5, 10), at(0, 0));
    EXPECT_EQ(probe(-19.99, -19.99), at(0, 0));
    for (auto [x, y] : {std::pair{-25.0, 10.0}, {20, 10}, {800, 590}, {1e9, -1e9}, {25, 25}, {165, 165}})
        EXPECT_EQ(probe(x, y), nullptr) << x << ", " << y;
    EXPECT_NE(probe(85, 85), nullptr);
    Tile::setPresent(2, false);
    Tile::setPresent(12, true);
    EXPECT_EQ(probe(85, 85), nullptr);
    EXPECT_NE(probe(165, 165), nullptr);
    EXPECT_EQ(at(4, 4)->mask, 15) << "an absent tile keeps its borders";
    unsigned char before[Tile::TYPES];
    std::copy(Tile::sTypePresent, Tile::sTypePresent + Tile::TYPES, before);
    for (int type : {16, -1, 255})
        Tile::setPresent(type, true);
    EXPECT_TRUE(std::equal(before, before + Tile::TYPES, Tile::sTypePresent)) << "nothing past the table is written";
    EXPECT_FALSE(Tile::present(16) || Tile::present(-1));
    target(800, 600, al_map_rgb(0, 0, 0));
    at(1, 1)->render();  // a type past the sheet draws only its outline
}

// A box more than a pixel into a tile collides on its shallowest side and is pushed back out of it;
// one touching a tile edge to edge collides with nothing.
TEST_F(LevelTest, EachSideIsFoundAndPushesTheRightWay) {
    build({{0, 5, 3}, {0, 7, 5}, {0, 5, 7}, {0, 3, 5}, {0, 15, 16}, {0, 14, 16}, {0, 14, 15}});
    struct Case {
        double x, y;
        int side;
        double pushX, pushY;
    };
    const Case cases[] = {{100, 75, Collision::ABOVE, 0, 5},      {125, 100, Collision::RIGHT, -5, 0},
                          {100, 125, Collision::BELOW, 0, -5},    {75, 100, Collision::LEFT, 5, 0},
                          {100, 121, Collision::NONE, 0, 0},      {100, 121.5, Collision::BELOW, 0, -1.5},
                          {297, 302, Collision::BELOW, 0, -2},    {297, 300, Collision::LEFT, 3, 0}};
    for (const Case& k : cases) {
        Vec push = Physics::ejection(Physics::collisions(Rect(k.x, k.y, k.x + 20, k.y + 20), *game->level));
        EXPECT_EQ(Physics::collisions(Rect(k.x, k.y, k.x + 20, k.y + 20), *game->level).side, k.side) << k.x << "," << k.y;
        EXPECT_EQ(std::make_pair(push.x, push.y), std::make_pair(k.pushX, k.pushY)) << k.x << "," << k.y;
    }
    Body body;
    body.box = Rect(0, 0, 20, 20);
    body.setPos(Vec(100, 125));
    Physics::eject(&body, Physics::collisions(&body));
    EXPECT_DOUBLE_EQ(body.y(), 120);
    Level empty;
    EXPECT_EQ(Physics::collisions(Rect(100, 125, 120, 145), empty).side, Collision::NONE) << "the level given";
}

TEST(Geometry, APathCountsWhenAnyPartOfItIsInTheBox) {
    Rect box(0, 0, 10, 10);
    EXPECT_TRUE(box.crossedBy(Vec(-5, 5), Vec(15, 5)));     // straight through
    EXPECT_TRUE(box.crossedBy(Vec(5, 5), Vec(5, 5)));       // standing inside
    EXPECT_TRUE(box.crossedBy(Vec(-5, -5), Vec(5, 5)));     // ending inside
    EXPECT_FALSE(box.crossedBy(Vec(-5, 5), Vec(-1, 5)));    // stopping short
    EXPECT_FALSE(box.crossedBy(Vec(-5, 8), Vec(8, 25)));    // passing the corner
    EXPECT_FALSE(box.crossedBy(Vec(-1, -1), Vec(-1, 20)));  // alongside
    EXPECT_FALSE(box.crossedBy(Vec(10, -5), Vec(10, 20)));  // down the right edge
    EXPECT_TRUE(box.crossedBy(Vec(0, -5), Vec(0, 20)));     // down the left edge
}

} // namespace
