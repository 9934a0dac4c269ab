// "Read out records", the record lines (reply mode 3) and "Erase records".

#include "test_exchange_page.h"

#include "base/failure.h"
#include "core/data_exchange.h"
#include "support/file_size_limit.h"
#include "support/linux_tools.h"

#include <QDir>

namespace {
// A device holding these record lines: "STA" reports their number, "GET"
// sends them, each with CR LF, in one go.
void holdRecords(ExchangePage& page, const QList<QByteArray>& records, qint64 delayMs = 2)
{
    page.answerWith(
        [records](const QByteArray& line) {
            if (line == "STA")
                return "4|" + QByteArray::number(records.size()) + "\r\n";
            if (line == "GET") {
                QByteArray all;
                for (const QByteArray& record : records)
                    all += record + "\r\n";
                return all;
            }
            return QByteArray();
        },
        delayMs);
}

void startReadout(ExchangePage& page, const QString& fileName = QStringLiteral("records.csv"))
{
    page.form().PfadSpeichern->setText(page.path(fileName));
    page.click(page.form().LeseErfassungen);
}
} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void separatorAndCommaConversion_data();
    void separatorAndCommaConversion();

    void announcedRecordsAreWrittenThenTheTransferEnds();
    void noRecordsLeavesAnEmptyFile_data();
    void noRecordsLeavesAnEmptyFile();
    void eachLineIsOnDiskOnceHandled();
    void emptyLinesAreNeitherWrittenNorCounted();
    void everyRecordReachesTheFile_data();
    void everyRecordReachesTheFile();

    void countWaitEndsAsSoonAsTheReplyIsHandled();
    void countWaitGivesUpAfter51StepsOf50ms_data();
    void countWaitGivesUpAfter51StepsOf50ms();

    void missingFolderShowsTheReasonAndSendsNothing();
    void fileThatTakesNothingStopsTheTransferWithOneMessage();
    void failedGetKeepsTheTransferOpen();
    void newReadoutStartsOverWithAFreshFile();
    void aSecondClickDuringTheCountWaitStartsNothing();
    void aCountWaitOutlivedByItsConnectionSendsNothingOnTheNext();
    void aReadoutTheDeviceLeavesUnfinishedGivesTheWindowBack_data();
    void aReadoutTheDeviceLeavesUnfinishedGivesTheWindowBack();

    void eraseAsksFirst();
};

void TestRecords::separatorAndCommaConversion_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("file");
    QTest::newRow("bars") << "1|2|3" << "1;2;3";
    QTest::newRow("no bar: nothing changes") << "1,2" << "1,2";
    QTest::newRow("no bar: date comma stays") << "01.02.2024,10:15" << "01.02.2024,10:15";
    QTest::newRow("date and time") << "A|01.02.2024,10:15|X" << "A;01.02.2024 10:15;X";
    QTest::newRow("date after the last bar") << "x|01.02.2024,10:15" << "x;01.02.2024 10:15";
    QTest::newRow("only the first comma is tested") << "Tag 12,5|01.02.2024,10:15"
                                                    << "Tag 12,5;01.02.2024,10:15";
    QTest::newRow("two dates, one per bar") << "01.02.2024,10:15|02.02.2024,11:00|z"
                                            << "01.02.2024 10:15;02.02.2024 11:00;z";
    QTest::newRow("more dates than bars") << "01.02.2024,10:15|02.02.2024,11:00"
                                          << "01.02.2024 10:15;02.02.2024,11:00";
    QTest::newRow("full stop exactly five before") << ".bcde,|x" << ".bcde ;x";
    QTest::newRow("full stop six before") << ".bcdef,|x" << ".bcdef,;x";
    QTest::newRow("comma at the start") << ",|x" << ",;x";
    QTest::newRow("comma within the first five") << "1,2|3" << "1,2;3";
    QTest::newRow("full stop before a comma within the first five") << ".a,|x" << ".a,;x";
    QTest::newRow("comma fifth, date later") << "abcd,|01.02.2024,10:15" << "abcd,;01.02.2024,10:15";
    QTest::newRow("bars only") << "||" << ";;";
    QTest::newRow("empty fields kept") << "a||b|" << "a;;b;";
}

