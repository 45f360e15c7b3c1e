#include "entities/Avatar.h"
#include "entities/Bag.h"
#include "progress/Config.h"
#include "support/AllegroFixture.h"
#include "support/Scenario.h"
#include "world/Game.h"
#include "world/Tile.h"

namespace {

const std::string FLOOR(40, '0');

// A ground floor at row 25 with a ledge ending at column 19 on row 20.
const std::vector<std::string> LEDGE = {
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
    "..........@",
    "00000000000000000000",
    "", "", "", "",
    FLOOR,
};

struct AvatarTest : AllegroTest {
    // The first step at which the avatar is airborne, running right from the ledge.
    int stepLeavingLedge() {
        Scenario scenario(scratchFolder(), LEDGE);
        scenario.start("100 right");
        for (int step = 1; step < 100; ++step) {
            scenario.step();
            if (scenario.avatar()->state == Avatar::State::AIRBORNE)
                return step;
        }
        return -1;
    }
};

TEST_F(AvatarTest, StandsOnTheFloorAndRunsAtTwoHundredPixelsASecond) {
    Scenario scenario(scratchFolder(), LEDGE);
    scenario.start("10\n10 right");
    scenario.step(10);
    EXPECT_EQ(scenario.avatar()->state, Avatar::State::STANDING);
    EXPECT_DOUBLE_EQ(scenario.avatar()->y(), 380);
    scenario.step(10);
    EXPECT_EQ(scenario.avatar()->state, Avatar::State::RUNNING);
    EXPECT_NEAR(scenario.avatar()->x(), 200 + 10 * 200 * 0.017, 1e-9);
    EXPECT_NEAR(Game::sGame->pixelsTraversed, 10 * 200 * 0.017, 1e-9);
}

TEST_F(AvatarTest, JumpJustAfterRunningOffALedgeIsAFullJumpThatKeepsTheDoubleJump) {
    int leaving = stepLeavingLedge();
    ASSERT_GT(leaving, 0);
    Scenario scenario(scratchFolder(), LEDGE);
    scenario.start(std::to_string(leaving) + " right\n1 right jump\n5 right\n1 right jump");
    scenario.step(leaving);
    Avatar* avatar = scenario.avatar();
    // It left at 30 px/s with 0.04 s of grace, then steered and spent one step of both.
    EXPECT_NEAR(avatar->velocity.x, 30 + (400 + 4 * 30) * 0.017, 1e-9);
    EXPECT_NEAR(avatar->jumpGrace, 0.04 - 0.017, 1e-12);
    scenario.step();
    EXPECT_DOUBLE_EQ(avatar->velocity.y, -270);
    EXPECT_DOUBLE_EQ(avatar->velocity.x, 111);
    EXPECT_TRUE(avatar->canDoubleJump);
    scenario.step(6);
    EXPECT_FALSE(avatar->canDoubleJump);
    EXPECT_NEAR(avatar->velocity.y, -162, 1e-9);
    EXPECT_EQ(Game::sGame->jumps, 1);
    EXPECT_EQ(Game::sGame->doubleJumps, 1);
}

TEST_F(AvatarTest, AfterTheGraceTheSameKeyIsTheDoubleJump) {
    int leaving = stepLeavingLedge();
    Scenario scenario(scratchFolder(), LEDGE);
    scenario.start(std::to_string(leaving + 2) + " right\n1 right jump");
    scenario.step(leaving + 3);
    EXPECT_FALSE(scenario.avatar()->canDoubleJump);
    EXPECT_NEAR(scenario.avatar()->velocity.y, -162, 1e-9);
}

TEST_F(AvatarTest, CarryingLowersBothJumps) {
    Scenario scenario(scratchFolder(), {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        "", "", "", "", ".....@", FLOOR},
                      "bag 5 24\n");
    scenario.start("3\n1 down\n1 down toss\n2\n1 jump\n5\n1 jump");
    scenario.step(5);
    Avatar* avatar = scenario.avatar();
    ASSERT_NE(avatar->carried, nullptr);
    scenario.step(3);
    EXPECT_DOUBLE_EQ(avatar->velocity.y, -100);
    scenario.step(6);
    EXPECT_NEAR(avatar->velocity.y, -60, 1e-9);
}

// The airborne avatar's vx one step after it is set to `vx` with `keys` held.
double steered(const std::string& folder, double vx, const std::string& keys) {
    Scenario scenario(folder, {"....@"});
    scenario.start("1\n1 " + keys);
    scenario.step();
    scenario.avatar()->velocity.x = vx;
    scenario.step();
    return scenario.avatar()->velocity.x;
}

TEST_F(AvatarTest, AirSteeringAgainstTheMotionBrakesHarderEitherWayAndSlowDriftIsKept) {
    const double dt = 0.017;
    struct Case {
        double vx;
        const char* keys;
        double expected;
    } cases[] = {
        {100, "left", 100 - (800 + 400) * dt},
        {-100, "right", -100 + (800 + 400) * dt},
        {100, "right", 100 + (400 + 400) * dt},
        {-100, "left", -100 - (400 + 400) * dt},
        {0, "right", 400 * dt},
        {0, "left", -400 * dt},
        {190, "right", 200},
        {-190, "left", -200},
        {120, "left right", 120 * (1 - dt)},
        {-120, "", -120 * (1 - dt)},
        {50, "", 50},
        {-50, "", -50},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(steered(scratchFolder(), c.vx, c.keys), c.expected, 1e-9) << c.vx << " with " << c.keys;
}

TEST_F(AvatarTest, FallsNoFasterThanFourHundredAndDiesOnceBelowTheScreen) {
    Scenario scenario(scratchFolder(), {"....@"});
    int deaths = Config::get().deaths;
    scenario.start("200");
    double fastest = 0;
    Avatar* avatar = scenario.avatar();
    for (int i = 0; i < 200 && avatar->status == Avatar::Status::PLAYING; ++i) {
        scenario.step();
        fastest = std::max(fastest, avatar->velocity.y);
    }
    EXPECT_EQ(fastest, 400);
    EXPECT_EQ(avatar->status, Avatar::Status::DEAD);
    EXPECT_EQ(avatar->reason, "fell of the face of the world");
    EXPECT_EQ(Config::get().deaths, deaths + 1);
    double elapsed = Game::sGame->elapsedTime;
    Vec where = avatar->pos();
    scenario.step(5);
    EXPECT_EQ(Config::get().deaths, deaths + 1);
    EXPECT_EQ(Game::sGame->elapsedTime, elapsed) << "the clock stops at the death";
    EXPECT_EQ(avatar->y(), where.y);
}

TEST_F(AvatarTest, AWallAppearingOnTheAvatarCrushesIt) {
    std::vector<std::string> rows(25);
    rows[24] = ".....A";  // group 10 starts absent
    rows.push_back(FLOOR);
    Scenario scenario(scratchFolder(), rows, "avatar 5 24\n");
    scenario.start("10");
    scenario.step(2);
    EXPECT_EQ(scenario.avatar()->status, Avatar::Status::PLAYING);
    Tile::setPresent(10, true);
    scenario.step();
    EXPECT_EQ(scenario.avatar()->status, Avatar::Status::DEAD);
    EXPECT_EQ(scenario.avatar()->reason, "were crushed by a hunk of wall");
}

// Whether the ducking avatar at x = 100 picks up a resting bag moved to `bagX`.
bool picksUp(const std::string& folder, double bagX) {
    std::vector<std::string> rows(24);
    rows.push_back(".....@");
    rows.push_back(FLOOR);
    Scenario scenario(folder, rows, "bag 5 24\n");
    scenario.start("2\n1 down\n1 down toss");
    scenario.step(2);
    Entity* bag = scenario.session().world.list(Tags::GRBG).front();
    bag->setX(bagX);
    scenario.step(2);
    return scenario.avatar()->carried == bag;
}

TEST_F(AvatarTest, PicksUpUnderItsCentreOrEitherEdgeAtMidHeight) {
    // The bag's box spans x + 2 to x + 17; the avatar probes 110, 118 and 102.
    EXPECT_TRUE(picksUp(scratchFolder(), 100));
    EXPECT_TRUE(picksUp(scratchFolder(), 116));  // only the right probe, 118, is inside
    EXPECT_TRUE(picksUp(scratchFolder(), 86));   // only the left probe, 102, is inside
    EXPECT_FALSE(picksUp(scratchFolder(), 117));
    EXPECT_FALSE(picksUp(scratchFolder(), 85));  // the box's right edge is outside it
}

TEST_F(AvatarTest, AnAirborneBagCannotBePickedUp) {
    std::vector<std::string> rows(24);
    rows.push_back(".....@");
    rows.push_back(FLOOR);
    Scenario scenario(scratchFolder(), rows, "bag 5 24\n");
    scenario.start("1 down\n1 down toss");
    scenario.step();
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    bag->state = Carryable::AIRBORNE;  // the avatar updates first, so it sees the bag in flight
    scenario.step();
    EXPECT_EQ(scenario.avatar()->carried, nullptr);
}

// The throw's velocity after picking a bag up and then doing `then`.
Vec thrown(const std::string& folder, const std::string& then) {
    std::vector<std::string> rows(24);
    rows.push_back("..........@");
    rows.push_back(FLOOR);
    Scenario scenario(folder, rows, "bag 10 24\n");
    scenario.start("2\n1 down\n1 down toss\n1\n" + then);
    scenario.play().play();
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    EXPECT_EQ(bag->state, Carryable::AIRBORNE) << then;
    EXPECT_EQ(scenario.avatar()->carried, nullptr);
    EXPECT_EQ(Game::sGame->throws, 1) << then;
    return bag->velocity();
}

TEST_F(AvatarTest, ThrowsDependOnWhatTheAvatarIsDoing) {
    Vec running = thrown(scratchFolder(), "2 right\n1 right toss");
    EXPECT_EQ(running.x, 300);
    Vec high = thrown(scratchFolder(), "1 up toss");
    EXPECT_EQ(high.x, -100);  // still facing left, as it started
    Vec standing = thrown(scratchFolder(), "1 toss");
    EXPECT_EQ(standing.x, -200);
    Vec airborne = thrown(scratchFolder(), "1 jump\n2\n1 toss");
    EXPECT_EQ(airborne.x, -200);
}

TEST_F(AvatarTest, DuckingAndTossingInOneStepDropsTheBagConsistently) {
    std::vector<std::string> rows(24);
    rows.push_back("..........@");
    rows.push_back(FLOOR);
    Scenario scenario(scratchFolder(), rows, "bag 10 24\n");
    scenario.start("2\n1 down\n1 down toss\n1\n1 down toss");
    scenario.step(6);
    Bag* bag = static_cast<Bag*>(scenario.session().world.list(Tags::GRBG).front());
    EXPECT_EQ(scenario.avatar()->carried, nullptr);
    EXPECT_EQ(bag->carrier, nullptr);
    EXPECT_NE(bag->state, Carryable::CARRIED);
    EXPECT_EQ(Game::sGame->throws, 0);
}

TEST_F(AvatarTest, ALevelWithoutContainersIsNeverWon) {
    Scenario scenario(scratchFolder(), {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                                        "", "", "", "", "", ".....@", FLOOR});
    scenario.start("50 right");
    EXPECT_EQ(scenario.play().play().status, Avatar::Status::PLAYING);
}

} // namespace
