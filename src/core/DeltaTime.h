#pragma once

#include "core/FrameClock.h"

#include <vector>

// One simulation step: its length and whether the loop skips drawing after it.
struct DeltaInterval {
    double dt;
    bool skipRender;

    static const DeltaInterval NONE;
};

// The frame timer: pads short frames to the target frame time by sleeping, and cuts long
// frames into at most maxSteps steps of at most maxStep seconds, the later ones not drawn.
class DeltaTime {
public:
    DeltaTime(double targetFrameTime = 0.017, double maxStep = 0.05, int maxSteps = 3,
              FrameClock& clock = FrameClock::library());

    void start();
    void stop();
    void restart();
    double getRawDT();  // seconds since the last measurement, which becomes now
    DeltaInterval delta();

    bool isRunning() const { return running; }
    double restEstimate() const { return restGuess; }

private:
    void sleepOffShortFrame(double raw);
    DeltaInterval cutLongFrame(double dt);

    double targetFrameTime;
    double maxStep;
    int maxSteps;
    bool running = false;
    double lastTime = 0;
    double sleepDebt = 0;
    double restGuess;
    std::vector<DeltaInterval> pending;  // handed out last-in first-out
    FrameClock& clock;
};
