// The command line program against the simulator program on pseudo-terminals,
// and against the window on one simulated device: the same bytes.

#include "app/main_window.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <list>
#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
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

QProcess* startCli(const QStringList& arguments, QObject* parent)
{
    auto* cli = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // As from cron: no display.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    cli->setProcessEnvironment(environment);
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

CliRun runCli(const QStringList& arguments)
{
    QObject owner;
    return finished(*startCli(arguments, &owner));
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
    void ctrlCEndsAReadOutWithWholeRecords();
    void theSameBytesAsTheWindow();
};

void CliTest::commandsOnSimulatedDevices()
{
    struct Row {
        const char* name;
        QStringList simOptions;
        QStringList arguments; // {dev}: the device's pty, {dir}: a folder of the row's own, with codes.csv
        int status;
        QString out; // a pattern that the whole of stdout matches, {dev} and {dir} as above
    };
    const QStringList port{"-p", "{dev}"};
    const QList<Row> rows{
        {"info is a profile", {"--records", "3", "--set", "AKKU=57"}, port + QStringList{"info"}, 0,
         "tag-type=1\nswitch-off-time=300\nread-timeout=20\nfdx-code=2\nbeeper=1\nmode=1\nmenu=31\nlanguage=1\n"
         "battery=57\ncustom-codes=0\nrecords=3\n# {dev}: read at .*\n"},
        {"set, read back", {}, port + QStringList{"set", "tag-type=10", "switch-off-time=aus", "clock=now"}, 0,
         "{dev}: 3 settings set and read back\n"},
        {"set a value the device refuses", {}, port + QStringList{"set", "menu=300"}, 1,
         "{dev}: did not take menu=300 \\(the device reports 31\\)\n"},
        {"set a value the list does not have", {}, port + QStringList{"set", "tag-type=12"}, 2, ""},
        {"set the battery", {}, port + QStringList{"set", "battery=50"}, 2, ""},
        {"read-records", {"--records", "3"}, port + QStringList{"read-records", "{dir}/r.csv"}, 0,
         "{dev}: 3 records in {dir}/r.csv\n"},
        {"read-records, no count", {"--records", "3", "--silent", "STA"},
         port + QStringList{"read-records", "{dir}/r.csv"}, 1,
         "{dev}: The device did not say how many records it holds: the records file is unchanged.\n"},
        {"read-records, GET refused", {"--records", "3", "--error-rate", "1", "--error-commands", "GET"},
         port + QStringList{"read-records", "{dir}/r.csv"}, 1,
         "{dev}: The device answered \"Error\". The read-out of records was cut short: 0 of the 3 .*\n"},
        {"read-records into a missing folder", {"--records", "3"},
         port + QStringList{"read-records", "{dir}/no/r.csv"}, 4, "{dev}: .*no/r.csv.*\n"},
        {"load-codes", {}, port + QStringList{"load-codes", "{dir}/codes.csv"}, 0,
         "{dev}: 3 lines of custom codes loaded from {dir}/codes.csv\n"},
        {"load-codes, memory full", {"--capacity", "1"}, port + QStringList{"load-codes", "{dir}/codes.csv"}, 1,
         "{dev}: The load of custom codes stopped: the device reported \"Memory full\" at line 2\\..*\n"},
        {"load-codes, missing file", {}, port + QStringList{"load-codes", "{dir}/none.csv"}, 4,
         "{dev}: .*none.csv.*\n"},
        {"erase without --yes", {}, port + QStringList{"erase-records"}, 2, ""},
        {"erase", {"--records", "3"}, port + QStringList{"erase-records", "--yes"}, 0, "{dev}: records erased\n"},
        {"scan", {}, port + QStringList{"scan"}, 0, "{dev}: [0-9]{13}\n"},
        {"read-id, json", {}, port + QStringList{"--json", "read-id"}, 0,
         "\\{\"identifier\":\"[^\"]+\",\"port\":\"{dev}\",\"result\":\"[^\"]+\",\"status\":0\\}\n"},
        {"a device that never answers", {"--silent", "ONLINE"}, port + QStringList{"--wait", "1", "info"}, 1,
         "{dev}: the device did not answer within 1 s.\n"},
        {"no device", {}, {"-p", "{dir}/none", "info"}, 3,
         "{dir}/none: .*No device is attached under this port's name.*\n"},
    };

    // The rows run side by side: each spends most of its time waiting for its device.
    struct Running {
        const Row& row;
        QTemporaryDir dir;
        std::unique_ptr<SimProgram> device;
        QProcess* cli = nullptr;
        QString filled(QString text) const
        {
            return text.replace(QStringLiteral("{dev}"), device->path).replace(QStringLiteral("{dir}"), dir.path());
        }
    };
    QObject owner;
    std::list<Running> running;
    for (const Row& row : rows) {
        Running& r = running.emplace_back(Running{row, {}, {}, {}});
        QFile codes(r.dir.filePath(QStringLiteral("codes.csv")));
        QVERIFY(codes.open(QIODevice::WriteOnly));
        codes.write("1;one\r\n2;two\r\n3;three\r\n");
        codes.close();
        r.device = std::make_unique<SimProgram>(row.simOptions);
        QVERIFY2(!r.device->path.isEmpty(), row.name);
        QStringList arguments;
        for (const QString& argument : row.arguments)
            arguments << r.filled(argument);
        r.cli = startCli(arguments, &owner);
    }
    QStringList failures;
    for (Running& r : running) {
        const CliRun run = finished(*r.cli);
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(r.filled(r.row.out)),
                                         QRegularExpression::DotMatchesEverythingOption);
        // A usage error is told on stderr, with nothing sent to the device.
        const bool usageTold = r.row.status != 2 || run.err.contains(QStringLiteral("Try 'tagorix --help'"));
        if (run.status != r.row.status || !pattern.match(run.out).hasMatch() || !usageTold)
            failures << QStringLiteral("%1: status %2, stdout:\n%3stderr:\n%4").arg(r.row.name).arg(run.status).arg(run.out, run.err);
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

void CliTest::ctrlCEndsAReadOutWithWholeRecords()
{
#ifdef Q_OS_LINUX
    // Paced like a real line: 2,000 records take about 30 s.
    SimProgram device({"--records", "2000"});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    QObject owner;
    QProcess* cli = startCli({"-p", device.path, "read-records", path}, &owner);
    QVERIFY(QTest::qWaitFor([&] { return fileBytes(path).count("\r\n") >= 10; }, 20'000));
    ::kill(static_cast<pid_t>(cli->processId()), SIGINT);
    const CliRun run = finished(*cli);
    QCOMPARE(run.status, 130);
    const QByteArray records = fileBytes(path);
    QVERIFY(records.endsWith("\r\n"));
    const qsizetype inFile = records.count("\r\n");
    QVERIFY(inFile < 2000);
    QCOMPARE(run.out, QStringLiteral("%1: interrupted. The read-out of records was cut short: %2 of the 2000 records "
                                     "the device announced are in the file.\n")
                          .arg(device.path)
                          .arg(inFile));
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
    // Between the read-back's last query and the one that checks them.
    const QList<QByteArray> received = device.state().commandsReceived.mid(before);
    const qsizetype firstSet = received.indexOf("AKKU") + 1;
    QCOMPARE(received.mid(firstSet, settingsSet.size()), windowSettings);
    QCOMPARE(received.at(firstSet + settingsSet.size()), QByteArray("ONLINE"));

    const QString cliFile = dir.filePath(QStringLiteral("cli.csv"));
    const CliRun readOut = runCli({"-p", port, "read-records", cliFile});
    QVERIFY2(readOut.status == 0, qPrintable(readOut.out + readOut.err));
    QCOMPARE(fileBytes(windowFile).count("\r\n"), 40);
    QCOMPARE(fileBytes(cliFile), fileBytes(windowFile));
}

QTEST_MAIN(CliTest)
#include "test_cli.moc"
