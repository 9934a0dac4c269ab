#include "platform/qt_clock.h"

#include <QCoreApplication>
#include <QThread>

void QtClock::pause(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void QtClock::doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
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
