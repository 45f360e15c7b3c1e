#include "assets/TilePainter.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Level.h"
#include "world/Tile.h"
#include "world/World.h"

#include <algorithm>
#include <vector>

namespace {

// Tiles from (type, col, row) triples, taken into a grid so that each knows its borders; the test
// sheet's frame f is (100, 10 f, 50).
struct TilePainterTest : AllegroTest {
    World world;
    Level level;  // owns the tiles the world lists, so it must go first

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
        level.addTiles(&world);
        world.reindex();
    }
};

// A present tile: its frame, black outlines, a white highlight at the top and a shade at the bottom
// at a quarter; an absent one only an outline in its group's colour, a softer line inside it at
// 0.45 and its top tinted at 0.15.
TEST_F(TilePainterTest, PresentTilesDrawTheirFrameAndAbsentOnesAnOutlineInTheirGroupsColour) {
    build({{3, 2, 2}, {12, 4, 2}});
    ALLEGRO_BITMAP* canvas = target(120, 100, al_map_rgb(200, 200, 200));
    level.tile(2, 2)->render();
    level.tile(4, 2)->render();
    const struct {
        int x, y, r, g, b;
    } pixels[] = {{40, 50, 0, 0, 0},      {59, 50, 0, 0, 0},     {50, 40, 0, 0, 0},      {50, 59, 0, 0, 0},
                  {50, 50, 100, 30, 50},  {50, 43, 139, 86, 101}, {50, 55, 75, 23, 38},   {90, 50, 200, 200, 200},
                  {80, 50, 100, 120, 50}, {81, 50, 155, 164, 133}, {90, 59, 100, 120, 50}, {90, 45, 185, 188, 177}};
    for (const auto& p : pixels)
        expectPixel(canvas, p.x, p.y, p.r, p.g, p.b, 2);
    unsigned char r, g, b;
    for (int type : {-1, Tile::TYPES}) {
        al_unmap_rgb(TilePainter::groupColour(type), &r, &g, &b);
        EXPECT_EQ(std::vector<int>({r, g, b}), std::vector<int>({0x8a, 0x88, 0x96})) << "stone for type " << type;
    }
}

// Runs join alike neighbours into larger rectangles; the picture must be the one the tiles make
// drawn one at a time.
TEST_F(TilePainterTest, ARunDrawsWhatItsTilesDrawOneByOne) {
    build({{0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {0, 1, 2}, {0, 2, 2}, {0, 3, 2}, {0, 1, 3},  // block with a tail
           {2, 4, 1}, {2, 4, 2}, {2, 5, 2},                                              // L of another type
           {11, 2, 3}, {11, 3, 3}, {11, 3, 4},                                           // absent, touching both
           {1, 6, 4}});
    std::vector<Entity*> run(world.list(Tags::TILE).begin(), world.list(Tags::TILE).end());
    ALLEGRO_BITMAP* oneByOne = al_clone_bitmap(target(160, 120, al_map_rgb(90, 140, 220)));
    al_set_target_bitmap(oneByOne);
    for (Entity* tile : run)
        tile->render();
    ALLEGRO_BITMAP* together = target(160, 120, al_map_rgb(90, 140, 220));
    run.front()->renderRun(run.data(), run.data() + run.size());
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
            unsigned char a[4], b[4];
            al_unmap_rgba(al_get_pixel(oneByOne, x, y), &a[0], &a[1], &a[2], &a[3]);
            al_unmap_rgba(al_get_pixel(together, x, y), &b[0], &b[1], &b[2], &b[3]);
            differing += !std::equal(a, a + 4, b);
        }
    EXPECT_EQ(differing, 0);
    expectPixel(together, 50, 30, 100, 0, 50);  // inside the block: the type 0 frame
    expectPixel(together, 79, 30, 0, 0, 0);     // the block's right outline, where the L begins
    al_destroy_bitmap(oneByOne);
}

} // namespace
