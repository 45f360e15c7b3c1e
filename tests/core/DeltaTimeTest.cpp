#include "core/DeltaTime.h"
#include "core/SPrintF.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A target frame of 0.017 s, steps of at most 0.05 s and at most three of them per turn.
struct DeltaTimeTest : ::testing::Test {
    FakeClock clock;
    DeltaTime timer{0.017, 0.05, 3, clock};

    // The steps handed out after a turn that cost `cost`, those not to be drawn marked "s".
    std::string turn(double cost, int steps = 1) {
        clock.advance(cost);
        std::string text;
        for (int i = 0; i < steps; ++i) {
            DeltaInterval step = timer.delta();
            text += SPrintF::format("%g%s ", step.dt, step.skipRender ? "s" : "");
        }
        return text;
    }
};

// Sleeps come in half-frame slices while more than the estimate is owed; what is left over is owed
// by the next turn. The estimate moves a fifth of the way towards half of each sleep's real length.
TEST_F(DeltaTimeTest, AShortTurnIsOneTargetFrameAndSleepsItsDebtInHalfFrameSlices) {
    clock.restOverrun = 0.004;  // each sleep takes 0.0125
    timer.start();
    EXPECT_EQ(turn(0.005), "0.017 ");
    EXPECT_EQ(clock.rests, std::vector<double>({0.0085}));
    EXPECT_NEAR(timer.restEstimate(), (0.0085 * 4.0f + 0.0125 * 0.5) * 0.2f, 1e-13);
    turn(0.015);  // owes 0.0015, having overslept by 0.0005: no sleep
    turn(0.010);  // owes 0.0085, above the estimate
    EXPECT_EQ(clock.rests.size(), 2u);
}

// The steps queued behind a long turn's drawn one do not read the clock: the next turn is whole.
TEST_F(DeltaTimeTest, ALongTurnIsADrawnRemainderThenUndrawnFullStepsAtMostThree) {
    for (auto [cost, steps, given] : std::vector<std::tuple<double, int, std::string>>{
             {0.05, 1, "0.05 "}, {0.12, 3, "0.02 0.05s 0.05s "}, {1.0, 3, "0.05 0.05s 0.05s "}}) {
        timer.restart();
        EXPECT_EQ(turn(cost, steps) + turn(0.017), given + "0.017 ");
        EXPECT_TRUE(clock.rests.empty()) << cost;
    }
}

// A restart forgetting the time stopped is the nested states' to show.
TEST_F(DeltaTimeTest, AStoppedTimerGivesNoStepButDrawsAndAStartWhileRunningKeepsMeasuring) {
    EXPECT_EQ(turn(0.03), "0 ");
    timer.start();
    clock.advance(0.03);
    timer.start();
    EXPECT_EQ(turn(0), "0.03 ");
}

}  // namespace
