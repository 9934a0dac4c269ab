// The configuration read-back after the hand-shake: the chain of queries
// with its pauses, and how each reply fills its control.

#include "test_connection_device.h"

#include <QTest>

namespace {

// A window that has connected and been answered "Ok"; the device answers
// no query by itself, so each test feeds the replies it needs.
struct ReadBackWindow {
    WindowHarness h;
    ScriptedDevice device{h};

    ReadBackWindow()
    {
        device.answersQueries = false;
        pressConnect(h);
        h.fakes.clock.runFor(1600); // "Ok", the settling pause, "TAGTYP"
    }

    Form1& form() { return h.form(); }

    // Delivers one reply line and lets the window handle it.
    void reply(const QByteArray& line)
    {
        h.fakes.port.deliver(line + "\r\n");
        h.fakes.clock.runFor(150);
    }
    QByteArray lastQuery() const { return device.lines().constLast(); }
    int queriesSent() const { return static_cast<int>(device.lines().size()) - 1; }
};

} // namespace

class ReadBackTest : public QObject {
    Q_OBJECT

private slots:
    void theWholeChainFillsEveryControlWithItsPauses()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        device.settings = {{"TAGTYP", "10"}, {"OFF", "300"}, {"TIMEOUT", "40"}, {"FDXCODE", "8"},
                           {"ENBEEP", "1"},  {"MODE", "2"},  {"MENU", "10"},    {"LANGUAGE", "3"},
                           {"AKKU", "42.4"}};
        QVERIFY(connectAndReadBack(h));

        QCOMPARE(device.lines(), (QList<QByteArray>{"ONLINE", "TAGTYP", "OFF", "TIMEOUT", "FDXCODE", "ENBEEP",
                                                    "MODE", "MENU", "LANGUAGE", "AKKU"}));
        // 1500 ms after "Ok", then 100 ms after each reply; the device answers in 20 ms.
        QList<qint64> gaps;
        for (qsizetype i = 1; i < device.received.size(); ++i)
            gaps << device.received[i].atMs - device.received[i - 1].atMs;
        QCOMPARE(gaps, (QList<qint64>{1520, 120, 120, 120, 120, 120, 120, 120, 120}));
        QCOMPARE(h.fakes.clock.pauseCount(), 9);
        QCOMPARE(h.fakes.clock.pausedMs(), 1500 + 8 * 100);

