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
    static bool isIdentity(const ALLEGRO_TRANSFORM* t) {
        ALLEGRO_TRANSFORM identity;
        al_identity_transform(&identity);
        return std::memcmp(t->m, identity.m, sizeof identity.m) == 0;
    }
};

TEST_F(ThemeTest, SixThemesInMenuOrderWithTheirThresholds) {
    const char* names[] = {"Sky", "Sunset", "Mist", "Night", "Crooked", "Liquor"};
    int points[] = {0, 6, 12, 18, 24, 30};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(Theme::themes[i], nullptr);
        EXPECT_STREQ(Theme::themes[i]->name(), names[i]);
        EXPECT_EQ(Theme::themes[i]->unlockPoints(), points[i]);
    }
    EXPECT_EQ(Theme::current, Theme::themes[0]);
}

TEST_F(ThemeTest, MistCloudsAlwaysInFrontNightAlwaysBehindOthersMostlyBehind) {
    int behind = 0;
    for (int i = 0; i < 300; ++i) {
        EXPECT_FALSE(Theme::themes[2]->behind());
        EXPECT_TRUE(Theme::themes[3]->behind());
        behind += Theme::themes[0]->behind() ? 1 : 0;
    }
    EXPECT_GT(behind, 150);
    EXPECT_LT(behind, 250);
}

TEST_F(ThemeTest, StarsStayInTheFieldAndWrapOnlyBelowZero) {
    ThNight night;
    for (int i = 0; i < ThNight::STARS; ++i) {
        EXPECT_GE(night.starX[i], 3.0);
        EXPECT_LE(night.starY[i], 597.0);
    }
    target(800, 600, al_map_rgb(0, 0, 0));
    night.starX[0] = 0.6;   // lands exactly on 0: stays
    night.starX[50] = 0.5;  // moves 0.8: wraps
    night.preProcess();
    EXPECT_DOUBLE_EQ(night.starX[0], 0.0);
    EXPECT_NEAR(night.starX[50], 799.7, 1e-9);
}

TEST_F(ThemeTest, StarsAreFaintDotsDrawnBeforeTheyMove) {
    ThNight night;
    night.starX[7] = 100;
    night.starY[7] = 50;
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    night.preProcess();
    expectPixel(canvas, 100, 50, 80, 80, 80, 2);
    EXPECT_DOUBLE_EQ(night.starX[7], 100 - (0.6 + 0.4 * 7 / 100));
}

TEST_F(ThemeTest, NightVeilDarkensByAlphaEightyAndRestoresTheBlender) {
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(255, 255, 255));
    Theme::themes[3]->postProcess();
    expectPixel(canvas, 400, 300, 175, 175, 175, 1);
    ALLEGRO_COLOR tint = Draw::tint();
    EXPECT_EQ(tint.r + tint.g + tint.b + tint.a, 4.0f);
}

TEST_F(ThemeTest, MistHazesTheTopAndFadesOutDownwards) {
    ALLEGRO_BITMAP* canvas = target(800, 600, al_map_rgb(0, 0, 0));
    Theme::themes[2]->postProcess();
    expectPixel(canvas, 10, 10, 110, 110, 110, 2);
    expectPixel(canvas, 10, 199, 110, 110, 110, 2);
    expectPixel(canvas, 10, 400, 55, 55, 55, 3);
    expectPixel(canvas, 10, 599, 0, 0, 0, 2);
}

TEST_F(ThemeTest, SkyColours) {
    ALLEGRO_COLOR up = Theme::themes[1]->gradientUp();
    unsigned char r, g, b;
    al_unmap_rgb(up, &r, &g, &b);
    EXPECT_EQ(r, 230);
    EXPECT_EQ(g, 130);
    EXPECT_EQ(b, 30);
    EXPECT_FLOAT_EQ(Theme::themes[0]->gradientUp().g, 0.85f);
    EXPECT_FLOAT_EQ(Theme::themes[2]->gradientDown().r, 0.45f);
    EXPECT_FLOAT_EQ(Theme::themes[3]->cloudColor().a, 1.0f);
    EXPECT_NEAR(Theme::themes[0]->cloudColor().a, 128 / 255.0f, 1e-6);
}

TEST_F(ThemeTest, CrookedTiltsTheSceneAndEndsOnTheIdentity) {
    target(10, 10, al_map_rgb(0, 0, 0));
    Theme::themes[4]->preProcess();
    float x = 0, y = 0;
    al_transform_coordinates(al_get_current_transform(), &x, &y);
    EXPECT_FLOAT_EQ(x, 25);
    EXPECT_FLOAT_EQ(y, -40);
    Theme::themes[4]->postProcess();
    EXPECT_TRUE(isIdentity(al_get_current_transform()));
}

TEST_F(ThemeTest, SwayBobsWithItsClockAndRestoresTheSavedTransform) {
    ThSway sway;
    target(10, 10, al_map_rgb(0, 0, 0));
    sway.update(0.5);
    sway.update(1.0);
    EXPECT_DOUBLE_EQ(sway.clock, 1.5);
    sway.preProcess();
    float x = 0, y = 0;
    al_transform_coordinates(al_get_current_transform(), &x, &y);
    EXPECT_NEAR(y, 10 * std::sin(1.5), 1e-4);
    sway.postProcess();
    EXPECT_TRUE(isIdentity(al_get_current_transform()));
}

} // namespace
