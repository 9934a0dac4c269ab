#pragma once

#include <QString>
#include <functional>

struct Form1;
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

    RunningExchange(Form1& form, SerialPort& port);

    void begin(Progress progress);
    // The exchange ended by its own rules. Without a port (the device went
    // away), how far it got is kept for the report of the loss.
    void finish();
    bool isRunning() const { return static_cast<bool>(progress); }
    // The connection has ended under the exchange: its waits stop at once.
    bool connectionEnded() const;

    // The connection has ended: the running exchange is cut short. Returns
    // how far it, or one that the loss of the device ended, got; empty when
    // there was none.
    QString cutShort();

private:
    void enablePages(bool enabled);

    Form1& form;
    SerialPort& port;
    Progress progress;
    bool ended = false;
    QString untold;
};
