#include "support/AllegroFixture.h"

#include "assets/Sheet.h"

#include <allegro5/allegro_font.h>

#include <fstream>
#include <string>

namespace {

struct SheetShape {
    const char* file;
    int frames;
    int width;
    int height;
};

// Every generated sheet, cut by the game's own Sheet.
struct GeneratedSheetTest : AllegroTest, ::testing::WithParamInterface<SheetShape> {};

bool hasOpaquePixel(ALLEGRO_BITMAP* frame) {
    for (int y = 0; y < al_get_bitmap_height(frame); ++y)
        for (int x = 0; x < al_get_bitmap_width(frame); ++x)
            if (al_get_pixel(frame, x, y).a > 0.5f)
                return true;
    return false;
}

bool isMagenta(ALLEGRO_COLOR c) {
    unsigned char r, g, b;
    al_unmap_rgb(c, &r, &g, &b);
    return r == 255 && g == 0 && b == 255;
}

TEST_P(GeneratedSheetTest, CutsIntoItsFramesAndEveryFrameShowsSomething) {
    const SheetShape& shape = GetParam();
    Sheet sheet((std::string("media/") + shape.file).c_str());
    ASSERT_EQ(int(sheet.frames.size()), shape.frames);
    EXPECT_EQ(sheet.frameWidth, shape.width);
    EXPECT_EQ(sheet.frameHeight, shape.height);
    for (size_t i = 0; i < sheet.frames.size(); ++i) {
        ALLEGRO_BITMAP* frame = sheet.frames[i];
        EXPECT_TRUE(hasOpaquePixel(frame)) << "frame " << i << " is empty";
        for (int y = 0; y < shape.height; ++y)
            for (int x = 0; x < shape.width; ++x)
                ASSERT_FALSE(isMagenta(al_get_pixel(frame, x, y))) << "separator inside frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, GeneratedSheetTest,
                         ::testing::Values(SheetShape{"tilesheet.png", 20, 20, 20},
                                           SheetShape{"guysheet.png", 17, 20, 20},
                                           SheetShape{"badsheet.png", 4, 20, 20},
                                           SheetShape{"loosesheet.png", 3, 20, 20},
                                           SheetShape{"contsheet.png", 2, 40, 28},
                                           SheetShape{"completesheet.png", 3, 18, 14}));

using GeneratedPictureTest = AllegroTest;

void expectSizeBetween(const char* file, int minW, int maxW, int minH, int maxH) {
    ALLEGRO_BITMAP* picture = al_load_bitmap((std::string("media/") + file).c_str());
    ASSERT_NE(picture, nullptr) << file;
    EXPECT_GE(al_get_bitmap_width(picture), minW) << file;
    EXPECT_LE(al_get_bitmap_width(picture), maxW) << file;
    EXPECT_GE(al_get_bitmap_height(picture), minH) << file;
    EXPECT_LE(al_get_bitmap_height(picture), maxH) << file;
    EXPECT_TRUE(hasOpaquePixel(picture) || std::string(file) == "cloud.png") << file;
    al_destroy_bitmap(picture);
}

TEST_F(GeneratedPictureTest, SinglePicturesLoadAtTheirSizes) {
    expectSizeBetween("bag.png", 20, 20, 20, 20);
    expectSizeBetween("logo.png", 400, 500, 90, 140);
    expectSizeBetween("cloud.png", 80, 120, 40, 60);
    expectSizeBetween("puff.png", 8, 20, 8, 20);
    expectSizeBetween("glow.png", 4, 16, 4, 16);
}

// The cloud and the glow are soft: some pixels neither fully clear nor fully solid.
TEST_F(GeneratedPictureTest, CloudAndGlowHaveSoftAlpha) {
    for (const char* file : {"media/cloud.png", "media/glow.png"}) {
        ALLEGRO_BITMAP* picture = al_load_bitmap(file);
        ASSERT_NE(picture, nullptr) << file;
        int soft = 0;
        for (int y = 0; y < al_get_bitmap_height(picture); ++y)
            for (int x = 0; x < al_get_bitmap_width(picture); ++x) {
                float a = al_get_pixel(picture, x, y).a;
                soft += a > 0.05f && a < 0.95f;
            }
        EXPECT_GT(soft, 4) << file;
        al_destroy_bitmap(picture);
    }
}

TEST_F(GeneratedPictureTest, FontLoadsAtTheGameSizeWithItsLicenceBeside) {
    ALLEGRO_FONT* font = al_load_font("media/font.ttf", 13, 0);
    ASSERT_NE(font, nullptr);
    EXPECT_GT(al_get_text_width(font, "Sorrelmoor"), 40);
    al_destroy_font(font);
    std::ifstream licence("media/font-licence.txt");
    std::string text((std::istreambuf_iterator<char>(licence)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Copyright"), std::string::npos);
}

} // namespace
