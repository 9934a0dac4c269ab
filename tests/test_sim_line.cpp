// The simulated device's line: command framing, silence, delay, pacing,
// pieces, noise, hang-up and garbage.

#include "sim/device_model.h"
#include "support/sim_device.h"

#include <QtTest>

namespace {

QByteArray concatenated(const QList<Transmission>& sends)
{
    QByteArray bytes;
    for (const Transmission& t : sends)
        bytes += t.bytes;
    return bytes;
}

} // namespace

class SimLineTest : public QObject {
    Q_OBJECT
private slots:
    void aCommandMayArriveInPiecesAndSeveralInOneWrite();
    void emptyLinesAndStrayLineFeedsAreNotCommands();
    void silentCommandsChangeStateButSendNothing();
    void disconnectDropsWhatWasStillToBeSent();
    void repliesWaitForTheDelayAndForEachOther();
    void pacingTakesTheLineTimeOf38400Baud();
    void randomPiecesAreSmallSeparateAndRepeatable();
    void noiseChangesBytesButNotLength();
    void hangUpAfterCommandsAndAfterTime();
    void garbageIsSeededAndNeverEndsALine();
    void scriptedRepliesStandInForTheDevicesOwn();
    void anEndlessLineIsDropped();
};

void SimLineTest::aCommandMayArriveInPiecesAndSeveralInOneWrite()
{
    const auto device = makeDevice();
    QVERIFY(device->receive("BINREAD", 0).sends.isEmpty());
    QVERIFY(device->receive(" 4", 0).sends.isEmpty());
    QVERIFY(device->receive(" A 7D2B40C95E18", 0).sends.isEmpty());
    const DeviceOutput out = device->receive("\r", 0);
    QCOMPARE(concatenated(out.sends), "4:" + QByteArray(32, '0') + "\r\n");

    const DeviceOutput two = device->receive("ONLINE\rSTA\rAK", 0);
    QCOMPARE(concatenated(two.sends), QByteArray("Ok\r\n0|0\r\n"));
    QCOMPARE(concatenated(device->receive("KU\r", 0).sends), QByteArray("AKKU:87\r\n"));
    QCOMPARE(device->state().commandsReceived,
             (QList<QByteArray>{"BINREAD 4 A 7D2B40C95E18", "ONLINE", "STA", "AKKU"}));
}

void SimLineTest::emptyLinesAndStrayLineFeedsAreNotCommands()
{
    const auto device = makeDevice();
    QCOMPARE(concatenated(device->receive("\r\r  \r\nONLINE\r\n", 0).sends), QByteArray("Ok\r\n"));
    QCOMPARE(concatenated(device->receive("STA\r", 0).sends), QByteArray("0|0\r\n"));
    QCOMPARE(device->state().commandsReceived, (QList<QByteArray>{"ONLINE", "STA"}));
}

void SimLineTest::silentCommandsChangeStateButSendNothing()
{
    DeviceOptions options;
    options.silentCommands = {"PUT", "ONLINE"};
    const auto device = makeDevice(options);
    QVERIFY(device->receive("ONLINE\rPUT 1|a\r", 0).sends.isEmpty());
    QVERIFY(device->state().online);
    QCOMPARE(concatenated(device->receive("STA\r", 0).sends), QByteArray("1|0\r\n"));

    // Options may change while the device runs.
    device->options().silentCommands.clear();
    QCOMPARE(concatenated(device->receive("ONLINE\r", 0).sends), QByteArray("Ok\r\n"));
}

