#include "assets/Sheet.h"
#include "support/AllegroFixture.h"

namespace {

const ALLEGRO_COLOR MAGENTA = al_map_rgb(255, 0, 255);

// Saves an image of `columns` × `rows` frames of w × h, each frame filled with a colour whose
// red is 10 × column and green 10 × row, with separators between them.
struct SheetTest : AllegroTest {
    std::string sheetFile(int w, int h, int columns, int rows) {
        int width = columns * (w + 1) - 1, height = rows * (h + 1) - 1;
        ALLEGRO_BITMAP* image = al_create_bitmap(width, height);
        al_set_target_bitmap(image);
        al_clear_to_color(MAGENTA);
        for (int i = 0; i < columns; ++i)
            for (int j = 0; j < rows; ++j)
                for (int x = 0; x < w; ++x)
                    for (int y = 0; y < h; ++y)
                        al_put_pixel(i * (w + 1) + x, j * (h + 1) + y, al_map_rgb(10 * i, 10 * j, 100));
        return save(image);
    }
    std::string save(ALLEGRO_BITMAP* image) {
        std::string path = scratchFolder() + "/sheet" + std::to_string(saved++) + ".png";
        EXPECT_TRUE(al_save_bitmap(path.c_str(), image));
        al_destroy_bitmap(image);
        return path;
    }
    int saved = 0;
};

TEST_F(SheetTest, FrameSizeComesFromTheFirstSeparators) {
    Sheet sheet(sheetFile(32, 31, 2, 1).c_str());  // a 65 × 31 image
    EXPECT_EQ(sheet.frameWidth, 32);
    EXPECT_EQ(sheet.frameHeight, 31);
    ASSERT_EQ(sheet.frames.size(), 2u);
    EXPECT_EQ(al_get_bitmap_width(sheet.frames[1]), 32);
    EXPECT_EQ(al_get_bitmap_height(sheet.frames[1]), 31);
}

TEST_F(SheetTest, FramesAreNumberedColumnByColumn) {
    Sheet sheet(sheetFile(5, 4, 3, 2).c_str());
    ASSERT_EQ(sheet.frames.size(), 6u);
    int expected[6][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};
    for (int f = 0; f < 6; ++f) {
        unsigned char r, g, b;
        al_unmap_rgb(al_get_pixel(sheet.frames[f], 0, 0), &r, &g, &b);
        EXPECT_EQ(r, 10 * expected[f][0]) << "frame " << f;
        EXPECT_EQ(g, 10 * expected[f][1]) << "frame " << f;
        al_unmap_rgb(al_get_pixel(sheet.frames[f], 4, 3), &r, &g, &b);
        EXPECT_EQ(b, 100) << "frame " << f << " must not reach into a separator";
    }
}

TEST_F(SheetTest, NearMagentaIsNoSeparator) {
    ALLEGRO_BITMAP* image = al_create_bitmap(11, 5);
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_put_pixel(3, 0, al_map_rgb(254, 0, 255));
    al_put_pixel(5, 0, MAGENTA);
    al_put_pixel(0, 2, al_map_rgb(255, 1, 255));
    al_put_pixel(0, 4, MAGENTA);
    Sheet sheet(save(image).c_str());
    EXPECT_EQ(sheet.frameWidth, 5);
    EXPECT_EQ(sheet.frameHeight, 4);
    EXPECT_EQ(sheet.frames.size(), 2u);
}

TEST_F(SheetTest, ImageWithoutSeparatorsIsOneFrame) {
    ALLEGRO_BITMAP* image = al_create_bitmap(7, 6);
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    Sheet sheet(save(image).c_str());
    EXPECT_EQ(sheet.frameWidth, 7);
    EXPECT_EQ(sheet.frameHeight, 6);
    EXPECT_EQ(sheet.frames.size(), 1u);
}

TEST_F(SheetTest, PartialColumnAtTheEdgeIsIgnored) {
    ALLEGRO_BITMAP* image = al_create_bitmap(13, 4);  // two 5-wide frames and a 1-wide stub
    al_set_target_bitmap(image);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_put_pixel(5, 0, MAGENTA);
    al_put_pixel(11, 0, MAGENTA);
    Sheet sheet(save(image).c_str());
    EXPECT_EQ(sheet.frames.size(), 2u);
}

} // namespace
