// The connection's whole life in the core, without a window: opening, the
// hand-shake with each face's retry, the read-back, every ending and its
// goodbye, and the rules of the commands whose answers a face waits for.

#include "core/confirmed_commands.h"
#include "core/device_connection.h"
#include "base/number_text.h"
#include "core/selection_lists.h"
#include "platform/fake/fake_platform.h"
#include "sim/in_process_device.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Core {
    FakePlatform fakes;
    QList<Failure> handlerFailures;
    DeviceConnection connection;
    QList<ConnectionEnding> endings;
    bool connected = false;

    explicit Core(HandshakeRetry retry = HandshakeRetry::reopening())
        : connection(fakes.port, fakes.clock, retry, [this](const Failure& f) { handlerFailures << f; })
    {
        QObject::connect(&connection, &DeviceConnection::ended, &connection,
                         [this](const ConnectionEnding& ending) { endings << ending; });
        QObject::connect(&connection.device(), &Device::connected, &connection, [this] { connected = true; });
        fakes.clock.startTimer(500, [this] { connection.tick(); });
    }
    Device& device() { return connection.device(); }
    void open() { connection.open(PortTarget{QStringLiteral("COM1"), QStringLiteral("/dev/ttyS0")}); }
    QList<QByteArray> sent() const { return fakes.port.sentLines(); }
    // Answers "ONLINE" from the n-th one on.
    void answerOnlineFrom(int n)
    {
        fakes.port.setDevice([this, n, seen = 0](const QByteArray& bytes) mutable {
            if (bytes == "ONLINE\r" && ++seen >= n)
                fakes.port.deliverLater(20, "Ok\r\n");
        });
    }
    QList<qint64> onlineTimes;
    void recordOnlineTimes()
    {
        fakes.port.setDevice([this](const QByteArray& bytes) {
            if (bytes == "ONLINE\r")
                onlineTimes << fakes.clock.elapsedMs();
        });
    }
};

} // namespace

class DeviceConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowsRetryClosesPausesAndReopensAboutEveryThreeSeconds();
    void theCommandLinesRetrySendsOnlineAgainUntilItGivesUp();
    void aDeviceThatIgnoresTheFirstOnlineIsReachedByTheNext_data();
    void aDeviceThatIgnoresTheFirstOnlineIsReachedByTheNext();
    void aLateAnswerAndTheAnswerToTheRepeatStartOneReadBack();
    void onlyExactlyOkAnswersTheHandshake_data();
    void onlyExactlyOkAnswersTheHandshake();
    void okStopsTheTimeOutAndStartsTheReadBack();
    void aSecondOkInTheHandshakeModeStartsTheReadBackAgain();
    void aReadBackQueryAnsweredWithAnotherLineIsTold();
    void everyEndingClosesAndSaysGoodbyeWhereThePortStillWorks_data();
    void everyEndingClosesAndSaysGoodbyeWhereThePortStillWorks();
    void aNewConnectionStartsWithAnEmptyReceiveBuffer();
    void aLossReportedAfterTheNextOpenIsOutOfDate();
    void aListenerFailureIsRaisedWhereTheSignalWasTold();

    void valuesTakeTheSettingsFormAndGoOutAsTheWindowSendsThem_data();
    void valuesTakeTheSettingsFormAndGoOutAsTheWindowSendsThem();
    void aNumberGoesOutAsItsListItemsLeadingCharacters();
    void reportsAreReadOnce_data();
    void reportsAreReadOnce();
    void aChangeIsAnsweredThenAskedFor_data();
    void aChangeIsAnsweredThenAskedFor();
    void theCodeReadOutEndsOnceEveryCodeHasCome();
};

