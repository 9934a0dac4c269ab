// The protocol core on its own, without a window: the fakes' port and
// virtual clock, the simulated device in process, and the core's signals.

#include "core/device.h"
#include "platform/fake/fake_platform.h"
#include "sim/in_process_device.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CoreOnFakes {
    FakePlatform fakes;
    InProcessDevice simulated;
    Device device{fakes.port, fakes.clock};

    explicit CoreOnFakes(DeviceOptions options = {})
        : simulated(fakes.port, fakes.clock, std::move(options))
    {
        fakes.port.open(1);
    }
};

} // namespace

class TestCoreDevice : public QObject {
    Q_OBJECT
private slots:
    void handshakeAndReadBackTellTheDeviceValues();
    void handshakeTimesOutOnceAfterItsTicks();
    void readOutTellsEachRecordAndTheEnd();
    void loadStopsAtMemoryFullAndSaysHowFar();
};

void TestCoreDevice::handshakeAndReadBackTellTheDeviceValues()
{
    CoreOnFakes core;
    core.simulated.model().state().settings["FDXCODE"] = 3;
    QSignalSpy connected(&core.device, &Device::connected);
    QSignalSpy done(&core.device, &Device::readBackDone);

    core.device.handshake().start();
    QVERIFY(core.fakes.clock.runUntil([&] { return !done.isEmpty(); }, 10'000));

    QCOMPARE(connected.count(), 1);
    QVERIFY(!core.device.handshake().isWaiting());
    const auto settings = done.at(0).at(0).value<DeviceSettings>();
    QCOMPARE(settings.values.size(), deviceSettings().size());
    QCOMPARE(settings.text(u"fdx-code"), QStringLiteral("3"));
    QCOMPARE(core.device.replies().ReplyMode, ReplyModes::EchoOnly);
}

void TestCoreDevice::handshakeTimesOutOnceAfterItsTicks()
{
    FakePlatform fakes;
    Device device(fakes.port, fakes.clock);
    fakes.port.open(1); // nobody at the far end
    device.handshake().start();
    QList<bool> overdue;
    for (int tick = 0; tick < Handshake::HandshakeTicks + 2; ++tick)
        overdue << device.handshake().tick();
    QCOMPARE(overdue, (QList<bool>{false, false, false, false, true, false, false}));
}

void TestCoreDevice::readOutTellsEachRecordAndTheEnd()
{
    DeviceOptions options;
    options.preloadRecords = 3;
    CoreOnFakes core(options);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    QSignalSpy written(&core.device, &Device::recordWritten);
    QSignalSpy finished(&core.device, &Device::exchangeFinished);

    core.device.data().readRecords(path);
    QVERIFY(core.fakes.clock.runUntil([&] { return !finished.isEmpty(); }, 10'000));

    QCOMPARE(written.count(), 3);
    QCOMPARE(written.last().at(0).toLongLong(), 3);
    const auto result = finished.at(0).at(0).value<ExchangeResult>();
    QCOMPARE(result.outcome, ExchangeResult::Outcome::Done);
    QCOMPARE(result.done, 3);
    QCOMPARE(result.total, 3);
    QVERIFY(!core.device.exchange().isRunning());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("\r\n"), 3);
}

void TestCoreDevice::loadStopsAtMemoryFullAndSaysHowFar()
{
    DeviceOptions options;
    options.customCodeCapacity = 1;
    CoreOnFakes core(options);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("codes.csv"));
    QFile codes(path);
    QVERIFY(codes.open(QIODevice::WriteOnly));
    codes.write("1;a\r\n2;b\r\n3;c\r\n");
    codes.close();
    QSignalSpy finished(&core.device, &Device::exchangeFinished);

    core.device.data().loadCodes(path);

    QCOMPARE(finished.count(), 1);
    const auto result = finished.at(0).at(0).value<ExchangeResult>();
    QCOMPARE(result.exchange, ExchangeResult::Exchange::CustomCodes);
    QCOMPARE(result.outcome, ExchangeResult::Outcome::MemoryFull);
    QCOMPARE(result.done, 1);
    QCOMPARE(result.total, 2);
    QVERIFY(result.text.contains(QStringLiteral("\"Memory full\" at line 2")));
    QCOMPARE(core.simulated.model().state().customCodes.size(), 1);
}

QTEST_GUILESS_MAIN(TestCoreDevice)
#include "test_core_device.moc"
