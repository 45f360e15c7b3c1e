#include "core/DeltaTime.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace {

struct DeltaTimeTest : ::testing::Test {
    FakeClock clock;
    DeltaTime timer{0.017, 0.05, 3, clock};

    DeltaInterval turn(double cost) {
        clock.advance(cost);
        return timer.delta();
    }
};

TEST_F(DeltaTimeTest, ShortTurnCountsAsOneTargetFrameAndSleepsInHalfTargetSlices) {
    timer.start();
    DeltaInterval step = turn(0.005);
    EXPECT_DOUBLE_EQ(step.dt, 0.017);
    EXPECT_FALSE(step.skipRender);
    ASSERT_FALSE(clock.rests.empty());
    for (double slice : clock.rests)
        EXPECT_DOUBLE_EQ(slice, 0.0085);
    // Debt 0.012 against an estimate of 0.0085: one slice, after which 0.0035 is owed and below
    // the updated estimate, so the sleeping stops and the rest carries over.
    EXPECT_EQ(clock.rests.size(), 1u);
    EXPECT_NEAR(timer.restEstimate(), (0.0085 * 4.0f + 0.0085 * 0.5) * 0.2f, 1e-13);
}

TEST_F(DeltaTimeTest, UnpaidSleepDebtCarriesOverToTheNextShortFrame) {
    timer.start();
    turn(0.005);  // leaves 0.0035 owed
    clock.rests.clear();
    turn(0.015);  // owes 0.0035 + 0.002 = 0.0055, below the estimate: no sleep
    EXPECT_TRUE(clock.rests.empty());
    turn(0.010);  // owes 0.0125: sleeps again
    EXPECT_EQ(clock.rests.size(), 1u);
}

TEST_F(DeltaTimeTest, SleepsThatOverrunRaiseTheEstimate) {
    clock.restOverrun = 0.004;
    timer.start();
    turn(0.0);
    double slept = 0.0085 + 0.004;
    EXPECT_NEAR(timer.restEstimate(), (0.0085 * 4.0f + slept * 0.5) * 0.2f, 1e-13);
    EXPECT_GT(timer.restEstimate(), (0.0085 * 4.0f + 0.0085 * 0.5) * 0.2f);
}

TEST_F(DeltaTimeTest, TurnOfExactlyTheMaximumStepIsOneDrawnStep) {
    timer.start();
    DeltaInterval step = turn(0.05);
    EXPECT_NEAR(step.dt, 0.05, 1e-12);
    EXPECT_FALSE(step.skipRender);
    EXPECT_TRUE(clock.rests.empty());
    clock.advance(0.017);
    EXPECT_FALSE(timer.delta().skipRender) << "nothing was queued behind it";
}

TEST_F(DeltaTimeTest, LongTurnIsCutIntoADrawnRemainderThenUndrawnFullSteps) {
    timer.start();
    DeltaInterval first = turn(0.12);
    EXPECT_NEAR(first.dt, 0.02, 1e-12);
    EXPECT_FALSE(first.skipRender);
    for (int i = 0; i < 2; ++i) {
        DeltaInterval next = timer.delta();  // pending steps do not read the clock
        EXPECT_DOUBLE_EQ(next.dt, 0.05);
        EXPECT_TRUE(next.skipRender);
    }
    clock.advance(0.017);
    DeltaInterval after = timer.delta();
    EXPECT_NEAR(after.dt, 0.017, 1e-12);
    EXPECT_FALSE(after.skipRender);
}

TEST_F(DeltaTimeTest, VeryLongTurnIsClampedToThreeSteps) {
    timer.start();
    DeltaInterval first = turn(1.0);
    EXPECT_NEAR(first.dt, 0.05, 1e-12);
    EXPECT_FALSE(first.skipRender);
    EXPECT_DOUBLE_EQ(timer.delta().dt, 0.05);
    DeltaInterval third = timer.delta();
    EXPECT_DOUBLE_EQ(third.dt, 0.05);
    EXPECT_TRUE(third.skipRender);
    clock.advance(0.05);
    EXPECT_FALSE(timer.delta().skipRender);  // nothing more was queued
}

TEST_F(DeltaTimeTest, StoppedTimerGivesNoStepButStillDraws) {
    DeltaInterval idle = turn(0.03);
    EXPECT_EQ(idle.dt, 0.0);
    EXPECT_FALSE(idle.skipRender);
    timer.start();
    timer.stop();
    EXPECT_EQ(turn(0.03).dt, 0.0);
}

TEST_F(DeltaTimeTest, RestartForgetsTheTimeSpentStopped) {
    timer.start();
    timer.stop();
    clock.advance(5.0);
    timer.restart();
    EXPECT_NEAR(turn(0.03).dt, 0.03, 1e-12);
}

TEST_F(DeltaTimeTest, StartWhileRunningKeepsMeasuring) {
    timer.start();
    clock.advance(0.03);
    timer.start();
    EXPECT_NEAR(timer.delta().dt, 0.03, 1e-12);
}

} // namespace
