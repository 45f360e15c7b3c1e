#include "assets/Draw.h"
#include "assets/ThemeKinds.h"
#include "support/AllegroFixture.h"

#include <cmath>
#include <cstring>

namespace {

struct ThemeTest : AllegroTest {
    static void SetUpTestSuite() {
        AllegroTest::SetUpTestSuite();
        if (!Theme::current)
            Theme::initialize();
    }
    // Where the scene's transform puts (x, y).
    static std::pair<float, float> moved(float x, float y) {
        al_transform_coordinates(al_get_current_transform(), &x, &y);
        return {x, y};
    }
};

// In the menu's order with their unlock thresholds, Sky first. Mist's clouds are always in front,
// Night's always behind, the others' two in three behind; Sky's are half see-through, Night's not.
TEST_F(ThemeTest, SixThemesInMenuOrderSendTheirCloudsBehindTheLevelAsTheySay) {
    const char* names[] = {"Sky", "Sunset", "Mist", "Night", "Crooked", "Liquor"};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(Theme::themes[i], nullptr);
        EXPECT_STREQ(Theme::themes[i]->name(), names[i]);
        EXPECT_EQ(Theme::themes[i]->unlockPoints(), 6 * i);
    }
    EXPECT_EQ(Theme::current, Theme::themes[0]);
    int behind = 0;
    for (int i = 0; i < 300; ++i) {
        EXPECT_FALSE(Theme::themes[2]->behind());
        EXPECT_TRUE(Theme::themes[3]->behind());
        behind += Theme::themes[0]->behind() ? 1 : 0;
    }
    EXPECT_NEAR(behind, 200, 50);
    EXPECT_NEAR(Theme::themes[0]->cloudColor().a, 128 / 255.0f, 1e-6);
    EXPECT_FLOAT_EQ(Theme::themes[3]->cloudColor().a, 1.0f);
}

// Stars are faint dots drawn before they move, each a little faster than the one before, and
// wrap only once they pass below zero.
TEST_F(ThemeTest, NightsStarsDriftLeftAndItsVeilDarkens) {
    ThNight night;
    for (int i = 0; i < ThNight::STARS; ++i)
        ASSERT_TRUE(night.starX[i] >= 3.0 && night.starY[i] <= 597.0);
    night.starX[0] = 0.6;
    night.starX[50] = 0.5;
    night.starX[7] = 100;
    night.starY[7] = 50;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    night.preProcess();
    expectPixel(canvas, 100, 50, 80, 80, 80, 2);
    EXPECT_DOUBLE_EQ(night.starX[0], 0.0);
    EXPECT_NEAR(night.starX[50], 799.7, 1e-9);
    EXPECT_DOUBLE_EQ(night.starX[7], 100 - (0.6 + 0.4 * 7 / 100));
    canvas = target(800, 600, al_map_rgb(255, 255, 255));
    night.postProcess();
    expectPixel(canvas, 400, 300, 175, 175, 175, 1);
    EXPECT_EQ(Draw::tint().a, 1.0f);
}

TEST_F(ThemeTest, MistHazesTheTopAndFadesOutDownwards) {
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    Theme::themes[2]->postProcess();
    for (auto [y, grey] : {std::pair{10, 110}, {199, 110}, {400, 55}, {599, 0}})
        expectPixel(canvas, 10, y, grey, grey, grey, 3);
}

// Both tilt the scene and hand back the transform they found.
TEST_F(ThemeTest, CrookedAndSwayTiltTheSceneAndPutTheTransformBack) {
    target(10, 10, al_map_rgb(0, 0, 0));
    Theme::themes[4]->preProcess();
    EXPECT_EQ(moved(0, 0), std::make_pair(25.0f, -40.0f));
    EXPECT_NEAR(moved(100, 0).second, -40 + 100 * std::sin(M_PI / 32), 1e-3);
    Theme::themes[4]->postProcess();
    ThSway sway;
    sway.update(0.5);
    sway.update(1.0);
    sway.preProcess();
    EXPECT_NEAR(moved(0, 0).second, 10 * std::sin(1.5), 1e-4);
    EXPECT_NEAR(moved(100, 0).second, 10 * std::sin(1.5) + 100 * std::sin(std::sin(0.375) * M_PI / 32), 1e-3);
    sway.postProcess();
    ALLEGRO_TRANSFORM identity;
    al_identity_transform(&identity);
    EXPECT_EQ(std::memcmp(al_get_current_transform()->m, identity.m, sizeof identity.m), 0);
}

} // namespace
