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
// play state does.
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
};

TEST_F(LevelTest, IsolatedTileBordersOnAllFourSides) {
    build({{0, 5, 5}});
    EXPECT_EQ(at(5, 5)->mask, 15);
    EXPECT_EQ(at(5, 5)->level, game->level);
}

TEST_F(LevelTest, NeighboursOfOneTypeShareNoBorderAndOfTwoTypesBothDrawIt) {
    build({{0, 5, 5}, {0, 6, 5}, {1, 7, 5}});
    EXPECT_EQ(at(5, 5)->mask, Tile::LEFT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(6, 5)->mask, Tile::RIGHT | Tile::TOP | Tile::BOTTOM);
    EXPECT_EQ(at(7, 5)->mask, 15);
}

TEST_F(LevelTest, OutsideTheFieldCountsAsDifferent) {
    build({{0, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    EXPECT_EQ(at(0, 0)->mask, Tile::LEFT | Tile::TOP);
}

TEST_F(LevelTest, TilesOutsideTheGridOrInAnOccupiedCellAreDiscarded) {
    build({{0, 3, 3}, {1, 3, 3}, {0, 40, 2}, {0, 2, 30}});
    EXPECT_EQ(at(3, 3)->type, 0) << "the first tile of a cell stays";
    EXPECT_EQ(world.list(Tags::TILE).size(), 1u);
    EXPECT_EQ(at(40, 2), nullptr);
}

TEST_F(LevelTest, ProbesTruncateTowardZero) {
    build({{0, 0, 0}});
    EXPECT_EQ(game->level->collision(Vec(-5, 10)), at(0, 0));
    EXPECT_EQ(game->level->collision(Vec(-19.99, -19.99)), at(0, 0));
    EXPECT_EQ(game->level->collision(Vec(-25, 10)), nullptr);
    EXPECT_EQ(game->level->collision(Vec(20, 10)), nullptr);
    EXPECT_EQ(game->level->collision(Vec(800, 590)), nullptr);
    EXPECT_EQ(game->level->collision(Vec(1e9, -1e9)), nullptr);
}

TEST_F(LevelTest, AbsentTypesAreNotSolidAndKeepTheirMasks) {
    build({{2, 4, 4}, {12, 8, 8}});
    EXPECT_NE(game->level->collision(Vec(85, 85)), nullptr);
    EXPECT_EQ(game->level->collision(Vec(165, 165)), nullptr) << "types 10-15 start absent";
    Tile::setPresent(2, false);
    EXPECT_EQ(game->level->collision(Vec(85, 85)), nullptr);
    EXPECT_EQ(at(4, 4)->mask, 15);
    Tile::setPresent(12, true);
    EXPECT_NE(game->level->collision(Vec(165, 165)), nullptr);
}

TEST_F(LevelTest, TypesBeyondThePresenceTableAreNeverPresentAndNeverWritten) {
    unsigned char before[Tile::TYPES];
    std::copy(Tile::sTypePresent, Tile::sTypePresent + Tile::TYPES, before);
    Tile::setPresent(16, true);
    Tile::setPresent(-1, true);
    Tile::setPresent(255, false);
    EXPECT_TRUE(std::equal(before, before + Tile::TYPES, Tile::sTypePresent));
    EXPECT_FALSE(Tile::present(16));
    EXPECT_FALSE(Tile::present(-1));
    build({{200, 1, 1}});
    EXPECT_EQ(game->level->collision(Vec(25, 25)), nullptr);
    target(800, 600, al_map_rgb(0, 0, 0));
    at(1, 1)->render();  // draws only its ghost outline: no frame 200
}

TEST_F(LevelTest, GarbageCountIsTakenWithTheTiles) {
    build({{0, 1, 1}});
    EXPECT_EQ(game->level->garbageCount, 0);
}

TEST_F(LevelTest, BodyRestingOnAFloorCollidesOnlyWhenSunkMoreThanAPixel) {
    build({{0, 5, 6}});
    Body avatar;
    avatar.box = Rect(1, 2, 19, 20);
    avatar.setPos(Vec(100, 100));
    EXPECT_EQ(Physics::collisions(&avatar).side, Collision::NONE);
    EXPECT_EQ(Physics::collisions(&avatar).depth, 0);
    avatar.setY(101);
    EXPECT_EQ(Physics::collisions(&avatar).side, Collision::NONE) << "one pixel is ignored";
    avatar.setY(101.5);
    Collision c = Physics::collisions(&avatar);
    EXPECT_EQ(c.side, Collision::BELOW);
    EXPECT_DOUBLE_EQ(c.depth, 1.5);
    EXPECT_EQ(c.other, at(5, 6));
    Physics::eject(&avatar, c);
    EXPECT_DOUBLE_EQ(avatar.y(), 100);
}

TEST_F(LevelTest, ShallowestOverlapWins) {
    build({{0, 4, 6}, {0, 5, 6}, {0, 4, 5}});
    Rect box(97, 102, 117, 122);  // 3 px into the wall on its left, 2 px into the floor
    Collision c = Physics::collisions(box, *game->level);
    EXPECT_EQ(c.side, Collision::BELOW);
    EXPECT_DOUBLE_EQ(c.depth, 2);
    box = Rect(97, 100, 117, 120);
    c = Physics::collisions(box, *game->level);
    EXPECT_EQ(c.side, Collision::LEFT);
    EXPECT_DOUBLE_EQ(c.depth, 3);
}

// A 20-pixel box beside each of four tiles, one case per side; the last two touch a tile
// edge to edge or lie over an absent tile, and so collide with nothing.
TEST_F(LevelTest, EachSideIsFoundAndPushesTheRightWay) {
    build({{0, 5, 3}, {0, 7, 5}, {0, 5, 7}, {0, 3, 5}, {11, 9, 9}});
    struct Case {
        double x, y;
        int side;
        double pushX, pushY;
    } cases[] = {{100, 75, Collision::ABOVE, 0, 5},  {125, 100, Collision::RIGHT, -5, 0},
                 {100, 125, Collision::BELOW, 0, -5}, {75, 100, Collision::LEFT, 5, 0},
                 {120, 100, Collision::NONE, 0, 0},   {180, 185, Collision::NONE, 0, 0}};
    for (const Case& k : cases) {
        Collision c = Physics::collisions(Rect(k.x, k.y, k.x + 20, k.y + 20), *game->level);
        EXPECT_EQ(c.side, k.side) << k.x << "," << k.y;
        Vec push = Physics::ejection(c);
        EXPECT_DOUBLE_EQ(push.x, k.pushX) << k.x << "," << k.y;
        EXPECT_DOUBLE_EQ(push.y, k.pushY) << k.x << "," << k.y;
    }
}

TEST_F(LevelTest, CollisionsProbeTheLevelTheyAreGiven) {
    build({{0, 5, 6}});
    Level empty;
    Rect sunk(100, 105, 120, 125);
    EXPECT_EQ(Physics::collisions(sunk, *game->level).side, Collision::BELOW);
    EXPECT_EQ(Physics::collisions(sunk, empty).side, Collision::NONE);
}

} // namespace
