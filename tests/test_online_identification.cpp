// "Read ID", "Scan barcode" and continuous identifier reading on the
// virtual clock.

#include "test_online_pages.h"

#include "form/controls.h"

class OnlineIdentificationTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonSendsItsRequestAndArmsTheIdentifierMode_data();
    void eachButtonSendsItsRequestAndArmsTheIdentifierMode();
    void theReplyIsShownOnceAndEndsTheMode();
    void continuousReadingRepeatsReadIdAfterHalfASecond();
    void uncheckingStopsAfterTheOutstandingReply();
    void aScanWithContinuousReadingGoesOnWithReadId();
    void twoLinesInOneChunkWhileReadingContinuously();
    void anEmptyReplyLineKeepsTheModeArmed();
    void aClosedPortEndsTheClickSilently();
    void aRefusedRepeatIsReportedAndKeepsTheModeArmed();
};

void OnlineIdentificationTest::eachButtonSendsItsRequestAndArmsTheIdentifierMode_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Read ID") << "ReadId" << QByteArray("READID\r");
    QTest::newRow("Scan barcode") << "Scan" << QByteArray("SCAN\r");
}

void OnlineIdentificationTest::eachButtonSendsItsRequestAndArmsTheIdentifierMode()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, expected);
    WindowHarness h;
    openPages(h);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));

    clickOnItsPage(h, button);

    QCOMPARE(h.form().Tabulator->currentIndex(), 0);
    QCOMPARE(h.fakes.port.writes, QList<QByteArray>{expected});
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
}

void OnlineIdentificationTest::theReplyIsShownOnceAndEndsTheMode()
{
    WindowHarness h;
    openPages(h);
    AnsweringDevice device(h, [](const QByteArray&) { return QByteArray("E00401003A2B4C5D\r\n"); });

    clickOnItsPage(h, QStringLiteral("ReadId"));
    h.fakes.clock.runFor(2000);

    const QString id = QStringLiteral("E00401003A2B4C5D");
    QCOMPARE(h.form().IDAnzeige->text(), id);
    QCOMPARE(h.form().Zeile->text(), id);
    QCOMPARE(h.form().Ausgabe->toPlainText(), id + u'\n');
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
    QCOMPARE(device.lines, QList<QByteArray>{"READID"});
    QCOMPARE(h.fakes.clock.pauseCount(), 0);
}

void OnlineIdentificationTest::continuousReadingRepeatsReadIdAfterHalfASecond()
{
    WindowHarness h;
    openPages(h);
    const qint64 answerDelay = 20;
    AnsweringDevice device(h, freshIdentifiers(), answerDelay);
    clickOnItsPage(h, h.form().ReadCont);
    QCOMPARE(checkValue(h.form().ReadCont), 1);
    QVERIFY(device.lines.isEmpty()); // checking the box alone sends nothing

    clickOnItsPage(h, QStringLiteral("ReadId"));
    h.fakes.clock.runFor(4690);

    // Each answer arrives 20 ms after its request; the next request follows
    // 500 ms after the answer: requests every 520 ms.
    QCOMPARE(device.lines.size(), 10);
    for (int i = 1; i < device.lineTimes.size(); ++i)
        QCOMPARE(device.lineTimes.at(i) - device.lineTimes.at(i - 1), answerDelay + 500);
    QCOMPARE(device.lines, QList<QByteArray>(10, "READID"));
    // The output box is emptied before every request.
    QCOMPARE(device.outputAtLine, QStringList(10, QString()));
    // The tenth answer is still on its way.
    QCOMPARE(h.fakes.clock.pauseCount(), 9);
    QCOMPARE(h.fakes.clock.pausedMs(), qint64(9 * 500));
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("ID9"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);
}