        Form1& f = h.form();
        QCOMPARE(f.Tagtyp->currentText(), QStringLiteral("10- ISO14443-A"));
        QCOMPARE(f.Offtime->text(), QStringLiteral("300"));
        QVERIFY(f.Offtime->isEnabled());
        QVERIFY(!f.Check_Offtime->isChecked());
        QCOMPARE(f.Readtimeout->text(), QStringLiteral("40"));
        QCOMPARE(f.FDXCode->currentText(), QStringLiteral("8 - Hex bytewise invers"));
        QVERIFY(f.EnBeeper->isChecked());
        QCOMPARE(f.Betriebsart->currentText(), QStringLiteral("2 - ro with number"));
        const QList<bool> menu{f.MENU_F1->isChecked(), f.MENU_F2->isChecked(), f.MENU_F3->isChecked(),
                               f.MENU_F4->isChecked(), f.MENU_F5->isChecked()};
        QCOMPARE(menu, (QList<bool>{false, true, false, true, false}));
        QCOMPARE(f.Sprache->currentText(), QStringLiteral("3 - Polski"));
        QCOMPARE(f.akku->value(), 42);
        QCOMPARE(f.ReplyMode, 0);
    }

    void switchOffTimeZeroMeansNever_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<bool>("never");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << QByteArray("0") << false << true << QStringLiteral("aus");
        QTest::newRow("05: first character only") << QByteArray("05") << false << true << QStringLiteral("aus");
        QTest::newRow("0 when already never") << QByteArray("0") << true << true << QStringLiteral("aus");
        QTest::newRow("30") << QByteArray("30") << false << false << QStringLiteral("30");
        QTest::newRow("30 when never before") << QByteArray("30") << true << false << QStringLiteral("30");
        QTest::newRow("text kept as sent") << QByteArray(" 7x") << true << false << QStringLiteral(" 7x");
    }
    void switchOffTimeZeroMeansNever()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, checkedBefore);
        QFETCH(bool, never);
        QFETCH(QString, shown);
        ReadBackWindow w;
        w.form().Check_Offtime->setChecked(checkedBefore);
        w.reply("OFF:" + value);

        QCOMPARE(w.form().Check_Offtime->isChecked(), never);
        QCOMPARE(w.form().Offtime->text(), shown);
        QCOMPARE(w.form().Offtime->isEnabled(), !never);
        QCOMPARE(w.lastQuery(), QByteArray("TIMEOUT"));
    }

    void listPositionsOutsideTheListAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("next");
        QTest::newRow("FDX 1 is the first entry") << QByteArray("FDXCODE:1") << QStringLiteral("1 - Hexadecimal")
                                                  << QByteArray("ENBEEP");
        QTest::newRow("FDX 0 selects nothing") << QByteArray("FDXCODE:0") << QString() << QByteArray("ENBEEP");
        QTest::newRow("FDX 9 keeps the selection") << QByteArray("FDXCODE:9") << QStringLiteral("4 - BDE")
                                                   << QByteArray("ENBEEP");
        QTest::newRow("FDX rounds halves to even") << QByteArray("FDXCODE:2.5") << QStringLiteral("2 - ISO animal")
                                                   << QByteArray("ENBEEP");
        QTest::newRow("tag type 11") << QByteArray("TAGTYP:11") << QStringLiteral("11- ISO14443-B")
                                     << QByteArray("OFF");
        QTest::newRow("tag type 12 is skipped") << QByteArray("TAGTYP:12") << QString() << QByteArray("OFF");
        QTest::newRow("mode -1 clears") << QByteArray("MODE:-1") << QString() << QByteArray("MENU");
        QTest::newRow("mode -2 is skipped") << QByteArray("MODE:-2") << QStringLiteral("0 - read only")
                                            << QByteArray("MENU");
        QTest::newRow("language with blanks") << QByteArray("LANGUAGE: 2") << QStringLiteral("2 - French")
                                              << QByteArray("AKKU");
    }
    void listPositionsOutsideTheListAreSkipped()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        QFETCH(QByteArray, next);
        ReadBackWindow w;
        Form1& f = w.form();
        f.FDXCode->setCurrentIndex(3);
        f.Betriebsart->setCurrentIndex(0);
        w.reply(reply);

        QComboBox* list = reply.startsWith("FDX") ? f.FDXCode
                          : reply.startsWith("TAG") ? f.Tagtyp
                          : reply.startsWith("MODE") ? f.Betriebsart
                                                     : f.Sprache;
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(w.lastQuery(), next);
        QCOMPARE(w.h.fakes.dialogs.shown.size(), 0);
    }

    void menuBitsSetTheFirstFiveKeys()
    {
        ReadBackWindow w;
        Form1& f = w.form();
        f.MENU_F2->setChecked(true);
        f.MENU_F6->setChecked(true);
        w.reply("MENU:21");
        QVERIFY(f.MENU_F1->isChecked());
        QVERIFY(!f.MENU_F2->isChecked());
        QVERIFY(f.MENU_F3->isChecked());
        QVERIFY(!f.MENU_F4->isChecked());
        QVERIFY(f.MENU_F5->isChecked());
        QVERIFY(f.MENU_F6->isChecked()); // not the device's
        QCOMPARE(w.lastQuery(), QByteArray("LANGUAGE"));
    }

    void buzzerEnableIsOnForAnyNumberButZero_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("not a number") << QByteArray("yes") << false;
        QTest::newRow("a fraction") << QByteArray("0.25") << true;
        QTest::newRow("too big for 16 bits") << QByteArray("70000") << true;
    }
    void buzzerEnableIsOnForAnyNumberButZero()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, on);
        ReadBackWindow w;
        w.form().EnBeeper->setChecked(!on);
        w.reply("ENBEEP:" + value);
        QCOMPARE(w.form().EnBeeper->isChecked(), on);
        QCOMPARE(w.lastQuery(), QByteArray("MODE"));
    }

    void theBatteryReplyEndsTheReadBack_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("bar");
        QTest::newRow("57") << QByteArray("57") << 57;
        QTest::newRow("120 is skipped") << QByteArray("120") << 33;
        QTest::newRow("negative is skipped") << QByteArray("-1") << 33;
        QTest::newRow("fraction") << QByteArray("99.6") << 100;
    }
    void theBatteryReplyEndsTheReadBack()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, bar);
        ReadBackWindow w;
        w.form().akku->setValue(33);
        const int sentBefore = w.queriesSent();
        w.reply("AKKU:" + value);
        QCOMPARE(w.form().akku->value(), bar);
        QCOMPARE(w.form().ReplyMode, 0);
        QCOMPARE(w.queriesSent(), sentBefore);
        QCOMPARE(w.h.fakes.dialogs.shown.size(), 0);
    }

    void aReplyOutOfOrderIsTakenAndTheChainGoesOnFromIt()
    {
        ReadBackWindow w;
        w.reply("TAGTYP:1");
        w.reply("OFF:0");
        w.reply("TIMEOUT:20");
        w.reply("FDXCODE:2");
        QCOMPARE(w.lastQuery(), QByteArray("ENBEEP"));
        // "MODE:" before "ENBEEP:" has been answered.
        w.reply("MODE:1");
        QCOMPARE(w.form().Betriebsart->currentText(), QStringLiteral("1 - read write"));
        QCOMPARE(w.lastQuery(), QByteArray("MENU"));
        // A reply long after it was asked for continues from there.
        w.h.fakes.clock.runFor(60'000);
        w.reply("ENBEEP:1");
        QCOMPARE(w.lastQuery(), QByteArray("MODE"));
    }

    void onlyAKeywordWithAValueIsAReply_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("nothing after the colon") << QByteArray("TAGTYP:");
        QTest::newRow("lower case") << QByteArray("tagtyp:1");
        QTest::newRow("something before") << QByteArray(" TAGTYP:1");
        QTest::newRow("no colon") << QByteArray("TAGTYP 1");
        QTest::newRow("Error") << QByteArray("Error");
    }
    void onlyAKeywordWithAValueIsAReply()
    {
        QFETCH(QByteArray, line);
        ReadBackWindow w;
        w.form().Tagtyp->setCurrentIndex(4);
        w.reply(line);
        QCOMPARE(w.lastQuery(), QByteArray("TAGTYP"));
        QCOMPARE(w.form().Tagtyp->currentIndex(), 4);
        QCOMPARE(w.form().ReplyMode, ReplyModes::HandshakeAndReadBack);
        QCOMPARE(w.form().Zeile->text(), QString::fromLatin1(line));
    }

    void aNumberTooBigForSixteenBitsStopsTheChain_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("tag type") << QByteArray("TAGTYP:40000");
        QTest::newRow("FDX code") << QByteArray("FDXCODE:32768");
        QTest::newRow("menu") << QByteArray("MENU:1e9");
        QTest::newRow("language") << QByteArray("LANGUAGE:-32769");
    }
    void aNumberTooBigForSixteenBitsStopsTheChain()
    {
        QFETCH(QByteArray, reply);
        ReadBackWindow w;
        const int sentBefore = w.queriesSent();
        w.reply(reply);

        QCOMPARE(w.h.fakes.dialogs.texts(), QStringList{QStringLiteral("Overflow")});
        QCOMPARE(w.h.fakes.dialogs.shown.constFirst().title, QStringLiteral("Tagorix Tool"));
        QCOMPARE(w.queriesSent(), sentBefore);
        QCOMPARE(w.form().ReplyMode, ReplyModes::HandshakeAndReadBack);
        // The chain can still go on with a later reply.
        w.reply("AKKU:10");
        QCOMPARE(w.form().ReplyMode, 0);
    }

    void outsideTheHandshakeModeKeywordRepliesAreOnlyEchoed()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        QVERIFY(connectAndReadBack(h));
        const qsizetype sent = device.received.size();
        h.fakes.port.deliver("TAGTYP:3\r\nAKKU:90\r\n");
        h.fakes.clock.runFor(1000);
        QCOMPARE(device.received.size(), sent);
        QCOMPARE(h.form().Tagtyp->currentText(), QStringLiteral("8 - ISO15693"));
        QCOMPARE(h.form().akku->value(), 57);
        QVERIFY(h.form().Ausgabe->toPlainText().contains(QStringLiteral("AKKU:90")));
    }

    void oneChunkWithTheAnswerAndAReplyIsHandledInOrder()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        device.answersHandshake = false;
        device.answersQueries = false;
        pressConnect(h);
        h.fakes.port.deliver("Ok\r\nTAGTYP:2\r\nOF");
        h.fakes.clock.runFor(50);
        QCOMPARE(device.lines(), (QList<QByteArray>{"ONLINE", "TAGTYP", "OFF"}));
        QCOMPARE(h.form().Tagtyp->currentText(), QStringLiteral("2 - Unique"));
        QCOMPARE(h.window->device().replies().RxBuffer(), QByteArray("OF"));
        h.fakes.port.deliver("F:0\r\n");
        h.fakes.clock.runFor(200);
        QCOMPARE(device.lines().constLast(), QByteArray("TIMEOUT"));
        QVERIFY(h.form().Check_Offtime->isChecked());
    }
};

QTEST_MAIN(ReadBackTest)
#include "test_read_back.moc"
