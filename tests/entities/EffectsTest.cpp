#include "assets/Draw.h"
#include "world/Game.h"
#include "entities/Cloud.h"
#include "entities/Fireworks.h"
#include "entities/Garbage.h"
#include "entities/Particle.h"
#include "entities/Stage.h"

#include <cmath>

namespace {

using EffectsTest = StageTest;

// Particles from a white 4 x 4 image at (100, 100), in a world updated by hand: each update moves a
// particle, then changes its speed by its drag; it fades over its life and is gone after the update
// that ends it, at once if it has none. A glowing one adds to what is behind.
TEST_F(EffectsTest, AParticleMovesSlowsFadesAndGoes) {
    std::string image = scratchFolder() + "/glow.png";
    al_save_bitmap(image.c_str(), target(4, 4, al_map_rgb(255, 255, 255)));
    World sky;
    auto spawn = [&](Vec velocity, double life, double drag, int blend) {
        sky.add(new Particle(image.c_str(), Vec(100, 100), velocity, life, drag, blend));
        sky.reindex();
        return static_cast<Particle*>(sky.list(Tags::DYNA).back());
    };
    auto update = [&](double dt) {
        for (Entity* e : sky.list(Tags::DYNA))
            e->update(dt);
        sky.reindex();
    };
    auto shown = [&](Particle* p, ALLEGRO_COLOR background) {
        ALLEGRO_BITMAP* canvas = target(200, 200, background);
        p->render();
        return al_get_pixel(canvas, 101, 101);
    };
    Particle* spark = spawn(Vec(100, -50), 1.0, 0.1, Draw::INVERSE_ALPHA);
    Particle* glow = spawn(Vec(0, -10), 1.0, -0.02, Draw::ONE);
    EXPECT_EQ(shown(spark, al_map_rgb(0, 0, 0)).r, 1.0f);
    EXPECT_EQ(spark->order(Tags::RNDR), 80) << "drawn above the level";
    update(0.1);
    EXPECT_EQ(std::make_pair(spark->x(), spark->y()), std::make_pair(110.0, 95.0));
    EXPECT_DOUBLE_EQ(spark->velocity.x, 90);
    EXPECT_DOUBLE_EQ(glow->velocity.y, -10.2);
    update(0.1);
    EXPECT_DOUBLE_EQ(spark->x(), 119);
    update(0.3);
    glow->setPos(Vec(100, 100));
    spark->setPos(Vec(100, 100));
    EXPECT_NEAR(shown(spark, al_map_rgb(0, 0, 0)).r * 255, 127, 2) << "half its life left";
    EXPECT_NEAR(shown(glow, al_map_rgb(100, 0, 0)).r * 255, 227, 2);
    EXPECT_EQ(Draw::tint().a, 1.0f) << "ordinary blending is restored";
    update(0.5);
    Particle* stillborn = spawn(Vec(0, 0), 0, 0, Draw::INVERSE_ALPHA);
    EXPECT_EQ(shown(stillborn, al_map_rgb(0, 0, 0)).r, 0.0f);
    update(0.017);
    EXPECT_TRUE(sky.list(Tags::ENTT).empty());
    spawn(Vec(0, 0), 0.4, 0, Draw::ONE);
    int updates = 0;
    for (; !sky.list(Tags::DYNA).empty() && updates < 100; ++updates)
        update(0.017);
    EXPECT_EQ(updates, 24);
}

// Two pieces taken in one frame count two and throw thirty sparks each. At clocks of whole fifths
// of pi a piece is not bobbed, so only its pulse differs: 0.14 s into a second a disc of radius 3.5
// at its cell centre, 0.63 s in nothing.
TEST_F(EffectsTest, GarbageCountsWhenTakenAndGlowsEarlyInEachSecond) {
    stage({{24, "..@"}}, "garbage 2 24\ngarbage 2 24\n", "1");
    size_t before = world().list(Tags::RNDR).size();
    step();
    EXPECT_EQ(Game::sGame->looseGarbage, 2.0);
    EXPECT_EQ(world().list(Tags::RNDR).size(), before - 2 + 60);
    auto drawnAt = [&](double clock, int x) {
        ALLEGRO_BITMAP* screen = target(40, 40, al_map_rgb(0, 0, 0));
        Garbage piece;
        piece.setPos(Vec(10, 10));
        piece.frame = 0;
        piece.clock = clock;
        piece.render();
        ALLEGRO_COLOR c = al_get_pixel(screen, x, 20);
        return c.r + c.g + c.b;
    };
    const double pi = std::acos(-1.0);
    EXPECT_GT(drawnAt(pi, 20), drawnAt(pi / 5, 20));
    EXPECT_EQ(drawnAt(pi, 26), drawnAt(pi / 5, 26)) << "six pixels out is beyond the disc";
    EXPECT_EQ(Draw::tint().a, 1.0f);
}

// A cloud leaving on the left comes back at the right edge at some height; new clouds start anywhere
// across and around the screen at a drifting speed. Fireworks burst about once in 51 updates.
TEST_F(EffectsTest, CloudsDriftAcrossAndFireworksBurstNowAndThen) {
    Cloud cloud(false);
    int width = al_get_bitmap_width(cloud.image);
    cloud.setPos(Vec(-width + 0.1, 100));
    cloud.speed = 20;
    cloud.update(0.004);  // 0.08 px: still touching the screen
    EXPECT_NEAR(cloud.x(), -width + 0.02, 1e-6);
    cloud.update(0.017);
    EXPECT_EQ(cloud.x(), 800);
    EXPECT_TRUE(cloud.y() >= -20 && cloud.y() <= 580) << cloud.y();
    for (int i = 0; i < 200; ++i) {
        Cloud another(true);
        ASSERT_TRUE(another.x() >= -60 && another.x() <= 860 && another.speed >= 15 && another.speed <= 30);
        ASSERT_EQ(another.order(Tags::RNDR), another.behind ? 10 : 90);
    }
    World sky;
    Fireworks* fireworks = new Fireworks();
    sky.add(fireworks);
    sky.reindex();
    size_t sparks = 0;
    for (int i = 0; i < 51 * 400; ++i) {
        fireworks->update(0.017);
        sparks += sky.pendingAdd.size();
        for (Entity* spark : sky.pendingAdd)
            delete spark;
        sky.pendingAdd.clear();
    }
    ASSERT_EQ(sparks % 60, 0u);
    EXPECT_NEAR(static_cast<double>(sparks / 60), 400, 80) << "a binomial spread of about 20 either way";
}

} // namespace
