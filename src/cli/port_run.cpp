#include "cli/port_run.h"

#include "cli/records_target.h"
#include "core/port_advice.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_settings_store.h"
#include "platform/sequential_file.h"

#include "base/latin1.h"
#include "base/number_text.h"

#include <QFileInfo>
#include <QTime>
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

// A message's paragraphs as one line of sentences: each ends with its stop.
QString oneLine(const QString& text)
{
    QStringList sentences = text.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < sentences.size(); ++i)
        if (!sentences[i].endsWith(u'.') && !sentences[i].endsWith(u':'))
            sentences[i] += u'.';
    return sentences.join(u' ');
}

// "1 record", "12 records", ...: a count's text in the run's messages.
QString counted(qint64 count, const char* one, const char* many)
{
    return countedText("PortRun", count, one, many);
}

// The signal that ended the run: the result line's word and the JSON's.
std::pair<QString, QString> stoppedBy(int signalNumber)
{
    if (signalNumber == SIGTERM)
        return {PortRun::tr("terminated."), QStringLiteral("terminated")};
#ifdef SIGHUP
    if (signalNumber == SIGHUP)
        return {PortRun::tr("hung up."), QStringLiteral("hung-up")};
#endif
    return {PortRun::tr("interrupted."), QStringLiteral("interrupted")};
}

// "12 records in records.csv", or in standard output.
QString recordsIn(qint64 count, const QString& where)
{
    return counted(count, QT_TRANSLATE_NOOP("PortRun", "1 record in %2"),
                   QT_TRANSLATE_N_NOOP("PortRun", "%1 records in %2"))
        .arg(where);
}

// Why a port did not open, as a word for scripts.
QString openFailureWord(PortTrouble trouble)
{
    switch (trouble) {
    case PortTrouble::NoDevice:
        return QStringLiteral("port-missing");
    case PortTrouble::InUse:
        return QStringLiteral("port-busy");
    case PortTrouble::NoPermission:
        return QStringLiteral("port-denied");
    case PortTrouble::NotSerial:
        return QStringLiteral("port-not-serial");
    default:
        return QStringLiteral("port-failed");
    }
}

// How an exchange that did not succeed ended, as a word for scripts.
QString exchangeWord(ExchangeResult::Outcome outcome)
{
    using Outcome = ExchangeResult::Outcome;
    switch (outcome) {
    case Outcome::DeviceError:
        return QStringLiteral("device-error");
    case Outcome::MemoryFull:
        return QStringLiteral("memory-full");
    case Outcome::Unanswered:
    case Outcome::CountMissing:
        return QStringLiteral("no-answer");
    case Outcome::NotAllStored:
        return QStringLiteral("not-all-stored");
    case Outcome::FileFailed:
        return QStringLiteral("file-failed");
    default:
        return QStringLiteral("cut-short");
    }
}

