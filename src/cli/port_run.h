#pragma once

#include "base/failure.h"
#include "cli/port_outcome.h"
#include "cli/shelf_request.h"
#include "core/confirmed_commands.h"
#include "core/device_connection.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

// One command on one port, from open to goodbye, in the calling thread. It
// drives the core's connection as the window does: the same hand-shake and
// read-back first, then the same commands and exchanges, and the same ending.
class PortRun {
    Q_DECLARE_TR_FUNCTIONS(PortRun)
public:
    struct Reporter {
        std::function<void(const QString& progress)> progress; // e.g. "records 120/412"
        std::function<void(const QString& line)> line;         // monitor: each line as it comes
        std::function<void(const QString& note)> note;         // a remark beside the result
        std::function<void(const QString& wire)> wire;         // --verbose: bytes on the line, as read
    };
    // Polled while the run waits: the signal that asks it to end (SIGINT,
    // SIGTERM, SIGHUP), or 0.
    using StopRequested = std::function<int()>;

    PortRun(const ShelfRequest& request, PortTarget port, Reporter reporter, StopRequested stopRequested);

    PortOutcome run();

private:
    std::optional<PortOutcome> open();
    std::optional<PortOutcome> connect();
    PortOutcome perform();
    PortOutcome info();
    PortOutcome set();
    PortOutcome readRecords();
    PortOutcome loadCodes();
    PortOutcome readCodes();
    // done: the result line of an erase that the device confirmed.
    PortOutcome erase(const ConfirmedCommands::Answer& answer, const QString& done);
    PortOutcome identifier(const QString& command);
    PortOutcome monitor();
    PortOutcome send();
    std::optional<PortOutcome> statistics();

    // Runs events until done() holds, the connection has ended, or maxMs
    // have passed. Returns done().
    bool waitUntil(const std::function<bool()>& done, qint64 maxMs);
    void watchForStop();
    void endConnection();
    // The connection ended under the run: stopped, lost or unanswered, and
    // how far an exchange got.
    PortOutcome ended() const;
    // A failure of the port or a file; the ending, when the connection ended under it.
    PortOutcome failedWith(const Failure& failure) const;
    PortOutcome exchangeOutcome(const ExchangeResult& result, const QString& file);
    // read-records --erase: the records on disk, now off the device.
    PortOutcome eraseAfterReadOut(PortOutcome readOut);

    const ShelfRequest& request;
    const PortTarget port;
    Reporter reporter;
    StopRequested stopRequested;
    QtSerialPort serial;
    QtClock clock;
    // A failure in a handler the event loop ran (a timer tick, the port's loss).
    std::optional<Failure> handlerFailure;
    DeviceConnection connection;
    Device& device;
    ConfirmedCommands confirmed{device};
    QObject listening;
    QTimer stopWatch;

    int stopSignal = 0;
    std::optional<ConnectionEnding> ending;
    std::optional<Failure> receiveFailure;
    std::optional<DeviceSettings> reported;
    std::optional<std::pair<const Setting*, QString>> readBackAnswer;
    std::optional<std::pair<qint64, qint64>> counts;
    std::optional<ExchangeResult> exchangeResult;
    std::optional<QString> identifierText;
    QStringList linesHeard;
    QElapsedTimer sinceProgress;
};
