#pragma once

#include "base/failure.h"
#include "cli/shelf_request.h"
#include "core/device.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

// How one port's command ended.
struct PortOutcome {
    int status = ExitStatus::Done;
    // The port's one result line, without the port's name.
    QString result;
    // What came before it: info's values, the custom codes read.
    QStringList lines;
    // The same for --json: the result's fields, without port and status.
    QJsonObject json;
};

// One command on one port, from open to goodbye, in the calling thread. It
// drives the device core as the window does: the same hand-shake and read-back
// first, then the same commands and exchanges.
class PortRun {
public:
    struct Reporter {
        std::function<void(const QString& progress)> progress; // e.g. "records 120/412"
        std::function<void(const QString& line)> line;         // monitor: each line as it comes
    };
    // Polled while the run waits: the user wants it to end (Ctrl-C).
    using StopRequested = std::function<bool()>;

    PortRun(const ShelfRequest& request, ShelfPort port, Reporter reporter, StopRequested stopRequested);
    ~PortRun();

    PortOutcome run();

private:
    enum class End { None, Interrupted, Lost };

    std::optional<PortOutcome> open();
    std::optional<PortOutcome> connect();
    PortOutcome perform();
    PortOutcome info();
    PortOutcome set();
    PortOutcome readRecords();
    PortOutcome loadCodes();
    PortOutcome readCodes();
    PortOutcome erase(const QString& what);
    PortOutcome identifier(const QString& command);
    PortOutcome monitor();
    void goodbye();

    // Runs events until done() holds, the port has ended, or maxMs have
    // passed. Returns done().
    bool waitUntil(const std::function<bool()>& done, qint64 maxMs);
    // The hand-shake and read-back, again or for the first time.
    std::optional<PortOutcome> readSettings();
    std::optional<PortOutcome> statistics();
    // Waits for the next line from the device, at most maxMs.
    std::optional<QString> nextLine(qint64 maxMs);

    void watchForStop();
    void endConnection(End why);
    // The port ended under the run: interrupted or lost, and how far an
    // exchange got.
    PortOutcome ended() const;
    // A failure of the port or a file; the ending, when the port ended under it.
    PortOutcome failedWith(const Failure& failure) const;
    static PortOutcome outcome(int status, const QString& result);
    PortOutcome exchangeOutcome(const ExchangeResult& result, const QString& file);

    const ShelfRequest& request;
    const ShelfPort port;
    Reporter reporter;
    StopRequested stopRequested;
    QtSettingsStore settings;
    QtSerialPort serial{settings};
    QtClock clock;
    Device device{serial, clock};
    QTimer stopWatch;

    End end = End::None;
    std::optional<Failure> loss;
    std::optional<Failure> receiveFailure;
    QString cutShortText;
    bool handshakeOverdue = false;
    bool answered = false;
    std::optional<DeviceSettings> reported;
    std::optional<std::pair<qint64, qint64>> counts;
    std::optional<ExchangeResult> exchangeResult;
    std::optional<QString> identifierText;
    QStringList linesHeard;
    QElapsedTimer sinceLastLine;
    QElapsedTimer sinceProgress;
};
