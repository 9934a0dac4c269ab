#include "cli/port_run.h"

#include "core/port_advice.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_settings_store.h"

#include <climits>
#include <csignal>

namespace {
// How long the read-back may take once the device has answered the
// hand-shake, and how long a count may take.
constexpr qint64 readBackMs = 15000;
constexpr qint64 replyMs = ConfirmedCommands::AnswerMs;
constexpr qint64 stopPollMs = 50;
constexpr qint64 progressEveryMs = 100;

bool isPortFailure(const Failure& failure)
{
    return failure.number == FailureNumber::PortNotOpen || failure.number == FailureNumber::PortLost
        || failure.number == FailureNumber::PortOpenFailed;
}

QString oneLine(QString text)
{
    return text.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

QString plural(qint64 count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// What the result line says of the signal that ended the run.
QString stoppedBy(int signalNumber)
{
    if (signalNumber == SIGTERM)
        return QStringLiteral("terminated.");
#ifdef SIGHUP
    if (signalNumber == SIGHUP)
        return QStringLiteral("hung up.");
#endif
    return QStringLiteral("interrupted.");
}

// A reported value in JSON: numbers as numbers.
QJsonValue jsonValue(const SettingValue& value)
{
    if (value.kind == SettingValue::Kind::Number || value.kind == SettingValue::Kind::Flag)
        return value.number;
    return valueText(value);
}
} // namespace

PortRun::PortRun(const ShelfRequest& shelfRequest, PortTarget shelfPort, Reporter reports, StopRequested stopPolled)
    : request(shelfRequest), port(std::move(shelfPort)), reporter(std::move(reports)),
      stopRequested(std::move(stopPolled)),
      connection(serial, clock, HandshakeRetry::resendingFor(qint64(request.waitSeconds) * 1000),
                 [this](const Failure& failure) { handlerFailure = failure; }),
      device(connection.device())
{
    listen(connection, &DeviceConnection::ended, &listening,
           [this](const ConnectionEnding& end) { ending = end; });
    listen(device, &Device::readBackDone, &listening, [this](const DeviceSettings& values) { reported = values; });
    listen(device, &Device::readBackAnswered, &listening, [this](const Setting& setting, const QString& answer) {
        readBackAnswer = {&setting, answer};
    });
    listen(device, &Device::statisticsRead, &listening,
           [this](qint64 codes, qint64 records) { counts = {codes, records}; });
    listen(device, &Device::identifierRead, &listening,
           [this](const QString& identifier) { identifierText = identifier; });
    listen(device, &Device::exchangeFinished, &listening,
           [this](const ExchangeResult& result) { exchangeResult = result; });
    listen(device, &Device::failed, &listening, [this](const Failure& failure) { receiveFailure = failure; });
    listen(device, &Device::lineHeard, &listening, [this](const QString& line) { linesHeard << line; });
    listen(device, &Device::recordWritten, &listening, [this](qint64 written, qint64 announced) {
        if (sinceProgress.elapsed() >= progressEveryMs || written == announced) {
            sinceProgress.restart();
            reporter.progress(QStringLiteral("records %1/%2").arg(written).arg(announced));
        }
    });
    listen(device, &Device::codeLineStarting, &listening, [this](qint64 line, qint64 fileLines) {
        if (sinceProgress.elapsed() >= progressEveryMs || line == fileLines) {
            sinceProgress.restart();
            reporter.progress(QStringLiteral("codes %1/%2").arg(line).arg(fileLines));
        }
    });
    listen(device, &Device::codeLineEmpty, &listening, [this](qint64 line) {
        reporter.note(QStringLiteral("line %1 is empty: sent as an empty code").arg(line));
    });
    clock.startTimer(500, guarded([this](const Failure& failure) { handlerFailure = failure; },
                                  [this] { connection.tick(); }));
    watchForStop();
    sinceProgress.start();
}

void PortRun::watchForStop()
{
    stopWatch.setInterval(int(stopPollMs));
    QObject::connect(&stopWatch, &QTimer::timeout, &stopWatch,
                     guarded([this](const Failure& failure) { handlerFailure = failure; }, [this] {
                         if (stopSignal != 0)
                             return;
                         stopSignal = stopRequested();
                         if (stopSignal != 0)
                             endConnection();
                     }));
    stopWatch.start();
}

void PortRun::endConnection()
{
    if (!connection.isWanted())
        return;
    try {
        // Goodbye, and the exchange running ends with whole records.
        connection.end();
    } catch (const Failure&) {
        // The port is closed all the same.
    }
}

PortOutcome PortRun::run()
{
    if (auto failed = open())
        return *failed;
    std::optional<PortOutcome> result;
    try {
        result = connect();
        if (!result)
            result = perform();
    } catch (const Failure& failure) {
        result = failedWith(failure);
    }
    endConnection();
    return *result;
}

std::optional<PortOutcome> PortRun::open()
{
    try {
        connection.open(port);
    } catch (const Failure& failure) {
        const QtSettingsStore settings;
        QString heldBy;
        if (portTrouble(failure) == PortTrouble::InUse)
            heldBy = holdersText(QtSerialDevices().holdersOf(port.path));
        return outcome(ExitStatus::PortFailed, oneLine(connectFailureText(failure, settings.fileName(), heldBy)));
    }
    return std::nullopt;
}

std::optional<PortOutcome> PortRun::connect()
{
    // The connection retries "ONLINE" within --wait and ends when no answer came.
    waitUntil([this] { return reported || readBackAnswer || receiveFailure; },
              qint64(request.waitSeconds) * 1000 + readBackMs);
    if (ending || handlerFailure)
        return ending ? ended() : failedWith(*handlerFailure);
    if (readBackAnswer)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device answered \"%1\" when asked for its %2 (%3).")
                                                     .arg(readBackAnswer->second, readBackAnswer->first->name,
                                                          readBackAnswer->first->keyword));
    if (receiveFailure)
        return failedWith(*receiveFailure);
    if (!reported)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not report all its settings."));
    return std::nullopt;
}