const QString noAnswer = QStringLiteral("no-answer");
const QString deviceError = QStringLiteral("device-error");

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
            //: Progress of a read-out: one word, then the records written and announced.
            reporter.progress(tr("records %1/%2").arg(written).arg(announced));
        }
    });
    listen(device, &Device::codeLineStarting, &listening, [this](qint64 line, qint64 fileLines) {
        if (sinceProgress.elapsed() >= progressEveryMs || line == fileLines) {
            sinceProgress.restart();
            //: Progress of a load: one word, then the line being sent and the file's lines.
            reporter.progress(tr("codes %1/%2").arg(line).arg(fileLines));
        }
    });
    listen(device, &Device::codeLineEmpty, &listening, [this](qint64 line) {
        reporter.note(tr("line %1 is empty: sent as an empty code").arg(line));
    });
    if (request.verbose)
        serial.setTrafficObserver([this](const QByteArray& bytes, bool toDevice) {
            reporter.wire(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")) + u' '
                          + trafficText(bytes, toDevice));
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
        const PortTrouble trouble = portTrouble(failure);
        QString heldBy;
        if (trouble == PortTrouble::InUse)
            heldBy = holdersText(QtSerialDevices().holdersOf(port.path));
        // The result line starts with the port's name: the failure's own naming of it would say it twice.
        QString text = oneLine(connectFailureText(failure, settings.fileName(), heldBy));
        if (const QString named = port.described() + QStringLiteral(": "); text.startsWith(named))
            text.remove(0, named.size());
        return PortOutcome::of(ExitStatus::PortFailed, text, openFailureWord(trouble));
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
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device answered \"%1\" when asked for its %2 (%3).")
                                   .arg(readBackAnswer->second, readBackAnswer->first->name,
                                        readBackAnswer->first->keyword),
                               deviceError);
    if (receiveFailure)
        return failedWith(*receiveFailure);
    if (!reported)
        return PortOutcome::of(ExitStatus::DeviceFailed, tr("the device did not report all its settings."), noAnswer);
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
    return PortOutcome::of(ExitStatus::DeviceFailed, tr("the device did not say how many records it holds."),
                           noAnswer);
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
        return erase(confirmed.eraseRecords(), tr("records erased"));
    case ShelfCommand::EraseCodes:
        return erase(confirmed.eraseCodes(), tr("custom codes erased"));
    case ShelfCommand::ReadId:
        return identifier(DeviceCommands::readIdCommand);
    case ShelfCommand::Scan:
        return identifier(DeviceCommands::scanCommand);
    case ShelfCommand::Monitor:
        return monitor();
    case ShelfCommand::Send:
        return send();
    case ShelfCommand::Ports:
    case ShelfCommand::Help:
        break;
    }
    return PortOutcome::of(ExitStatus::Usage, tr("no such command"), QStringLiteral("usage"));
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
    result.result = port.path != port.name ? tr("read at %1 from %2").arg(clockText(clock.now()), port.path)
                                           : tr("read at %1").arg(clockText(clock.now()));
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
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device refused %1: it answered \"%2\".").arg(change, applied.answer),
                               deviceError);
    case Kind::Unanswered:
        return PortOutcome::of(ExitStatus::DeviceFailed, tr("the device did not answer %1.").arg(change), noAnswer);
    case Kind::NotTaken:
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("did not take %1 (the device reports %2)").arg(change, applied.answer),
                               QStringLiteral("not-taken"));
    case Kind::Taken:
        break;
    }
    PortOutcome result = PortOutcome::of(
        ExitStatus::Done, counted(request.changes.size(), QT_TRANSLATE_NOOP("PortRun", "1 setting set and read back"),
                                  QT_TRANSLATE_N_NOOP("PortRun", "%1 settings set and read back")));
    result.json.insert(QStringLiteral("set"), int(request.changes.size()));
    return result;
}

PortOutcome PortRun::readRecords()
{
    RecordsTarget target(request.fileFor(port), request.erase);
    exchangeResult.reset();
    PortOutcome result;
    try {
        device.data().readRecords(target.partialPath());
        // The device's records come in as events; the core ends the read-out
        // when the last one is in, the device stops sending, or the port ends.
        waitUntil([this] { return exchangeResult.has_value(); }, LLONG_MAX);
        result = ending ? ended() : exchangeOutcome(*exchangeResult, target.partialPath());
        if (!ending && exchangeResult->succeeded() && request.erase && exchangeResult->total <= 0) {
            // Unattended, an empty file for every plug-in would be noise.
            target.keepPartOrNothing();
            result.file.clear();
            result.result = tr("no records on the device");
            return result;
        }
        if (!ending && exchangeResult->succeeded()) {
            // Only whole, complete records take the target's place.
            if (target.recordsWritten() != std::max<qint64>(exchangeResult->total, 0))
                throw Failure(FailureNumber::DeviceIoError,
                              tr("%1 holds %2 records, not the %3 the device announced.")
                                  .arg(target.partialPath(), QString::number(target.recordsWritten()),
                                       QString::number(exchangeResult->total)));
            result.file = target.toStandardOutput() ? QString() : target.commit();
            //: Where the records went: the place in "%1 records in %2".
            const QString standardOutput = tr("standard output");
            result.result = recordsIn(exchangeResult->done, target.toStandardOutput() ? standardOutput : result.file);
        }
    } catch (const Failure& failure) {
        result = failedWith(failure);
        result.done = exchangeResult ? exchangeResult->done : 0;
        result.file = target.partialPath();
    }
    if (target.toStandardOutput()) {
        result.data = target.takeRecords();
        result.file.clear();
    } else if (result.status != ExitStatus::Done) {
        target.keepPartOrNothing();
        if (QFileInfo::exists(target.partialPath()))
            result.result += u' ' + tr("The records read are in %1.").arg(target.partialPath());
        else
            result.file.clear();
    }
    if (result.status == ExitStatus::Done && request.erase)
        return eraseAfterReadOut(result);
    return result;
}

