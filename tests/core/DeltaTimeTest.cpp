#include "core/DeltaTime.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace {

// A target frame of 0.017 s, steps of at most 0.05 s and at most three of them per turn.
struct DeltaTimeTest : ::testing::Test {
    FakeClock clock;
    DeltaTime timer{0.017, 0.05, 3, clock};

    DeltaInterval turn(double cost) {
        clock.advance(cost);
        return timer.delta();
    }
    void expectStep(DeltaInterval step, double dt, bool skipRender) {
        EXPECT_NEAR(step.dt, dt, 1e-12);
        EXPECT_EQ(step.skipRender, skipRender);
    }
};

// Sleeps come in half-frame slices while more than the estimate is owed; what is left over is owed
// by the next turn. The estimate moves a fifth of the way towards half of each sleep's real length.
TEST_F(DeltaTimeTest, AShortTurnIsOneTargetFrameAndSleepsItsDebtInHalfFrameSlices) {
    clock.restOverrun = 0.004;  // each sleep takes 0.0125
    timer.start();
    expectStep(turn(0.005), 0.017, false);
    EXPECT_EQ(clock.rests, std::vector<double>({0.0085}));
    EXPECT_NEAR(timer.restEstimate(), (0.0085 * 4.0f + 0.0125 * 0.5) * 0.2f, 1e-13);
    turn(0.015);  // owes 0.0015, having overslept by 0.0005
    EXPECT_EQ(clock.rests.size(), 1u);
    turn(0.010);  // owes 0.0085, above the estimate
    EXPECT_EQ(clock.rests.size(), 2u);
}

TEST_F(DeltaTimeTest, ALongTurnIsADrawnRemainderThenUndrawnFullStepsAtMostThree) {
    struct {
        double cost;
        std::vector<double> steps;  // the first drawn, the rest not
    } rows[] = {{0.05, {0.05}}, {0.12, {0.02, 0.05, 0.05}}, {1.0, {0.05, 0.05, 0.05}}};
    for (const auto& row : rows) {
        timer.start();
        expectStep(turn(row.cost), row.steps[0], false);
        for (size_t i = 1; i < row.steps.size(); ++i)
            expectStep(timer.delta(), row.steps[i], true);  // pending steps do not read the clock
        expectStep(turn(0.017), 0.017, false);
        EXPECT_TRUE(clock.rests.empty()) << row.cost;
        timer.stop();
    }
}

TEST_F(DeltaTimeTest, AStoppedTimerGivesNoStepButDrawsAndARestartForgetsTheTimeStopped) {
    expectStep(turn(0.03), 0, false);
    timer.start();
    clock.advance(0.03);
    timer.start();  // while running: keeps measuring
    expectStep(timer.delta(), 0.03, false);
    timer.stop();
    expectStep(turn(5.0), 0, false);
    timer.restart();
    expectStep(turn(0.03), 0.03, false);
}

} // namespace