void OnlineIdentificationTest::uncheckingStopsAfterTheOutstandingReply()
{
    WindowHarness h;
    openPages(h);
    AnsweringDevice device(h, freshIdentifiers(), 300);
    setCheckValue(h.form().ReadCont, 1);
    clickOnItsPage(h, QStringLiteral("ReadId"));
    h.fakes.clock.runFor(1000); // requests at 0 and 800; the second is outstanding
    QCOMPARE(device.lines.size(), 2);

    clickOnItsPage(h, h.form().ReadCont);
    QCOMPARE(checkValue(h.form().ReadCont), 0);
    h.fakes.clock.runFor(5000);

    QCOMPARE(device.lines.size(), 2);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("ID2"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
    QCOMPARE(h.form().Ausgabe->toPlainText(), QStringLiteral("ID2\n"));
}

void OnlineIdentificationTest::aScanWithContinuousReadingGoesOnWithReadId()
{
    WindowHarness h;
    openPages(h);
    AnsweringDevice device(h, [](const QByteArray& line) {
        return line == "SCAN" ? QByteArray("4006381333931\r\n") : QByteArray();
    });
    setCheckValue(h.form().ReadCont, 1);

    clickOnItsPage(h, QStringLiteral("Scan"));
    h.fakes.clock.runFor(3000);

    QCOMPARE(device.lines, (QList<QByteArray>{"SCAN", "READID"}));
    QCOMPARE(device.lineTimes.at(1) - device.lineTimes.at(0), 20 + 500);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("4006381333931"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier); // the READID is not answered
}

void OnlineIdentificationTest::twoLinesInOneChunkWhileReadingContinuously()
{
    WindowHarness h;
    openPages(h);
    setCheckValue(h.form().ReadCont, 1);
    clickOnItsPage(h, QStringLiteral("ReadId"));

    h.fakes.port.deliver("ID-A\r\nID-B\r\nID-");
    h.fakes.clock.runFor(0);

    // The first line re-arms the mode with a new request; the second, already
    // received, is taken as the answer to it and sends one more.
    QCOMPARE(h.sent(), (QList<QByteArray>{"READID", "READID", "READID"}));
    QCOMPARE(h.fakes.clock.pauseCount(), 2);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("ID-B"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);
    QCOMPARE(h.window->device().replies().RxBuffer(), QByteArray("ID-"));
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());

    h.fakes.port.deliver("C\r\n");
    h.fakes.clock.runFor(0);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("ID-C"));
    QCOMPARE(h.sent().size(), 4);
}

void OnlineIdentificationTest::anEmptyReplyLineKeepsTheModeArmed()
{
    WindowHarness h;
    openPages(h);
    h.form().IDAnzeige->setText(QStringLiteral("before"));
    clickOnItsPage(h, QStringLiteral("ReadId"));

    h.fakes.port.deliver("\r\n");
    h.fakes.clock.runFor(0);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("before"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);

    h.fakes.port.deliver("Error\r\n");
    h.fakes.clock.runFor(0);
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("Error"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
}

void OnlineIdentificationTest::aClosedPortEndsTheClickSilently()
{
    WindowHarness h;
    enablePagesWithPortClosed(h);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("old"));

    clickOnItsPage(h, QStringLiteral("ReadId"));

    QVERIFY(h.fakes.dialogs.shown.isEmpty());
    QVERIFY(h.fakes.port.written.isEmpty());
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);
}

void OnlineIdentificationTest::aRefusedRepeatIsReportedAndKeepsTheModeArmed()
{
    WindowHarness h;
    openPages(h);
    setCheckValue(h.form().ReadCont, 1);
    clickOnItsPage(h, QStringLiteral("ReadId"));
    h.fakes.port.failNextWrite(portNotOpen());

    h.fakes.port.deliver("ID1\r\nID2\r\n");
    h.fakes.clock.runFor(0);

    // The receive path shows the failure and ends its run; the second line
    // waits for the next receive event.
    QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    QCOMPARE(h.fakes.dialogs.shown.at(0).text, portNotOpen().description);
    QCOMPARE(h.fakes.dialogs.shown.at(0).title, QStringLiteral("Tagorix Tool"));
    QCOMPARE(h.fakes.dialogs.shown.at(0).buttons, MessageButtons::Ok);
    QCOMPARE(h.sent(), QList<QByteArray>{"READID"});
    QCOMPARE(h.form().IDAnzeige->text(), QStringLiteral("ID1"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::Identifier);
    QCOMPARE(h.window->device().replies().RxBuffer(), QByteArray("ID2\r\n"));
}

QTEST_MAIN(OnlineIdentificationTest)
#include "test_online_identification.moc"