PortOutcome PortRun::eraseAfterReadOut(PortOutcome readOut)
{
    // Records the device took since it said how many it held are in no file.
    counts.reset();
    device.data().requestStatistics();
    waitUntil([this] { return counts.has_value(); }, replyMs);
    // The read-out's outcome, with why the records stay on the device.
    const auto keptBecause = [&readOut](const PortOutcome& why) {
        readOut.status = why.status;
        readOut.error = why.error;
        readOut.result = tr("%1, not erased: %2").arg(readOut.result, why.result);
        return readOut;
    };
    if (ending)
        return keptBecause(ended());
    if (!counts || counts->second != *readOut.total)
        return keptBecause(counts ? PortOutcome::of(ExitStatus::DeviceFailed,
                                                    tr("the device now holds %1 records.").arg(counts->second),
                                                    QStringLiteral("records-changed"))
                                  : PortOutcome::of(ExitStatus::DeviceFailed,
                                                    tr("the device did not say how many records it holds."),
                                                    noAnswer));
    const PortOutcome erased = erase(confirmed.eraseRecords(), tr("records erased"));
    if (erased.status != ExitStatus::Done)
        return keptBecause(erased);
    readOut.erased = true;
    readOut.result = tr("%1, erased on the device").arg(readOut.result);
    return readOut;
}

PortOutcome PortRun::loadCodes()
{
    const QString file = request.fileFor(port);
    exchangeResult.reset();
    // Returns when the load has ended, at the device's pace.
    device.data().loadCodes(file);
    PortOutcome result = ending ? ended() : exchangeOutcome(*exchangeResult, file);
    result.file = file;
    result.total = SequentialFile::lineCount(file);
    if (exchangeResult)
        result.done = exchangeResult->done;
    return result;
}

