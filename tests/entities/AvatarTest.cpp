#include "entities/Bag.h"
#include "entities/Stage.h"
#include "progress/Config.h"
#include "world/Game.h"

#include <tuple>

namespace {

using AvatarTest = StageTest;

// A ledge ending at x = 400 on row 20, the avatar on it at x = 200.
const std::map<int, std::string> LEDGE = {{19, "..........@"}, {20, std::string(20, '0')}};

// Within 0.04 s of running off, the jump key gives a full jump and keeps the double jump; later it
// is the double jump, 0.6 of a full one. Cases count steps after the one that left the ledge.
TEST_F(AvatarTest, AJumpJustAfterRunningOffALedgeIsAFullJumpAndLaterTheDoubleJump) {
    stage(LEDGE, "", "100 right");
    step(10);
    EXPECT_NEAR(Game::sGame->pixelsTraversed, 10 * 200 * DT, 1e-9) << "run at 200 px/s";
    int leaving = 10;
    while (avatar()->state != Avatar::State::AIRBORNE && leaving < 100)
        step(), ++leaving;
    EXPECT_NEAR(avatar()->jumpGrace, 0.04 - DT, 1e-12) << "one step of the grace gone";
    for (auto [after, full] : {std::pair{1, true}, {2, false}}) {
        stage(LEDGE, "", std::to_string(leaving + after - 1) + " right\n1 right jump");
        step(leaving + after);
        EXPECT_NEAR(avatar()->velocity.y, full ? -270 : -162, 1e-9) << after;
        EXPECT_EQ(avatar()->canDoubleJump, full) << after;
        EXPECT_EQ(Game::sGame->doubleJumps, full ? 0 : 1) << after;
    }
}

// Falls at most 400 px/s; dies once below y = 600, counted once, and the clock stops there.
TEST_F(AvatarTest, FallsNoFasterThanFourHundredAndDiesOnceBelowTheScreen) {
    stage({{0, "....@"}}, "", "300", "");
    int deaths = Config::get().deaths;
    double fastest = 0;
    for (int i = 0; i < 300 && avatar()->y() < 590; ++i, step())
        fastest = std::max(fastest, avatar()->velocity.y);
    EXPECT_EQ(fastest, 400);
    avatar()->setY(600);
    step();
    EXPECT_EQ(avatar()->reason, "") << "at 600 it is not below yet";
    step();
    EXPECT_EQ(avatar()->reason, "fell of the face of the world");
    double elapsed = Game::sGame->elapsedTime;
    step(5);
    EXPECT_EQ(std::pair(Config::get().deaths, Game::sGame->elapsedTime), std::pair(deaths + 1, elapsed));
}

// A wall of group 10 (absent at the start) appears at x = 120, into the avatar's right side.
TEST_F(AvatarTest, AWallAppearingMoreThanTwelvePixelsDeepInTheAvatarCrushesIt) {
    for (double depth : {12.0, 12.5}) {
        Tile::setPresent(10, false);
        stage({{24, "......A"}}, "avatar 5 24\n", "10");
        avatar()->setX(120 - 19 + depth);
        Tile::setPresent(10, true);
        step();
        EXPECT_EQ(avatar()->reason, depth > 12 ? "were crushed by a hunk of wall" : "") << depth;
    }
}

// The ducking avatar at x = 100 probes 110, 118 and 102; a bag's box spans x + 2 to x + 17.
TEST_F(AvatarTest, PicksUpARestingBagUnderItsCentreOrEitherEdge) {
    const std::tuple<const char*, double, bool, bool> cases[] = {
        {"under the centre", 100, false, true},           {"in flight", 100, true, false},
        {"under only the right probe", 116, false, true}, {"past it", 117, false, false},
        {"under only the left probe", 86, false, true},   {"past it", 85, false, false}};
    for (const auto& [what, bagX, flying, picked] : cases) {
        stage({{24, ".....@"}}, "bag 5 24\n", "2\n1 down\n1 down toss");
        step(2);
        Bag* bag = first<Bag>(Tags::GRBG);
        bag->setX(bagX);
        bag->state = flying ? Carryable::AIRBORNE : Carryable::RESTING;
        step(2);
        EXPECT_EQ(avatar()->carried == bag, picked) << what << " at " << bagX;
    }
}

// The avatar starts facing left. Ducking, the toss key drops what is carried rather than throwing it.
TEST_F(AvatarTest, ThrowsDependOnWhatTheAvatarIsDoing) {
    const std::tuple<const char*, const char*, double, double> cases[] = {
        {"running right", "2 right\n1 right toss", 300, -140},
        {"with up held", "1 up toss", -100, -240},
        {"standing", "1 toss", -200, -100},
        {"in the air", "1 jump\n2\n1 toss", -200, -100},
        {"ducking", "1 down toss", 0, 0}};
    for (const auto& [what, keys, vx, vy] : cases) {
        stage({{24, "..........@"}}, "bag 10 24\n", std::string("2\n1 down\n1 down toss\n1\n") + keys);
        scenario->play().play();
        Bag* bag = first<Bag>(Tags::GRBG);
        EXPECT_TRUE(avatar()->carried == nullptr && bag->state == Carryable::AIRBORNE) << what;
        EXPECT_EQ(Game::sGame->throws, vx ? 1 : 0) << what;
        EXPECT_EQ(bag->velocity().x, vx) << what;
        EXPECT_NEAR(bag->velocity().y, vy + 600 * DT, 1e-9) << what << ": a step of falling after";
    }
}

TEST_F(AvatarTest, ALevelIsWonOnlyWhenEveryContainerIsSatisfied) {
    const std::tuple<const char*, const char*, Avatar::Status> cases[] = {
        {"without containers", "", Avatar::Status::PLAYING},
        {"with a container stored satisfied", "container 10 24 0\n", Avatar::Status::WON},
        {"with another needing one", "container 10 24 0\ncontainer 20 24 1\n", Avatar::Status::PLAYING}};
    for (const auto& [what, objects, outcome] : cases)
        EXPECT_EQ(stage({{24, "@"}}, objects, "100").play().play().status, outcome) << what;
}

}  // namespace
