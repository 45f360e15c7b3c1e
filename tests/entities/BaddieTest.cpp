#include "entities/Avatar.h"
#include "entities/Baddie.h"
#include "entities/Bag.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/Tile.h"

namespace {

const std::string FLOOR(40, '0');

struct BaddieTest : AllegroTest {
    static Baddie* baddieOf(Scenario& scenario) {
        return static_cast<Baddie*>(scenario.session().world.list(Tags::BADD).front());
    }
    static std::vector<std::string> floorAt25(const std::string& row24 = "", const std::string& row25 = FLOOR) {
        std::vector<std::string> rows(30);
        rows[24] = row24;
        rows[25] = row25;
        return rows;
    }
};

TEST_F(BaddieTest, WalksAtSeventyAndTurnsWhenItsLeadingFootLeavesTheLedge) {
    // A ledge from x = 100 to 200; the baddie starts at x = 140 facing left.
    Scenario scenario(scratchFolder(), floorAt25("", ".....00000"), "baddie 7 24 tame\n");
    scenario.start("400");
    Baddie* baddie = baddieOf(scenario);
    double leftmost = baddie->x(), rightmost = baddie->x();
    for (int i = 0; i < 400; ++i) {
        scenario.step();
        leftmost = std::min(leftmost, baddie->x());
        rightmost = std::max(rightmost, baddie->x());
        ASSERT_EQ(baddie->state, Carryable::RESTING) << "step " << i;
    }
    // Walking left it turns once x + 1 < 100; walking right once x + 19 >= 200.
    EXPECT_NEAR(leftmost, 99 - 70 * 0.017, 70 * 0.017);
    EXPECT_NEAR(rightmost, 181 + 70 * 0.017, 70 * 0.017);
}

TEST_F(BaddieTest, FallsForwardWhenTheFloorVanishesAndLandsFacingThatWay) {
    std::vector<std::string> rows = floorAt25();
    rows[20] = ".....AAAAA";
    Scenario scenario(scratchFolder(), rows, "baddie 7 19 tame\n");
    scenario.start("2\n200");
    Tile::setPresent(10, true);  // a group that starts absent, switched on as a lever would
    Baddie* baddie = baddieOf(scenario);
    scenario.step(2);
    ASSERT_EQ(baddie->state, Carryable::RESTING);
    bool facedLeft = !baddie->facingRight;
    Tile::setPresent(10, false);
    scenario.step();
    EXPECT_EQ(baddie->state, Carryable::AIRBORNE);
    EXPECT_EQ(baddie->velocity().x, facedLeft ? -70 : 70);
    while (baddie->state == Carryable::AIRBORNE)
        scenario.step();
    EXPECT_EQ(baddie->facingRight, !facedLeft);
    EXPECT_EQ(baddie->y(), 480);
}

TEST_F(BaddieTest, HittingAWallInTheAirLeavesItFacingRight) {
    std::vector<std::string> rows = floorAt25();
    for (int row = 15; row < 25; ++row)
        rows[row] = "....0";
    Scenario scenario(scratchFolder(), rows, "baddie 6 18 tame\n");
    scenario.start("100");
    Baddie* baddie = baddieOf(scenario);
    baddie->toss(Vec(-200, 0));
    scenario.step(10);
    EXPECT_EQ(baddie->velocity().x, 0);
    EXPECT_TRUE(baddie->facingRight);
}

TEST_F(BaddieTest, TameBaddieShovesARestingBagAheadAndTurnsWhenItWouldHitAWall) {
    Scenario scenario(scratchFolder(), floorAt25("0"), "baddie 6 24 tame\nbag 5 24\n");
    scenario.start("200");
    Baddie* baddie = baddieOf(scenario);
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    double bagStart = bag->x();
    scenario.step(20);
    EXPECT_LT(bag->x(), bagStart) << "pushed left, the way the baddie walks";
    for (int i = 0; i < 60 && !baddie->facingRight; ++i)
        scenario.step();
    EXPECT_TRUE(baddie->facingRight) << "turned back at the bag against the wall";
    EXPECT_GE(bag->x(), 20 - 2);
    double stopped = bag->x();
    scenario.step(30);
    EXPECT_EQ(bag->x(), stopped) << "a bag behind it is left alone";
}

TEST_F(BaddieTest, FeralBaddieKillsAtEdgeContact) {
    // Avatar box x + 1 .. x + 19; baddie box x + 2 .. x + 17: at 18 px apart the edges meet.
    Scenario scenario(scratchFolder(), floorAt25(), "avatar 5 24\nbaddie 30 24 feral\n");
    scenario.start("3");
    Baddie* baddie = baddieOf(scenario);
    Avatar* avatar = scenario.avatar();
    scenario.step();
    baddie->setX(avatar->x() + 19 - 2 + 70 * 0.017);  // its next step brings the edges together
    baddie->facingRight = false;
    scenario.step();
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
    EXPECT_EQ(avatar->reason, "have become a snack for a feral baddie.");
}

TEST_F(BaddieTest, FeralBaddieDestroysACarriedBagAndTheAvatarLetsGoFirst) {
    Scenario scenario(scratchFolder(), floorAt25(".........@"), "bag 9 24\nbaddie 30 24 feral\n");
    scenario.start("1 down\n1 down toss\n1\n3");
    scenario.step(3);
    Avatar* avatar = scenario.avatar();
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    ASSERT_EQ(avatar->carried, bag);
    size_t drawn = scenario.session().world.list(Tags::RNDR).size();
    baddieOf(scenario)->setPos(bag->pos());
    scenario.step();
    EXPECT_EQ(avatar->carried, nullptr);
    EXPECT_TRUE(scenario.session().world.list(Tags::GRBG).empty());
    EXPECT_EQ(scenario.session().world.list(Tags::RNDR).size(), drawn - 1 + 20) << "the bag gone, twenty puffs";
    EXPECT_EQ(avatar->status, Avatar::Status::PLAYING);
}

} // namespace