void TestRecords::separatorAndCommaConversion()
{
    QFETCH(QString, device);
    QFETCH(QString, file);
    QCOMPARE(recordFileLine(device), file);
}

void TestRecords::announcedRecordsAreWrittenThenTheTransferEnds()
{
    ExchangePage page;
    holdRecords(page, {"1|2|3", "A|01.02.2024,10:15|X", "plain,text"});
    startReadout(page);
    QVERIFY(page.h.fakes.clock.runUntil([&] { return page.form().ReplyMode == ReplyModes::EchoOnly; }, 1000));

    QCOMPARE(page.sent(), (QList<QByteArray>{"STA", "GET"}));
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("1;2;3\r\nA;01.02.2024 10:15;X\r\nplain,text\r\n"));
    QCOMPARE(page.messages(), QStringList{"Transfer of records finished."});
    QCOMPARE(page.h.fakes.dialogs.shown[0].icon, MessageIcon::Information);
    QCOMPARE(page.h.fakes.dialogs.shown[0].title, applicationTitle);
    QCOMPARE(page.h.window->device().data().recordsLeft(), 0);
    QVERIFY(!page.form().ExchangeFile.isOpen());
    QCOMPARE(page.form().OutStatistik->text(), QStringLiteral("Custom codes:  4, records:  3"));

    // Later lines are only echoed; the finished file stays as it is.
    page.h.fakes.port.deliver("late|line\r\n");
    page.h.fakes.clock.runFor(10);
    QCOMPARE(page.fileBytes("records.csv").count('\n'), 3);
    QCOMPARE(page.messages().size(), 1);
}

void TestRecords::noRecordsLeavesAnEmptyFile_data()
{
    QTest::addColumn<QByteArray>("statistics");
    QTest::newRow("zero") << QByteArray("4|0\r\n");
    QTest::newRow("negative") << QByteArray("4|-1\r\n");
}

void TestRecords::noRecordsLeavesAnEmptyFile()
{
    QFETCH(QByteArray, statistics);
    ExchangePage page;
    page.writeFile(QStringLiteral("records.csv"), "old content\r\n");
    page.answerWith([statistics](const QByteArray&) { return statistics; });
    startReadout(page);

    QCOMPARE(page.messages(), QStringList{"There are no records present."});
    QCOMPARE(page.h.fakes.dialogs.shown[0].icon, MessageIcon::Exclamation);
    QCOMPARE(page.h.fakes.dialogs.shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(page.sent(), QList<QByteArray>{"STA"});
    QVERIFY(QFile::exists(page.path("records.csv")));
    QCOMPARE(page.fileBytes("records.csv"), QByteArray());
    QVERIFY(!page.form().ExchangeFile.isOpen());
}

void TestRecords::eachLineIsOnDiskOnceHandled()
{
    ExchangePage page;
    page.answerWith([](const QByteArray& line) { return line == "STA" ? QByteArray("0|3\r\n") : QByteArray(); });
    startReadout(page);
    QCOMPARE(page.form().ReplyMode, ReplyModes::RecordLine);

    page.h.fakes.port.deliver("r1|a\r\nr2|b\r\nr3");
    page.h.fakes.clock.runFor(1);
    // Read back through another handle while the transfer is still open.
    QVERIFY(page.form().ExchangeFile.isOpen());
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("r1;a\r\nr2;b\r\n"));
    QCOMPARE(page.h.window->device().data().recordsLeft(), 1);
}

void TestRecords::emptyLinesAreNeitherWrittenNorCounted()
{
    ExchangePage page;
    holdRecords(page, {"", "a|b", "", "", "c|d"});
    // Announces five, sends two: the transfer goes on waiting with the file open.
    startReadout(page);
    page.h.fakes.clock.runFor(100);
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("a;b\r\nc;d\r\n"));
    QCOMPARE(page.h.window->device().data().recordsLeft(), 3);
    QCOMPARE(page.form().ReplyMode, ReplyModes::RecordLine);
    QVERIFY(page.form().ExchangeFile.isOpen());
    QVERIFY(page.messages().isEmpty());
}