std::optional<PortOutcome> PortRun::statistics()
{
    counts.reset();
    device.data().requestStatistics();
    if (waitUntil([this] { return counts.has_value(); }, replyMs))
        return std::nullopt;
    if (ending)
        return ended();
    return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not say how many records it holds."));
}

PortOutcome PortRun::perform()
{
    switch (request.command) {
    case ShelfCommand::Info:
        return info();
    case ShelfCommand::Set:
        return set();
    case ShelfCommand::ReadRecords:
        return readRecords();
    case ShelfCommand::LoadCodes:
        return loadCodes();
    case ShelfCommand::ReadCodes:
        return readCodes();
    case ShelfCommand::EraseRecords:
        return erase(confirmed.eraseRecords(), QStringLiteral("records"));
    case ShelfCommand::EraseCodes:
        return erase(confirmed.eraseCodes(), QStringLiteral("custom codes"));
    case ShelfCommand::ReadId:
        return identifier(DeviceCommands::readIdCommand);
    case ShelfCommand::Scan:
        return identifier(DeviceCommands::scanCommand);
    case ShelfCommand::Monitor:
        return monitor();
    }
    return outcome(ExitStatus::Usage, QStringLiteral("no such command"));
}

PortOutcome PortRun::info()
{
    if (auto failed = statistics())
        return *failed;
    PortOutcome result;
    for (const ReportedSetting& value : reported->values) {
        result.lines << QStringLiteral("%1=%2").arg(value.setting->name, valueText(value.value));
        result.json.insert(value.setting->name, jsonValue(value.value));
    }
    result.lines << QStringLiteral("%1=%2").arg(customCodesName).arg(counts->first)
                 << QStringLiteral("%1=%2").arg(recordsName).arg(counts->second);
    result.json.insert(customCodesName, counts->first);
    result.json.insert(recordsName, counts->second);
    result.result = QStringLiteral("read at %1").arg(clockText(clock.now()));
    if (port.path != port.name)
        result.result += QStringLiteral(" from ") + port.path;
    return result;
}

PortOutcome PortRun::set()
{
    using Kind = ConfirmedCommands::SettingsOutcome::Kind;
    const ConfirmedCommands::SettingsOutcome applied = confirmed.applySettings(request.changes);
    const QString change = applied.change.setting ? changeText(applied.change) : QString();
    switch (applied.kind) {
    case Kind::PortClosed:
        return ended();
    case Kind::Refused:
        return outcome(ExitStatus::DeviceFailed,
                       QStringLiteral("the device refused %1: it answered \"%2\".").arg(change, applied.answer));
    case Kind::Unanswered:
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not answer %1.").arg(change));
    case Kind::NotTaken:
        return outcome(ExitStatus::DeviceFailed,
                       QStringLiteral("did not take %1 (the device reports %2)").arg(change, applied.answer));
    case Kind::Taken:
        break;
    }
    PortOutcome result = outcome(ExitStatus::Done, plural(request.changes.size(), QStringLiteral("setting"),
                                                          QStringLiteral("settings"))
                                                       + QStringLiteral(" set and read back"));
    result.json.insert(QStringLiteral("set"), int(request.changes.size()));
    return result;
}

PortOutcome PortRun::readRecords()
{
    const QString file = request.fileFor(port);
    exchangeResult.reset();
    device.data().readRecords(file);
    // The device's records come in as events; the core ends the read-out
    // when the last one is in, the device stops sending, or the port ends.
    waitUntil([this] { return exchangeResult.has_value(); }, LLONG_MAX);
    if (ending)
        return ended();
    return exchangeOutcome(*exchangeResult, file);
}

PortOutcome PortRun::loadCodes()
{
    const QString file = request.fileFor(port);
    exchangeResult.reset();
    // Returns when the load has ended, at the device's pace.
    device.data().loadCodes(file);
    if (ending)
        return ended();
    return exchangeOutcome(*exchangeResult, file);
}

