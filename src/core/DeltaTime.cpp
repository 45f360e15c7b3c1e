#include "core/DeltaTime.h"

const DeltaInterval DeltaInterval::NONE = {0.0, false};

DeltaTime::DeltaTime(double frameTime, double longestStep, int mostSteps, FrameClock& frameClock)
    : targetFrameTime(frameTime), maxStep(longestStep), maxSteps(mostSteps), restGuess(frameTime * 0.5),
      clock(frameClock) {}

void DeltaTime::start() {
    if (running)
        return;
    sleepDebt = 0;
    lastTime = clock.now();
    running = true;
}

void DeltaTime::stop() {
    running = false;
}

void DeltaTime::restart() {
    stop();
    start();
}

double DeltaTime::getRawDT() {
    double now = clock.now();
    double raw = now - lastTime;
    lastTime = now;
    return raw;
}

DeltaInterval DeltaTime::delta() {
    if (!running)
        return DeltaInterval::NONE;
    if (!pending.empty()) {
        DeltaInterval step = pending.back();
        pending.pop_back();
        return step;
    }
    double raw = getRawDT();
    double dt = raw;
    if (raw < targetFrameTime) {
        sleepOffShortFrame(raw);
        dt = targetFrameTime;
    }
    if (dt <= maxStep)
        return {dt, false};
    return cutLongFrame(dt);
}

// A short frame counts as exactly one target frame; the sleep owed is paid in half-target
// slices while a typical slice still fits, and what is left carries over to the next frame.
void DeltaTime::sleepOffShortFrame(double raw) {
    sleepDebt += targetFrameTime - raw;
    while (sleepDebt > restGuess) {
        clock.rest(targetFrameTime * 0.5);
        double slept = getRawDT();
        sleepDebt -= slept;
        restGuess = (restGuess * 4.0f + slept * 0.5) * 0.2f;
    }
}

// The first, partial step is drawn; the full steps queued behind it are simulated undrawn.
// The slack keeps rounding (0.15 / 0.05 is a hair above 3) from queuing a fourth step and
// drawing a first one of almost nothing.
DeltaInterval DeltaTime::cutLongFrame(double dt) {
    const double slack = 1e-9;
    if (dt >= maxSteps * maxStep)
        dt = maxSteps * maxStep;
    double q = dt / maxStep;
    while (q > 1 + slack) {
        pending.push_back({maxStep, true});
        q -= 1;
    }
    return {maxStep * q, false};
}
