#include "assets/Draw.h"
#include "entities/Avatar.h"
#include "entities/Garbage.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/Game.h"
#include "world/World.h"

#include <cmath>

namespace {

using GarbageTest = AllegroTest;

const std::string FLOOR(40, '0');

TEST_F(GarbageTest, IsCollectedWhenItsCellCentreIsInTheAvatarsBox) {
    std::vector<std::string> rows(30);
    rows[24] = "..@**";
    rows[25] = FLOOR;
    Scenario scenario(scratchFolder(), rows);
    scenario.start("2\n20 right");
    scenario.step(2);
    EXPECT_EQ(scenario.session().garbageTotal(), 2);
    EXPECT_EQ(Game::sGame->looseGarbage, 0);
    Avatar* avatar = scenario.avatar();
    avatar->setX(60 + 1);  // box 62..80 holds the first centre, 70, and not yet the second, 90
    scenario.step();
    EXPECT_EQ(Game::sGame->looseGarbage, 1.0);
    avatar->setX(65);  // 66..84: both centres would be inside, but the first is gone
    scenario.step();
    EXPECT_EQ(Game::sGame->looseGarbage, 1.0);
    avatar->setX(72);  // 73..91 holds 90
    scenario.step();
    EXPECT_EQ(Game::sGame->looseGarbage, 2.0);
    EXPECT_TRUE(scenario.session().world.list(Tags::LOOS).empty());
}

TEST_F(GarbageTest, TwoPiecesTakenInOneFrameCountTwoAndGlowSixtyTimes) {
    std::vector<std::string> rows(30);
    rows[24] = "..@";
    rows[25] = FLOOR;
    Scenario scenario(scratchFolder(), rows, "garbage 2 24\ngarbage 2 24\n");
    scenario.start("1");
    size_t before = scenario.session().world.list(Tags::RNDR).size();
    scenario.step();
    EXPECT_EQ(Game::sGame->looseGarbage, 2.0);
    EXPECT_EQ(scenario.session().world.list(Tags::RNDR).size(), before - 2 + 60);
}

TEST_F(GarbageTest, StaysWhereThereIsNoAvatar) {
    World world;
    world.add(new Garbage());
    world.reindex();
    for (int i = 0; i < 10; ++i) {
        for (Entity* entity : world.list(Tags::DYNA))
            entity->update(0.1);
        world.reindex();
    }
    EXPECT_EQ(world.list(Tags::LOOS).size(), 1u);
    EXPECT_EQ(world.list(Tags::RNDR).size(), 1u) << "no sparks";
}

// At clocks of whole fifths of pi the piece is not bobbed, so only the pulse differs.
TEST_F(GarbageTest, GlowsAtItsCellCentreOnlyEarlyInEachSecond) {
    const double pi = std::acos(-1.0);
    auto drawnAt = [&](double clock) {
        ALLEGRO_BITMAP* screen = target(40, 40, al_map_rgb(0, 0, 0));
        Garbage piece;
        piece.setPos(Vec(10, 10));
        piece.frame = 0;
        piece.clock = clock;
        piece.render();
        unsigned char centre[3], outside[3];
        al_unmap_rgb(al_get_pixel(screen, 20, 20), &centre[0], &centre[1], &centre[2]);
        al_unmap_rgb(al_get_pixel(screen, 26, 20), &outside[0], &outside[1], &outside[2]);
        return std::vector<int>{centre[0] + centre[1] + centre[2], outside[0] + outside[1] + outside[2]};
    };
    std::vector<int> dark = drawnAt(pi / 5);  // 0.63 s into the second: no pulse
    std::vector<int> lit = drawnAt(pi);       // 0.14 s in: a disc of radius 3.5
    EXPECT_GT(lit[0], dark[0]);
    EXPECT_EQ(lit[1], dark[1]) << "6 pixels out is beyond the disc";
    ALLEGRO_COLOR tint = Draw::tint();
    EXPECT_EQ(tint.a, 1.0f) << "ordinary blending is restored";
}

} // namespace
