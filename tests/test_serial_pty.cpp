// The tool's real serial layer (QtSerialPort, the receive path of a real
// window) against the simulated device on a real pseudo-terminal.

#include "app/main_window.h"
#include "form/controls.h"
#include "platform/port_names.h"
#include "sim/port_mapping.h"
#include "sim/pty_server.h"
#include "support/sim_session.h"

#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The idle event loop of the program, for a while of real time.
void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The real window on the real platform, its port pointed at a session's pty.
struct RealWindow {
    RealPlatform real;
    MainWindow window{real.platform};

    Form1& form() { return window.form(); }
    void send(const QString& command) { window.device().send(command); }
};

QByteArray allHighBytes()
{
    QByteArray bytes;
    for (int c = 0x80; c <= 0xFF; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

} // namespace

class SerialPtyTest : public QObject {
    Q_OBJECT
private slots:
    void aSessionAnswersThroughTheReceivePath();
    void theWindowConnectsAndReadsTheDeviceBack();
    void bytesAbove127ComeBackUnchanged();
    void theToolMayCloseAndReopenThePort();
    void aDeviceThatGoesAwayIsReportedOnceAndLeavesTheToolIdle();
    void aDeviceThatHangsUpByItselfStillDeliversItsLastReply();
    void garbageBeforeTheOpenIsThereButDoesNotDisturbTheFirstReply();
    void pacedRepliesTakeTheirLineTime();
    void theSimulatorProgramMapsItsPortAndEndsCleanlyOnSigint();
    void aPortMappingLeavesNoEntryWhereThereWasNone();
    void theSimulatorProgramListsEveryOptionAndRefusesBadValues();
    void aPathAssignedInTheDialogIsWhatConnectOpens();
    void aBusyPortNamesTheProcessHoldingIt();
    void aReplyThatComesDuringAWriteIsTakenAfterIt();
};

void SerialPtyTest::aSessionAnswersThroughTheReceivePath()
{
    SimSession device;
    RealWindow tool;
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    tool.send(QStringLiteral("ONLINE"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("Ok"), 5000);
    QCOMPARE(tool.form().Ausgabe->toPlainText().trimmed(), QStringLiteral("Ok"));
    QVERIFY(device.state().online);

    tool.send(QStringLiteral("AKKU"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("AKKU:87"), 5000);
    QCOMPARE(device.state().commandsReceived, (QList<QByteArray>{"ONLINE", "AKKU"}));
}

// The example of docs/SIMULATOR.md, as it stands there.
void SerialPtyTest::theWindowConnectsAndReadsTheDeviceBack()
{
    SimSession device({.baudRate = 38400});              // paced like a real line
    device.withModel([](DeviceModel& m) { m.state().settings["AKKU"] = 57; });
    RealPlatform real;
    MainWindow window(real.platform);
    setListIndex(window.form().Port, device.portNumber() - 1);   // "COM7"
    window.form().Connect->click();
    QTRY_COMPARE_WITH_TIMEOUT(window.form().akku->value(), 57, 10000);
    QCOMPARE(device.state().commandsReceived.first(), QByteArray("ONLINE"));
}

void SerialPtyTest::bytesAbove127ComeBackUnchanged()
{
    SimSession device;
    RealWindow tool;
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    const QByteArray high = allHighBytes();
    const QString highText = QString::fromLatin1(high);

    tool.send(QStringLiteral("PUT ") + highText);
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("Ok"), 5000);
    tool.send(QStringLiteral("DISPLAY 2 \"") + highText + u'"');
    tool.send(QStringLiteral("REC"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), highText, 5000);

    const DeviceState state = device.state();
    QCOMPARE(state.customCodes, QList<QByteArray>{high});
    QCOMPARE(state.display.at(1), high);
}

void SerialPtyTest::theToolMayCloseAndReopenThePort()
{
    SimSession device;
    RealWindow tool;
    for (int round = 0; round < 3; ++round) {
        tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
        tool.form().Zeile->clear();
        tool.send(QStringLiteral("STA"));
        QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("0|0"), 5000);
        tool.real.port.close();
    }
    QVERIFY(device.isRunning());
}

void SerialPtyTest::aDeviceThatGoesAwayIsReportedOnceAndLeavesTheToolIdle()
{
    SimSession device;
    RealWindow tool;
    int losses = 0;
    tool.real.port.setLostHandler([&losses](const Failure&) { ++losses; });
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    tool.send(QStringLiteral("ONLINE"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("Ok"), 5000);

    device.stop();
    QTRY_COMPARE_WITH_TIMEOUT(losses, 1, 5000);
    QVERIFY(!tool.real.port.isOpen());

    const double cpuBefore = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventLoop(2000);
    const double share = (processCpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000.0);
    qInfo("CPU share of the idle tool after the device went away: %.2f %%", share * 100.0);
    QVERIFY2(share < 0.05, qPrintable(QStringLiteral("CPU share %1").arg(share)));
    QCOMPARE(losses, 1);
    QVERIFY_THROWS_EXCEPTION(Failure, tool.send(QStringLiteral("ONLINE")));
}

void SerialPtyTest::aDeviceThatHangsUpByItselfStillDeliversItsLastReply()
{
    SimSession device({.hangUpAfterCommands = 2});
    RealWindow tool;
    int losses = 0;
    tool.real.port.setLostHandler([&losses](const Failure&) { ++losses; });
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    tool.send(QStringLiteral("ONLINE"));
    tool.send(QStringLiteral("STA"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("0|0"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(losses, 1, 5000);
    QVERIFY(!device.isRunning());
    QVERIFY(!tool.real.port.isOpen());
}

void SerialPtyTest::garbageBeforeTheOpenIsThereButDoesNotDisturbTheFirstReply()
{
    DeviceOptions noisyStart;
    noisyStart.garbageBytes = 300;

    // A plain open of the line, without the tool's flush, finds the garbage.
    {
        PtyServer server(noisyStart);
        server.start();
        const int fd = ::open(server.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QByteArray found;
        for (int tries = 0; tries < 50 && found.size() < noisyStart.garbageBytes; ++tries) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 100);
            char buffer[512];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                found += QByteArray(buffer, n);
        }
        ::close(fd);
        QByteArray expected;
        server.withModel([&expected](DeviceModel& model) { expected = model.garbage(); });
        QCOMPARE(found, expected);
    }

    // The tool's open discards it: the first reply is a clean "Ok".
    SimSession device(noisyStart);
    QTest::qWait(100);
    RealWindow tool;
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    tool.send(QStringLiteral("ONLINE"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("Ok"), 5000);
    QCOMPARE(tool.form().Ausgabe->toPlainText().trimmed(), QStringLiteral("Ok"));
    QVERIFY(tool.window.device().replies().RxBuffer().isEmpty());
}

void SerialPtyTest::pacedRepliesTakeTheirLineTime()
{
    DeviceOptions paced;
    paced.baudRate = 38400;
    paced.preloadRecords = 20;
    SimSession device(paced);
    qsizetype replyBytes = 0;
    device.withModel([&replyBytes](DeviceModel& model) {
        for (const QByteArray& record : model.state().records)
            replyBytes += record.size() + 2;
    });
    QByteArray last;
    device.withModel([&last](DeviceModel& model) { last = model.state().records.constLast(); });

    RealWindow tool;
    tool.real.port.open(portTarget(device.portNumber(), tool.real.settings));
    QElapsedTimer elapsed;
    elapsed.start();
    tool.send(QStringLiteral("GET"));
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QString::fromLatin1(last), 10000);
    // 3840 bytes a second: the records cannot all be there sooner.
    const qint64 lineTimeMs = replyBytes * 1000 / 3840;
    QVERIFY2(elapsed.elapsed() >= lineTimeMs - 15,
             qPrintable(QStringLiteral("%1 bytes in %2 ms").arg(replyBytes).arg(elapsed.elapsed())));
}

void SerialPtyTest::theSimulatorProgramMapsItsPortAndEndsCleanlyOnSigint()
{
    const int portNumber = 9;
    QtSettingsStore settings;
    settings.save(QStringLiteral("Ports"), QStringLiteral("COM9"), QStringLiteral("/dev/ttyUSB5"));
    settings.save(QStringLiteral("Config"), QStringLiteral("SavePath"), QStringLiteral("/tmp/records.csv"));

    QProcess sim;
    sim.start(QStringLiteral(TAGORIX_SIM_PROGRAM),
              {QStringLiteral("--port"), QString::number(portNumber), QStringLiteral("--baud"), QStringLiteral("0"),
               QStringLiteral("--set"), QStringLiteral("AKKU=57")});
    QVERIFY(sim.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QVERIFY(path.startsWith(QStringLiteral("/dev/pts/")));
    QCOMPARE(settings.get(QStringLiteral("Ports"), QStringLiteral("COM9"), QString()), path);

    {
        RealWindow tool;
        tool.real.port.open(portTarget(portNumber, tool.real.settings));
        tool.send(QStringLiteral("AKKU"));
        QTRY_COMPARE_WITH_TIMEOUT(tool.form().Zeile->text(), QStringLiteral("AKKU:57"), 5000);
        tool.real.port.close();
    }

    ::kill(static_cast<pid_t>(sim.processId()), SIGINT);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QCOMPARE(settings.get(QStringLiteral("Ports"), QStringLiteral("COM9"), QString()), QStringLiteral("/dev/ttyUSB5"));
    QCOMPARE(settings.get(QStringLiteral("Config"), QStringLiteral("SavePath"), QString()),
             QStringLiteral("/tmp/records.csv"));
}

void SerialPtyTest::aPortMappingLeavesNoEntryWhereThereWasNone()
{
    QtSettingsStore settings;
    settings.remove(portsSection, portKey(4));
    {
        PortMapping mapping(4, QStringLiteral("/dev/pts/77"));
        QVERIFY(settings.contains(portsSection, portKey(4)));
    }
    QVERIFY(!settings.contains(portsSection, portKey(4)));
}

void SerialPtyTest::theSimulatorProgramListsEveryOptionAndRefusesBadValues()
{
    QProcess help;
    help.start(QStringLiteral(TAGORIX_SIM_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(5000));
    const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char* option : {"--port", "--no-map", "--seed", "--baud", "--delay", "--chunk", "--silent",
                               "--error-rate", "--error-commands", "--capacity", "--noise",
                               "--hang-up-after-seconds", "--hang-up-after-commands", "--records", "--garbage",
                               "--set", "--verbose"})
        QVERIFY2(text.contains(QLatin1String(option)), option);

    for (const QStringList& bad : {QStringList{"--error-rate", "2"}, QStringList{"--port", "0"},
                                   QStringList{"--set", "AKKU"}, QStringList{"--set", "VOLUME=3"}}) {
        QProcess refused;
        refused.start(QStringLiteral(TAGORIX_SIM_PROGRAM), bad + QStringList{QStringLiteral("--no-map")});
        QVERIFY(refused.waitForFinished(5000));
        QCOMPARE(refused.exitCode(), 2);
    }
}

void SerialPtyTest::aPathAssignedInTheDialogIsWhatConnectOpens()
{
    QProcess sim;
    sim.start(QStringLiteral(TAGORIX_SIM_PROGRAM), {QStringLiteral("--no-map"), QStringLiteral("--baud"), QStringLiteral("0")});
    QVERIFY(sim.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    RealWindow tool;
    tool.form().Port->setCurrentIndex(11);
    tool.real.dialogs.inDialog = [&path](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("path"))->setText(path);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("assign")), Qt::LeftButton);
    };
    QTest::mouseClick(tool.form().portDevices, Qt::LeftButton);
    QTest::mouseClick(tool.form().Connect, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().Connect->text(), QStringLiteral("Connected"), 5000);
    QCOMPARE(QtSettingsStore().get(QStringLiteral("Ports"), QStringLiteral("COM12"), QString()), path);

    QtSettingsStore().remove(QStringLiteral("Ports"), QStringLiteral("COM12"));
    ::kill(static_cast<pid_t>(sim.processId()), SIGINT);
    QVERIFY(sim.waitForFinished(5000));
}

void SerialPtyTest::aBusyPortNamesTheProcessHoldingIt()
{
    SimSession device;
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold-port"), device.devicePath()});
    QVERIFY(holder.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine(), 5000);

    RealWindow tool;
    tool.form().Port->setCurrentIndex(device.portNumber() - 1);
    QTest::mouseClick(tool.form().Connect, Qt::LeftButton);
    const qint64 holderPid = holder.processId();
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(5000));

    QCOMPARE(tool.real.dialogs.shown.size(), 1);
    const QString text = tool.real.dialogs.shown.constFirst().text;
    // A process's name as Linux keeps it: at most 15 characters.
    const QString holderName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15);
    QVERIFY2(text.contains(QStringLiteral("Another program is using this port: it is in use by %1 (pid %2).")
                               .arg(holderName)
                               .arg(holderPid)),
             qPrintable(text));
}

// The sender of a command sets what awaits its reply after the send (the
// hand-shake its time-out); a reply taken inside write() came before that.
// On a pty the wait for the written bytes sees the reply as readable when it
// is there first, as Qt's wait on Windows sees a fast device's reply.
void SerialPtyTest::aReplyThatComesDuringAWriteIsTakenAfterIt()
{
    const int device = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    QVERIFY(device >= 0);
    QVERIFY(grantpt(device) == 0 && unlockpt(device) == 0);
    const QString path = QString::fromLocal8Bit(ptsname(device));
    // A second descriptor on the tool's side, to see the reply arrive
    // without taking it.
    const int peek = ::open(ptsname(device), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    QVERIFY(peek >= 0);

    RealPlatform real;
    bool writing = false;
    int takenInsideWrite = 0;
    QByteArray taken;
    real.port.setReceiveHandler([&] {
        if (writing)
            ++takenInsideWrite;
        taken += real.port.readAll();
    });
    real.port.open(PortTarget{path, path});
    QVERIFY(::write(device, "Ok\r\n", 4) == 4);
    pollfd arrived{peek, POLLIN, 0};
    QCOMPARE(::poll(&arrived, 1, 5000), 1);

    writing = true;
    real.port.write("ONLINE\r");
    writing = false;
    QCOMPARE(takenInsideWrite, 0);
    QTRY_COMPARE_WITH_TIMEOUT(taken, QByteArray("Ok\r\n"), 5000);
    char sent[16] = {};
    QCOMPARE(::read(device, sent, sizeof sent), 7);
    QCOMPARE(QByteArray(sent), QByteArray("ONLINE\r"));

    real.port.close();
    ::close(peek);
    ::close(device);
}

int main(int argc, char* argv[])
{
    // The second process of the busy-port test: holds the port open until
    // its input ends.
    if (argc == 3 && qstrcmp(argv[1], "--hold-port") == 0) {
        QCoreApplication app(argc, argv);
        QSerialPort port(QString::fromLocal8Bit(argv[2]));
        if (!port.open(QIODevice::ReadWrite))
            return 1;
        std::puts("holding");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    QApplication app(argc, argv);
    SerialPtyTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_serial_pty.moc"