PortOutcome PortRun::exchangeOutcome(const ExchangeResult& result, const QString& file)
{
    using Outcome = ExchangeResult::Outcome;
    PortOutcome out;
    out.file = file;
    out.done = result.done;
    if (result.total >= 0)
        out.total = result.total;
    if (!result.succeeded())
        out.error = exchangeWord(result.outcome);
    if (result.outcome == Outcome::FileFailed && receiveFailure) {
        out.status = ExitStatus::FileFailed;
        out.result = tr("%1 %2 of the %3 records the device announced are in %4.")
                         .arg(receiveFailure->description, QString::number(result.done),
                              QString::number(result.total), file);
    } else if (result.exchange == ExchangeResult::Exchange::Records && result.succeeded()) {
        out.result = recordsIn(result.done, file);
    } else if (result.succeeded()) {
        out.result = counted(result.done, QT_TRANSLATE_NOOP("PortRun", "1 line of custom codes loaded from %2"),
                             QT_TRANSLATE_N_NOOP("PortRun", "%1 lines of custom codes loaded from %2"))
                         .arg(file);
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
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device did not say how many custom codes it holds."), noAnswer);
    // Every code that came is kept, also when some did not, in the form the
    // load reads: a backup loads back as it was.
    PortOutcome result;
    QByteArray file;
    for (const QString& code : readout.codes)
        file += toDeviceBytes(customCodeFileLine(code)) + "\r\n";
    result.done = readout.codes.size();
    result.total = readout.held;
    if (request.toStandardOutput()) {
        result.lines = readout.codes;
        result.data = file;
    } else {
        result.file = request.fileFor(port);
        SequentialFile::writeWhole(result.file, file);
    }
    const qint64 unseen = readout.held - readout.codes.size();
    const QString sent = QString::number(readout.codes.size());
    const QString held = QString::number(readout.held);
    if (unseen > 0) {
        result.status = ExitStatus::DeviceFailed;
        result.error = QStringLiteral("codes-unseen");
        result.result = result.file.isEmpty()
            ? tr("the device sent %1 of the %2 custom codes it holds; %3 could not be seen (an empty code comes as "
                 "an empty line).")
                  .arg(sent, held, QString::number(unseen))
            : tr("the device sent %1 of the %2 custom codes it holds in %3; %4 could not be seen (an empty code "
                 "comes as an empty line).")
                  .arg(sent, held, result.file, QString::number(unseen));
        return result;
    }
    result.result = result.file.isEmpty()
        ? counted(readout.codes.size(), QT_TRANSLATE_NOOP("PortRun", "1 custom code"),
                  QT_TRANSLATE_N_NOOP("PortRun", "%1 custom codes"))
        : counted(readout.codes.size(), QT_TRANSLATE_NOOP("PortRun", "1 custom code in %2"),
                  QT_TRANSLATE_N_NOOP("PortRun", "%1 custom codes in %2"))
              .arg(result.file);
    return result;
}

PortOutcome PortRun::erase(const ConfirmedCommands::Answer& answer, const QString& done)
{
    using Kind = ConfirmedCommands::Answer::Kind;
    switch (answer.kind) {
    case Kind::Ok:
        return PortOutcome::of(ExitStatus::Done, done);
    case Kind::Refused:
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device answered \"%1\" to the erase.").arg(answer.line), deviceError);
    case Kind::None:
        return PortOutcome::of(ExitStatus::DeviceFailed, tr("the device did not answer the erase."), noAnswer);
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
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device sent nothing within %1 s.").arg(request.waitSeconds),
                               noAnswer);
    }
    PortOutcome result = PortOutcome::of(ExitStatus::Done, *identifierText);
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
        return PortOutcome::of(ExitStatus::Done, tr("monitor ended"));
    return ended();
}

PortOutcome PortRun::send()
{
    linesHeard.clear();
    device.send(request.text);
    // Every line that comes back, until the device is quiet for the quiet time.
    qsizetype told = 0;
    while (waitUntil([&] { return linesHeard.size() > told; }, request.quietTimeMs)) {
        for (; told < linesHeard.size(); ++told)
            reporter.line(linesHeard.at(told));
    }
    if (ending)
        return ended();
    return PortOutcome::of(ExitStatus::Done, counted(told, QT_TRANSLATE_NOOP("PortRun", "1 line came back"),
                                                     QT_TRANSLATE_N_NOOP("PortRun", "%1 lines came back")));
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
        return PortOutcome::of(ExitStatus::PortFailed, tr("the port closed."), QStringLiteral("lost"));
    const QString told = ending->cutShort.isEmpty() ? QString() : u' ' + oneLine(ending->cutShort);
    switch (ending->reason) {
    case ConnectionEnding::Reason::NoAnswer:
        return PortOutcome::of(ExitStatus::DeviceFailed,
                               tr("the device did not answer within %1 s.").arg(request.waitSeconds),
                               noAnswer);
    case ConnectionEnding::Reason::Lost:
        return PortOutcome::of(ExitStatus::PortFailed, ending->loss + told, QStringLiteral("lost"));
    case ConnectionEnding::Reason::Ended:
        break;
    }
    const auto [sentence, word] = stoppedBy(stopSignal);
    return PortOutcome::of(ExitStatus::signalled(stopSignal), sentence + told, word);
}

PortOutcome PortRun::failedWith(const Failure& failure) const
{
    // A send that failed because the connection ended under it is that ending.
    if (ending)
        return ended();
    if (isPortFailure(failure))
        return PortOutcome::of(ExitStatus::PortFailed, oneLine(failure.description), QStringLiteral("lost"));
    return PortOutcome::of(ExitStatus::FileFailed, oneLine(failure.description), QStringLiteral("file-failed"));
}
