#pragma once

#include <QString>
#include <functional>

class PageGate;
class SerialPort;

// The record read-out and the custom-code load hold the device for many
// lines. While one runs, the pages are disabled, so that no other action
// writes to the device and a second click cannot start another exchange.
// When the connection ends under it (released, lost, window closed) it ends
// at once, and what it got done is told with the end of the connection.
class RunningExchange {
public:
    // How far the exchange has got, in a sentence for the user.
    using Progress = std::function<QString()>;
    // The device has sent nothing the exchange waits for during StallTicks.
    using Stalled = std::function<void()>;

    // Ticks of the window's 500 ms timer: a device that sends nothing for
    // 5 seconds in the middle of an exchange is not going to send more.
    static constexpr int StallTicks = 10;

    RunningExchange(PageGate& pages, SerialPort& port);

    void begin(Progress progress, Stalled stalled = {});
    // The exchange ended by its own rules. When the device went away under
    // it, how far it got is kept for the report of the loss.
    void finish();
    bool isRunning() const { return static_cast<bool>(progress); }
    // The connection has ended under the exchange: its waits stop at once.
    bool connectionEnded() const;

    // The device sent what the exchange waits for: the stall count starts again.
    void heardFromDevice() { quietTicks = 0; }
    // Every tick of the window's timer.
    void tick();

    // The connection has ended: the running exchange is cut short. Returns
    // how far it, or one that the loss of the device ended, got; empty when
    // there was none.
    QString cutShort();

private:
    void stop();

    PageGate& pages;
    SerialPort& port;
    Progress progress;
    Stalled stalled;
    int quietTicks = 0;
    bool startedOnOpenPort = false;
    bool ended = false;
    QString untold;
};