void TestRecords::everyRecordReachesTheFile_data()
{
    QTest::addColumn<QList<QByteArray>>("records");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("comma within the first five characters")
        << QList<QByteArray>{"1,2|3", "ab,|01.02.2024,10:15"} << QByteArray("1,2;3\r\nab,;01.02.2024,10:15\r\n");
    QTest::newRow("bytes as received")
        << QList<QByteArray>{"M\xFC\x6Cler|\xE9t\xE9|\x01\x7F\xFF", "tab\there|\"quoted\""}
        << QByteArray("M\xFC\x6Cler;\xE9t\xE9;\x01\x7F\xFF\r\ntab\there;\"quoted\"\r\n");
}

void TestRecords::everyRecordReachesTheFile()
{
    QFETCH(QList<QByteArray>, records);
    QFETCH(QByteArray, file);
    ExchangePage page;
    holdRecords(page, records);
    startReadout(page);
    page.h.fakes.clock.runFor(100);
    QCOMPARE(page.fileBytes("records.csv"), file);
    QCOMPARE(page.messages(), QStringList{"Transfer of records finished."});
}

void TestRecords::countWaitEndsAsSoonAsTheReplyIsHandled()
{
    ExchangePage page;
    page.form().PfadSpeichern->setText(page.path("records.csv"));
    qint64 answeredAt = -1;
    qint64 getAt = -1;
    page.h.fakes.port.setDevice([&](const QByteArray& bytes) {
        if (bytes == "STA\r") {
            answeredAt = page.h.fakes.clock.elapsedMs() + 123;
            page.h.fakes.port.deliverLater(123, "0|2\r\n");
        } else if (bytes == "GET\r") {
            getAt = page.h.fakes.clock.elapsedMs();
        }
    });
    page.click(page.form().LeseErfassungen);
    // The reply arrives within a 50 ms step; "GET" follows at once, not at the step's end.
    QCOMPARE(getAt, answeredAt);
}

void TestRecords::countWaitGivesUpAfter51StepsOf50ms_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("no reply") << QByteArray();
    QTest::newRow("reply without bar") << QByteArray("Ok\r\n");
}

void TestRecords::countWaitGivesUpAfter51StepsOf50ms()
{
    QFETCH(QByteArray, reply);
    ExchangePage page;
    page.writeFile("records.csv", "earlier;records\r\n");
    page.answerWith([reply](const QByteArray&) { return reply; });
    const qint64 start = page.h.fakes.clock.elapsedMs();
    startReadout(page);

    QCOMPARE(page.h.fakes.clock.elapsedMs() - start, 51 * 50);
    QCOMPARE(page.h.fakes.clock.waitedMs(), 51 * 50);
    QCOMPARE(page.sent(), QList<QByteArray>{"STA"});
    QCOMPARE(page.messages(),
             QStringList{"The device did not say how many records it holds: the records file is unchanged."});
    // The records of an earlier read-out are kept; a late reply is shown but resumes nothing.
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("earlier;records\r\n"));
    page.h.window->device().replies().ReplyMode = ReplyModes::Statistics;
    page.h.fakes.port.deliver("1|5\r\n");
    page.h.fakes.clock.runFor(100);
    QCOMPARE(page.form().OutStatistik->text(), QStringLiteral("Custom codes:  1, records:  5"));
    QCOMPARE(page.sent(), QList<QByteArray>{"STA"});
}

void TestRecords::missingFolderShowsTheReasonAndSendsNothing()
{
    ExchangePage page;
    holdRecords(page, {"a|b"});
    startReadout(page, QStringLiteral("no such folder/records.csv"));

    QCOMPARE(page.messages().size(), 1);
    QVERIFY2(page.messages()[0].contains(QStringLiteral("Path not found")), qPrintable(page.messages()[0]));
    QVERIFY(page.sent().isEmpty());
    QVERIFY(!QDir(page.path("no such folder")).exists());
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
}

