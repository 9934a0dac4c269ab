#include "platform/fake/virtual_clock.h"

#include <algorithm>
#include <cmath>
#include <limits>

VirtualClock::VirtualClock(QDateTime start)
    : start(std::move(start))
{
}

void VirtualClock::pause(int ms)
{
    ++pauses;
    pausedTotal += std::max(ms, 0);
    advanceTo(nowMs + std::max(ms, 0));
}

void VirtualClock::doEvents()
{
    // Bounded: a source that always has something would otherwise never let go.
    for (int i = 0; i < 10'000 && handleWindowEvents(); ++i) {
    }
}

double VirtualClock::waitForEvents(double maxMs)
{
    const qint64 start = nowMs;
    if (!handleWindowEvents()) {
        // Nothing pending: time runs on to the next event, or to the limit.
        const qint64 until = std::min(nextEventTime(), nowMs + static_cast<qint64>(std::ceil(std::max(maxMs, 0.0))));
        waitedTotal += until - nowMs;
        advanceTo(until);
    }
    doEvents();
    return static_cast<double>(nowMs - start);
}

QDateTime VirtualClock::now() const
{
    return start.addMSecs(nowMs);
}

void VirtualClock::startTimer(int intervalMs, std::function<void()> newTick)
{
    tick = std::move(newTick);
    tickInterval = intervalMs;
    nextTick = nowMs + intervalMs;
    tickPending = false;
}

void VirtualClock::schedule(qint64 delayMs, std::function<void()> event)
{
    world.emplace(nowMs + std::max<qint64>(delayMs, 0), std::move(event));
}

void VirtualClock::addEventSource(EventSource source)
{
    sources.push_back(std::move(source));
}

void VirtualClock::advanceTo(qint64 target)
{
    while (!world.empty() && world.begin()->first <= target) {
        auto first = world.begin();
        nowMs = std::max(nowMs, first->first);
        auto event = std::move(first->second);
        world.erase(first);
        event();
    }
    nowMs = std::max(nowMs, target);
    if (tick && tickInterval > 0 && nextTick <= nowMs) {
        // A timer that was due while the window was blocked fires once, late.
        tickPending = true;
        while (nextTick <= nowMs)
            nextTick += tickInterval;
    }
}

bool VirtualClock::handleWindowEvents()
{
    for (auto& source : sources)
        if (source())
            return true;
    if (tickPending && !inTick) {
        tickPending = false;
        inTick = true;
        tick();
        inTick = false;
        return true;
    }
    return false;
}

qint64 VirtualClock::nextEventTime() const
{
    qint64 next = std::numeric_limits<qint64>::max();
    if (!world.empty())
        next = world.begin()->first;
    if (tick && tickInterval > 0)
        next = std::min(next, nextTick);
    return next;
}

void VirtualClock::runFor(qint64 ms)
{
    const qint64 end = nowMs + std::max<qint64>(ms, 0);
    doEvents();
    while (true) {
        const qint64 next = nextEventTime();
        if (next > end)
            break;
        advanceTo(next);
        doEvents();
    }
    advanceTo(end);
    doEvents();
}

bool VirtualClock::runUntil(const std::function<bool()>& done, qint64 maxMs)
{
    const qint64 end = nowMs + std::max<qint64>(maxMs, 0);
    doEvents();
    while (!done()) {
        const qint64 next = nextEventTime();
        if (next > end) {
            advanceTo(end);
            doEvents();
            break;
        }
        advanceTo(next);
        doEvents();
    }
    return done();
}
