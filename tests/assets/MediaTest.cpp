#include "assets/Sheet.h"
#include "support/AllegroFixture.h"
#include "support/Files.h"

#include <allegro5/allegro_font.h>

namespace {

int count(ALLEGRO_BITMAP* bitmap, bool (*test)(ALLEGRO_COLOR)) {
    int found = 0;
    for (int y = 0; y < al_get_bitmap_height(bitmap); ++y)
        for (int x = 0; x < al_get_bitmap_width(bitmap); ++x)
            found += test(al_get_pixel(bitmap, x, y));
    return found;
}

struct SheetShape {
    const char* file;
    int frames, width, height;
};

// Every generated sheet, cut by the game's own Sheet: no frame empty, none reaching a separator.
struct GeneratedSheet : AllegroTest, ::testing::WithParamInterface<SheetShape> {};

TEST_P(GeneratedSheet, CutsIntoItsFramesAndEveryFrameShowsSomething) {
    Sheet sheet(("media/" + std::string(GetParam().file) + ".png").c_str());
    ASSERT_EQ(int(sheet.frames.size()), GetParam().frames);
    EXPECT_EQ(std::make_pair(sheet.frameWidth, sheet.frameHeight), std::make_pair(GetParam().width, GetParam().height));
    for (size_t i = 0; i < sheet.frames.size(); ++i) {
        EXPECT_GT(count(sheet.frames[i], [](ALLEGRO_COLOR c) { return c.a > 0.5f; }), 0) << "frame " << i;
        EXPECT_EQ(count(sheet.frames[i], [](ALLEGRO_COLOR c) { return c.r == 1 && c.g == 0 && c.b == 1; }), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, GeneratedSheet,
                         ::testing::Values(SheetShape{"tilesheet", 20, 20, 20}, SheetShape{"guysheet", 17, 20, 20},
                                           SheetShape{"badsheet", 4, 20, 20}, SheetShape{"loosesheet", 3, 20, 20},
                                           SheetShape{"contsheet", 2, 40, 28}, SheetShape{"completesheet", 3, 18, 14}),
                         [](const auto& sheet) { return std::string(sheet.param.file); });

using GeneratedMedia = AllegroTest;

// The one outside asset, the font, ships with its licence.
TEST_F(GeneratedMedia, TheFontLoadsAtTheGameSizeWithItsLicenceBeside) {
    ALLEGRO_FONT* font = al_load_font("media/font.ttf", 13, 0);
    ASSERT_NE(font, nullptr);
    EXPECT_GT(al_get_text_width(font, "Sorrelmoor"), 40);
    al_destroy_font(font);
    EXPECT_NE(fileText("media/font-licence.txt").find("Copyright"), std::string::npos);
}

} // namespace
