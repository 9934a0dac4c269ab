// Connecting and disconnecting with the Connect toggle, the hand-shake with
// its time-out and retry, and the clock text, all on the virtual clock.

#include "test_connection_device.h"

#include "base/failure.h"
#include "core/port_advice.h"
#include "link/connection.h"
#include "platform/port_names.h"

#include <QDialog>
#include <cerrno>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString connecting = QStringLiteral("connecting...");
const QString initialising = QStringLiteral("initialising...");

bool allPagesEnabled(Form1& f, bool enabled)
{
    for (QFrame* page : f.pages())
        if (page->isEnabled() != enabled)
            return false;
    return true;
}

int timesSent(const WindowHarness& h, const QByteArray& line)
{
    return static_cast<int>(h.sent().count(line));
}

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void opensThePortNamedInTheListAndSaysOnline()
    {
        WindowHarness h;
        h.form().Port->setCurrentIndex(11); // "COM12"
        pressConnect(h);

        QCOMPARE(h.fakes.port.openedPorts, QList<int>{12});
        QCOMPARE(h.sent(), QList<QByteArray>{"ONLINE"});
        QCOMPARE(h.form().Ausgabe->toPlainText().trimmed(), initialising);
        QVERIFY(allPagesEnabled(h.form(), true));
        // The list keeps showing the port the commands go to, and the open
        // port cannot be remapped.
        QVERIFY(!h.form().Port->isEnabled());
        if (h.form().portDevices) { // Windows has no port assignment
            QVERIFY(!h.form().portDevices->isEnabled());
            QVERIFY(!h.form().assignDevice->isEnabled());
        }
        QCOMPARE(h.form().ReplyMode, ReplyModes::HandshakeAndReadBack);
        QCOMPARE(h.window->device().handshake().countdown(), 5);
    }

    void showsConnectingBeforeTheOpenIsTried()
    {
        WindowHarness h;
        h.fakes.port.refuseOpen(1, Failure(FailureNumber::PortOpenFailed, QStringLiteral("COM1: busy")));
        QString shownDuringBox;
        h.fakes.dialogs.whileShown = [&] { shownDuringBox = h.form().Ausgabe->toPlainText(); };
        pressConnect(h);
        QCOMPARE(shownDuringBox.trimmed(), connecting);
    }

    // The retry's timing is the core's (test_device_connection); the window
    // shows it quietly.
    void retriesWithoutADeviceShowNoBoxAndKeepTheTogglePressed()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.clock.runFor(10'000);

        QVERIFY(h.fakes.port.openCount() >= 3);
        QCOMPARE(h.fakes.dialogs.shown.size(), 0);
        QVERIFY(h.form().Connect->isChecked());
        QCOMPARE(h.form().Connect->text(), QStringLiteral("Connect"));
        QCOMPARE(h.form().Ausgabe->toPlainText().trimmed(), initialising);
        QVERIFY(allPagesEnabled(h.form(), true));
    }

    void releasingTheToggleStopsTheRetriesAndSaysGoodbye()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.clock.runFor(4000); // one retry has happened
        QCOMPARE(h.fakes.port.openCount(), 2);
        pressConnect(h);

        QCOMPARE(h.sent().constLast(), QByteArray("DISCONNECT"));
        QVERIFY(!h.fakes.port.isOpen());
        QCOMPARE(h.window->device().handshake().countdown(), 0);
        h.fakes.clock.runFor(10'000);
        QCOMPARE(h.fakes.port.openCount(), 2);
        QCOMPARE(timesSent(h, "DISCONNECT"), 1);
        QVERIFY(allPagesEnabled(h.form(), false));
    }

    void afterConnectingTheOutputShowsTheDevicesLinesOnly()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        QVERIFY(connectAndReadBack(h));
        const QStringList lines = h.form().Ausgabe->toPlainText().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0).trimmed(), initialising);
        QCOMPARE(lines.value(1).trimmed(), QStringLiteral("Ok"));
        QCOMPARE(lines.value(2).trimmed(), QStringLiteral("TAGTYP:8"));
        QCOMPARE(lines.constLast().trimmed(), QStringLiteral("AKKU:57"));
        QCOMPARE(lines.size(), 11);
    }

    void disconnectingReturnsToTheClosedState()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        QVERIFY(connectAndReadBack(h));
        QCOMPARE(h.form().akku->value(), 57);
        QTemporaryDir dir;
        h.window->device().data().file().openForWriting(dir.filePath(QStringLiteral("records.csv")));

        pressConnect(h);
        QCOMPARE(device.lines().constLast(), QByteArray("DISCONNECT"));
        QVERIFY(!h.fakes.port.isOpen());
        QVERIFY(allPagesEnabled(h.form(), false));
        QVERIFY(h.form().Port->isEnabled());
        QVERIFY(!h.form().assignDevice || h.form().assignDevice->isEnabled());
        QCOMPARE(h.form().Connect->text(), QStringLiteral("Connect"));
        QCOMPARE(h.form().akku->value(), 0);
        QCOMPARE(h.form().ReplyMode, 0);
        QCOMPARE(h.window->device().handshake().countdown(), 0);
        QVERIFY(!h.form().ExchangeFile.isOpen());
        QCOMPARE(h.fakes.dialogs.shown.size(), 0);
    }

    // Each way in which pressing Connect fails: one box, with the port's own
    // description and the advice for its cause, and the toggle pops up.
    void aConnectThatFailsShowsOneBoxAndPopsTheToggleUp_data()
    {
        QTest::addColumn<int>("portIndex");
        QTest::addColumn<QString>("refusal"); // the port's description; none: no port chosen
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("advice");
        QTest::addColumn<QStringList>("dialogsRun");
        QTest::newRow("in use") << 0 << "COM1 (/dev/ttyS0): Permission error while locking the device"
                                << "COM1 (/dev/ttyS0): Permission error while locking the device\n\n"
                                << "Another program is using this port: it is in use by ModemManager (pid 812)."
                                << QStringList{};
        // Where a port can open any device, the box offers to choose it; on
        // Windows COMn always opens \\.\COMn.
#ifdef Q_OS_WIN
        const QStringList assignmentDialog;
#else
        const QStringList assignmentDialog{"Device for COM3"};
#endif
        QTest::newRow("missing device") << 2 << "COM3 (/dev/ttyS2): No such file or directory"
                                        << "COM3 (/dev/ttyS2): No such file or directory\n\n"
                                        << "No device is attached under this port's name."
                                        << assignmentDialog;
        QTest::newRow("no port chosen") << -1 << "" << "Type mismatch" << "Choose a port" << QStringList{};
    }
    void aConnectThatFailsShowsOneBoxAndPopsTheToggleUp()
    {
        QFETCH(int, portIndex);
        QFETCH(QString, refusal);
        QFETCH(QString, start);
        QFETCH(QString, advice);
        QFETCH(QStringList, dialogsRun);
        WindowHarness h;
        h.fakes.devices.holders.insert(devicePathForPort(1, h.fakes.settings), {{812, QStringLiteral("ModemManager")}});
        h.form().Port->setCurrentIndex(portIndex);
        if (!refusal.isEmpty())
            h.fakes.port.refuseOpen(portIndex + 1, Failure(FailureNumber::PortOpenFailed, refusal));
        QStringList dialogs;
        h.fakes.dialogs.inDialog = [&](QDialog& dialog) { dialogs << dialog.windowTitle(); };
        pressConnect(h);

        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        const auto& box = h.fakes.dialogs.shown.constFirst();
        QVERIFY2(box.text.startsWith(start) && box.text.contains(advice), qPrintable(box.text));
        QCOMPARE(box.title, QStringLiteral("Tagorix Tool"));
        // The missing device's box asks whether to assign one.
        QCOMPARE(box.buttons, dialogsRun.isEmpty() ? MessageButtons::Ok : MessageButtons::YesNo);
        QCOMPARE(dialogs, dialogsRun);
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QCOMPARE(h.fakes.port.written, QByteArray());
        QVERIFY(allPagesEnabled(h.form(), false));

        // The next press is handled, not swallowed: the same port fails again...
        pressConnect(h);
        QCOMPARE(h.fakes.dialogs.shown.size(), 2);
        QVERIFY(!h.form().Connect->isChecked());
        // ...and another one connects.
        h.form().Port->setCurrentIndex(1);
        pressConnect(h);
        QCOMPARE(h.fakes.port.openedPorts, QList<int>{2});
        QCOMPARE(h.sent(), QList<QByteArray>{"ONLINE"});
        QCOMPARE(h.fakes.dialogs.shown.size(), 2);
    }

    // By the system's error number where the failure carries one, whatever
    // language its description is in; by the description's words otherwise.
    void portFailureTextsAdviseByCause_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<QString>("advice");
        QTest::newRow("missing device") << QStringLiteral("COM12 (/dev/ttyS11): No such file or directory") << 0
                                        << QStringLiteral("Plug the device in");
        QTest::newRow("serial node without hardware") << QStringLiteral("COM1 (/dev/ttyS0): Input/output error") << 0
                                                      << QStringLiteral("Plug the device in");
        QTest::newRow("busy") << QStringLiteral("COM3 (/dev/ttyUSB0): Device or resource busy") << 0
                              << QStringLiteral("Another program is using this port");
        QTest::newRow("not a serial port") << QStringLiteral("COM3 (/tmp/x): Inappropriate ioctl for device") << 0
                                           << QStringLiteral("not a serial port");
        QTest::newRow("unknown cause") << QStringLiteral("COM3: something odd") << 0 << QString();
        QTest::newRow("missing device, told in German")
            << QStringLiteral("COM12 (/dev/ttyS11): Datei oder Verzeichnis nicht gefunden") << int(ENOENT)
            << QStringLiteral("Plug the device in");
        QTest::newRow("serial node without hardware, told in German")
            << QStringLiteral("COM1 (/dev/ttyS0): Eingabe-/Ausgabefehler") << int(EIO)
            << QStringLiteral("Plug the device in");
        QTest::newRow("busy, told in German") << QStringLiteral("COM3 (/dev/ttyUSB0): Das Gerät oder die Ressource ist belegt")
                                             << int(EBUSY) << QStringLiteral("Another program is using this port");
        QTest::newRow("not a serial port, told in German")
            << QStringLiteral("COM3 (/tmp/x): Unpassender IOCTL (I/O-Control) für das Gerät") << int(ENOTTY)
            << QStringLiteral("not a serial port");
        QTest::newRow("the number before the words") << QStringLiteral("COM3: No such file or directory")
                                                     << int(EMFILE) << QString();
