#pragma once

#include "platform/clock.h"

#include <QTimer>

class QtClock : public Clock {
public:
    static constexpr int SeenPauseMs = 40;
    void pause(int ms) override;
    void doEvents() override;
    double waitForEvents(double maxMs) override;
    QDateTime now() const override;
    void startTimer(int intervalMs, std::function<void()> tick) override;

private:
    QTimer timer;
};
