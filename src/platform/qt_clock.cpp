#include "platform/qt_clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cmath>

void QtClock::pause(int ms)
{
    // What waits to be drawn shows while the window is blocked; a pause too
    // short to be seen leaves it to the next processing of events (the
    // custom-code load pauses before every line).
    if (ms >= SeenPauseMs)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void QtClock::doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double QtClock::waitForEvents(double maxMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    // Wakes the wait at the latest when the time is up; any other event
    // (bytes from the device, a click) wakes it as soon as it comes.
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    limit.start(std::max(0, static_cast<int>(std::ceil(maxMs))));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return static_cast<double>(elapsed.nsecsElapsed()) / 1e6;
}

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}

void QtClock::startTimer(int intervalMs, std::function<void()> tick)
{
    timer.disconnect();
    QObject::connect(&timer, &QTimer::timeout, std::move(tick));
    timer.start(intervalMs);
}
