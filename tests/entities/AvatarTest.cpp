#include "world/Game.h"
#include "entities/Bag.h"
#include "entities/Stage.h"
#include "progress/Config.h"
#include "world/Tile.h"

namespace {

using AvatarTest = StageTest;

// A ledge ending at x = 400 on row 20, the avatar on it at x = 200.
const std::map<int, std::string> LEDGE = {{19, "..........@"}, {20, std::string(20, '0')}};
const double DT = 0.017;

// Within 0.04 s of running off the ledge a jump is a full one and keeps the double jump; later the
// same key is the double jump.
TEST_F(AvatarTest, AJumpJustAfterRunningOffALedgeIsAFullJumpAndLaterTheDoubleJump) {
    stage(LEDGE, "", "100 right");
    step(10);
    EXPECT_NEAR(Game::sGame->pixelsTraversed, 10 * 200 * DT, 1e-9) << "run at 200 px/s";
    int leaving = 10;
    while (avatar()->state != Avatar::State::AIRBORNE && leaving < 100)
        step(), ++leaving;
    EXPECT_NEAR(avatar()->jumpGrace, 0.04 - DT, 1e-12);
    stage(LEDGE, "", std::to_string(leaving) + " right\n1 right jump\n5 right\n1 right jump");
    step(leaving + 1);
    EXPECT_DOUBLE_EQ(avatar()->velocity.y, -270);
    EXPECT_TRUE(avatar()->canDoubleJump);
    step(6);
    EXPECT_FALSE(avatar()->canDoubleJump);
    EXPECT_NEAR(avatar()->velocity.y, -162, 1e-9);
    EXPECT_EQ(Game::sGame->jumps, 1);
    EXPECT_EQ(Game::sGame->doubleJumps, 1);
    stage(LEDGE, "", std::to_string(leaving + 2) + " right\n1 right jump");
    step(leaving + 3);
    EXPECT_FALSE(avatar()->canDoubleJump);
    EXPECT_NEAR(avatar()->velocity.y, -162, 1e-9);
}

TEST_F(AvatarTest, FallsNoFasterThanFourHundredAndDiesOnceBelowTheScreen) {
    stage({{0, "....@"}}, "", "300", "");
    int deaths = Config::get().deaths;
    double fastest = 0;
    for (int i = 0; i < 300 && avatar()->y() < 590; ++i, step())
        fastest = std::max(fastest, avatar()->velocity.y);
    EXPECT_EQ(fastest, 400);
    avatar()->setY(600);
    step();
    EXPECT_EQ(avatar()->status, Avatar::Status::PLAYING) << "at 600 it is not below yet";
    step();
    EXPECT_EQ(avatar()->reason, "fell of the face of the world");
    double elapsed = Game::sGame->elapsedTime;
    step(5);
    EXPECT_EQ(Config::get().deaths, deaths + 1) << "counted once";
    EXPECT_EQ(Game::sGame->elapsedTime, elapsed) << "the clock stops at the death";
}

TEST_F(AvatarTest, AWallAppearingOnTheAvatarCrushesIt) {
    stage({{24, ".....A"}}, "avatar 5 24\n", "10");  // group 10 starts absent
    step(2);
    EXPECT_EQ(avatar()->status, Avatar::Status::PLAYING);
    Tile::setPresent(10, true);
    step();
    EXPECT_EQ(avatar()->reason, "were crushed by a hunk of wall");
}

// The ducking avatar at x = 100 probes 110, 118 and 102; a bag's box spans x + 2 to x + 17.
TEST_F(AvatarTest, PicksUpARestingBagUnderItsCentreOrEitherEdge) {
    const struct {
        const char* what;
        double bagX;
        int bagState;
        bool picked;
    } cases[] = {
        {"under the centre", 100, Carryable::RESTING, true},
        {"under only the right probe", 116, Carryable::RESTING, true},
        {"under only the left probe", 86, Carryable::RESTING, true},
        {"past the right probe", 117, Carryable::RESTING, false},
        {"past the left probe", 85, Carryable::RESTING, false},
        {"in flight", 100, Carryable::AIRBORNE, false},
    };
    for (const auto& c : cases) {
        stage({{24, ".....@"}}, "bag 5 24\n", "2\n1 down\n1 down toss");
        step(2);
        Bag* bag = first<Bag>(Tags::GRBG);
        bag->setX(c.bagX);
        bag->state = c.bagState;
        step(2);
        EXPECT_EQ(avatar()->carried == bag, c.picked) << c.what;
    }
}

// Ducking, the toss key drops what is carried rather than throwing it.
TEST_F(AvatarTest, ThrowsDependOnWhatTheAvatarIsDoing) {
    const struct {
        const char* what;
        const char* keys;
        double vx, vy;
        bool thrown;
    } cases[] = {
        {"running right", "2 right\n1 right toss", 300, -140, true},
        {"with up held, still facing left", "1 up toss", -100, -240, true},
        {"standing", "1 toss", -200, -100, true},
        {"in the air", "1 jump\n2\n1 toss", -200, -100, true},
        {"ducking", "1 down toss", 0, 0, false},
    };
    for (const auto& c : cases) {
        stage({{24, "..........@"}}, "bag 10 24\n", std::string("2\n1 down\n1 down toss\n1\n") + c.keys);
        scenario->play().play();
        Bag* bag = first<Bag>(Tags::GRBG);
        EXPECT_EQ(bag->state, Carryable::AIRBORNE) << c.what;
        EXPECT_TRUE(avatar()->carried == nullptr && bag->carrier == nullptr) << c.what;
        EXPECT_EQ(Game::sGame->throws, c.thrown ? 1 : 0) << c.what;
        EXPECT_EQ(bag->velocity().x, c.vx) << c.what;
        EXPECT_NEAR(bag->velocity().y, c.vy + 600 * DT, 1e-9) << c.what;
    }
}

TEST_F(AvatarTest, ALevelIsWonOnlyWhenEveryContainerIsSatisfied) {
    const struct {
        const char* what;
        const char* objects;
        Avatar::Status outcome;
    } cases[] = {
        {"without containers", "", Avatar::Status::PLAYING},
        {"a bag falling into the only container", "container 10 24 1\nbag 10 18\n", Avatar::Status::WON},
        {"a container stored satisfied", "container 10 24 0\n", Avatar::Status::WON},
        {"one of two containers still needing", "container 10 24 0\ncontainer 20 24 1\n", Avatar::Status::PLAYING},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stage({{24, "@"}}, c.objects, "100").play().play().status, c.outcome) << c.what;
}

} // namespace
