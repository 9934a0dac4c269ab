// The simulated device behind the fake serial port: replies arrive through
// the window's receive path, on the virtual clock.

#include "sim/in_process_device.h"
#include "support/window_harness.h"

#include <QtTest>

namespace {

// The window on fakes with a simulated device at the far end of its port.
struct DeviceHarness {
    WindowHarness h;
    InProcessDevice device;

    explicit DeviceHarness(DeviceOptions options = {})
        : device(h.fakes.port, h.fakes.clock, std::move(options))
    {
        h.fakes.port.open(1);
    }
    void send(const QString& command) { h.window->device().send(command); }
    QString lastLine() { return h.form().Zeile->text(); }
    bool lineIs(const QString& text) { return h.fakes.clock.runUntil([&] { return lastLine() == text; }, 600'000); }
};

} // namespace

class SimInProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aWellBehavedDeviceAnswersAtOnce();
    void theDelayPassesInVirtualTime();
    void pacingTakesTheLineTimeInVirtualTime();
    void piecesArriveAsSeparateReceiveEvents();
    void disconnectStopsAReplyInFlight();
    void hangingUpClosesThePortAndReportsOnce();
    void aDeviceGoneBeforeItsReplyIsDueSendsNothing();
};

void SimInProcessTest::aWellBehavedDeviceAnswersAtOnce()
{
    DeviceHarness t;
    t.send(QStringLiteral("ONLINE"));
    QVERIFY(t.lineIs(QStringLiteral("Ok")));
    QCOMPARE(t.h.fakes.clock.elapsedMs(), 0);
    t.send(QStringLiteral("MENU  5"));
    t.send(QStringLiteral("MENU"));
    QVERIFY(t.lineIs(QStringLiteral("MENU:5")));
    QCOMPARE(t.device.model().state().settings.at("MENU"), 5);
}

void SimInProcessTest::theDelayPassesInVirtualTime()
{
    DeviceHarness t({.replyDelayMs = 1500});
    t.send(QStringLiteral("ONLINE"));
    t.h.fakes.clock.runFor(1499);
    QCOMPARE(t.lastLine(), QString());
    t.h.fakes.clock.runFor(1);
    QCOMPARE(t.lastLine(), QStringLiteral("Ok"));
}

void SimInProcessTest::pacingTakesTheLineTimeInVirtualTime()
{
    DeviceHarness t({.baudRate = 38400, .preloadRecords = 200});
    const QList<QByteArray>& records = t.device.model().state().records;
    qsizetype bytes = 0;
    for (const QByteArray& record : records)
        bytes += record.size() + 2;
    t.send(QStringLiteral("GET"));
    QVERIFY(t.lineIs(QString::fromLatin1(records.constLast())));
    // 3840 bytes a second; the clock counts whole milliseconds.
    const qint64 lineTimeMs = (bytes * 1000 + 3839) / 3840;
    QVERIFY2(qAbs(t.h.fakes.clock.elapsedMs() - lineTimeMs) <= 1,
             qPrintable(QStringLiteral("%1 bytes after %2 ms").arg(bytes).arg(t.h.fakes.clock.elapsedMs())));
    QCOMPARE(t.h.form().Ausgabe->toPlainText().count(u'\n'), records.size());
}

void SimInProcessTest::piecesArriveAsSeparateReceiveEvents()
{
    DeviceHarness t({.maxChunk = 3});
    int events = 0;
    t.h.fakes.port.setReceiveHandler([&] {
        ++events;
        t.h.window->link().replies().MSComm1_OnComm();
    });
    t.send(QStringLiteral("AKKU"));
    QVERIFY(t.lineIs(QStringLiteral("AKKU:87")));
    // Nine bytes in pieces of at most three.
    QVERIFY2(events >= 3, qPrintable(QString::number(events)));
    QCOMPARE(t.h.form().Ausgabe->toPlainText().trimmed(), QStringLiteral("AKKU:87"));
}

void SimInProcessTest::disconnectStopsAReplyInFlight()
{
    DeviceHarness t({.baudRate = 38400, .preloadRecords = 100});
    t.send(QStringLiteral("GET"));
    t.h.fakes.clock.runFor(100);
    const QString before = t.h.form().Ausgabe->toPlainText();
    QVERIFY(!before.isEmpty());
    t.send(QStringLiteral("DISCONNECT"));
    t.h.fakes.clock.runFor(5000);
    QCOMPARE(t.h.form().Ausgabe->toPlainText(), before);
    QVERIFY(!t.device.model().state().online);
}

void SimInProcessTest::hangingUpClosesThePortAndReportsOnce()
{
    DeviceHarness t({.hangUpAfterCommands = 2});
    int losses = 0;
    t.h.fakes.port.setLostHandler([&losses](const Failure&) { ++losses; });
    t.send(QStringLiteral("ONLINE"));
    t.send(QStringLiteral("AKKU"));
    // The last reply still arrives before the device goes.
    QVERIFY(t.lineIs(QStringLiteral("AKKU:87")));
    QVERIFY(t.h.fakes.clock.runUntil([&] { return losses > 0; }, 1000));
    QVERIFY(!t.h.fakes.port.isOpen());
    t.h.fakes.clock.runFor(5000);
    QCOMPARE(losses, 1);

    DeviceHarness timed({.hangUpAfterMs = 3000});
    timed.h.fakes.clock.runFor(2999);
    QVERIFY(timed.h.fakes.port.isOpen());
    timed.h.fakes.clock.runFor(1);
    QVERIFY(!timed.h.fakes.port.isOpen());
    // Reopened, the port leads nowhere: the device is gone.
    timed.h.fakes.port.open(1);
    timed.send(QStringLiteral("ONLINE"));
    timed.h.fakes.clock.runFor(1000);
    QCOMPARE(timed.lastLine(), QString());
}

void SimInProcessTest::aDeviceGoneBeforeItsReplyIsDueSendsNothing()
{
    WindowHarness h;
    h.fakes.port.open(1);
    {
        InProcessDevice device(h.fakes.port, h.fakes.clock, {.replyDelayMs = 100, .hangUpAfterMs = 200});
        h.window->device().send(QStringLiteral("ONLINE"));
    }
    h.fakes.clock.runFor(1000);
    QCOMPARE(h.form().Zeile->text(), QString());
    QVERIFY(h.fakes.port.isOpen());
    h.window->device().send(QStringLiteral("ONLINE")); // no device attached any more
    QCOMPARE(h.fakes.port.sentLines().size(), 2);
}

QTEST_MAIN(SimInProcessTest)
#include "test_sim_in_process.moc"