void SimLineTest::disconnectDropsWhatWasStillToBeSent()
{
    DeviceOptions options;
    options.baudRate = 38400;
    options.preloadRecords = 100;
    const auto device = makeDevice(options);
    const DeviceOutput get = device->receive("GET\r", 0);
    QVERIFY(get.sends.last().atUs > 1'000'000);
    QVERIFY(!get.dropPending);

    const DeviceOutput bye = device->receive("DISCONNECT\r", 200'000);
    QVERIFY(bye.dropPending);
    QVERIFY(bye.sends.isEmpty());
    QVERIFY(!device->state().online);
    // The line is free at once for the next session's hand-shake.
    const DeviceOutput hello = device->receive("ONLINE\r", 300'000);
    QCOMPARE(concatenated(hello.sends), QByteArray("Ok\r\n"));
    QVERIFY(hello.sends.last().atUs < 310'000);
}

void SimLineTest::repliesWaitForTheDelayAndForEachOther()
{
    DeviceOptions options;
    options.replyDelayMs = 250;
    const auto device = makeDevice(options);
    const DeviceOutput out = device->receive("ONLINE\r", 1'000'000);
    QCOMPARE(out.sends.size(), 1);
    QCOMPARE(out.sends.first().atUs, 1'250'000);
    // Sent before the first reply is out: it follows after its own delay.
    const DeviceOutput second = device->receive("STA\r", 1'100'000);
    QCOMPARE(second.sends.first().atUs, 1'350'000);
}

void SimLineTest::pacingTakesTheLineTimeOf38400Baud()
{
    DeviceOptions options;
    options.baudRate = 38400;
    options.preloadRecords = 70;
    const auto device = makeDevice(options);
    const QByteArray expected = device->execute("GET");
    const DeviceOutput out = device->receive("GET\r", 5'000'000);
    QCOMPARE(concatenated(out.sends), expected);
    // 3840 bytes a second, 260.4 microseconds a byte.
    const qint64 lineTimeUs = qRound64(double(expected.size()) * 1e6 / 3840.0);
    QCOMPARE(out.sends.last().atUs, 5'000'000 + lineTimeUs);
    qint64 previous = 5'000'000;
    qsizetype sent = 0;
    for (const Transmission& t : out.sends) {
        QVERIFY(t.bytes.size() <= 38); // what 10 ms carry
        sent += t.bytes.size();
        QCOMPARE(t.atUs, 5'000'000 + qRound64(double(sent) * 1e6 / 3840.0));
        QVERIFY(t.atUs > previous);
        previous = t.atUs;
    }
    // The next reply starts when the line is free again.
    const DeviceOutput next = device->receive("ONLINE\r", 5'000'000);
    QCOMPARE(next.sends.last().atUs, 5'000'000 + lineTimeUs + qRound64(4 * 1e6 / 3840.0));
}

void SimLineTest::randomPiecesAreSmallSeparateAndRepeatable()
{
    DeviceOptions options;
    options.maxChunk = 5;
    options.preloadRecords = 10;
    auto run = [&options] {
        const auto device = makeDevice(options);
        return device->receive("GET\r", 0).sends;
    };
    const QList<Transmission> pieces = run();
    const auto reference = makeDevice(options);
    QCOMPARE(concatenated(pieces), reference->execute("GET"));
    QSet<qsizetype> sizes;
    for (int i = 0; i < pieces.size(); ++i) {
        QVERIFY(pieces.at(i).bytes.size() >= 1 && pieces.at(i).bytes.size() <= 5);
        sizes << pieces.at(i).bytes.size();
        // A millisecond apart, so that each piece is a receive event of its own.
        QCOMPARE(pieces.at(i).atUs, qint64(i) * 1000);
    }
    QCOMPARE(sizes.size(), 5);
    const QList<Transmission> again = run();
    QCOMPARE(again.size(), pieces.size());
    for (int i = 0; i < pieces.size(); ++i)
        QCOMPARE(again.at(i).bytes, pieces.at(i).bytes);
}

void SimLineTest::noiseChangesBytesButNotLength()
{
    DeviceOptions options;
    options.noiseRate = 0.2;
    options.preloadRecords = 50;
    const auto noisy = makeDevice(options);
    const auto noisyAgain = makeDevice(options);
    const auto clean = makeDevice({.preloadRecords = 50});
    const QByteArray expected = clean->execute("GET");
    const QByteArray received = concatenated(noisy->receive("GET\r", 0).sends);
    QCOMPARE(received.size(), expected.size());
    int changed = 0;
    for (qsizetype i = 0; i < expected.size(); ++i)
        changed += received.at(i) != expected.at(i) ? 1 : 0;
    const double share = double(changed) / double(expected.size());
    QVERIFY2(share > 0.15 && share < 0.25, qPrintable(QString::number(share)));
    QCOMPARE(concatenated(noisyAgain->receive("GET\r", 0).sends), received);
    // The device's own state is not disturbed by the line.
    QCOMPARE(noisy->execute("GET"), expected);
}

void SimLineTest::hangUpAfterCommandsAndAfterTime()
{
    DeviceOptions options;
    options.hangUpAfterCommands = 2;
    const auto device = makeDevice(options);
    QVERIFY(!device->receive("ONLINE\r", 0).hangUpAtUs);
    const DeviceOutput out = device->receive("STA\rBEEP\r", 1000);
    QCOMPARE(concatenated(out.sends), QByteArray("0|0\r\n"));
    QVERIFY(out.hangUpAtUs);
    QVERIFY(*out.hangUpAtUs > out.sends.last().atUs); // the reply can still be read
    QVERIFY(device->hungUp());
    QVERIFY(device->receive("ONLINE\r", 2000).sends.isEmpty());
    QCOMPARE(device->state().beeps, 0);
    QVERIFY(!device->hangUpDeadlineUs());

    const auto timed = makeDevice({.hangUpAfterMs = 1500});
    QCOMPARE(timed->hangUpDeadlineUs(), std::optional<qint64>(1'500'000));
}

void SimLineTest::garbageIsSeededAndNeverEndsALine()
{
    for (quint64 seed = 1; seed <= 50; ++seed) {
        const auto device = makeDevice({.seed = seed, .garbageBytes = 40});
        const QByteArray garbage = device->garbage();
        QCOMPARE(garbage.size(), 40);
        QVERIFY(!garbage.endsWith('\r') && !garbage.endsWith('\n'));
        QCOMPARE(makeDevice({.seed = seed, .garbageBytes = 40})->garbage(), garbage);
    }
    QVERIFY(makeDevice({.seed = 1, .garbageBytes = 40})->garbage()
            != makeDevice({.seed = 2, .garbageBytes = 40})->garbage());
    QVERIFY(makeDevice()->garbage().isEmpty());
}

void SimLineTest::scriptedRepliesStandInForTheDevicesOwn()
{
    const auto device = makeDevice();
    device->setScriptedReply("OFF", "OFF:05\r\n");
    device->setScriptedReply("TAGTYP", "TAGTYP:\r\n");
    QCOMPARE(concatenated(device->receive("OFF\rTAGTYP\rMODE\r", 0).sends),
             QByteArray("OFF:05\r\nTAGTYP:\r\nMODE:1\r\n"));
    device->setScriptedReply("OFF", {});
    QCOMPARE(device->execute("OFF"), QByteArray("OFF:300\r\n"));
}

void SimLineTest::anEndlessLineIsDropped()
{
    const auto device = makeDevice();
    QVERIFY(device->receive(QByteArray(70'000, 'x'), 0).sends.isEmpty());
    QCOMPARE(concatenated(device->receive("STA\r", 0).sends), QByteArray("0|0\r\n"));
}

QTEST_MAIN(SimLineTest)
#include "test_sim_line.moc"
