#include "entities/Avatar.h"
#include "entities/Bag.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"

namespace {

const std::string FLOOR(40, '0');

std::vector<std::string> rowsWith(int row, const std::string& line) {
    std::vector<std::string> rows(30);
    rows[row] = line;
    return rows;
}

struct BagTest : AllegroTest {
    Bag* bagOf(Scenario& scenario) {
        return static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    }
};

// One tile under x = 100 to 120; a bag at x has support points at x + 10, x + 5 and x + 15.
bool restsAt(const std::string& folder, double x) {
    Scenario scenario(folder, rowsWith(25, ".....0"), "bag 5 24\n");
    scenario.start("5");
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    bag->setX(x);
    scenario.step(5);
    return bag->state == Carryable::RESTING && bag->y() == 480;
}

TEST_F(BagTest, RestsWhileAnyOfItsThreeSupportPointsIsOverATile) {
    EXPECT_TRUE(restsAt(scratchFolder(), 100));
    EXPECT_TRUE(restsAt(scratchFolder(), 112)) << "only the left point, 117, is over the tile";
    EXPECT_TRUE(restsAt(scratchFolder(), 88)) << "only the right point, 103, is over the tile";
    EXPECT_FALSE(restsAt(scratchFolder(), 115));
    EXPECT_FALSE(restsAt(scratchFolder(), 84));
}

TEST_F(BagTest, FallsAtMostSixHundredPixelsASecond) {
    Scenario scenario(scratchFolder(), {}, "bag 5 0\n");
    scenario.start("70");
    Bag* bag = bagOf(scenario);
    scenario.step(58);
    EXPECT_NEAR(bag->velocity().y, 58 * 600 * 0.017, 1e-6);
    scenario.step(2);
    EXPECT_EQ(bag->velocity().y, 600);
    EXPECT_EQ(bag->state, Carryable::AIRBORNE);
}

TEST_F(BagTest, MeetingAFloorWhileRisingPushesItOutButKeepsItFlying) {
    Scenario scenario(scratchFolder(), rowsWith(10, ".....0"), "bag 5 9\n");
    scenario.start("1");
    Bag* bag = bagOf(scenario);
    bag->state = Carryable::AIRBORNE;
    bag->setY(185);  // five pixels into the tile below
    bag->toss(Vec(0, -50));
    scenario.step();
    EXPECT_EQ(bag->state, Carryable::AIRBORNE);
}

TEST_F(BagTest, AThrownBagStopsDeadAtAWallAndDropsStraightDown) {
    std::vector<std::string> rows(30);
    for (int row = 10; row < 25; ++row)
        rows[row] = "..........0";
    rows[25] = FLOOR;
    Scenario scenario(scratchFolder(), rows, "bag 7 20\n");
    scenario.start("100");
    Bag* bag = bagOf(scenario);
    bag->toss(Vec(300, 0));
    scenario.step(12);
    EXPECT_EQ(bag->velocity().x, 0);
    double wallX = bag->x();
    EXPECT_LE(wallX + 17, 201) << "pushed out of the wall at x = 200";
    scenario.play().play();
    EXPECT_EQ(bag->x(), wallX);
    EXPECT_EQ(bag->state, Carryable::RESTING);
    EXPECT_EQ(bag->y(), 480);
}

// Landing keeps the throw's speed; a bag picked up again and dropped must only fall.
TEST_F(BagTest, ADroppedBagFallsStraightWhateverItsLastThrowWas) {
    std::vector<std::string> rows = rowsWith(25, FLOOR);
    rows[24] = "..........@";
    Scenario scenario(scratchFolder(), rows, "bag 10 24\n");
    scenario.start("2\n1 down\n1 down toss\n1\n3 right\n1 right toss\n60\n"
                   "5 down\n1 down toss\n5\n1 down toss\n40");
    Bag* bag = bagOf(scenario);
    scenario.step(69);  // thrown running, landed
    ASSERT_EQ(bag->state, Carryable::RESTING);
    EXPECT_GT(bag->velocity().x, 0) << "landing keeps the speed";
    scenario.avatar()->setX(bag->x());  // walked over to it
    scenario.step(6);
    ASSERT_EQ(bag->state, Carryable::CARRIED);
    double x = bag->x();
    scenario.step(46);  // dropped and fallen
    EXPECT_EQ(bag->state, Carryable::RESTING);
    EXPECT_EQ(bag->x(), x);
}

} // namespace
