// The command line program against the simulator program on pseudo-terminals,
// and against the window on one simulated device: the same bytes.

#include "app/main_window.h"
#include "platform/port_names.h"
#include "platform/qt_settings_store.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <list>
#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifndef TAGORIX_SIM_PROGRAM // the simulator program is built on Linux only
#define TAGORIX_SIM_PROGRAM ""
#endif

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

// How a run is started, beyond its arguments.
struct CliSetting {
    QString folder;          // its current folder; empty: this one
    qint64 fileLimit = 0;    // bytes a file may grow to (ulimit -f); 0: none
    QString standardOutput;  // a file for its standard output; empty: read here
};

QProcess* startCli(const QStringList& arguments, QObject* parent, const CliSetting& setting = {})
{
    auto* cli = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // As from cron: no display.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    cli->setProcessEnvironment(environment);
    cli->setWorkingDirectory(setting.folder);
    if (!setting.standardOutput.isEmpty())
        cli->setStandardOutputFile(setting.standardOutput);
#ifdef Q_OS_LINUX
    if (setting.fileLimit > 0)
        cli->setChildProcessModifier([limit = rlim_t(setting.fileLimit)] {
            const rlimit limited{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &limited);
            std::signal(SIGXFSZ, SIG_DFL); // as a shell leaves it
        });
#endif
    cli->start(QStringLiteral(TAGORIX_CLI_PROGRAM), arguments);
    return cli;
}

