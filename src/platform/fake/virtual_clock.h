#pragma once

#include "platform/clock.h"

#include <QDateTime>
#include <functional>
#include <map>
#include <vector>

// A clock for tests: time passes only when a test or the code under test
// says so, and events happen in the order of their virtual times.
//
// Two kinds of events exist, as in the real program:
// - world events (a device sending bytes) happen whenever their time has
//   come, also during a blocking pause;
// - window events (receive notifications, timer ticks) are handled only while
//   events are processed: doEvents(), or a test's runFor()/runUntil(), which
//   stand for the idle event loop.
class VirtualClock : public Clock {
public:
    // Something that has window events to deliver, such as a fake port.
    using EventSource = std::function<bool()>; // returns true if it handled one

    explicit VirtualClock(QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(7, 45, 0)));

    void pause(int ms) override;
    void doEvents() override;
    double waitForEvents(double maxMs) override;
    QDateTime now() const override;
    void startTimer(int intervalMs, std::function<void()> tick) override;

    qint64 elapsedMs() const { return nowMs; }

    // A world event delayMs from now.
    void schedule(qint64 delayMs, std::function<void()> event);
    void addEventSource(EventSource source);

    // The idle event loop for ms of virtual time.
    void runFor(qint64 ms);
    // The idle event loop until done() holds or maxMs have passed; returns done().
    bool runUntil(const std::function<bool()>& done, qint64 maxMs = 60'000);

    int pauseCount() const { return pauses; }
    qint64 pausedMs() const { return pausedTotal; }
    // Time spent in waitForEvents with nothing to handle.
    qint64 waitedMs() const { return waitedTotal; }

private:
    void advanceTo(qint64 target);
    bool handleWindowEvents();
    qint64 nextEventTime() const;

    QDateTime start;
    qint64 nowMs = 0;
    std::multimap<qint64, std::function<void()>> world;
    std::vector<EventSource> sources;

    std::function<void()> tick;
    int tickInterval = 0;
    qint64 nextTick = 0;
    bool tickPending = false;
    bool inTick = false;

    int pauses = 0;
    qint64 pausedTotal = 0;
    qint64 waitedTotal = 0;
};