void TestRecords::fileThatTakesNothingStopsTheTransferWithOneMessage()
{
    SKIP_UNLESS_LINUX("a file-size limit");
    ExchangePage page;
    QList<QByteArray> records;
    for (int i = 0; i < 50; ++i)
        records << "r|" + QByteArray::number(i);
    holdRecords(page, records);
    const QString path = page.path("records.csv");
    page.form().PfadSpeichern->setText(path);
    {
        const FileSizeLimit nothingFits(0);
        page.click(page.form().LeseErfassungen);
        page.h.fakes.clock.runFor(100);
    }

    QCOMPARE(page.messages().size(), 1);
    QVERIFY2(page.messages()[0].contains(path), qPrintable(page.messages()[0]));
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
    QVERIFY(!page.form().ExchangeFile.isOpen());
    // Every record still reached the protocol monitor.
    QVERIFY(page.form().Ausgabe->toPlainText().contains(QStringLiteral("r|49")));
}

void TestRecords::failedGetKeepsTheTransferOpen()
{
    ExchangePage page;
    page.answerWith([&page](const QByteArray& line) {
        if (line != "STA")
            return QByteArray();
        page.h.fakes.port.failNextWrite(portNotOpen());
        return QByteArray("0|2\r\n");
    });
    startReadout(page);

    QCOMPARE(page.messages(), QStringList{portNotOpen().description});
    QCOMPARE(page.form().ReplyMode, ReplyModes::RecordLine);
    QVERIFY(page.form().ExchangeFile.isOpen());
}

void TestRecords::newReadoutStartsOverWithAFreshFile()
{
    ExchangePage page;
    page.answerWith([](const QByteArray& line) { return line == "STA" ? QByteArray("0|3\r\n") : QByteArray(); });
    startReadout(page);
    page.h.fakes.port.deliver("first|1\r\nfirst|2\r\n");
    page.h.fakes.clock.runFor(1);
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("first;1\r\nfirst;2\r\n"));
    // While the transfer runs, a second read-out cannot start.
    startReadout(page);
    QCOMPARE(page.sent(), (QList<QByteArray>{"STA", "GET"}));
    page.h.fakes.port.deliver("first|3\r\n");
    page.h.fakes.clock.runFor(1);

    holdRecords(page, {"second|1", "second|2"});
    startReadout(page);
    page.h.fakes.clock.runFor(100);
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("second;1\r\nsecond;2\r\n"));
    QCOMPARE(page.messages(), QStringList(2, QStringLiteral("Transfer of records finished.")));
}

void TestRecords::aSecondClickDuringTheCountWaitStartsNothing()
{
    ExchangePage page;
    holdRecords(page, {"1|a", "2|b", "3|c"}, 20);
    // The user clicks again while the first click waits for the count.
    bool clickedAgain = false;
    page.h.fakes.clock.addEventSource([&] {
        if (clickedAgain || page.sent().isEmpty())
            return false;
        clickedAgain = true;
        page.click(page.form().LeseErfassungen);
        return true;
    });
    startReadout(page);
    page.h.fakes.clock.runFor(100);

    QVERIFY(clickedAgain);
    QCOMPARE(page.sent(), (QList<QByteArray>{"STA", "GET"}));
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("1;a\r\n2;b\r\n3;c\r\n"));
    QCOMPARE(page.messages(), QStringList{"Transfer of records finished."});
}

