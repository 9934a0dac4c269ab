#pragma once

#include <QDateTime>
#include <functional>

// Time as the window sees it: blocking pauses, processing of pending events,
// the PC clock and the window's 500 ms timer.
class Clock {
public:
    virtual ~Clock() = default;

    // Blocks the window for ms milliseconds; no event is handled meanwhile.
    // What waits to be drawn is drawn first if the pause is long enough to
    // be seen.
    virtual void pause(int ms) = 0;
    // Handles the events that are pending now (clicks, received characters,
    // timer ticks) and returns.
    virtual void doEvents() = 0;
    // Waits until at least one event is pending, or maxMs have passed, and
    // handles what is pending then. Returns the milliseconds that passed,
    // handling included.
    virtual double waitForEvents(double maxMs) = 0;
    // The PC's local date and time.
    virtual QDateTime now() const = 0;
    // Starts the window's timer: tick runs every intervalMs while events are
    // processed. A tick missed while the window was blocked runs once, late.
    virtual void startTimer(int intervalMs, std::function<void()> tick) = 0;
};
