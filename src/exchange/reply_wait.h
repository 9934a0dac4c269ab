#pragma once

#include <functional>

class Clock;

// How long a data-exchange sender waits for its reply: at most `polls` steps
// of `stepMs` milliseconds of sleep each.
struct WaitBound {
    int polls;
    int stepMs;
};

// The record read-out waits for the record count.
inline constexpr WaitBound recordCountWait{51, 50};
// The custom-code load waits for the acknowledgement of one line.
inline constexpr WaitBound acknowledgementWait{1000, 5};

// Waits for `answered` while keeping the window alive: pending events are
// processed (the receive path runs inside this) and `answered` is checked
// right after each round of events. Each step's sleep is taken in slices of
// one millisecond with events processed in between, so a reply ends the wait
// within a slice of its arrival instead of after the rest of a step; the
// total sleep stays within polls x stepMs. Returns whether the reply came.
bool waitForReply(Clock& clock, WaitBound bound, const std::function<bool()>& answered);