void TestRecords::aCountWaitOutlivedByItsConnectionSendsNothingOnTheNext()
{
    ExchangePage page;
    // The toggle pressed, as after connecting.
    {
        const QSignalBlocker quiet(page.form().Connect);
        page.form().Connect->setChecked(true);
    }
    holdRecords(page, {"1|a", "2|b", "3|c"});
    page.writeFile(QStringLiteral("records.csv"), "0;kept\r\n");
    // The count has come; Connect is released and pressed again before the
    // wait for it looks again.
    bool reconnected = false;
    page.h.fakes.clock.addEventSource([&] {
        if (reconnected || page.form().OutStatistik->text().isEmpty())
            return false;
        reconnected = true;
        page.click(page.form().Connect);
        page.click(page.form().Connect);
        return true;
    });
    startReadout(page);
    page.h.fakes.clock.runFor(100);

    QVERIFY(reconnected);
    QCOMPARE(page.sent(), (QList<QByteArray>{"STA", "DISCONNECT", "ONLINE"}));
    QCOMPARE(page.fileBytes("records.csv"), QByteArray("0;kept\r\n"));
    QCOMPARE(page.messages(), QStringList{"The read-out of records was cut short before the device said how many it "
                                          "holds: the records file is unchanged."});
}

void TestRecords::aReadoutTheDeviceLeavesUnfinishedGivesTheWindowBack_data()
{
    QTest::addColumn<QByteArray>("afterGet");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("toldAtOnce");
    QTest::newRow("goes quiet") << QByteArray("1|a\r\n") << QByteArray("1;a\r\n")
                                << "The device has sent no record for 5 seconds. The read-out of records was cut "
                                   "short: 1 of the 3 records the device announced are in the file."
                                << false;
    QTest::newRow("answers Error") << QByteArray("Error\r\n") << QByteArray()
                                   << "The device answered \"Error\". The read-out of records was cut short: 0 of "
                                      "the 3 records the device announced are in the file."
                                   << true;
}

void TestRecords::aReadoutTheDeviceLeavesUnfinishedGivesTheWindowBack()
{
    QFETCH(QByteArray, afterGet);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(bool, toldAtOnce);
    ExchangePage page;
    page.answerWith([afterGet](const QByteArray& line) { return line == "STA" ? QByteArray("0|3\r\n") : afterGet; });
    startReadout(page);
    page.h.fakes.clock.runFor(4500);
    QCOMPARE(page.messages().isEmpty(), !toldAtOnce);
    QCOMPARE(page.form().FrameUebertragen->isEnabled(), toldAtOnce);

    page.h.fakes.clock.runFor(1000);
    QCOMPARE(page.messages(), QStringList{message});
    QCOMPARE(page.fileBytes("records.csv"), file);
    QVERIFY(page.form().FrameUebertragen->isEnabled());
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
    QVERIFY(!page.form().ExchangeFile.isOpen());
}

void TestRecords::eraseAsksFirst()
{
    ExchangePage page;
    page.h.window->device().replies().ReplyMode = ReplyModes::Identifier;
    page.form().Ausgabe->replaceAndRedraw(QStringLiteral("left over"));

    page.h.fakes.dialogs.answers.push_back(MessageAnswer::No);
    page.click(page.form().LoescheErfassungen);
    QVERIFY(page.sent().isEmpty());
    QCOMPARE(page.form().Ausgabe->toPlainText(), QStringLiteral("left over"));

    page.h.fakes.dialogs.answers.push_back(MessageAnswer::Yes);
    page.click(page.form().LoescheErfassungen);
    QCOMPARE(page.sent(), QList<QByteArray>{"DEL E"});
    QVERIFY(page.form().Ausgabe->toPlainText().isEmpty());
    QCOMPARE(page.form().ReplyMode, ReplyModes::Identifier);

    for (const auto& box : page.h.fakes.dialogs.shown) {
        QCOMPARE(box.text, QStringLiteral("Do you really want to delete all data?"));
        QCOMPARE(box.title, QStringLiteral("Delete"));
        QCOMPARE(box.icon, MessageIcon::Question);
        QCOMPARE(box.buttons, MessageButtons::YesNo);
    }

    page.h.fakes.port.close();
    page.click(page.form().LoescheErfassungen);
    QCOMPARE(page.messages().size(), 3); // the question only: the failure ends silently
}

QTEST_MAIN(TestRecords)
#include "test_records.moc"
