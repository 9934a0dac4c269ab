#include "cli/port_run.h"

#include "core/port_advice.h"
#include "platform/qt_serial_devices.h"

#include <QFile>
#include <QJsonArray>
#include <climits>

namespace {
// How long a read-back, a count or an erase may take once the device has
// answered the hand-shake; and how long a read-codes may go without a line.
constexpr qint64 replyMs = 5000;
constexpr qint64 readBackMs = 15000;
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

qint64 lineCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 lines = 0;
    QByteArray last;
    while (!file.atEnd()) {
        last = file.read(1 << 16);
        lines += last.count('\n');
    }
    return lines + (!last.isEmpty() && !last.endsWith('\n') ? 1 : 0);
}
} // namespace

PortRun::PortRun(const ShelfRequest& shelfRequest, ShelfPort shelfPort, Reporter reports, StopRequested stopPolled)
    : request(shelfRequest), port(std::move(shelfPort)), reporter(std::move(reports)), stopRequested(std::move(stopPolled))
{
    QObject::connect(&device, &Device::connected, &device, [this] { answered = true; });
    QObject::connect(&device, &Device::readBackDone, &device,
                     [this](const DeviceSettings& values) { reported = values; });
    QObject::connect(&device, &Device::statisticsRead, &device,
                     [this](qint64 codes, qint64 records) { counts = {codes, records}; });
    QObject::connect(&device, &Device::identifierRead, &device,
                     [this](const QString& identifier) { identifierText = identifier; });
    QObject::connect(&device, &Device::exchangeFinished, &device,
                     [this](const ExchangeResult& result) { exchangeResult = result; });
    QObject::connect(&device, &Device::failed, &device, [this](const Failure& failure) { receiveFailure = failure; });
    QObject::connect(&device, &Device::recordWritten, &device, [this](qint64 written, qint64 announced) {
        if (sinceProgress.elapsed() >= progressEveryMs || written == announced) {
            sinceProgress.restart();
            reporter.progress(QStringLiteral("records %1/%2").arg(written).arg(announced));
        }
    });
    device.replies().setDisplay([](const QString&) {}, [this](const QString& line) {
        linesHeard << line;
        sinceLastLine.restart();
    });
    serial.setLostHandler([this](const Failure& failure) {
        loss = failure;
        endConnection(End::Lost);
    });
    clock.startTimer(500, [this] {
        if (device.handshake().tick())
            handshakeOverdue = true;
        device.exchange().tick();
    });
    watchForStop();
    sinceProgress.start();
    sinceLastLine.start();
}

PortRun::~PortRun()
{
    serial.setLostHandler({});
}

void PortRun::watchForStop()
{
    stopWatch.setInterval(int(stopPollMs));
    QObject::connect(&stopWatch, &QTimer::timeout, &stopWatch, [this] {
        if (end == End::None && stopRequested())
            endConnection(End::Interrupted);
    });
    stopWatch.start();
}

void PortRun::endConnection(End why)
{
    if (end != End::None)
        return;
    end = why;
    // As when the window's connection ends: nothing more is sent, the
    // records file keeps the whole records it has, and the exchange says
    // how far it got. Waits inside the core see the closed port and end.
    device.handshake().stop();
    device.data().closeFile();
    cutShortText = device.exchange().cutShort();
    serial.close();
}

PortOutcome PortRun::run()
{
    if (auto failed = open())
        return *failed;
    if (auto failed = connect()) {
        goodbye();
        return *failed;
    }
    PortOutcome result;
    try {
        result = perform();
    } catch (const Failure& failure) {
        result = failedWith(failure);
    }
    goodbye();
    return result;
}

std::optional<PortOutcome> PortRun::open()
{
    try {
        serial.openPath(port.name, port.path);
    } catch (const Failure& failure) {
        QString heldBy;
        if (portTrouble(failure) == PortTrouble::InUse)
            heldBy = holdersText(QtSerialDevices().holdersOf(port.path));
        return outcome(ExitStatus::PortFailed, oneLine(connectFailureText(failure, settings.fileName(), heldBy)));
    }
    device.replies().startAfresh();
    return std::nullopt;
}

std::optional<PortOutcome> PortRun::readSettings()
{
    answered = false;
    reported.reset();
    handshakeOverdue = false;
    device.handshake().start();
    // As the window does, "ONLINE" goes out again whenever an answer is overdue.
    const bool answer = waitUntil(
        [this] {
            if (handshakeOverdue && !answered) {
                handshakeOverdue = false;
                device.replies().startAfresh();
                device.handshake().start();
            }
            return answered;
        },
        qint64(request.waitSeconds) * 1000);
    if (end != End::None)
        return ended();
    if (!answer) {
        device.handshake().stop();
        return outcome(ExitStatus::DeviceFailed,
                       QStringLiteral("the device did not answer within %1 s.").arg(request.waitSeconds));
    }
    if (!waitUntil([this] { return reported.has_value(); }, readBackMs)) {
        if (end != End::None)
            return ended();
        if (receiveFailure)
            return failedWith(*receiveFailure);
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not report all its settings."));
    }
    return std::nullopt;
}

std::optional<PortOutcome> PortRun::connect()
{
    try {
        return readSettings();
    } catch (const Failure& failure) {
        return failedWith(failure);
    }
}

