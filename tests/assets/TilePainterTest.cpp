#include "assets/TilePainter.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Level.h"
#include "world/Tile.h"
#include "world/World.h"

#include <array>
#include <cstring>

namespace {

// Tiles from (type, col, row) triples, taken into a grid so that each knows its borders; types 0-9
// are present. The test sheet's frame f is (100, 10 f, 50).
struct TilePainterTest : AllegroTest {
    World world;
    Level level;  // owns the tiles the world lists, so it must go first
};

// A present tile: its frame, black outlines, a white highlight at the top and a shade at the bottom at
// a quarter; an absent one only an outline in its group's colour, a softer line inside it at 0.45 and
// its top tinted at 0.15. Runs join alike neighbours into larger rectangles; the picture must be the
// one the tiles make drawn one at a time.
TEST_F(TilePainterTest, TilesDrawTheirFrameOrTheirGroupsOutlineAndARunDrawsThemAsOneByOne) {
    provideTileSheet(scratchFolder());
    for (int t = 0; t < Tile::TYPES; ++t)
        Tile::sTypePresent[t] = t < 10;
    // A block of type 0 with a tail, an L of type 2 beside it, absent type 11 touching both, a lone
    // type 1, and apart from them a present and an absent tile.
    for (auto [type, col, row] : {std::array<int, 3>{0, 1, 1},
                                  {0, 2, 1},
                                  {0, 3, 1},
                                  {0, 1, 2},
                                  {0, 2, 2},
                                  {0, 3, 2},
                                  {0, 1, 3},
                                  {2, 4, 1},
                                  {2, 4, 2},
                                  {2, 5, 2},
                                  {11, 2, 3},
                                  {11, 3, 3},
                                  {11, 3, 4},
                                  {1, 6, 4},
                                  {3, 8, 1},
                                  {12, 10, 1}})
        world.add(new Tile(type, nullptr, col, row));
    world.reindex();
    level.addTiles(&world);
    world.reindex();
    std::vector<Entity*> run(world.list(Tags::TILE).begin(), world.list(Tags::TILE).end());
    ALLEGRO_BITMAP* oneByOne = al_clone_bitmap(target(220, 100, al_map_rgb(200, 200, 200)));
    al_set_target_bitmap(oneByOne);
    for (Entity* tile : run)
        tile->render();
    ALLEGRO_BITMAP* together = target(220, 100, al_map_rgb(200, 200, 200));
    run.front()->renderRun(run.data(), run.data() + run.size());
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 220; ++x) {
            ALLEGRO_COLOR a = al_get_pixel(oneByOne, x, y), b = al_get_pixel(together, x, y);
            differing += std::memcmp(&a, &b, sizeof a) != 0;
        }
    EXPECT_EQ(differing, 0);
    al_destroy_bitmap(oneByOne);
    const std::array<int, 5> pixels[] = {
        // the block of type 0 ends where the L of type 2 starts
        {50, 30, 100, 0, 50},    {79, 30, 0, 0, 0},        {160, 30, 0, 0, 0},      {179, 30, 0, 0, 0},
        {170, 20, 0, 0, 0},      {170, 39, 0, 0, 0},       {170, 30, 100, 30, 50},  {170, 23, 139, 86, 101},
        {170, 35, 75, 23, 38},   {210, 30, 200, 200, 200}, {200, 30, 100, 120, 50}, {201, 30, 155, 164, 133},
        {210, 39, 100, 120, 50}, {210, 25, 185, 188, 177}};
    for (auto [x, y, r, g, b] : pixels)
        expectPixel(together, x, y, r, g, b, 2);
    for (int type : {-1, Tile::TYPES}) {  // past the sheet: stone
        ALLEGRO_COLOR stone = al_map_rgb(0x8a, 0x88, 0x96), colour = TilePainter::groupColour(type);
        EXPECT_EQ(std::memcmp(&colour, &stone, sizeof stone), 0) << type;
    }
}

}  // namespace