void DeviceConnectionTest::theWindowsRetryClosesPausesAndReopensAboutEveryThreeSeconds()
{
    Core core;
    core.recordOnlineTimes();
    core.fakes.clock.runFor(130); // opened somewhere between two ticks
    core.open();
    core.fakes.clock.runFor(20'000);

    QVERIFY2(core.onlineTimes.size() >= 6, qPrintable(QString::number(core.onlineTimes.size())));
    QCOMPARE(core.fakes.port.openCount(), core.onlineTimes.size());
    QCOMPARE(core.fakes.port.closeCount, core.onlineTimes.size() - 1);
    for (qsizetype i = 1; i < core.onlineTimes.size(); ++i) {
        const qint64 gap = core.onlineTimes[i] - core.onlineTimes[i - 1];
        QVERIFY2(gap >= 3000 && gap <= 3500, qPrintable(QStringLiteral("gap %1 ms").arg(gap)));
    }
    // One blocking pause of 1000 ms before each reopen, nothing else.
    QCOMPARE(core.fakes.clock.pausedMs(), 1000 * (core.onlineTimes.size() - 1));
    QVERIFY(core.endings.isEmpty());
    QVERIFY(core.connection.isWanted());
}

void DeviceConnectionTest::theCommandLinesRetrySendsOnlineAgainUntilItGivesUp()
{
    Core core(HandshakeRetry::resendingFor(7000));
    core.recordOnlineTimes();
    core.open();
    core.fakes.clock.runFor(20'000);

    QCOMPARE(core.fakes.port.openCount(), 1);
    QCOMPARE(core.onlineTimes.size(), 3); // at 0, about 2.5 and 5 s
    QCOMPARE(core.endings.size(), 1);
    QCOMPARE(core.endings.constFirst().reason, ConnectionEnding::Reason::NoAnswer);
    QVERIFY(core.fakes.clock.elapsedMs() >= 7000);
    QCOMPARE(core.sent().constLast(), QByteArray("DISCONNECT"));
    QVERIFY(!core.fakes.port.isOpen());
    QCOMPARE(core.fakes.clock.pausedMs(), 0);
}

void DeviceConnectionTest::aDeviceThatIgnoresTheFirstOnlineIsReachedByTheNext_data()
{
    QTest::addColumn<bool>("reopens");
    QTest::newRow("the window's retry") << true;
    QTest::newRow("the command line's") << false;
}

void DeviceConnectionTest::aDeviceThatIgnoresTheFirstOnlineIsReachedByTheNext()
{
    QFETCH(bool, reopens);
    Core core(reopens ? HandshakeRetry::reopening() : HandshakeRetry::resendingFor(10'000));
    core.answerOnlineFrom(2);
    core.open();
    QVERIFY(core.fakes.clock.runUntil([&] { return core.connected; }, 5000));
    QCOMPARE(core.sent().count("ONLINE"), 2);
    QVERIFY(core.endings.isEmpty());
}

void DeviceConnectionTest::aLateAnswerAndTheAnswerToTheRepeatStartOneReadBack()
{
    // The first "Ok" comes after the time-out sent "ONLINE" again (as under
    // Wine now and then); the second one answers the repeat.
    Core core(HandshakeRetry::resendingFor(10'000));
    InProcessDevice simulated(core.fakes.port, core.fakes.clock, {.replyDelayMs = 2600});
    QList<QString> answered;
    QObject::connect(&core.device(), &Device::readBackAnswered, &core.connection,
                     [&](const Setting&, const QString& answer) { answered << answer; });
    core.open();
    core.fakes.clock.runFor(8000);
    QCOMPARE(core.sent().count("ONLINE"), 2);
    QCOMPARE(core.sent().count("TAGTYP"), 1);
    QVERIFY(answered.isEmpty());
}

void DeviceConnectionTest::onlyExactlyOkAnswersTheHandshake_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("lower case") << QByteArray("ok");
    QTest::newRow("upper case") << QByteArray("OK");
    QTest::newRow("trailing blank") << QByteArray("Ok ");
    QTest::newRow("leading blank") << QByteArray(" Ok");
    QTest::newRow("more text") << QByteArray("Okay");
}

void DeviceConnectionTest::onlyExactlyOkAnswersTheHandshake()
{
    QFETCH(QByteArray, answer);
    Core core;
    core.fakes.port.setDevice([&](const QByteArray& bytes) {
        if (bytes == "ONLINE\r")
            core.fakes.port.deliverLater(30, answer + "\r\n");
    });
    core.open();
    core.fakes.clock.runFor(7000);

    QVERIFY(!core.connected);
    QVERIFY(core.fakes.port.openCount() >= 3);
    QCOMPARE(core.sent().count("TAGTYP"), 0);
}

void DeviceConnectionTest::okStopsTheTimeOutAndStartsTheReadBack()
{
    Core core;
    core.answerOnlineFrom(1);
    core.open();
    core.fakes.clock.runFor(100);

    QVERIFY(core.connected);
    QCOMPARE(core.device().handshake().countdown(), 0);
    QCOMPARE(core.device().replies().ReplyMode, ReplyModes::HandshakeAndReadBack);
    // "Ok" came 20 ms after "ONLINE"; the first query 1500 ms after that.
    QCOMPARE(core.sent(), (QList<QByteArray>{"ONLINE", "TAGTYP"}));
    QCOMPARE(core.fakes.clock.pausedMs(), 1500);
    core.fakes.clock.runFor(10'000);
    QCOMPARE(core.fakes.port.openCount(), 1); // no time-out once answered
}

void DeviceConnectionTest::aSecondOkInTheHandshakeModeStartsTheReadBackAgain()
{
    Core core;
    core.answerOnlineFrom(1);
    core.open();
    core.fakes.clock.runFor(2000);
    core.fakes.port.deliver("TAGTYP:3\r\n");
    core.fakes.clock.runFor(200);
    QCOMPARE(core.sent(), (QList<QByteArray>{"ONLINE", "TAGTYP", "OFF"}));

    core.fakes.port.deliver("Ok\r\n");
    core.fakes.clock.runFor(2000);
    QCOMPARE(core.sent(), (QList<QByteArray>{"ONLINE", "TAGTYP", "OFF", "TAGTYP"}));

    // Once the read-back is over, "Ok" is only echoed.
    InProcessDevice simulated(core.fakes.port, core.fakes.clock);
    core.fakes.port.deliver("TAGTYP:3\r\n");
    QVERIFY(core.fakes.clock.runUntil([&] { return core.device().replies().ReplyMode == 0; }));
    const qsizetype before = core.sent().size();
    core.fakes.port.deliver("Ok\r\n");
    core.fakes.clock.runFor(3000);
    QCOMPARE(core.sent().size(), before);
}

void DeviceConnectionTest::aReadBackQueryAnsweredWithAnotherLineIsTold()
{
    Core core;
    InProcessDevice simulated(core.fakes.port, core.fakes.clock);
    simulated.model().setScriptedReply("TIMEOUT", "Error\r\n");
    QList<QPair<QString, QString>> answered;
    QObject::connect(&core.device(), &Device::readBackAnswered, &core.connection,
                     [&](const Setting& setting, const QString& answer) { answered << qMakePair(QString(setting.name), answer); });
    core.open();
    core.fakes.clock.runFor(5000);
    QCOMPARE(answered, (QList<QPair<QString, QString>>{{"read-timeout", "Error"}}));
    // The chain waits there, as the window's design has it.
    QCOMPARE(core.sent().constLast(), QByteArray("TIMEOUT"));
}

void DeviceConnectionTest::everyEndingClosesAndSaysGoodbyeWhereThePortStillWorks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("goodbye");
    QTest::addColumn<QString>("cutShort"); // a pattern
    using R = ConnectionEnding::Reason;
    QTest::newRow("ended while the hand-shake waits") << "awaiting" << int(R::Ended) << true << "";
    QTest::newRow("ended when ready") << "ready" << int(R::Ended) << true << "";
    QTest::newRow("ended during a read-out")
        << "read-out" << int(R::Ended) << true
        << "The read-out of records was cut short: \\d+ of the 300 records the device announced are in the file.";
    QTest::newRow("lost during a read-out")
        << "lost" << int(R::Lost) << false << "The read-out of records was cut short: \\d+ of the 300 .*";
    QTest::newRow("no answer in time") << "silent" << int(R::NoAnswer) << true << "";
}

void DeviceConnectionTest::everyEndingClosesAndSaysGoodbyeWhereThePortStillWorks()
{
    QFETCH(QString, how);
    QFETCH(int, reason);
    QFETCH(bool, goodbye);
    QFETCH(QString, cutShort);
    Core core(how == u"silent" ? HandshakeRetry::resendingFor(3000) : HandshakeRetry::reopening());
    DeviceOptions options;
    options.preloadRecords = 300;
    options.baudRate = 38400;
    if (how == u"silent" || how == u"awaiting")
        options.silentCommands = {"ONLINE"};
    InProcessDevice simulated(core.fakes.port, core.fakes.clock, options);
    QTemporaryDir dir;
    core.open();
    if (how == u"ready" || how == u"read-out" || how == u"lost")
        QVERIFY(core.fakes.clock.runUntil([&] { return core.device().replies().ReplyMode == 0; }, 10'000));
    if (how == u"read-out" || how == u"lost") {
        core.device().data().readRecords(dir.filePath(QStringLiteral("records.csv")));
        QVERIFY(core.fakes.clock.runUntil([&] { return core.device().data().recordsLeft() < 250; }, 60'000));
    }
    if (how == u"lost") {
        core.fakes.port.loseDevice();
        core.fakes.clock.runFor(10);
    } else if (how == u"silent") {
        core.fakes.clock.runFor(5000);
    } else {
        core.fakes.clock.runFor(300);
        core.connection.end();
    }

    QCOMPARE(core.endings.size(), 1);
    const ConnectionEnding ending = core.endings.constFirst();
    QCOMPARE(int(ending.reason), reason);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(cutShort)).match(ending.cutShort).hasMatch(),
             qPrintable(ending.cutShort));
    QCOMPARE(core.sent().constLast() == "DISCONNECT", goodbye);
    QCOMPARE(core.sent().count("DISCONNECT"), goodbye ? 1 : 0);
    QVERIFY(!core.fakes.port.isOpen());
    QVERIFY(!core.connection.isWanted());
    QCOMPARE(core.device().replies().ReplyMode, ReplyModes::EchoOnly);
    QVERIFY(!core.device().handshake().isWaiting());
    QVERIFY(!core.device().data().file().isOpen());
    QVERIFY(!core.device().exchange().isRunning());
    // Nothing more happens: no retry, no second ending.
    core.fakes.clock.runFor(10'000);
    QCOMPARE(core.fakes.port.openCount(), 1);
    QCOMPARE(core.endings.size(), 1);
    // And the device stops sending: its goodbye dropped what was still to come.
    if (goodbye)
        QVERIFY(!simulated.model().state().online);
}

void DeviceConnectionTest::aNewConnectionStartsWithAnEmptyReceiveBuffer()
{
    Core core;
    core.answerOnlineFrom(1);
    core.open();
    QVERIFY(core.fakes.clock.runUntil([&] { return core.connected; }));
    // The device goes away in the middle of a line.
    core.fakes.port.deliver("TAGTYP:");
    core.fakes.clock.runFor(10);
    core.fakes.port.loseDevice();
    core.fakes.clock.runFor(100);
    core.connected = false;

    core.open();
    QVERIFY(core.fakes.clock.runUntil([&] { return core.connected; }, 10'000));
    QCOMPARE(core.sent().count("ONLINE"), 2); // the first "Ok" was taken, no retry
}

void DeviceConnectionTest::aLossReportedAfterTheNextOpenIsOutOfDate()
{
    Core core;
    core.open();
    core.fakes.port.loseDevice();
    // Before the report comes through, the connection has ended (its goodbye
    // finding the port closed) and opened again.
    QVERIFY_THROWS_EXCEPTION(Failure, core.connection.end());
    core.open();
    core.endings.clear();
    core.fakes.clock.runFor(100);

    QVERIFY(core.fakes.port.isOpen());
    QVERIFY(core.connection.isWanted());
    QVERIFY(core.endings.isEmpty());
}

void DeviceConnectionTest::aListenerFailureIsRaisedWhereTheSignalWasTold()
{
    Core core;
    InProcessDevice simulated(core.fakes.port, core.fakes.clock);
    QList<Failure> failed;
    QObject::connect(&core.device(), &Device::failed, &core.connection, [&](const Failure& f) { failed << f; });
    // A listener that cannot do its part, on a signal other than the identifier's.
    listen(core.device(), &Device::settingRead, &core.connection, [](const ReportedSetting& value) {
        if (value.setting->name == u"fdx-code")
            throw Failure(FailureNumber::InvalidArgument, QStringLiteral("cannot show it"));
    });
    core.open();
    core.fakes.clock.runFor(5000);

    // The receive run ended there, as its own failure would: no next query.
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.constFirst().description, QStringLiteral("cannot show it"));
    QCOMPARE(core.sent().constLast(), QByteArray("FDXCODE"));
}

void DeviceConnectionTest::valuesTakeTheSettingsFormAndGoOutAsTheWindowSendsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("field"); // what goes after the word; empty: refused before sending
    QTest::newRow("list item") << "tag-type" << "8" << "8 ";
    QTest::newRow("two-digit list item") << "tag-type" << "10" << "10";
    QTest::newRow("beyond the list") << "tag-type" << "12" << "";
    QTest::newRow("fdx code starts at 1") << "fdx-code" << "0" << "";
    QTest::newRow("one-character list item") << "mode" << "3" << "3";
    QTest::newRow("flag") << "beeper" << "1" << " 1";
    QTest::newRow("flag 0") << "beeper" << "0" << " 0";
    QTest::newRow("no flag") << "beeper" << "2" << "";
    QTest::newRow("key mask") << "menu" << "21" << " 21";
    QTest::newRow("key mask too big") << "menu" << "300" << "";
    QTest::newRow("seconds") << "switch-off-time" << "300" << "300";
    QTest::newRow("never") << "switch-off-time" << "never" << "aus";
    QTest::newRow("the device's word for never") << "switch-off-time" << "aus" << "aus";
    QTest::newRow("no number") << "switch-off-time" << "abc" << "";
    QTest::newRow("steps, range the device's") << "read-timeout" << "1000" << "1000";
    QTest::newRow("negative") << "read-timeout" << "-1" << "";
    QTest::newRow("a time") << "clock" << "01.02.2024 10:15" << "01.02.2024 10:15";
    QTest::newRow("no time") << "clock" << "garbage" << "";
    QTest::newRow("battery is only reported") << "battery" << "50" << "";
}

void DeviceConnectionTest::valuesTakeTheSettingsFormAndGoOutAsTheWindowSendsThem()
{
    QFETCH(QString, name);
    QFETCH(QString, given);
    QFETCH(QString, field);
    const Setting& setting = *settingNamed(name);
    const auto value = parsedValue(setting, given);
    if (field.isEmpty()) {
        QCOMPARE(value.index(), 1u);
        QVERIFY2(std::get<1>(value).contains(setting.takes), qPrintable(std::get<1>(value)));
        return;
    }
    QCOMPARE(value.index(), 0u);
    QCOMPARE(valueField(setting, std::get<0>(value)), field);
}

void DeviceConnectionTest::aNumberGoesOutAsItsListItemsLeadingCharacters()
{
    // The command line's numbers and the window's items give the same bytes.
    const QList<QPair<QString, QStringList>> lists{{"tag-type", SelectionLists::tagTypeItems()},
                                                   {"fdx-code", SelectionLists::fdxCodeItems()},
                                                   {"mode", SelectionLists::modeItems()},
                                                   {"language", SelectionLists::languageItems()}};
    for (const auto& [name, items] : lists) {
        const Setting& setting = *settingNamed(name);
        QCOMPARE(setting.highest - setting.lowest + 1, items.size());
        for (const QString& item : items) {
            const auto number = parsedValue(setting, QString::number(leadingNumber(item)));
            QCOMPARE(valueField(setting, std::get<0>(number)), valueField(setting, SettingValue::typed(item)));
        }
    }
}

void DeviceConnectionTest::reportsAreReadOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("reading"); // as the command line prints it
    QTest::newRow("0 is never") << "switch-off-time" << "0" << "never";
    QTest::newRow("05 is never too") << "switch-off-time" << "05" << "never";
    QTest::newRow("seconds") << "switch-off-time" << "30" << "30";
    QTest::newRow("any number but 0 is on") << "beeper" << "5" << "1";
    QTest::newRow("no number is off") << "beeper" << "x" << "0";
    QTest::newRow("a list's number") << "tag-type" << " 8" << "8";
    QTest::newRow("steps as text") << "read-timeout" << "20" << "20";
    QTest::newRow("a large number, every digit") << "read-timeout" << "1234567" << "1234567";
    QTest::newRow("a text that is no number") << "read-timeout" << "n/a" << "n/a";
    QTest::newRow("battery") << "battery" << "57" << "57";
}

void DeviceConnectionTest::reportsAreReadOnce()
{
    QFETCH(QString, name);
    QFETCH(QString, reported);
    QFETCH(QString, reading);
    QCOMPARE(valueText(reportedValue(*settingNamed(name), reported)), reading);
}

void DeviceConnectionTest::aChangeIsAnsweredThenAskedFor_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("scriptedCommand"); // the device's answer to it, if scripted
    QTest::addColumn<QByteArray>("scriptedAnswer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QList<QByteArray>>("sent");
    using K = ConfirmedCommands::SettingsOutcome::Kind;
    QTest::newRow("taken") << "tag-type=2" << QByteArray() << QByteArray() << int(K::Taken)
                           << QList<QByteArray>{"TAGTYP 2 ", "TAGTYP"};
    QTest::newRow("never, reported as 0") << "switch-off-time=never" << QByteArray() << QByteArray() << int(K::Taken)
                                          << QList<QByteArray>{"OFF aus", "OFF"};
    QTest::newRow("refused at once") << "read-timeout=1000" << QByteArray() << QByteArray() << int(K::Refused)
                                     << QList<QByteArray>{"TIMEOUT 1000"};
    QTest::newRow("answered but not taken") << "mode=2" << QByteArray("MODE 2") << QByteArray("Ok\r\n")
                                            << int(K::NotTaken) << QList<QByteArray>{"MODE 2", "MODE"};
    QTest::newRow("the clock is not asked for") << "clock=now" << QByteArray() << QByteArray() << int(K::Taken)
                                                << QList<QByteArray>{"CLOCK 06.12.2026 07:45"};
}

void DeviceConnectionTest::aChangeIsAnsweredThenAskedFor()
{
    QFETCH(QString, change);
    QFETCH(QByteArray, scriptedCommand);
    QFETCH(QByteArray, scriptedAnswer);
    QFETCH(int, outcome);
    QFETCH(QList<QByteArray>, sent);
    Core core;
    InProcessDevice simulated(core.fakes.port, core.fakes.clock);
    if (!scriptedCommand.isEmpty())
        simulated.model().setScriptedReply(scriptedCommand, scriptedAnswer);
    core.fakes.port.open(1);
    const Setting& setting = *settingNamed(change.section(u'=', 0, 0));
    ConfirmedCommands confirmed(core.device());
    const auto result =
        confirmed.applySettings({{&setting, std::get<0>(parsedValue(setting, change.section(u'=', 1)))}});
    QCOMPARE(int(result.kind), outcome);
    QCOMPARE(core.sent(), sent);
}

void DeviceConnectionTest::theCodeReadOutEndsOnceEveryCodeHasCome()
{
    Core core;
    InProcessDevice simulated(core.fakes.port, core.fakes.clock);
    simulated.model().state().customCodes = {"a|1", "b|2", "c|3"};
    core.fakes.port.open(1);
    ConfirmedCommands confirmed(core.device());
    ConfirmedCommands::CodesReadout readout = confirmed.readCodes();
    QCOMPARE(readout.held, 3);
    QCOMPARE(readout.codes, (QStringList{"a|1", "b|2", "c|3"}));
    // Not a moment of waiting for more.
    QVERIFY2(core.fakes.clock.elapsedMs() < 1000, qPrintable(QString::number(core.fakes.clock.elapsedMs())));

    // An empty code comes as an empty line, which is no line: the device
    // goes quiet before the count is reached, and what came is kept.
    simulated.model().state().customCodes = {"a|1", "", "c|3"};
    readout = confirmed.readCodes();
    QCOMPARE(readout.held, 3);
    QCOMPARE(readout.codes, (QStringList{"a|1", "c|3"}));
}

QTEST_GUILESS_MAIN(DeviceConnectionTest)
#include "test_device_connection.moc"
