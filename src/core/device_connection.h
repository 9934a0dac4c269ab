#pragma once

#include "base/guarded.h"
#include "core/device.h"
#include "core/told_signals.h"
#include "platform/port_names.h"

#include <QDateTime>
#include <QObject>
#include <QString>

class Clock;
class SerialPort;

// How the hand-shake is tried again when "ONLINE" has no answer within its ticks.
struct HandshakeRetry {
    // The window's way: close the port, pause, open it again and send
    // "ONLINE" anew, for as long as the connection is wanted.
    static HandshakeRetry reopening() { return {true, 0}; }
    // The command line's: "ONLINE" again on the open port, until giveUpMs
    // have passed since the port opened; then the connection ends.
    static HandshakeRetry resendingFor(qint64 giveUpMs) { return {false, giveUpMs}; }

    bool reopens = true;
    qint64 giveUpMs = 0;
};

// How a connection ended.
struct ConnectionEnding {
    enum class Reason {
        Ended,    // the face ended it (Connect released, window closed, run done, a signal)
        Lost,     // the device went away; the port closed itself
        NoAnswer, // no answer to "ONLINE" in the time the retry allows
    };
    Reason reason = Reason::Ended;
    // How far an exchange that the end cut short got; empty when none ran.
    QString cutShort;
    // Lost: the port's words for it.
    QString loss;
};

// One connection's whole life on one serial port, below any window: it opens
// the port, shakes hands with the device (retrying as the face's policy
// says), has the core read the settings back, and ends: the hand-shake
// stops, the exchange file closes, a running exchange is cut short with how
// far it got, the device is told goodbye ("DISCONNECT") where the port still
// works, and the port closes. Both faces drive it; it owns the Device.
class DeviceConnection : public QObject {
    Q_OBJECT
public:
    // Failures in the port's handlers (the loss) go to failures.
    DeviceConnection(SerialPort& port, Clock& clock, HandshakeRetry retry, FailureSink failures);
    ~DeviceConnection() override;

    Device& device() { return core; }
    SerialPort& port() const { return serialPort; }
    ListenerFailures& listenerFailures() { return handedBack; }

    // Opens the port and starts the hand-shake. Throws the port's failure;
    // the port is closed then.
    void open(const PortTarget& target);
    // Ends the connection (see above). A goodbye that cannot be written is
    // thrown after all the rest is done: the port is closed all the same.
    void end();
    // Every tick of the 500 ms timer: the hand-shake's time-out and its
    // retry, and the running exchange's stall count. Throws when a retry
    // cannot close or reopen the port; the connection is then no longer wanted.
    void tick();

    // Opened and not ended since.
    bool isWanted() const { return wanted; }
    const PortTarget& target() const { return portTarget; }

    static constexpr int RetryPauseMs = 1000;

signals:
    // The port is open; the hand-shake starts next.
    void opened();
    // A retry is about to open the port again.
    void reopening();
    // The hand-shake was overdue and the port has closed for another try;
    // an exchange started before the answer ended, this far.
    void retrying(const QString& cutShort);
    void ended(const ConnectionEnding& ending);

private:
    void startHandshake();
    void retryHandshake();
    void lose(const QString& loss);
    void finish(ConnectionEnding::Reason reason, const QString& loss = {});
    bool giveUpDue() const;

    SerialPort& serialPort;
    Clock& clock;
    Device core;
    HandshakeRetry retry;
    PortTarget portTarget;
    QDateTime openedAt;
    bool wanted = false;
    bool ending = false;
    ListenerFailures handedBack;
};