#ifdef Q_OS_LINUX
        QTest::newRow("no permission") << QStringLiteral("COM1 (/dev/ttyS0): Permission denied") << 0
                                       << QStringLiteral("Add it to the group that owns the device (dialout on "
                                                         "Debian, for example: sudo usermod -aG dialout $USER), then "
                                                         "log out and log in again");
        QTest::newRow("no permission, told in German") << QStringLiteral("COM1 (/dev/ttyS0): Keine Berechtigung")
                                                       << int(EACCES) << QStringLiteral("Add it to the group");
        QTest::newRow("the settings file in use") << QStringLiteral("COM12 (/dev/ttyS11): No such file or directory")
                                                  << 0 << QStringLiteral("settings file /in/use/Tagorix.conf,");
#endif
    }
    void portFailureTextsAdviseByCause()
    {
        QFETCH(QString, description);
        QFETCH(int, systemError);
        QFETCH(QString, advice);
        const QString text = connectFailureText(Failure(FailureNumber::PortOpenFailed, description, systemError),
                                                QStringLiteral("/in/use/Tagorix.conf"));
        QVERIFY(text.startsWith(description));
        if (advice.isEmpty())
            QCOMPARE(text, description);
        else
            QVERIFY2(text.contains(advice), qPrintable(text));
    }

    void aFailedReconnectLeavesThePagesUsableAndStopsRetrying()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.port.refuseOpen(1, Failure(FailureNumber::PortOpenFailed, QStringLiteral("COM1: gone")));
        h.fakes.clock.runFor(10'000);

        QCOMPARE(h.fakes.port.openCount(), 1);
        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QVERIFY(!h.fakes.port.isOpen());
        // Nothing else is undone: the pages stay as they were.
        QVERIFY(allPagesEnabled(h.form(), true));
        QVERIFY(h.form().Port->isEnabled());
        QCOMPARE(h.window->device().handshake().countdown(), 0);

        // An exchange on the closed port is refused and leaves them so, and
        // leaves nothing to be told at a later disconnect.
        QTemporaryDir dir;
        h.form().PfadSpeichern->setText(dir.filePath(QStringLiteral("records.csv")));
        h.form().Tabulator->setCurrentIndex(4);
        QTest::mouseClick(h.form().LeseErfassungen, Qt::LeftButton);
        QCOMPARE(h.fakes.dialogs.texts().constLast(), portNotOpen().description);
        QVERIFY(allPagesEnabled(h.form(), true));
        h.form().Port->setCurrentIndex(1); // COM2
        pressConnect(h);
        pressConnect(h);
        QCOMPARE(h.fakes.port.openedPorts, (QList<int>{1, 2}));
        QCOMPARE(h.fakes.dialogs.shown.size(), 2);
    }

    void anExchangeThatTheHandshakeRetryEndsIsToldAtOnce()
    {
        // A device that holds records but never answers "ONLINE".
        WindowHarness h;
        h.fakes.port.setDevice([&h](const QByteArray& bytes) {
            if (bytes == "STA\r")
                h.fakes.port.deliverLater(2, "0|500\r\n");
            else if (bytes == "GET\r")
                for (int record = 1; record <= 75; ++record)
                    h.fakes.port.deliverLater(2 + record, "r|" + QByteArray::number(record) + "\r\n");
        });
        QTemporaryDir dir;
        h.form().PfadSpeichern->setText(dir.filePath(QStringLiteral("records.csv")));
        pressConnect(h);
        h.form().Tabulator->setCurrentIndex(4);
        QTest::mouseClick(h.form().LeseErfassungen, Qt::LeftButton);
        QVERIFY(h.fakes.clock.runUntil([&] { return h.fakes.port.openCount() == 2; }, 10'000));

        QCOMPARE(h.fakes.dialogs.texts(),
                 QStringList{"The read-out of records was cut short: 75 of the 500 records the device announced are "
                             "in the file.\n\nThe device had not answered the connection yet, so the connection was "
                             "started again. Wait until Connect reads \"Connected\" before you start a read-out or a "
                             "load."});
        QVERIFY(h.form().Connect->isChecked());
        QVERIFY(allPagesEnabled(h.form(), true));
        // Nothing is left over for the end of the connection.
        pressConnect(h);
        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    }

    void aFailedGoodbyeStillClosesTheConnection()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        QVERIFY(connectAndReadBack(h));
        h.fakes.port.failNextWrite(Failure(FailureNumber::PortLost, QStringLiteral("Input/output error")));
        pressConnect(h);

        QCOMPARE(h.fakes.dialogs.texts(),
                 QStringList{QStringLiteral("The connection to the device was lost: Input/output error.")});
        QVERIFY(!h.fakes.port.isOpen());
        QVERIFY(allPagesEnabled(h.form(), false));
        QCOMPARE(h.form().Connect->text(), QStringLiteral("Connect"));
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QCOMPARE(h.form().akku->value(), 0);

        pressConnect(h);
        QVERIFY(h.fakes.port.isOpen());
        QCOMPARE(h.fakes.port.openCount(), 2);
    }

    void aLostDeviceIsReportedOnceAndClosesTheConnection()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        QVERIFY(connectAndReadBack(h));
        h.fakes.port.loseDevice(QStringLiteral("Input/output error"));
        h.fakes.clock.runFor(5000);

        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        QVERIFY(h.fakes.dialogs.shown.constFirst().text.startsWith(
            QStringLiteral("The connection to the device was lost: Input/output error")));
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QVERIFY(allPagesEnabled(h.form(), false));
        QCOMPARE(h.form().Connect->text(), QStringLiteral("Connect"));
        QCOMPARE(h.form().ReplyMode, 0);
        QCOMPARE(h.form().akku->value(), 0);
        QCOMPARE(timesSent(h, "DISCONNECT"), 0);
        QCOMPARE(h.fakes.port.openCount(), 1);

        QVERIFY(connectAndReadBack(h));
        QCOMPARE(h.fakes.port.openCount(), 2);
    }

    void aDeviceLostWhileAwaitingTheAnswerStopsTheRetries()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.clock.runFor(1000);
        h.fakes.port.loseDevice();
        h.fakes.clock.runFor(10'000);
        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        QCOMPARE(h.fakes.port.openCount(), 1);
        QCOMPARE(h.window->device().handshake().countdown(), 0);
    }

    void aLossFoundWhileAFailureIsShownMakesNoSecondBox()
    {
        WindowHarness h;
        // The write of "ONLINE" fails and the port reports the loss while
        // that failure's box is open, as a modal box lets events through.
        h.fakes.port.failNextWrite(Failure(FailureNumber::PortLost, QStringLiteral("Input/output error")));
        h.fakes.dialogs.whileShown = [&] {
            h.fakes.port.loseDevice();
            h.fakes.clock.doEvents();
        };
        pressConnect(h);
        h.fakes.dialogs.whileShown = {};
        h.fakes.clock.runFor(5000);

        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QVERIFY(allPagesEnabled(h.form(), false));
        pressConnect(h);
        QCOMPARE(h.fakes.port.openCount(), 2);
    }

    void aLossUnderABoxThatOutlastsTheHandshakeTimeOut()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.clock.runFor(1000);
        // The box stays open far longer than the five ticks of the hand-shake.
        h.fakes.keepBoxesOpenFor(10'000);
        h.fakes.port.loseDevice();
        h.fakes.clock.runFor(100);
        h.fakes.keepBoxesOpenFor(0);

        QCOMPARE(h.fakes.dialogs.shown.size(), 1);
        QCOMPARE(h.fakes.port.openCount(), 1);
        QVERIFY(!h.fakes.port.isOpen());
        QVERIFY(!h.form().Connect->isChecked());
        QVERIFY(!h.window->connectionHandling().ignoresNextClick());
        QVERIFY(allPagesEnabled(h.form(), false));
        pressConnect(h);
        QVERIFY(h.fakes.port.isOpen());
        QCOMPARE(h.fakes.port.openCount(), 2);
    }

    void aLossReportedAfterTheNextOpenIsOutOfDate()
    {
        WindowHarness h;
        pressConnect(h);
        h.fakes.port.loseDevice();
        // Before the report comes through, the user has let go and connected again.
        pressConnect(h);
        pressConnect(h);
        h.fakes.dialogs.shown.clear();
        h.fakes.clock.runFor(100);

        QVERIFY(h.fakes.port.isOpen());
        QVERIFY(h.form().Connect->isChecked());
        QVERIFY(allPagesEnabled(h.form(), true));
        QCOMPARE(h.fakes.dialogs.shown.size(), 0);
    }

    void theTimerShowsTheClock()
    {
        WindowHarness h;
        QCOMPARE(h.form().Zeit->text(), QString());
        h.fakes.clock.runFor(500);
        QCOMPARE(h.form().Zeit->text(), QStringLiteral("06.12.2026 07:45"));
        h.form().Zeit->setText(QStringLiteral("typed"));
        h.fakes.clock.runFor(15 * 60'000 + 500);
        QCOMPARE(h.form().Zeit->text(), QStringLiteral("06.12.2026 08:00"));
    }

    void theClockIsShownWithTwentyFourHours()
    {
        FakePlatform fakes;
        VirtualClock evening(QDateTime(QDate(2027, 1, 2), QTime(21, 5, 59)));
        Platform platform{fakes.port, evening, fakes.dialogs, fakes.settings, fakes.devices};
        MainWindow window(platform);
        evening.runFor(500);
        QCOMPARE(window.form().Zeit->text(), QStringLiteral("02.01.2027 21:05"));
        evening.runFor(500);
        QCOMPARE(window.form().Zeit->text(), QStringLiteral("02.01.2027 21:06"));
    }
};

