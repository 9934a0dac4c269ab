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
// after each round of them. The wait sleeps until the next event comes, so a
// reply ends it as soon as it has been handled; in all it lasts at most
// polls x stepMs of real time. Returns whether the reply came.
bool waitForReply(Clock& clock, WaitBound bound, const std::function<bool()>& answered);
