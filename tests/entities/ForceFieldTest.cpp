#include "entities/Avatar.h"
#include "entities/Bag.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/World.h"

namespace {

const std::string FLOOR(40, '0');

struct ForceFieldTest : AllegroTest {
    std::unique_ptr<Scenario> scenario;

    Avatar* play(const std::string& row23, const std::string& row24, const std::string& script, int steps) {
        std::vector<std::string> rows(30);
        rows[23] = row23;
        rows[24] = row24;
        rows[25] = FLOOR;
        scenario.reset(new Scenario(scratchFolder(), rows));
        scenario->start(script);
        scenario->step(steps);
        return scenario->avatar();
    }
};

TEST_F(ForceFieldTest, RunningIntoAHorizontalBeamBakesTheAvatar) {
    Avatar* avatar = play("", "..........@.-", "60 right", 60);
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
    EXPECT_EQ(avatar->reason, "got baked by a force field");
    // The beam's left end (x = 240) is the first point the box reaches.
    EXPECT_GT(avatar->x() + 19, 240);
    EXPECT_LT(avatar->x() + 19, 240 + 200 * 0.017 + 1e-9);
}

TEST_F(ForceFieldTest, ABeamOverheadIsHarmlessUntilTheAvatarJumpsIntoIt) {
    Avatar* avatar = play("..........-", "..........@", "30", 30);
    EXPECT_EQ(avatar->status, Avatar::Status::PLAYING);
    avatar = play("..........-", "..........@", "1 jump\n30", 31);
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
}

TEST_F(ForceFieldTest, AVerticalBeamKillsAtItsLowerEnd) {
    // The beam fills row 23 from y = 460 to its end point at y = 480; the avatar's box begins at
    // y + 2, so it must rise 3 pixels to reach it.
    Avatar* avatar = play("..........|", "..........@", "30", 30);
    EXPECT_EQ(avatar->status, Avatar::Status::PLAYING);
    avatar = play("..........|", "..........@", "1 jump\n5", 6);
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
}

TEST_F(ForceFieldTest, ABagThrownThroughABeamKeepsFlying) {
    std::vector<std::string> rows(30);
    rows[23] = "..............|";
    rows[24] = "..........@...|";
    rows[25] = FLOOR;
    scenario.reset(new Scenario(scratchFolder(), rows, "bag 10 24\n"));
    scenario->start("2\n1 down\n1 down toss\n1\n2 right\n1 right toss\n80");
    scenario->step(88);
    EXPECT_EQ(scenario->avatar()->status, Avatar::Status::PLAYING);
    World::List& bags = scenario->session().world.list(Tags::GRBG);
    ASSERT_EQ(bags.size(), 1u);
    EXPECT_GT(bags.front()->x(), 300);  // landed beyond the beam at x = 280
}

} // namespace
