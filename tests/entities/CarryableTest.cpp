#include "entities/Baddie.h"
#include "entities/Bag.h"
#include "entities/Container.h"
#include "entities/Stage.h"

#include <tuple>

namespace {

using CarryableTest = StageTest;

// One tile under x = 100..120; a bag at x stands on the points x + 5, x + 10 and x + 15.
TEST_F(CarryableTest, ABagRestsWhileAnyOfItsThreeSupportPointsIsOverATile) {
    const std::tuple<const char*, double, bool> cases[] = {{"centred", 100, true},
                                                           {"with only its left point over", 112, true},
                                                           {"with only its right point over", 88, true},
                                                           {"just past the tile's right edge", 115, false},
                                                           {"just short of its left edge", 84, false}};
    for (const auto& [name, x, rests] : cases) {
        stage({}, "bag 5 24\n", "5", ".....0");
        Bag* bag = first<Bag>(Tags::GRBG);
        bag->setX(x);
        step(5);
        EXPECT_EQ(bag->state == Carryable::RESTING && bag->y() == 480, rests) << name;
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
    ASSERT_TRUE(bag->state == Carryable::RESTING && bag->velocity().x > 0);
    avatar()->setX(bag->x());  // walked over to it
    step(6);
    ASSERT_EQ(bag->state, Carryable::CARRIED);
    double x = bag->x();
    step(46);
    EXPECT_EQ(std::pair(bag->state, bag->x()), std::pair(int(Carryable::RESTING), x));
}

// A tame baddie walking from x = 200 pushes a resting bag it touches ahead of it, 18 px on; one level
// with it or behind stays. Offsets are from where the baddie's step takes it.
TEST_F(CarryableTest, ATameBaddiePushesARestingBagAheadOfIt) {
    const std::tuple<const char*, bool, double, double> cases[] = {
        {"ahead on the right", true, 5, 18},
        {"ahead on the left", false, -5, -18},
        {"level with it, facing right", true, 0, 0},
        {"behind it", true, -5, -5}};
    for (const auto& [name, right, from, to] : cases) {
        stage({}, "baddie 10 24 tame\nbag 10 24\n", "1");
        double walked = 200 + (right ? 70 : -70) * DT;
        first<Baddie>(Tags::BADD)->facingRight = right;
        first<Bag>(Tags::GRBG)->setX(walked + from);
        step();
        EXPECT_EQ(first<Baddie>(Tags::BADD)->x(), walked) << name;
        EXPECT_EQ(first<Bag>(Tags::GRBG)->x(), walked + to) << name;
    }
}

// A carried bag is let go before the baddie destroys it. The avatar's box is x + 1 ..
// x + 19, the baddie's x + 2 .. x + 17: their edges meeting is death.
TEST_F(CarryableTest, AFeralBaddieDestroysBagsEvenCarriedAndKillsAtEdgeContact) {
    stage({{24, ".........@"}}, "bag 9 24\nbaddie 30 24 feral\n", "1 down\n1 down toss\n1\n10");
    step(3);
    Baddie* baddie = first<Baddie>(Tags::BADD);
    ASSERT_EQ(avatar()->carried, first<Bag>(Tags::GRBG));
    baddie->setPos(avatar()->carried->pos());
    step();
    EXPECT_TRUE(!avatar()->carried && world().list(Tags::GRBG).empty() && avatar()->reason.empty());
    baddie->setPos(Vec(avatar()->x() + 19 - 2 + 70 * DT, avatar()->y()));  // edges meet after its step
    baddie->facingRight = false;
    step();
    EXPECT_EQ(avatar()->reason, "have become a snack for a feral baddie.");
}

// Only the container, needing one, is updated, so two bags keep the state and path each case gives
// them; the test point is 10 across and 15 down from a bag's corner, the mouth 202..237 across and
// 480..490 down.
TEST_F(CarryableTest, AContainerSwallowsABagInFlightWhoseTestPointIsOrPassedInItsMouth) {
    const std::tuple<const char*, int, Vec, Vec, bool> cases[] = {
        {"resting in the mouth", Carryable::RESTING, {200, 470}, {200, 470}, false},
        {"carried over it", Carryable::CARRIED, {200, 470}, {200, 470}, false},
        {"flying on its right edge", Carryable::AIRBORNE, {227, 470}, {227, 470}, false},
        {"flying on its left edge", Carryable::AIRBORNE, {192, 470}, {192, 470}, true},
        {"falling past it within one step", Carryable::AIRBORNE, {200, 464.9}, {200, 475.1}, true},
        {"falling past beside it", Carryable::AIRBORNE, {150, 464.9}, {150, 475.1}, false}};
    for (const auto& [name, state, from, to, swallowed] : cases) {
        clear();
        Container* bin = place(new Container(Vec(0, 0), 1), 200, 480);
        for (Bag* bag : {place(new Bag(), to.x, to.y), place(new Bag(), to.x, to.y)}) {
            bag->state = state;
            bag->lastPos = from;
        }
        update(bin);
        EXPECT_EQ(bin->count == 0, swallowed) << name;
        EXPECT_EQ(bare->list(Tags::GRBG).size(), swallowed ? 1u : 2u) << name << ": only one taken";
    }
}

}  // namespace
