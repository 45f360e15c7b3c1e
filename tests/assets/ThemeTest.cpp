#include "assets/Theme.h"
#include "support/AllegroFixture.h"

#include <cstring>

namespace {

struct ThemeTest : AllegroTest {
    static void SetUpTestSuite() {
        AllegroTest::SetUpTestSuite();
        if (!Theme::current)
            Theme::initialize();
    }
};

// In the menu's order with their unlock thresholds, Sky first.
TEST_F(ThemeTest, SixThemesInTheMenusOrder) {
    const char* names[] = {"Sky", "Sunset", "Mist", "Night", "Crooked", "Liquor"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_STREQ(Theme::themes[i]->name(), names[i]);
        EXPECT_EQ(Theme::themes[i]->unlockPoints(), 6 * i);
    }
    EXPECT_EQ(Theme::current, Theme::themes[0]);
}

// Over the level Mist hazes the top and fades out downwards. Only Crooked and Liquor tilt the scene,
// and every theme hands back the transform it found.
TEST_F(ThemeTest, MistHazesTheTopAndTiltsAreUndone) {
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    Theme::themes[2]->postProcess();
    for (auto [y, grey] : {std::pair{10, 110}, {199, 110}, {400, 55}, {599, 0}})
        expectPixel(canvas, 10, y, grey, grey, grey, 3);
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    auto tilted = [&] {
        return std::memcmp(al_get_current_transform()->m, identity.m, sizeof identity.m) != 0;
    };
    for (int i = 0; i < 6; ++i) {
        Theme::themes[i]->update(0.5);
        Theme::themes[i]->preProcess();
        EXPECT_EQ(tilted(), i >= 4) << Theme::themes[i]->name();
        Theme::themes[i]->postProcess();
        EXPECT_FALSE(tilted()) << Theme::themes[i]->name();
    }
}

}  // namespace
