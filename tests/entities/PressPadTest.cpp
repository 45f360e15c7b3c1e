#include "entities/Avatar.h"
#include "entities/PressPad.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/Tile.h"

namespace {

const std::string FLOOR(40, '0');

// The avatar stands at x = 200 on the floor of row 25; a pad lies two cells to its right.
struct PressPadTest : AllegroTest {
    std::unique_ptr<Scenario> scenario;

    void build(const std::string& pad, const std::string& row24 = "..........@") {
        std::vector<std::string> rows(30);
        rows[24] = row24;
        rows[25] = FLOOR;
        scenario.reset(new Scenario(scratchFolder(), rows, pad));
    }
    PressPad* pad() { return static_cast<PressPad*>(scenario->session().world.list(Tags::PRPD).front()); }
};

TEST_F(PressPadTest, PadStoredOnHoldsItsTilesUntilSomethingStandsOnItAndGivesThemBack) {
    build("presspad 12 24 1 on\n");
    scenario->start("1\n12 right\n30 left");
    scenario->step();
    EXPECT_TRUE(Tile::present(1));
    EXPECT_FALSE(pad()->pressed);
    scenario->step(12);  // x = 240.8: every foot probe inside the pad's cell
    EXPECT_TRUE(pad()->pressed);
    EXPECT_FALSE(Tile::present(1));
    scenario->step(30);
    EXPECT_FALSE(pad()->pressed);
    EXPECT_TRUE(Tile::present(1));
}

TEST_F(PressPadTest, PadStoredOffKeepsItsTilesAwayUntilPressed) {
    build("presspad 12 24 1 off\n");
    scenario->start("1\n12 right");
    scenario->step();
    EXPECT_FALSE(Tile::present(1));
    scenario->step(12);
    EXPECT_TRUE(Tile::present(1));
}

TEST_F(PressPadTest, FeetJustBeforeThePadCellDoNotPressIt) {
    // The foremost probe is x + 15: it reaches the pad at x = 225.
    build("presspad 12 24 1 on\n");
    scenario->start("1\n200 right");
    scenario->step();
    Avatar* avatar = scenario->avatar();
    while (avatar->x() + 15 < 240) {
        EXPECT_FALSE(pad()->pressed) << avatar->x();
        scenario->step();
    }
    scenario->step();
    EXPECT_TRUE(pad()->pressed);
}

TEST_F(PressPadTest, ABaddieWalkingAcrossPressesItOnlyWhileItsFeetAreOnIt) {
    build("presspad 12 24 1 off\nbaddie 12 24 tame\n", "");
    scenario->start("200");
    int pressedSteps = 0;
    bool releasedAfter = false;
    for (int i = 0; i < 200; ++i) {
        scenario->step();
        if (pad()->pressed)
            ++pressedSteps;
        else if (pressedSteps > 0)
            releasedAfter = true;
        EXPECT_EQ(Tile::present(1), pad()->pressed);
    }
    EXPECT_GT(pressedSteps, 0);
    EXPECT_TRUE(releasedAfter);
}

TEST_F(PressPadTest, BoxIsTheBottomSixPixelsOfTheCell) {
    PressPad pad(0, false);
    pad.setPos(Vec(40, 60));
    Rect box = pad.bbox();
    EXPECT_EQ(box.x1, 40);
    EXPECT_EQ(box.y1, 74);
    EXPECT_EQ(box.x2, 60);
    EXPECT_EQ(box.y2, 80);
}

} // namespace