std::optional<PortOutcome> PortRun::statistics()
{
    counts.reset();
    device.data().requestStatistics();
    if (waitUntil([this] { return counts.has_value(); }, replyMs))
        return std::nullopt;
    if (end != End::None)
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
        device.data().eraseRecords();
        return erase(QStringLiteral("records"));
    case ShelfCommand::EraseCodes:
        device.data().eraseCodes();
        return erase(QStringLiteral("custom codes"));
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
        result.lines << QStringLiteral("%1=%2").arg(value.setting->name, value.text);
        result.json.insert(value.setting->name, value.text);
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
    for (const SettingChange& change : request.changes) {
        if (change.setting) {
            device.commands().set(*change.setting, change.fieldText);
        } else {
            const bool now = change.value.compare(QStringLiteral("now"), Qt::CaseInsensitive) == 0;
            device.commands().setClock(now ? clockText(clock.now()) : change.fieldText);
        }
        // At the device's pace: its answer before the next command.
        if (!nextLine(replyMs))
            return end != End::None ? ended()
                                    : outcome(ExitStatus::DeviceFailed,
                                              QStringLiteral("the device did not answer %1.").arg(change.name()));
    }
    if (auto failed = readSettings())
        return *failed;
    QStringList notTaken;
    for (const SettingChange& change : request.changes)
        if (!changeTaken(change, *reported))
            notTaken << QStringLiteral("%1=%2 (the device reports %3)")
                            .arg(change.name(), change.value, reported->text(QString(change.setting->name)));
    if (!notTaken.isEmpty())
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("did not take ") + notTaken.join(QStringLiteral(", ")));
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
    try {
        device.data().readRecords(file);
    } catch (const Failure& failure) {
        return failedWith(failure);
    }
    // The device's records come in as events; the core ends the read-out
    // when the last one is in, the device stops sending, or the port ends.
    waitUntil([this] { return exchangeResult.has_value(); }, LLONG_MAX);
    if (end != End::None)
        return ended();
    return exchangeOutcome(*exchangeResult, file);
}

PortOutcome PortRun::loadCodes()
{
    const QString file = request.fileFor(port);
    const qint64 total = lineCount(file);
    exchangeResult.reset();
    QObject::connect(&device, &Device::codeLineStarting, &device, [this, total](qint64 line) {
        if (sinceProgress.elapsed() >= progressEveryMs || line == total) {
            sinceProgress.restart();
            reporter.progress(QStringLiteral("codes %1/%2").arg(line).arg(total));
        }
    });
    try {
        // Returns when the load has ended, at the device's pace.
        device.data().loadCodes(file);
    } catch (const Failure& failure) {
        return failedWith(failure);
    }
    if (end != End::None)
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
    if (auto failed = statistics())
        return *failed;
    const qint64 held = counts->first;
    linesHeard.clear();
    device.data().readCodes();
    // Done when every code the device holds has come; a device that goes
    // quiet for the reply time before that is not sending the rest.
    waitUntil([&] { return linesHeard.size() >= held || sinceLastLine.elapsed() > replyMs; }, LLONG_MAX);
    if (end != End::None)
        return ended();
    PortOutcome result;
    result.lines = linesHeard.mid(0, held);
    result.json.insert(QStringLiteral("codes"), QJsonArray::fromStringList(result.lines));
    if (result.lines.size() < held)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device sent %1 of the %2 custom codes it holds.")
                                                     .arg(result.lines.size())
                                                     .arg(held));
    result.result = plural(held, QStringLiteral("custom code"), QStringLiteral("custom codes"));
    return result;
}

PortOutcome PortRun::erase(const QString& what)
{
    const std::optional<QString> answer = nextLine(replyMs);
    if (end != End::None)
        return ended();
    if (!answer)
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device did not answer the erase."));
    if (*answer != QLatin1StringView("Ok"))
        return outcome(ExitStatus::DeviceFailed, QStringLiteral("the device answered \"%1\".").arg(*answer));
    return outcome(ExitStatus::Done, what + QStringLiteral(" erased"));
}

PortOutcome PortRun::identifier(const QString& command)
{
    identifierText.reset();
    device.commands().requestIdentifier(command);
    if (!waitUntil([this] { return identifierText.has_value(); }, qint64(request.waitSeconds) * 1000)) {
        device.replies().ReplyMode = ReplyModes::EchoOnly;
        if (end != End::None)
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
            for (const QString& line : linesHeard)
                reporter.line(line);
            linesHeard.clear();
            return false;
        },
        LLONG_MAX);
    // Ctrl-C is how a monitor ends.
    if (end == End::Interrupted)
        return outcome(ExitStatus::Done, QStringLiteral("monitor ended"));
    return ended();
}

std::optional<QString> PortRun::nextLine(qint64 maxMs)
{
    const qsizetype seen = linesHeard.size();
    if (!waitUntil([&] { return linesHeard.size() > seen; }, maxMs))
        return std::nullopt;
    return linesHeard.at(seen);
}

bool PortRun::waitUntil(const std::function<bool()>& done, qint64 maxMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (end != End::None || elapsed.elapsed() >= maxMs)
            return false;
        clock.waitForEvents(double(std::min(stopPollMs, maxMs - elapsed.elapsed())));
    }
    return true;
}

void PortRun::goodbye()
{
    if (!serial.isOpen())
        return;
    try {
        device.send(QStringLiteral("DISCONNECT"));
    } catch (const Failure&) {
        // The port is closed below all the same.
    }
    serial.close();
}

PortOutcome PortRun::ended() const
{
    const QString told = cutShortText.isEmpty() ? QString() : u' ' + oneLine(cutShortText);
    if (end == End::Interrupted)
        return outcome(ExitStatus::Interrupted, QStringLiteral("interrupted.") + told);
    return outcome(ExitStatus::DeviceFailed, (loss ? loss->description : QStringLiteral("the port closed.")) + told);
}

PortOutcome PortRun::failedWith(const Failure& failure) const
{
    // A send that failed because the port ended under it is that ending.
    if (end != End::None)
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
