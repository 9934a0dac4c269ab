#pragma once

#include <functional>

struct Failure;

// Where a failure goes that reaches an entry point from the event loop: the
// window shows it in a box, the command line ends the port's run with it.
using FailureSink = std::function<void(const Failure& failure)>;

// Runs what the event loop started (a slot, a timer tick, a port's handler)
// and hands a failure that leaves it to the sink, and the program goes on:
// an exception that left a slot would reach the event loop and end the
// program. Any other exception is handed on as a failure of its own words.
void runGuarded(const FailureSink& sink, const std::function<void()>& handler);

// The handler as an entry point: every call runs through runGuarded.
std::function<void()> guarded(FailureSink sink, std::function<void()> handler);
