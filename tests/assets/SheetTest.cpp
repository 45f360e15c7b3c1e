#include "assets/Sheet.h"
#include "support/AllegroFixture.h"

namespace {

const ALLEGRO_COLOR MAGENTA = al_map_rgb(255, 0, 255);

struct SheetTest : AllegroTest {
    std::string save(ALLEGRO_BITMAP* image) {
        std::string path = scratchFolder() + "/sheet" + std::to_string(saved++) + ".png";
        EXPECT_TRUE(al_save_bitmap(path.c_str(), image));
        return path;
    }
    int saved = 0;
};

// Three columns by two rows of 5 x 4 frames between separators; each frame's red is 10 x its
// column, its green 10 x its row.
TEST_F(SheetTest, FramesAreCutAtTheFirstSeparatorsAndNumberedColumnByColumn) {
    target(3 * 6 - 1, 2 * 5 - 1, MAGENTA);
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 2; ++row)
            for (int x = 0; x < 5; ++x)
                for (int y = 0; y < 4; ++y)
                    al_put_pixel(column * 6 + x, row * 5 + y, al_map_rgb(10 * column, 10 * row, 100));
    Sheet sheet(save(al_get_target_bitmap()).c_str());
    EXPECT_EQ(sheet.frameWidth, 5);
    EXPECT_EQ(sheet.frameHeight, 4);
    ASSERT_EQ(sheet.frames.size(), 6u);
    for (int f = 0; f < 6; ++f) {
        EXPECT_EQ(std::make_pair(al_get_bitmap_width(sheet.frames[f]), al_get_bitmap_height(sheet.frames[f])),
                  std::make_pair(5, 4));
        expectPixel(sheet.frames[f], 0, 0, 10 * (f / 2), 10 * (f % 2), 100, 0);
        expectPixel(sheet.frames[f], 4, 3, 10 * (f / 2), 10 * (f % 2), 100, 0);
    }
}

// Near-magenta is no separator; a column too narrow for a frame is left out, and an image without
// separators is one frame.
TEST_F(SheetTest, OnlyExactMagentaSeparatesAndOnlyWholeFramesCount) {
    ALLEGRO_BITMAP* image = target(13, 5, al_map_rgb(0, 0, 0));
    al_put_pixel(3, 0, al_map_rgb(254, 0, 255));
    al_put_pixel(0, 2, al_map_rgb(255, 1, 255));
    for (auto [x, y] : {std::pair{5, 0}, {11, 0}, {0, 4}})
        al_put_pixel(x, y, MAGENTA);
    Sheet sheet(save(image).c_str());
    EXPECT_EQ(sheet.frameWidth, 5);
    EXPECT_EQ(sheet.frameHeight, 4);
    EXPECT_EQ(sheet.frames.size(), 2u);
    Sheet plain(save(target(7, 6, al_map_rgb(0, 0, 0))).c_str());
    EXPECT_EQ(std::make_pair(plain.frameWidth, plain.frameHeight), std::make_pair(7, 6));
    EXPECT_EQ(plain.frames.size(), 1u);
}

} // namespace
