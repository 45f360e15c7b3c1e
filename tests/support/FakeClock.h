#pragma once

#include "core/FrameClock.h"

#include <vector>

// A clock that only moves when told to: by a frame's own cost, or by the sleeps asked of it.
class FakeClock : public FrameClock {
public:
    double time = 0.0;
    double restOverrun = 0;  // extra time each sleep really takes
    std::vector<double> rests;

    double now() override { return time; }
    void rest(double seconds) override {
        rests.push_back(seconds);
        time += seconds + restOverrun;
    }
    void advance(double seconds) { time += seconds; }
};
