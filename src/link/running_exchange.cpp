#include "link/running_exchange.h"

#include "link/page_gate.h"
#include "platform/serial_port.h"

RunningExchange::RunningExchange(PageGate& pages, SerialPort& port)
    : pages(pages), port(port)
{
}

void RunningExchange::begin(Progress newProgress, Stalled onStall)
{
    progress = std::move(newProgress);
    stalled = std::move(onStall);
    quietTicks = 0;
    startedOnOpenPort = port.isOpen();
    ended = false;
    untold.clear();
    pages.setExchangeRunning(true);
}

void RunningExchange::finish()
{
    if (!isRunning())
        return;
    // Only a port that was open when the exchange began and closed itself
    // since has a loss still to be reported; an exchange that never reached
    // the device has nothing to add to a later end of the connection.
    if (startedOnOpenPort && !port.isOpen())
        untold = progress();
    stop();
}

bool RunningExchange::connectionEnded() const
{
    return ended || !port.isOpen();
}

void RunningExchange::tick()
{
    if (!isRunning() || !stalled)
        return;
    if (++quietTicks >= StallTicks) {
        const Stalled report = stalled;
        report();
    }
}

QString RunningExchange::cutShort()
{
    QString told;
    if (isRunning()) {
        told = progress();
        ended = true;
        stop();
    } else {
        told.swap(untold);
    }
    return told;
}

void RunningExchange::stop()
{
    progress = {};
    stalled = {};
    pages.setExchangeRunning(false);
}
