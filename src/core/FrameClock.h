#pragma once

// The time source of the frame timer: a monotonic clock in seconds and a sleep.
// The game uses the library's; tests substitute a scripted one.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual double now() = 0;
    virtual void rest(double seconds) = 0;

    static FrameClock& library();  // al_get_time and al_rest
};