PortOutcome PortRun::exchangeOutcome(const ExchangeResult& result, const QString& file)
{
    using Outcome = ExchangeResult::Outcome;
    PortOutcome out;
    out.json.insert(QStringLiteral("file"), file);
    out.json.insert(QStringLiteral("done"), result.done);
    out.json.insert(QStringLiteral("total"), result.total);
    if (result.outcome == Outcome::FileFailed && receiveFailure) {
        out.status = ExitStatus::FileFailed;
        out.result = QStringLiteral("%1 %2 of the %3 records the device announced are in %4.")
                         .arg(receiveFailure->description)
                         .arg(result.done)
                         .arg(result.total)
                         .arg(file);
    } else if (result.exchange == ExchangeResult::Exchange::Records && result.succeeded()) {
        out.result = plural(result.done, QStringLiteral("record"), QStringLiteral("records"))
            + QStringLiteral(" in ") + file;
    } else if (result.succeeded()) {
        out.result = plural(result.done, QStringLiteral("line"), QStringLiteral("lines"))
            + QStringLiteral(" of custom codes loaded from ") + file;
    } else {
        out.status = ExitStatus::DeviceFailed;
        out.result = oneLine(result.text);
    }
    return out;
}

PortOutcome PortRun::readCodes()
{
    const ConfirmedCommands::CodesReadout readout = confirmed.readCodes();
    if (readout.answer.kind == ConfirmedCommands::Answer::Kind::PortClosed || ending)
        return ended();
    if (readout.answer.kind != ConfirmedCommands::Answer::Kind::Ok)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not say how many custom codes it holds."));
    // Every code that came is told, also when some did not.
    PortOutcome result;
    result.lines = readout.codes;
    const qint64 unseen = readout.held - readout.codes.size();
    if (unseen > 0) {
        result.status = ExitStatus::DeviceFailed;
        result.result = QStringLiteral("the device sent %1 of the %2 custom codes it holds; %3 could not be seen "
                                       "(an empty code comes as an empty line).")
                            .arg(readout.codes.size())
                            .arg(readout.held)
                            .arg(unseen);
        return result;
    }
    result.result = plural(readout.codes.size(), QStringLiteral("custom code"), QStringLiteral("custom codes"));
    return result;
}

PortOutcome PortRun::erase(const ConfirmedCommands::Answer& answer, const QString& what)
{
    using Kind = ConfirmedCommands::Answer::Kind;
    switch (answer.kind) {
    case Kind::Ok:
        return outcome(ExitStatus::Done, what + QStringLiteral(" erased"));
    case Kind::Refused:
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device answered \"%1\".").arg(answer.line));
    case Kind::None:
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not answer the erase."));
    case Kind::PortClosed:
        break;
    }
    return ended();
}

PortOutcome PortRun::identifier(const QString& command)
{
    identifierText.reset();
    device.commands().requestIdentifier(command);
    if (!waitUntil([this] { return identifierText.has_value(); }, qint64(request.waitSeconds) * 1000)) {
        if (ending)
            return ended();
        return outcome(ExitStatus::DeviceFailed,
                       QStringLiteral("the device sent nothing within %1 s.").arg(request.waitSeconds));
    }
    PortOutcome result = outcome(ExitStatus::Done, *identifierText);
    result.json.insert(command == DeviceCommands::scanCommand ? QStringLiteral("barcode")
                                                              : QStringLiteral("identifier"),
                       *identifierText);
    return result;
}

PortOutcome PortRun::monitor()
{
    linesHeard.clear();
    waitUntil(
        [this] {
            for (const QString& line : std::as_const(linesHeard))
                reporter.line(line);
            linesHeard.clear();
            return false;
        },
        LLONG_MAX);
    // A signal (Ctrl-C) is how a monitor ends.
    if (stopSignal != 0)
        return outcome(ExitStatus::Done, QStringLiteral("monitor ended"));
    return ended();
}

bool PortRun::waitUntil(const std::function<bool()>& done, qint64 maxMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (ending || handlerFailure || elapsed.elapsed() >= maxMs)
            return false;
        clock.waitForEvents(double(std::min(stopPollMs, maxMs - elapsed.elapsed())));
    }
    return true;
}

PortOutcome PortRun::ended() const
{
    if (!ending)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the port closed."));
    const QString told = ending->cutShort.isEmpty() ? QString() : u' ' + oneLine(ending->cutShort);
    switch (ending->reason) {
    case ConnectionEnding::Reason::NoAnswer:
        return outcome(ExitStatus::DeviceFailed,
                       QStringLiteral("the device did not answer within %1 s.").arg(request.waitSeconds));
    case ConnectionEnding::Reason::Lost:
        return outcome(ExitStatus::DeviceFailed, ending->loss + told);
    case ConnectionEnding::Reason::Ended:
        break;
    }
    return outcome(ExitStatus::signalled(stopSignal), stoppedBy(stopSignal) + told);
}

PortOutcome PortRun::failedWith(const Failure& failure) const
{
    // A send that failed because the connection ended under it is that ending.
    if (ending)
        return ended();
    const int status = isPortFailure(failure) ? ExitStatus::DeviceFailed : ExitStatus::FileFailed;
    return outcome(status, oneLine(failure.description));
}

PortOutcome PortRun::outcome(int status, const QString& result)
{
    PortOutcome out;
    out.status = status;
    out.result = result;
    return out;
}
