// tagorix-sim: the simulated device on a pseudo-terminal, for the tool to
// open as its serial port.

#include "base/latin1.h"
#include "base/port_number.h"
#include "options/command_options.h"
#include "sim/port_mapping.h"
#include "sim/pty_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <csignal>
#include <ctime>
#include <pthread.h>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct Usage {
    QString message;
};

QSet<QByteArray> words(const QString& list)
{
    QSet<QByteArray> set;
    for (const QString& word : list.split(u',', Qt::SkipEmptyParts))
        set.insert(word.trimmed().toUpper().toLatin1());
    return set;
}

double number(const QCommandLineParser& parser, const QString& name, double lowest, double highest)
{
    bool isNumber = false;
    const double value = parser.value(name).toDouble(&isNumber);
    if (!isNumber || value < lowest || value > highest)
        throw Usage{QStringLiteral("--%1 takes a number from %2 to %3").arg(name).arg(lowest).arg(highest)};
    return value;
}

int whole(const QCommandLineParser& parser, const QString& name, int lowest, int highest)
{
    const double value = number(parser, name, lowest, highest);
    if (value != static_cast<int>(value))
        throw Usage{QStringLiteral("--%1 takes a whole number").arg(name)};
    return static_cast<int>(value);
}

} // namespace

int main(int argc, char* argv[])
{
    const QString program = QStringLiteral("tagorix-sim");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Tagorix device, simulated on a pseudo-terminal. Prints the device path on the first line of its\n"
        "output, maps a COM port of Tagorix Tool to it in the tool's per-user settings, and serves until\n"
        "Ctrl-C (SIGINT) or SIGTERM, or until it hangs up by itself; then it puts the port's previous\n"
        "mapping back. All random behaviour is drawn from the seed, so a run repeats exactly."));
    addStandardOptions(parser);
    const QList<QCommandLineOption> options{
        {{QStringLiteral("p"), QStringLiteral("port")}, QStringLiteral("Map COMn to the device (COMn or n; default 1)."),
         QStringLiteral("n"), QStringLiteral("1")},
        {QStringLiteral("no-map"), QStringLiteral("Leave the tool's settings alone.")},
        {QStringLiteral("seed"), QStringLiteral("Seed of every random choice (default 1)."), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("baud"),
         QStringLiteral("Pace replies at this line rate, 10 bits a byte (default 38400; 0: no pacing)."),
         QStringLiteral("rate"), QStringLiteral("38400")},
        {QStringLiteral("delay"), QStringLiteral("Wait this long before each reply."), QStringLiteral("ms"),
         QStringLiteral("0")},
        {QStringLiteral("chunk"), QStringLiteral("Send replies in random pieces of 1..n bytes."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("silent"), QStringLiteral("Never answer these command words (comma-separated)."),
         QStringLiteral("words")},
        {QStringLiteral("error-rate"),
         QStringLiteral("Answer \"Error\" with this probability (0..1) to the --error-commands."),
         QStringLiteral("p"), QStringLiteral("0")},
        {QStringLiteral("error-commands"), QStringLiteral("Commands that --error-rate applies to (default PUT)."),
         QStringLiteral("words"), QStringLiteral("PUT")},
        {QStringLiteral("capacity"), QStringLiteral("Custom codes the device holds (default 1000)."),
         QStringLiteral("n"), QStringLiteral("1000")},
        {QStringLiteral("noise"), QStringLiteral("Replace each reply byte by a random one with probability p."),
         QStringLiteral("p"), QStringLiteral("0")},
        {QStringLiteral("hang-up-after-seconds"), QStringLiteral("Go away this long after starting."),
         QStringLiteral("s"), QStringLiteral("0")},
        {QStringLiteral("hang-up-after-commands"), QStringLiteral("Go away after answering n commands."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("records"), QStringLiteral("Start with n generated records (about 50 bytes each)."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("garbage"), QStringLiteral("Put n random bytes on the line before the tool opens it."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("idle-line"),
         QStringLiteral("While idle, send an empty line every ms milliseconds (Wine's COM ports "
                        "see received bytes only while some arrive)."),
         QStringLiteral("ms"), QStringLiteral("0")},
        {QStringLiteral("set"),
         QStringLiteral("Start with a setting's value, e.g. AKKU=57 or TAGTYP=8 (may be repeated)."),
         QStringLiteral("WORD=value")},
        {{QStringLiteral("v"), QStringLiteral("verbose")}, QStringLiteral("Show every byte on the line.")},
    };
    parser.addOptions(options);
    if (const std::optional<EarlyExit> exit = parseStandardOptions(parser, program, argumentList(argc, argv)))
        return finish(*exit);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(program);
    QCoreApplication::setApplicationVersion(programVersion());

    DeviceOptions device;
    int portNumber = 1;
    QList<std::pair<QByteArray, int>> settings;
    try {
        const std::optional<int> port = portNumberFrom(parser.value(QStringLiteral("port")));
        if (!port)
            throw Usage{QStringLiteral("--port takes COM1 to COM%1 or 1 to %1").arg(maxPortNumber)};
        portNumber = *port;
        device.seed = static_cast<quint64>(number(parser, QStringLiteral("seed"), 0, 9.0e15));
        device.baudRate = whole(parser, QStringLiteral("baud"), 0, 4'000'000);
        device.replyDelayMs = whole(parser, QStringLiteral("delay"), 0, 600'000);
        device.maxChunk = whole(parser, QStringLiteral("chunk"), 0, 1'000'000);
        device.silentCommands = words(parser.value(QStringLiteral("silent")));
        device.errorRate = number(parser, QStringLiteral("error-rate"), 0, 1);
        device.errorCommands = words(parser.value(QStringLiteral("error-commands")));
        device.customCodeCapacity = whole(parser, QStringLiteral("capacity"), 0, 10'000'000);
        device.noiseRate = number(parser, QStringLiteral("noise"), 0, 1);
        device.hangUpAfterMs = static_cast<int>(number(parser, QStringLiteral("hang-up-after-seconds"), 0, 2e6) * 1000);
        device.hangUpAfterCommands = whole(parser, QStringLiteral("hang-up-after-commands"), 0, 100'000'000);
        device.preloadRecords = whole(parser, QStringLiteral("records"), 0, 10'000'000);
        device.garbageBytes = whole(parser, QStringLiteral("garbage"), 0, 4096);
        device.idleLineMs = whole(parser, QStringLiteral("idle-line"), 0, 60'000);
        for (const QString& assignment : parser.values(QStringLiteral("set"))) {
            const QStringList parts = assignment.split(u'=');
            bool isNumber = false;
            const int value = parts.value(1).toInt(&isNumber);
            if (parts.size() != 2 || !isNumber)
                throw Usage{QStringLiteral("--set takes WORD=number, not %1").arg(assignment)};
            settings << std::pair{parts.at(0).trimmed().toUpper().toLatin1(), value};
        }
    } catch (const Usage& usage) {
        return finish(usageError(program, usage.message));
    }

    // SIGINT and SIGTERM are taken by sigtimedwait below, never by a handler:
    // blocked here, before the server thread exists, they stay blocked there too.
    // A shell starts background jobs with SIGINT ignored, and an ignored
    // signal is discarded before sigtimedwait could take it.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);

    PtyServer server(device);
    for (const auto& [word, value] : settings) {
        bool known = false;
        server.withModel([&](DeviceModel& model) {
            if (auto found = model.state().settings.find(word); found != model.state().settings.end()) {
                found->second = value;
                known = true;
            }
        });
        if (!known) {
            std::fprintf(stderr, "tagorix-sim: --set: no setting %s\n", word.constData());
            return 2;
        }
    }
    const bool verbose = parser.isSet(QStringLiteral("verbose"));
    if (verbose)
        server.setTrafficObserver([](const QByteArray& bytes, bool fromTool) {
            std::fprintf(stderr, "%s\n", qPrintable(trafficText(bytes, fromTool)));
        });
    try {
        server.start();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tagorix-sim: %s\n", failure.what());
        return 1;
    }

    // The mapping is in place by the time the path is printed.
    std::unique_ptr<PortMapping> mapping;
    if (!parser.isSet(QStringLiteral("no-map"))) {
        try {
            mapping = std::make_unique<PortMapping>(portNumber, server.devicePath());
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "tagorix-sim: %s\n", failure.what());
            return 1;
        }
        std::fprintf(stderr, "tagorix-sim: %s -> %s (in %s)\n", qPrintable(portKey(portNumber)), qPrintable(server.devicePath()),
                     qPrintable(PortMapping::settingsFile()));
    }
    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);
    std::fprintf(stderr, "tagorix-sim: serving; Ctrl-C ends it\n");

    int ending = 0;
    const timespec poll{0, 200'000'000};
    while (server.isRunning()) {
        ending = sigtimedwait(&endSignals, nullptr, &poll);
        if (ending > 0)
            break;
    }
    server.stop();
    mapping.reset();
    std::fprintf(stderr, "tagorix-sim: %s\n", ending > 0 ? "stopped" : "the device hung up");
    return 0;
}
