#include "assets/Draw.h"
#include "entities/Particle.h"
#include "entities/Stage.h"

namespace {

using EffectsTest = StageTest;

// Each update moves a particle, then takes its drag's share off its speed. Drawn above the level, it
// goes after the update that ends its life, at once if it has none.
TEST_F(EffectsTest, AParticleMovesSlowsAndGoesAfterItsLife) {
    auto spawn = [&](Vec velocity, double life, double drag) {
        return place(new Particle("media/glow.png", Vec(0, 0), velocity, life, drag, Draw::ONE), 100, 100);
    };
    Particle* spark = spawn(Vec(100, -50), 0.4, 0.1);
    spawn(Vec(0, 0), 0, 0);
    EXPECT_EQ(spark->order(Tags::RNDR), 80) << "drawn above the level";
    update();
    EXPECT_EQ(bare->list(Tags::DYNA), World::List{spark}) << "one without a life goes at once";
    EXPECT_DOUBLE_EQ(spark->x(), 100 + 100 * DT);
    EXPECT_DOUBLE_EQ(spark->velocity.x, 90) << "a tenth of its speed gone";
    int updates = 1;
    for (; !bare->list(Tags::DYNA).empty() && updates < 100; ++updates)
        update();
    EXPECT_EQ(updates, 24) << "0.4 s of life";
}

}  // namespace
