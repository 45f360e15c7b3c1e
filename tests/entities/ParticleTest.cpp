#include "assets/Draw.h"
#include "entities/Particle.h"
#include "support/AllegroFixture.h"
#include "world/World.h"

namespace {

struct ParticleTest : AllegroTest {
    std::string image;
    World world;

    void SetUp() override {
        AllegroTest::SetUp();
        ALLEGRO_BITMAP* white = al_create_bitmap(4, 4);
        al_set_target_bitmap(white);
        al_clear_to_color(al_map_rgb(255, 255, 255));
        image = scratchFolder() + "/glow.png";
        al_save_bitmap(image.c_str(), white);
        al_destroy_bitmap(white);
    }
    Particle* spawn(Vec velocity, double life, double drag, int blend = Draw::INVERSE_ALPHA) {
        Particle* p = new Particle(image.c_str(), Vec(100, 100), velocity, life, drag, blend);
        world.add(p);
        world.reindex();
        return p;
    }
    void step(double dt) {
        for (Entity* e : world.list(Tags::DYNA))
            e->update(dt);
        world.reindex();
    }
};

TEST_F(ParticleTest, MovesThenChangesSpeedByItsDragEachUpdate) {
    Particle* spark = spawn(Vec(100, -50), 1.0, 0.1);
    step(0.1);
    EXPECT_DOUBLE_EQ(spark->x(), 110);
    EXPECT_DOUBLE_EQ(spark->y(), 95);
    EXPECT_DOUBLE_EQ(spark->velocity.x, 90);
    step(0.1);
    EXPECT_DOUBLE_EQ(spark->x(), 119);
    Particle* puff = spawn(Vec(0, -10), 1.0, -0.02);
    step(0.05);
    EXPECT_DOUBLE_EQ(puff->velocity.y, -10.2);
}

TEST_F(ParticleTest, LivesItsLifeAndIsGoneAfterTheUpdateThatEndsIt) {
    spawn(Vec(0, 0), 0.4, 0);
    int updates = 0;
    while (!world.list(Tags::DYNA).empty() && updates < 100) {
        step(0.017);  // the game's step
        ++updates;
    }
    EXPECT_EQ(updates, 24);
    EXPECT_TRUE(world.list(Tags::RNDR).empty());
}

TEST_F(ParticleTest, ZeroLifeDrawsNothingAndIsDiscardedInTheFirstUpdate) {
    Particle* p = spawn(Vec(0, 0), 0, 0);
    ALLEGRO_BITMAP* canvas = target(200, 200, al_map_rgb(0, 0, 0));
    p->render();
    expectPixel(canvas, 101, 101, 0, 0, 0);
    step(0.017);
    EXPECT_TRUE(world.list(Tags::ENTT).empty());
}

TEST_F(ParticleTest, FadesLinearlyAndRestoresTheBlender) {
    Particle* p = spawn(Vec(0, 0), 1.0, 0);
    ALLEGRO_BITMAP* canvas = target(200, 200, al_map_rgb(0, 0, 0));
    p->render();
    expectPixel(canvas, 101, 101, 255, 255, 255);
    step(0.5);
    canvas = target(200, 200, al_map_rgb(0, 0, 0));
    p->render();
    expectPixel(canvas, 101, 101, 127, 127, 127, 2);
    ALLEGRO_COLOR tint = Draw::tint();
    EXPECT_EQ(tint.a, 1.0f);
}

TEST_F(ParticleTest, GlowAddsToWhatIsBehind) {
    Particle* glow = spawn(Vec(0, 0), 1.0, 0, Draw::ONE);
    step(0.5);
    ALLEGRO_BITMAP* canvas = target(200, 200, al_map_rgb(100, 0, 0));
    glow->render();
    expectPixel(canvas, 101, 101, 227, 127, 127, 2);
}

TEST_F(ParticleTest, DrawnAboveTheLevelAndNeverSaved) {
    Particle* p = spawn(Vec(0, 0), 1, 0);
    EXPECT_EQ(p->order(Tags::RNDR), 80);
    EXPECT_STREQ(p->code(), "XX");
    EXPECT_EQ(p->clone(), nullptr);
    EXPECT_EQ(world.list(Tags::DYNA).size(), 1u);
}

} // namespace
