#include "entities/Cloud.h"
#include "entities/Fireworks.h"
#include "support/AllegroFixture.h"
#include "world/World.h"

#include <allegro5/allegro.h>

#include <memory>

namespace {

struct SkyTest : AllegroTest {};

TEST_F(SkyTest, ACloudLeavingOnTheLeftComesBackAtTheRightEdgeAtSomeHeight) {
    Cloud cloud(false);
    int width = al_get_bitmap_width(cloud.image);
    cloud.setPos(Vec(-width + 0.1, 100));
    cloud.speed = 20;
    cloud.update(0.004);  // 0.08 px: still touching the screen
    EXPECT_NEAR(cloud.x(), -width + 0.02, 1e-6);
    cloud.update(0.017);
    EXPECT_EQ(cloud.x(), 800);
    EXPECT_GE(cloud.y(), -20);
    EXPECT_LE(cloud.y(), 580);
    EXPECT_EQ(cloud.speed, 20);
}

TEST_F(SkyTest, CloudsStartAnywhereAcrossAndAroundTheScreenAtADriftingSpeed) {
    for (int i = 0; i < 200; ++i) {
        Cloud cloud(true);
        ASSERT_GE(cloud.x(), -60);
        ASSERT_LE(cloud.x(), 860);
        ASSERT_GE(cloud.speed, 15);
        ASSERT_LE(cloud.speed, 30);
        ASSERT_EQ(cloud.order(Tags::RNDR), cloud.behind ? 10 : 90);
    }
}

TEST_F(SkyTest, FireworksBurstAboutOnceInFiftyOneUpdatesWithSixtySparksEach) {
    World world;
    Fireworks* fireworks = new Fireworks();
    world.add(fireworks);
    world.reindex();
    const int updates = 51 * 400;
    size_t sparks = 0;
    for (int i = 0; i < updates; ++i) {
        fireworks->update(0.017);
        sparks += world.pendingAdd.size();
        for (Entity* spark : world.pendingAdd)
            delete spark;
        world.pendingAdd.clear();
    }
    ASSERT_EQ(sparks % 60, 0u);
    // 400 expected; a binomial spread of about 20 either way.
    EXPECT_NEAR(static_cast<double>(sparks / 60), 400, 80);
    std::unique_ptr<Entity> copy(fireworks->clone());
    EXPECT_STREQ(copy->code(), "fw");
}

} // namespace
