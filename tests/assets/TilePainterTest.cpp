#include "assets/TilePainter.h"
#include "support/AllegroFixture.h"
#include "support/TestEntities.h"
#include "world/Level.h"
#include "world/Tile.h"
#include "world/World.h"

#include <algorithm>
#include <vector>

namespace {

// Tiles from (type, col, row) triples, taken into a grid so that each knows its borders.
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
    Tile* at(int col, int row) { return level.tile(col, row); }
};

TEST_F(TilePainterTest, PresentTileDrawsFrameOutlinesHighlightAndShade) {
    build({{3, 2, 2}});
    ALLEGRO_BITMAP* canvas = target(100, 100, al_map_rgb(0, 0, 0));
    at(2, 2)->render();
    expectPixel(canvas, 40, 50, 0, 0, 0);             // left outline
    expectPixel(canvas, 59, 50, 0, 0, 0);             // right outline
    expectPixel(canvas, 50, 40, 0, 0, 0);             // top outline
    expectPixel(canvas, 50, 59, 0, 0, 0);             // bottom outline
    expectPixel(canvas, 50, 50, 100, 30, 50);         // the frame itself, type 3
    expectPixel(canvas, 50, 43, 139, 86, 101, 2);     // white highlight at 0.25
    expectPixel(canvas, 50, 55, 75, 23, 38, 2);       // black shade at 0.25
}

TEST_F(TilePainterTest, AbsentTileDrawsOnlyAnOutlineInItsGroupsColour) {
    build({{12, 2, 2}});
    ALLEGRO_BITMAP* canvas = target(100, 100, al_map_rgb(200, 200, 200));
    at(2, 2)->render();
    expectPixel(canvas, 50, 50, 200, 200, 200);        // no frame
    expectPixel(canvas, 40, 50, 100, 120, 50);         // the line: frame 12's colour
    expectPixel(canvas, 41, 50, 155, 164, 133, 2);     // a softer line inside it, at 0.45
    expectPixel(canvas, 50, 59, 100, 120, 50);         // the bottom line over the shade
    expectPixel(canvas, 50, 45, 185, 188, 177, 2);     // the top's tint at 0.15
}

// Whole runs join alike neighbours into larger rectangles; the picture must be the one the
// tiles make drawn one at a time.
TEST_F(TilePainterTest, ARunDrawsWhatItsTilesDrawOneByOne) {
    build({{0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {0, 1, 2}, {0, 2, 2}, {0, 3, 2}, {0, 1, 3},  // block with a tail
           {2, 4, 1}, {2, 4, 2}, {2, 5, 2},                                              // L of another type
           {11, 2, 3}, {11, 3, 3}, {11, 3, 4},                                           // absent, touching both
           {1, 6, 4}});
    std::vector<Entity*> run(world.list(Tags::TILE).begin(), world.list(Tags::TILE).end());
    ALLEGRO_BITMAP* oneByOne = al_create_bitmap(160, 120);
    al_set_target_bitmap(oneByOne);
    al_clear_to_color(al_map_rgb(90, 140, 220));
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
            differing += std::equal(a, a + 4, b) ? 0 : 1;
        }
    EXPECT_EQ(differing, 0);
    expectPixel(together, 50, 30, 100, 0, 50);  // inside the block: the type 0 frame
    expectPixel(together, 79, 30, 0, 0, 0);     // the block's right outline, where the L begins
    al_destroy_bitmap(oneByOne);
}

TEST_F(TilePainterTest, GroupsWithoutAFrameShowAsStone) {
    struct Case {
        int type;
        unsigned char r, g, b;
    } cases[] = {{12, 100, 120, 50}, {-1, 0x8a, 0x88, 0x96}, {Tile::TYPES, 0x8a, 0x88, 0x96}};
    for (const Case& k : cases) {
        unsigned char r, g, b;
        al_unmap_rgb(TilePainter::groupColour(k.type), &r, &g, &b);
        EXPECT_EQ(r, k.r) << k.type;
        EXPECT_EQ(g, k.g) << k.type;
        EXPECT_EQ(b, k.b) << k.type;
    }
}

} // namespace