CliRun finished(QProcess& cli)
{
    if (!cli.waitForFinished(60'000))
        cli.kill();
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromLocal8Bit(cli.readAllStandardOutput()), QString::fromLocal8Bit(cli.readAllStandardError())};
}

CliRun runCli(const QStringList& arguments, const CliSetting& setting = {})
{
    QObject owner;
    return finished(*startCli(arguments, &owner, setting));
}

// tagorix-sim --no-map with options: the device at the far end of a pty.
struct SimProgram {
    QProcess process;
    QString path;

    explicit SimProgram(const QStringList& options)
    {
        process.start(QStringLiteral(TAGORIX_SIM_PROGRAM), QStringList{QStringLiteral("--no-map")} + options);
        if (process.waitForStarted(5000) && QTest::qWaitFor([&] { return process.canReadLine(); }, 5000))
            path = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    // What tagorix-sim -v has shown of the line so far.
    const QByteArray& heard()
    {
        traffic += process.readAllStandardError();
        return traffic;
    }
    QByteArray traffic;

    ~SimProgram()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QStringList settingsSet{"tag-type=2", "switch-off-time=120", "read-timeout=15", "fdx-code=3",
                              "beeper=0",   "mode=2",              "menu=21",         "language=2"};

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SKIP_UNLESS_LINUX("a pseudo-terminal"); }
    void commandsOnSimulatedDevices();
    void aShelfRunsEveryPortAtOnceAndEndsWithTheWorstStatus();
    void anOffloadOfAShelfErasesOnlyWhereTheFileIsComplete();
    void everySignalEndsWithWholeRecordsAndAGoodbye_data();
    void everySignalEndsWithWholeRecordsAndAGoodbye();
    void anOffloadErasesOnlyWhatIsSafeOnDisk();
    void aFailedWriteToStandardOutputIsAFileFailure();
    void oneDeviceUnderTwoNamesHasOneHolder();
    void portsListsWhatEachOpensAndWhoHoldsIt();
    void customCodesKeepTheirBytesOnTheWayInAndOut();
    void theSameBytesAsTheWindow();
};

void CliTest::commandsOnSimulatedDevices()
{
    struct Row {
        const char* name;
        QStringList simOptions;
        QStringList arguments; // {dev}: the device's pty, {dir}: a folder of the row's own, with the
                               // files below; {com}: the row's port number
        int status;
        QString out; // a pattern that the whole of stdout matches, {dev} and {dir} as above
        QString err = {}; // a pattern found in stderr
        int comPort = 0;  // COMn mapped to the device; without --port, also the port chosen last
    };
    const QStringList port{"-p", "{dev}"};
    const QList<Row> rows{
        {"info is a profile", {"--records", "3", "--set", "AKKU=57"}, port + QStringList{"info"}, 0,
         "tag-type=1\nswitch-off-time=300\nread-timeout=20\nfdx-code=2\nbeeper=1\nmode=1\nmenu=31\nlanguage=1\n"
         "battery=57\ncustom-codes=0\nrecords=3\n# {dev}: read at .*\n"},
        {"set, read back", {}, port + QStringList{"set", "tag-type=10", "switch-off-time=aus", "clock=now"}, 0,
         "{dev}: 3 settings set and read back\n"},
        {"set a value the device refuses", {}, port + QStringList{"set", "read-timeout=1000"}, 1,
         "{dev}: the device refused read-timeout=1000: it answered \"Error\".\n"},
        {"set a value the list does not have", {}, port + QStringList{"set", "tag-type=12"}, 2, ""},
        {"set a flag to 2", {}, port + QStringList{"set", "beeper=2"}, 2, "", "beeper takes 0 \\(off\\) or 1"},
        {"set a switch-off time that is no number", {}, port + QStringList{"set", "switch-off-time=abc"}, 2, ""},
        {"set the clock to no time", {}, port + QStringList{"set", "clock=garbage"}, 2, ""},
        {"set a key mask beyond F5", {}, port + QStringList{"set", "menu=300"}, 2, ""},
        {"set the battery", {}, port + QStringList{"set", "battery=50"}, 2, ""},
        {"set from a profile that info wrote", {}, port + QStringList{"set", "--from", "{dir}/profile.txt"}, 0,
         "{dev}: 2 settings set and read back\n"},
        {"info reads never", {"--set", "OFF=0"}, port + QStringList{"info"}, 0, ".*\nswitch-off-time=never\n.*"},
        {"a read-back query answered \"Error\"", {"--error-rate", "1", "--error-commands", "TIMEOUT"},
         port + QStringList{"info"}, 1,
         "{dev}: the device answered \"Error\" when asked for its read-timeout \\(TIMEOUT\\).\n"},
        {"a bare port number", {"--records", "2"}, {"-p", "{com}", "erase-records", "--yes"}, 0, "COM{com}: records erased\n",
         {}, 7},
        {"the port chosen last in the window", {}, {"info"}, 0, ".*# COM9: read at .*", {}, 9},
        {"read-records", {"--records", "3"}, port + QStringList{"read-records", "{dir}/r.csv"}, 0,
         "{dev}: 3 records in {dir}/r.csv\n"},
        {"read-records, no count", {"--records", "3", "--silent", "STA"},
         port + QStringList{"read-records", "{dir}/r.csv"}, 1,
         "{dev}: The device did not say how many records it holds: the records file is unchanged.\n"},
        {"read-records to standard output", {"--records", "2"}, port + QStringList{"read-records", "-"}, 0,
         "[^\n]*\r\n[^\n]*\r\n", "{dev}: 2 records in standard output"},
        {"read-records into an empty name", {}, port + QStringList{"read-records", ""}, 2, ""},
        {"read-records, GET refused", {"--records", "3", "--error-rate", "1", "--error-commands", "GET"},
         port + QStringList{"read-records", "{dir}/r.csv"}, 1,
         "{dev}: The device answered \"Error\". The read-out of records was cut short: 0 of the 3 .*\n"},
        {"read-records into a missing folder, checked first", {"--records", "3"},
         port + QStringList{"read-records", "{dir}/no/r.csv"}, 4, "", "the folder {dir}/no does not exist"},
        {"load-codes", {}, port + QStringList{"load-codes", "{dir}/codes.csv"}, 0,
         "{dev}: 3 lines of custom codes loaded from {dir}/codes.csv\n"},
        {"load-codes, memory full", {"--capacity", "1"}, port + QStringList{"load-codes", "{dir}/codes.csv"}, 1,
         "{dev}: The load of custom codes stopped: the device reported \"Memory full\" at line 2\\..*\n"},
        {"load-codes, memory full, JSON counts the file's lines", {"--capacity", "1"},
         port + QStringList{"--json", "load-codes", "{dir}/codes.csv"}, 1,
         ".*\"done\":1,\"erased\":false,\"error\":\"memory-full\",\"file\":\"{dir}/codes.csv\".*\"total\":3\\}\n"},
        {"load-codes, missing file, checked first", {}, {"-p", "{dir}/none", "load-codes", "{dir}/none.csv"}, 4, "",
         "cannot read {dir}/none.csv"},
        {"load-codes from a named pipe, without waiting for a writer", {},
         port + QStringList{"load-codes", "{dir}/pipe.csv"}, 4, "", "it is not a file"},
        {"a profile that never ends", {}, port + QStringList{"set", "--from", "/dev/zero"}, 4, "", "it is not a file"},
        {"load-codes, a usage error in JSON", {}, port + QStringList{"--json", "load-codes"}, 2,
         "\\{\"command\":\"load-codes\",\"done\":null,\"erased\":false,\"error\":\"usage\",\"file\":null,"
         "\"port\":null,\"result\":\"load-codes takes one file\",\"status\":2,\"total\":null\\}\n"},
        {"load-codes, a blank line", {}, port + QStringList{"load-codes", "{dir}/blank.csv"}, 0,
         "{dev}: 3 lines of custom codes loaded from {dir}/blank.csv\n", "line 2 is empty: sent as an empty code"},
        {"erase without --yes", {}, port + QStringList{"erase-records"}, 2, ""},
        {"erase", {"--records", "3"}, port + QStringList{"erase-records", "--yes"}, 0, "{dev}: records erased\n"},
        {"scan", {}, port + QStringList{"scan"}, 0, "{dev}: [0-9]{13}\n"},
        {"read-id, json", {}, port + QStringList{"--json", "read-id"}, 0,
         "\\{\"command\":\"read-id\",\"done\":null,\"erased\":false,\"error\":null,\"file\":null,"
         "\"identifier\":\"[^\"]+\",\"port\":\"{dev}\",\"result\":\"[^\"]+\",\"status\":0,\"total\":null\\}\n"},
        {"an empty port", {}, {"-p", "", "erase-records", "--yes"}, 2, ""},
        {"help for a command", {}, {"help", "set"}, 0,
         "Usage: tagorix .* set NAME=VALUE.*\n  switch-off-time  a whole number of seconds, or never\n.*Example:\n.*"},
        {"a command's --help", {}, {"read-records", "--help"}, 0, "Usage: tagorix .* read-records \\[--erase\\] FILE\n.*"},
        {"a mistyped setting", {}, port + QStringList{"set", "swich-off-time=5"}, 2, "",
         "did you mean 'switch-off-time'\\?"},
        {"a mistyped command", {}, port + QStringList{"erase-record", "--yes"}, 2, "", "did you mean 'erase-records'\\?"},
        {"send a line as typed", {}, port + QStringList{"send", "TAGTYP"}, 0, "TAGTYP:1\n", "{dev}: 1 line came back"},
        {"the wire, both ways", {}, port + QStringList{"--verbose", "scan"}, 0, "{dev}: [0-9]{13}\n",
         "{dev}: \\d\\d:\\d\\d:\\d\\d\\.\\d{3} << ONLINE\\\\r\n{dev}: [0-9:.]+ >> Ok\\\\r\\\\n\n"},
        {"a relative path from the current folder", {}, {"-p", "out/dev5", "info"}, 0, ".*# out/dev5: read at .*"},
        {"a device that never answers", {"--silent", "ONLINE"}, port + QStringList{"--wait", "1", "info"}, 1,
         "{dev}: the device did not answer within 1 s.\n"},
        {"no device", {}, {"-p", "{dir}/none", "info"}, 3,
         "{dir}/none: .*No device is attached under this port's name.*\n"},
        {"no device, in JSON", {}, {"-p", "{dir}/none", "--json", "info"}, 3, ".*\"error\":\"port-missing\".*"},
    };

    // The rows run side by side: each spends most of its time waiting for its device.
    struct Running {
        const Row& row;
        QTemporaryDir dir;
        std::unique_ptr<SimProgram> device;
        QProcess* cli = nullptr;
        QString filled(QString text) const
        {
            return text.replace(QStringLiteral("{dev}"), device->path)
                .replace(QStringLiteral("{dir}"), dir.path())
                .replace(QStringLiteral("{com}"), QString::number(row.comPort));
        }
    };
    QObject owner;
    std::list<Running> running;
    for (const Row& row : rows) {
        Running& r = running.emplace_back(Running{row, {}, {}, {}});
        const QList<QPair<QString, QByteArray>> files{
            {"codes.csv", "1;one\r\n2;two\r\n3;three\r\n"},
            {"blank.csv", "1;one\r\n\r\n3;three\r\n"},
            // As info writes it, a setting given twice: the last one counts.
            {"profile.txt", "tag-type=3\nbeeper=1\nbattery=57\ncustom-codes=0\nrecords=3\nbeeper=0\n# x: read at\n"}};
        for (const auto& [name, bytes] : files) {
            QFile file(r.dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        r.device = std::make_unique<SimProgram>(QStringList{"-v"} + row.simOptions);
        QVERIFY2(!r.device->path.isEmpty(), row.name);
#ifdef Q_OS_LINUX
        QVERIFY(::mkfifo(QFile::encodeName(r.dir.filePath("pipe.csv")).constData(), 0600) == 0);
#endif
        QVERIFY(QDir(r.dir.path()).mkpath("out"));
        QVERIFY(QFile::link(r.device->path, r.dir.filePath("out/dev5")));
        if (row.comPort > 0) {
            QtSettingsStore settings;
            settings.save(portsSection, portKey(row.comPort), r.device->path);
            if (!row.arguments.contains("-p"))
                settings.save(chosenPortSection, chosenPortKey, QStringLiteral(" %1").arg(row.comPort - 1));
        }
        QStringList arguments;
        for (const QString& argument : row.arguments)
            arguments << r.filled(argument);
        r.cli = startCli(arguments, &owner, {r.dir.path(), 0, {}});
    }
    QStringList failures;
    for (Running& r : running) {
        const CliRun run = finished(*r.cli);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(r.filled(r.row.out)),
                                         QRegularExpression::DotMatchesEverythingOption);
        // A usage error is told on stderr, with nothing sent to the device.
        const bool usageTold = r.row.status != 2 || run.err.contains(QStringLiteral("Try 'tagorix --help'"));
        // Every run that reached the device says goodbye.
        r.device->process.terminate();
        r.device->process.waitForFinished(5000);
        const QString heard = QString::fromLocal8Bit(r.device->heard());
        const bool reached = heard.contains(QStringLiteral("ONLINE\\r"));
        // Usage and files are checked before the port opens.
        const bool goodbye = heard.contains(QStringLiteral("DISCONNECT\\r")) == reached
            && !(reached && (r.row.status == 2 || r.row.status == 4));
        if (run.status != r.row.status || !pattern.match(run.out).hasMatch() || !usageTold || !goodbye
            || !QRegularExpression(r.filled(r.row.err)).match(run.err).hasMatch())
            failures << QStringLiteral("%1: status %2, goodbye %3, stdout:\n%4stderr:\n%5")
                            .arg(r.row.name)
                            .arg(run.status)
                            .arg(goodbye)
                            .arg(run.out, run.err);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void CliTest::aShelfRunsEveryPortAtOnceAndEndsWithTheWorstStatus()
{
    SimProgram first({"--records", "20"});
    SimProgram second({"--records", "30"});
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone"));
    const CliRun run = runCli({"--port", first.path + u',' + missing, "--port", second.path, "read-records",
                               dir.filePath(QStringLiteral("records-{port}.csv"))});
    QCOMPARE(run.status, 3);
    const QString firstFile = dir.filePath(QStringLiteral("records-%1.csv")).arg(first.path.mid(5).replace(u'/', u'-'));
    const QString secondFile = dir.filePath(QStringLiteral("records-%1.csv")).arg(second.path.mid(5).replace(u'/', u'-'));
    QVERIFY2(run.out.contains(QStringLiteral("%1: 20 records in %2\n").arg(first.path, firstFile)), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("%1: 30 records in %2\n").arg(second.path, secondFile)), qPrintable(run.out));
    QVERIFY2(run.out.contains(missing + QStringLiteral(": ")), qPrintable(run.out));
    QCOMPARE(run.out.count(u'\n'), 3);
    QCOMPARE(fileBytes(firstFile).count("\r\n"), 20);
    QCOMPARE(fileBytes(secondFile).count("\r\n"), 30);
}

void CliTest::anOffloadOfAShelfErasesOnlyWhereTheFileIsComplete()
{
#ifdef Q_OS_LINUX
    SimProgram first({"-v", "--records", "20"});
    SimProgram refusing({"-v", "--records", "20", "--error-rate", "1", "--error-commands", "GET"});
    SimProgram third({"-v", "--records", "30"});
    QTemporaryDir dir;
    const CliRun run = runCli({"--port", first.path + u',' + refusing.path + u',' + third.path, "read-records",
                               "--erase", dir.filePath(QStringLiteral("records-{port}.csv"))});
    QCOMPARE(run.status, 1);
    for (SimProgram* device : {&first, &refusing, &third})
        QVERIFY(QTest::qWaitFor([&] { return device->heard().contains("DISCONNECT\\r"); }, 2000));
    QVERIFY(first.heard().contains("DEL E\\r"));
    QVERIFY(!refusing.heard().contains("DEL E\\r"));
    QVERIFY(third.heard().contains("DEL E\\r"));
#endif
}

void CliTest::everySignalEndsWithWholeRecordsAndAGoodbye_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("told"); // a pattern of the result line after "port: "
#ifdef Q_OS_LINUX
    const QString readOut = QStringLiteral("The read-out of records was cut short: (\\d+) of the 2000 records the "
                                           "device announced are in the file. The records read are in .*partial.");
    QTest::newRow("Ctrl-C") << SIGINT << false << "read-records" << 130 << "interrupted. " + readOut;
    QTest::newRow("Ctrl-C twice") << SIGINT << true << "read-records" << 130 << "interrupted. " + readOut;
    QTest::newRow("SIGTERM") << SIGTERM << false << "read-records" << 143 << "terminated. " + readOut;
    QTest::newRow("SIGHUP") << SIGHUP << false << "read-records" << 129 << "hung up. " + readOut;
    QTest::newRow("Ctrl-C ends a monitor") << SIGINT << false << "monitor" << 0 << "monitor ended";
    QTest::newRow("SIGTERM during a load")
        << SIGTERM << false << "load-codes" << 143
        << "terminated. The load of custom codes was cut short: the device had acknowledged (\\d+) lines?\\."
           "( Whether it stored line \\d+, sent last, is unknown\\.)?";
#endif
}

void CliTest::everySignalEndsWithWholeRecordsAndAGoodbye()
{
#ifdef Q_OS_LINUX
    QFETCH(int, signalNumber);
    QFETCH(bool, twice);
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, told);
    // Paced like a real line: 2,000 records take about 30 s.
    SimProgram device({"-v", "--records", "2000", "--capacity", "5000"});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier read-out\r\n");
    earlier.close();
    const QString codes = dir.filePath(QStringLiteral("codes.csv"));
    QFile codeFile(codes);
    QVERIFY(codeFile.open(QIODevice::WriteOnly));
    for (int line = 1; line <= 2000; ++line)
        codeFile.write(QByteArray::number(line) + ";code\r\n");
    codeFile.close();
    const QStringList argument = command == u"monitor" ? QStringList() : QStringList{command == u"load-codes" ? codes : path};
    QObject owner;
    QProcess* cli = startCli(QStringList{"-p", device.path, command} + argument, &owner);
    const QString partial = path + QStringLiteral(".partial");
    if (command == u"read-records")
        QVERIFY(QTest::qWaitFor([&] { return fileBytes(partial).count("\r\n") >= 10; }, 20'000));
    else
        QVERIFY(QTest::qWaitFor([&] { return device.heard().count("PUT ") >= 10 || (command == u"monitor" && device.heard().contains("AKKU\\r")); }, 20'000));
    ::kill(static_cast<pid_t>(cli->processId()), signalNumber);
    if (twice) {
        QTest::qSleep(10);
        ::kill(static_cast<pid_t>(cli->processId()), signalNumber);
    }
    const CliRun run = finished(*cli);
    QCOMPARE(run.status, status);
    const QString resultLine = (command == u"monitor" ? run.err : run.out).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(device.path + ": ") + told))
            .match(resultLine);
    QVERIFY2(match.hasMatch(), qPrintable(resultLine));
    if (command == u"read-records") {
        // The earlier file is as it was; the part read is whole records, as many as told.
        QCOMPARE(fileBytes(path), QByteArray("an earlier read-out\r\n"));
        QVERIFY(fileBytes(partial).endsWith("\r\n"));
        QCOMPARE(fileBytes(partial).count("\r\n"), match.captured(1).toInt());
    }
    // The device heard the goodbye, stopped sending, and answers the next run at once.
    QVERIFY(QTest::qWaitFor([&] { return device.heard().contains("DISCONNECT\\r"); }, 2000));
    QElapsedTimer next;
    next.start();
    const CliRun info = runCli({"-p", device.path, "info"});
    QCOMPARE(info.status, 0);
    QVERIFY2(next.elapsed() < 5000, qPrintable(QString::number(next.elapsed())));
    if (command == u"load-codes") {
        // What the device holds is what was told: the lines acknowledged, and
        // one more only where the last one's fate was told as unknown.
        const qint64 held = QRegularExpression("custom-codes=(\\d+)").match(info.out).captured(1).toLongLong();
        const qint64 acknowledged = match.captured(1).toLongLong();
        QVERIFY2(held == acknowledged || (held == acknowledged + 1 && match.capturedLength(2) > 0),
                 qPrintable(QStringLiteral("%1 held, %2").arg(held).arg(resultLine)));
    }
#endif
}

void CliTest::anOffloadErasesOnlyWhatIsSafeOnDisk()
{
#ifdef Q_OS_LINUX
    struct Row {
        const char* name;
        QStringList simOptions;
        QString file;      // in the row's folder; {port}, {date} and {time} stand for themselves
        int status;
        qint64 fileLimit = 0;
        int signalNumber = 0; // sent once 10 records are in the partial file
    };
    const QStringList paced{"--records", "300"};
    const QList<Row> rows{
        {"a whole offload", {"--records", "30"}, "r-{port}-{date}-{time}.csv", 0},
        {"GET answered \"Error\"", {"--records", "30", "--error-rate", "1", "--error-commands", "GET"}, "r.csv", 1},
        {"a hang-up during the read-out", paced + QStringList{"--hang-up-after-commands", "12"}, "r.csv", 3},
        {"a file in a missing folder", {"--records", "30"}, "no/r.csv", 4},
        {"a full disk", paced, "r.csv", 4, 2000},
        {"SIGTERM during the read-out", {"--records", "2000"}, "r.csv", 143, 0, SIGTERM},
    };
    struct Running {
        const Row& row;
        QTemporaryDir dir;
        std::unique_ptr<SimProgram> device;
        QProcess* cli = nullptr;
    };
    QObject owner;
    std::list<Running> running;
    for (const Row& row : rows) {
        Running& r = running.emplace_back(Running{row, {}, {}, {}});
        r.device = std::make_unique<SimProgram>(QStringList{"-v"} + row.simOptions);
        QFile earlier(r.dir.filePath("r.csv"));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier offload\r\n");
        earlier.close();
        r.cli = startCli({"-p", r.device->path, "read-records", "--erase", r.dir.filePath(row.file)}, &owner,
                         {{}, row.fileLimit, {}});
    }
    for (Running& r : running) {
        if (r.row.signalNumber != 0) {
            QVERIFY(QTest::qWaitFor([&] { return fileBytes(r.dir.filePath("r.csv.partial")).count("\r\n") >= 10; }, 20'000));
            ::kill(static_cast<pid_t>(r.cli->processId()), r.row.signalNumber);
        }
    }
    QStringList failures;
    for (Running& r : running) {
        const CliRun run = finished(*r.cli);
        // The simulator's account of the line comes through the event loop.
        (void)QTest::qWaitFor([&] { return r.device->heard().contains("DISCONNECT\\r"); }, 2000);
        const bool erased = r.device->heard().contains("DEL E\\r");
        QStringList files = QDir(r.dir.path()).entryList(QDir::Files);
        const bool whole = r.row.status != 0
            || (files.size() == 2 && fileBytes(r.dir.filePath(files.filter(QRegularExpression("^r-pts-")).value(0))).count("\r\n") == 30);
        // Whatever went wrong, the earlier file stays and no record leaves the device.
        if (run.status != r.row.status || erased != (r.row.status == 0) || !whole
            || fileBytes(r.dir.filePath("r.csv")) != "an earlier offload\r\n"
            || run.out.contains(QStringLiteral(", erased on the device")) != erased)
            failures << QStringLiteral("%1: status %2, erased %3, files %4, stdout: %5 stderr: %6")
                            .arg(r.row.name)
                            .arg(run.status)
                            .arg(erased)
                            .arg(files.join(u' '), run.out, run.err);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
#endif
}

void CliTest::aFailedWriteToStandardOutputIsAFileFailure()
{
#ifdef Q_OS_LINUX
    SimProgram device({});
    const CliRun run = runCli({"-p", device.path, "info"}, {{}, 0, QStringLiteral("/dev/full")});
    QCOMPARE(run.status, 4);
    QVERIFY2(run.err.contains(QStringLiteral("cannot write to standard output: No space left on device")),
             qPrintable(run.err));
#endif
}

void CliTest::oneDeviceUnderTwoNamesHasOneHolder()
{
#ifdef Q_OS_LINUX
    SimProgram device({"-v"});
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("by-id-link"));
    QVERIFY(QFile::link(device.path, link));
    QObject owner;
    QProcess* monitor = startCli({"-p", link, "monitor"}, &owner);
    QVERIFY(QTest::qWaitFor([&] { return device.heard().contains("AKKU\\r"); }, 20'000));

    const CliRun second = runCli({"-p", device.path, "info"});
    QCOMPARE(second.status, 3);
    QVERIFY2(second.out.contains(QStringLiteral("in use by tagorix")), qPrintable(second.out));
    const CliRun both = runCli({"-p", link + u',' + device.path, "info"});
    QCOMPARE(both.status, 2);
    QVERIFY2(both.err.contains(QStringLiteral("are the same device")), qPrintable(both.err));

    ::kill(static_cast<pid_t>(monitor->processId()), SIGINT);
    QCOMPARE(finished(*monitor).status, 0);
#endif
}

void CliTest::portsListsWhatEachOpensAndWhoHoldsIt()
{
#ifdef Q_OS_LINUX
    SimProgram free({"-v"});
    SimProgram held({"-v"});
    QtSettingsStore settings;
    settings.save(portsSection, portKey(21), free.path);
    settings.save(portsSection, portKey(22), held.path);
    QObject owner;
    QProcess* monitor = startCli({"-p", "COM22", "monitor"}, &owner);
    QVERIFY(QTest::qWaitFor([&] { return held.heard().contains("AKKU\\r"); }, 20'000));

    const CliRun text = runCli({"ports"});
    QCOMPARE(text.status, 0);
    // The simulator keeps its side of the pty open: it is a holder of both.
    const QRegularExpression freeLine(QStringLiteral("\n  COM21 +%1, held by tagorix-sim \\(pid \\d+\\)\n")
                                          .arg(QRegularExpression::escape(free.path)));
    QVERIFY2(freeLine.match(text.out).hasMatch(), qPrintable(text.out));
    const QRegularExpression heldLine(QStringLiteral("\n  COM22 +%1, held by .* and tagorix \\(pid %2\\)\n")
                                          .arg(QRegularExpression::escape(held.path))
                                          .arg(monitor->processId()));
    QVERIFY2(heldLine.match(text.out).hasMatch(), qPrintable(text.out));

    const CliRun json = runCli({"ports", "--json"});
    QJsonObject com22;
    for (const QJsonValue& port : QJsonDocument::fromJson(json.out.toUtf8()).object().value("ports").toArray())
        if (port.toObject().value("port") == QStringLiteral("COM22"))
            com22 = port.toObject();
    QCOMPARE(com22.value("assigned").toBool(), true);
    QList<qint64> holders;
    for (const QJsonValue& holder : com22.value("heldBy").toArray())
        holders << holder.toObject().value("pid").toInteger();
    QVERIFY(holders.contains(monitor->processId()));

    ::kill(static_cast<pid_t>(monitor->processId()), SIGINT);
    QCOMPARE(finished(*monitor).status, 0);
    settings.remove(portsSection, portKey(21));
    settings.remove(portsSection, portKey(22));
#endif
}

void CliTest::customCodesKeepTheirBytesOnTheWayInAndOut()
{
#ifdef Q_OS_LINUX
    SimProgram device({});
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QByteArray codes = "caf\xC3\xA9;1\r\nx;2\r\n";
    QVERIFY(write("codes.csv", codes));
    QCOMPARE(runCli({"-p", device.path, "load-codes", dir.filePath("codes.csv")}).status, 0);

    // A backup in the file's own form loads back as it was.
    const CliRun backup = runCli({"-p", device.path, "read-codes", dir.filePath("backup.csv")});
    QCOMPARE(backup.status, 0);
    QCOMPARE(fileBytes(dir.filePath("backup.csv")), codes);
    QCOMPARE(runCli({"-p", device.path, "erase-codes", "--yes"}).status, 0);
    QCOMPARE(runCli({"-p", device.path, "load-codes", dir.filePath("backup.csv")}).status, 0);
    const CliRun again = runCli({"-p", device.path, "read-codes"});
    QCOMPARE(again.status, 0);
    QCOMPARE(again.out.toLocal8Bit(), codes);
    QVERIFY2(again.err.contains(QStringLiteral("2 custom codes")), qPrintable(again.err));
    const CliRun json = runCli({"-p", device.path, "--json", "read-codes"});
    const QJsonArray read = QJsonDocument::fromJson(json.out.toUtf8()).object().value("codes").toArray();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).toString(), QStringLiteral("caf\u00E9;1"));

    // A blank line goes out as an empty code, which comes back unseen: what came is kept.
    QCOMPARE(runCli({"-p", device.path, "erase-codes", "--yes"}).status, 0);
    QVERIFY(write("blank.csv", "a;1\r\n\r\nb;2\r\n"));
    const CliRun load = runCli({"-p", device.path, "load-codes", dir.filePath("blank.csv")});
    QVERIFY2(load.err.contains(QStringLiteral("line 2 is empty: sent as an empty code")), qPrintable(load.err));
    const CliRun unseen = runCli({"-p", device.path, "read-codes"});
    QCOMPARE(unseen.status, 1);
    QCOMPARE(unseen.out, QStringLiteral("a;1\r\nb;2\r\n"));
    QVERIFY2(unseen.err.contains(QStringLiteral("2 of the 3 custom codes it holds; 1 could not be seen")),
             qPrintable(unseen.err));
#endif
}

void CliTest::theSameBytesAsTheWindow()
{
    DeviceOptions options;
    options.preloadRecords = 40;
    options.baudRate = 0;
    SimSession device(options);
    QTemporaryDir dir;
    const QString windowFile = dir.filePath(QStringLiteral("window.csv"));
    QList<QByteArray> windowSettings;
    {
        RealPlatform real;
        MainWindow window(real.platform);
        Form1& f = window.form();
        window.show();
        f.Port->setCurrentIndex(device.portNumber() - 1);
        f.Connect->click();
        QTRY_COMPARE_WITH_TIMEOUT(f.Connect->text(), QStringLiteral("Connected"), 10'000);
        QTRY_COMPARE_WITH_TIMEOUT(f.ReplyMode, ReplyModes::EchoOnly, 10'000);

        // The same values as settingsSet, in the window's fields.
        f.Tagtyp->setCurrentIndex(2);
        f.Check_Offtime->setChecked(false);
        f.Offtime->setText(QStringLiteral("120"));
        f.Readtimeout->setText(QStringLiteral("15"));
        f.FDXCode->setCurrentIndex(2);
        f.EnBeeper->setChecked(false);
        f.Betriebsart->setCurrentIndex(2);
        const QList<QCheckBox*> keys = f.menuKeys();
        for (int bit = 0; bit < keys.size(); ++bit)
            keys.at(bit)->setChecked((21 >> bit) & 1);
        f.Sprache->setCurrentIndex(2);
        const qsizetype before = device.state().commandsReceived.size();
        // One button at a time, as a user clicks: each clears the box, where its "Ok" then shows.
        for (QAbstractButton* button : {f.TagSetzen, f.OfftimeSetzen, f.ReadtimeoutSetzen, f.FdxcodeSetzen,
                                        f.EnBeeperSetzen, f.BetriebsartSetzen, f.MenuSetzen, f.SpracheSetzen}) {
            button->click();
            QTRY_VERIFY_WITH_TIMEOUT(f.Ausgabe->shownBytes().startsWith("Ok"), 5000);
        }
        windowSettings = device.state().commandsReceived.mid(before);

        f.PfadSpeichern->setText(windowFile);
        f.LeseErfassungen->click();
        QTRY_VERIFY2_WITH_TIMEOUT(real.dialogs.texts().contains(QStringLiteral("Transfer of records finished.")),
                                  qPrintable(real.dialogs.texts().join(u'|')), 20'000);
        f.Connect->click();
    }

    // The command line, on the same device through the same port name.
    const QString port = QStringLiteral("COM%1").arg(device.portNumber());
    const qsizetype before = device.state().commandsReceived.size();
    const CliRun set = runCli(QStringList{"-p", port, "set"} + settingsSet);
    QVERIFY2(set.status == 0, qPrintable(set.out + set.err));
    // Between the read-back's last query and the questions that check them.
    const QList<QByteArray> received = device.state().commandsReceived.mid(before);
    const qsizetype firstSet = received.indexOf("AKKU") + 1;
    QCOMPARE(received.mid(firstSet, settingsSet.size()), windowSettings);
    QCOMPARE(received.at(firstSet + settingsSet.size()), QByteArray("TAGTYP"));

    const QString cliFile = dir.filePath(QStringLiteral("cli.csv"));
    const CliRun readOut = runCli({"-p", port, "read-records", cliFile});
    QVERIFY2(readOut.status == 0, qPrintable(readOut.out + readOut.err));
    QCOMPARE(fileBytes(windowFile).count("\r\n"), 40);
    QCOMPARE(fileBytes(cliFile), fileBytes(windowFile));
}

QTEST_MAIN(CliTest)
#include "test_cli.moc"