namespace {
// A port whose close fails, to see the retry give up safely.
class StuckPort : public FakeSerialPort {
public:
    using FakeSerialPort::FakeSerialPort;
    bool failClose = false;
    void close() override
    {
        if (failClose)
            throw Failure(FailureNumber::PortOpenFailed, QStringLiteral("The port cannot be closed"));
        FakeSerialPort::close();
    }
};
} // namespace

class RetryCloseTest : public QObject {
    Q_OBJECT
private slots:
    void aPortThatCannotBeClosedStopsTheRetries()
    {
        FakePlatform fakes;
        StuckPort port(fakes.clock);
        Platform platform{port, fakes.clock, fakes.dialogs, fakes.settings, fakes.devices};
        MainWindow window(platform);
        QTest::mouseClick(window.form().Connect, Qt::LeftButton);
        port.failClose = true;
        fakes.clock.runFor(10'000);

        QCOMPARE(fakes.dialogs.texts(), QStringList{QStringLiteral("The port cannot be closed")});
        QCOMPARE(port.openCount(), 1);
        QVERIFY(!window.form().Connect->isChecked());
        QVERIFY(!window.connectionHandling().ignoresNextClick());
        QCOMPARE(fakes.clock.pauseCount(), 0);
        // The clock goes on.
        QCOMPARE(window.form().Zeit->text(), QStringLiteral("06.12.2026 07:45"));
        port.failClose = false;
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        ConnectionTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        RetryCloseTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "test_connection.moc"
