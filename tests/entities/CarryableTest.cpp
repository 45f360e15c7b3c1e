#include "assets/Draw.h"
#include "assets/Sheet.h"
#include "entities/Baddie.h"
#include "entities/Bag.h"
#include "entities/Container.h"
#include "entities/Stage.h"

namespace {

using CarryableTest = StageTest;
const double DT = 0.017;

// One tile under x = 100..120; a bag at x stands on the points x + 5, x + 10 and x + 15.
TEST_F(CarryableTest, ABagRestsWhileAnyOfItsThreeSupportPointsIsOverATile) {
    struct Case {
        const char* name;
        double x;
        bool rests;
    };
    const Case cases[] = {{"centred", 100, true},
                          {"with only its left point over", 112, true},
                          {"with only its right point over", 88, true},
                          {"just past the tile's right edge", 115, false},
                          {"just short of its left edge", 84, false}};
    for (const Case& c : cases) {
        stage({}, "bag 5 24\n", "5", ".....0");
        Bag* bag = first<Bag>(Tags::GRBG);
        bag->setX(c.x);
        step(5);
        EXPECT_EQ(bag->state == Carryable::RESTING && bag->y() == 480, c.rests) << c.name;
    }
}

// Only a bag falling lands on a floor: one rising into it is pushed out and keeps flying.
TEST_F(CarryableTest, ABagFallsAtMostSixHundredPixelsASecondAndLandsOnlyWhileFalling) {
    stage({{10, ".....0"}}, "bag 5 9\nbag 20 0\n", "70");
    Bag* rising = first<Bag>(Tags::GRBG);
    Bag* falling = static_cast<Bag*>(world().list(Tags::GRBG).back());
    rising->setY(185);  // five pixels into the tile below
    rising->toss(Vec(0, -50));
    step();
    EXPECT_EQ(rising->state, Carryable::AIRBORNE);
    step(57);
    EXPECT_NEAR(falling->velocity().y, 58 * 600 * DT, 1e-6);
    step(2);
    EXPECT_EQ(falling->velocity().y, 600);
}

// Landing keeps the throw's speed; picked up again and dropped, the bag must only fall.
TEST_F(CarryableTest, ADroppedBagFallsStraightWhateverItsLastThrowWas) {
    stage({{24, "..........@"}}, "bag 10 24\n",
          "2\n1 down\n1 down toss\n1\n3 right\n1 right toss\n60\n5 down\n1 down toss\n5\n1 down toss\n40");
    Bag* bag = first<Bag>(Tags::GRBG);
    step(69);
    ASSERT_EQ(bag->state, Carryable::RESTING);
    EXPECT_GT(bag->velocity().x, 0);
    avatar()->setX(bag->x());  // walked over to it
    step(6);
    ASSERT_EQ(bag->state, Carryable::CARRIED);
    double x = bag->x();
    step(46);
    EXPECT_EQ(bag->state, Carryable::RESTING);
    EXPECT_EQ(bag->x(), x);
}

// A carried bag is let go before the baddie destroys it in twenty puffs. The avatar's box is x + 1 ..
// x + 19, the baddie's x + 2 .. x + 17: their edges meeting is death.
TEST_F(CarryableTest, AFeralBaddieDestroysBagsEvenCarriedAndKillsAtEdgeContact) {
    stage({{24, ".........@"}}, "bag 9 24\nbaddie 30 24 feral\n", "1 down\n1 down toss\n1\n10");
    step(3);
    Bag* bag = first<Bag>(Tags::GRBG);
    Baddie* baddie = first<Baddie>(Tags::BADD);
    ASSERT_EQ(avatar()->carried, bag);
    size_t drawn = world().list(Tags::RNDR).size();
    baddie->setPos(bag->pos());
    step();
    EXPECT_EQ(avatar()->carried, nullptr);
    EXPECT_TRUE(world().list(Tags::GRBG).empty());
    EXPECT_EQ(world().list(Tags::RNDR).size(), drawn - 1 + 20);
    baddie->setPos(Vec(avatar()->x() + 19 - 2 + 70 * DT, avatar()->y()));  // its next step brings the edges together
    baddie->facingRight = false;
    EXPECT_EQ(avatar()->status, Avatar::Status::PLAYING);
    step();
    EXPECT_EQ(avatar()->reason, "have become a snack for a feral baddie.");
}

// Its facing follows its speed in the air: a wall stopping it leaves it facing right.
TEST_F(CarryableTest, ABaddieThrownAgainstAWallIsLeftFacingRight) {
    std::map<int, std::string> wall;
    for (int row = 15; row < 25; ++row)
        wall[row] = "....0";
    stage(wall, "baddie 6 18 tame\n", "100");
    Baddie* baddie = first<Baddie>(Tags::BADD);
    baddie->toss(Vec(-200, 0));
    step(10);
    EXPECT_EQ(baddie->velocity().x, 0);
    EXPECT_TRUE(baddie->facingRight);
}

// Only the container is updated, so the bag keeps the state and path each case gives it; the test
// point is 10 across and 15 down from the bag's corner, the mouth 202..237 across and 480..490 down.
TEST_F(CarryableTest, AContainerSwallowsABagInFlightWhoseTestPointIsOrPassedInItsMouth) {
    struct Case {
        const char* name;
        int state;
        Vec from, to;
        bool swallowed;
    };
    const Case cases[] = {
        {"resting in the mouth", Carryable::RESTING, {200, 470}, {200, 470}, false},
        {"carried over it", Carryable::CARRIED, {200, 470}, {200, 470}, false},
        {"flying on its right edge", Carryable::AIRBORNE, {227, 470}, {227, 470}, false},
        {"flying on its left edge", Carryable::AIRBORNE, {192, 470}, {192, 470}, true},
        {"falling past it within one frame", Carryable::AIRBORNE, {200, 464.9}, {200, 475.1}, true},
        {"falling past beside it", Carryable::AIRBORNE, {150, 464.9}, {150, 475.1}, false},
    };
    for (const Case& c : cases) {
        World world;
        Container* bin = new Container(Vec(200, 480), 1);
        Bag* bag = new Bag();
        world.add(bin);
        world.add(bag);
        world.reindex();
        bag->state = c.state;
        bag->lastPos = c.from;
        bag->setPos(c.to);
        bin->update(DT);
        world.reindex();
        EXPECT_EQ(bin->count == 0, c.swallowed) << c.name;
        EXPECT_EQ(world.list(Tags::RNDR).size(), c.swallowed ? 1u + 40 : 2u) << "the bag gone, forty sparks";
    }
}

TEST_F(CarryableTest, OfTwoBagsInOneFrameOnlyTheFirstIsSwallowedWhenOneIsNeeded) {
    stage({}, "container 10 24 1\nbag 10 20\nbag 10 20\n", "40");
    step(40);
    EXPECT_EQ(first<Container>(Tags::CONT)->count, 0);
    ASSERT_EQ(world().list(Tags::GRBG).size(), 1u) << "the second falls on and rests";
    EXPECT_EQ(first<Bag>(Tags::GRBG)->state, Carryable::RESTING);
    EXPECT_EQ(world().list(Tags::RNDR).size(), 24 + world().list(Tags::TILE).size() + 2 + 40) << "one burst";
}

// On blue: frame 1 eight pixels up when satisfied, else frame 0 with the count in yellow.
TEST_F(CarryableTest, AContainerShowsTheCountStillNeededOrTheSatisfiedLook) {
    Container satisfied(Vec(20, 20), 0), twelve(Vec(20, 20), 12);
    auto differing = [&](auto drawExpected, auto drawSeen, bool yellowOnly) {
        ALLEGRO_BITMAP* expected = al_clone_bitmap(target(80, 60, al_map_rgb(0, 0, 255)));
        al_set_target_bitmap(expected);
        drawExpected();
        ALLEGRO_BITMAP* seen = target(80, 60, al_map_rgb(0, 0, 255));
        drawSeen();
        int count = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                unsigned char r, g, b, er, eg, eb;
                al_unmap_rgb(al_get_pixel(seen, x, y), &r, &g, &b);
                al_unmap_rgb(al_get_pixel(expected, x, y), &er, &eg, &eb);
                count += (r != er || g != eg || b != eb) && (!yellowOnly || (r > 200 && g > 200 && b < 60));
            }
        al_destroy_bitmap(expected);
        return count;
    };
    EXPECT_EQ(differing([&] { Draw::bitmap(satisfied.sheet->frames[1], 20, 12); }, [&] { satisfied.render(); }, false), 0);
    EXPECT_GT(differing([&] { Draw::bitmap(twelve.sheet->frames[0], 20, 12); }, [&] { twelve.render(); }, true), 10);
    EXPECT_EQ(Draw::tint().b, 1.0f) << "ordinary blending is restored";
}

} // namespace
