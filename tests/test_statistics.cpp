// The "Statistic" button and the statistics reply (reply mode 5).

#include "test_exchange_page.h"

#include "base/failure.h"
#include "core/device.h"

#include <QSignalSpy>

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void replyShowsBothCounts_data();
    void replyShowsBothCounts();
    void replyWithoutBarEndsTheModeOnly();
    void overflowingRecordCountKeepsTheCustomCodeCount();
    void onlyTheFirstNonEmptyLineIsTheReply();
    void failedSendShowsDescriptionAndKeepsTheMode();
};

namespace {
// Clicks "Statistic" with the device answering `reply`, and lets it arrive.
void askWithReply(ExchangePage& page, const QByteArray& reply)
{
    page.answerWith([reply](const QByteArray& line) { return line == "STA" ? reply : QByteArray(); });
    page.click(page.form().Statistik);
    page.h.fakes.clock.runFor(100);
}
} // namespace

void TestStatistics::replyShowsBothCounts_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<qint64>("customCodes");
    QTest::addColumn<qint64>("records");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << QByteArray("0|0") << qint64(0) << qint64(0) << "Custom codes:  0, records:  0";
    QTest::newRow("typical") << QByteArray("5|12") << qint64(5) << qint64(12) << "Custom codes:  5, records:  12";
    QTest::newRow("second bar ends the record count") << QByteArray("7|3|9") << qint64(7) << qint64(3)
                                                      << "Custom codes:  7, records:  3";
    QTest::newRow("words after the numbers") << QByteArray("12 codes|40 records") << qint64(12) << qint64(40)
                                             << "Custom codes:  12, records:  40";
    QTest::newRow("no numbers") << QByteArray("abc|def") << qint64(0) << qint64(0) << "Custom codes:  0, records:  0";
    QTest::newRow("negative takes the sign position") << QByteArray("-2|5") << qint64(-2) << qint64(5)
                                                      << "Custom codes: -2, records:  5";
    QTest::newRow("half rounds to even") << QByteArray("2.5|3.5") << qint64(2) << qint64(4) << "Custom codes:  2, records:  4";
    QTest::newRow("more than 16 bits hold") << QByteArray("40000|100000") << qint64(40000) << qint64(100000)
                                            << "Custom codes:  40000, records:  100000";
    QTest::newRow("16-bit extremes") << QByteArray("32767|-32768") << qint64(32767) << qint64(-32768)
                             << "Custom codes:  32767, records: -32768";
}

void TestStatistics::replyShowsBothCounts()
{
    QFETCH(QByteArray, reply);
    QFETCH(qint64, customCodes);
    QFETCH(qint64, records);
    QFETCH(QString, shown);

    ExchangePage page;
    page.form().Ausgabe->replaceAndRedraw(QStringLiteral("left over"));
    askWithReply(page, reply + "\r\n");

    QCOMPARE(page.sent(), QList<QByteArray>{"STA"});
    QCOMPARE(page.h.window->device().data().customCodeCount(), customCodes);
    QCOMPARE(page.h.window->device().data().recordCount(), records);
    QCOMPARE(page.form().OutStatistik->text(), shown);
    QCOMPARE(page.h.window->device().data().ackFlag(), 1);
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
    // The box was emptied before sending and then shows the device's echo.
    QCOMPARE(page.form().Ausgabe->toPlainText().trimmed(), QString::fromLatin1(reply));
    QVERIFY(page.messages().isEmpty());
}

void TestStatistics::replyWithoutBarEndsTheModeOnly()
{
    ExchangePage page;
    askWithReply(page, "5|12\r\n");
    QSignalSpy counted(&page.h.window->device(), &Device::statisticsRead);

    for (const QByteArray& reply : {QByteArray("Ok"), QByteArray("17")}) {
        askWithReply(page, reply + "\r\n");
        QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
        QCOMPARE(page.h.window->device().data().customCodeCount(), 5);
        QCOMPARE(page.h.window->device().data().recordCount(), 12);
        QCOMPARE(page.form().OutStatistik->text(), QStringLiteral("Custom codes:  5, records:  12"));
        QCOMPARE(counted.count(), 0);
    }
}

void TestStatistics::overflowingRecordCountKeepsTheCustomCodeCount()
{
    ExchangePage page;
    askWithReply(page, "1|2\r\n");
    QSignalSpy counted(&page.h.window->device(), &Device::statisticsRead);

    askWithReply(page, "5|1e19\r\n");

    QCOMPARE(page.messages(), QStringList{overflowFailure().description});
    QCOMPARE(page.h.window->device().data().customCodeCount(), 5);
    QCOMPARE(page.h.window->device().data().recordCount(), 2);
    QCOMPARE(page.form().OutStatistik->text(), QStringLiteral("Custom codes:  1, records:  2"));
    QCOMPARE(counted.count(), 0);
    QCOMPARE(page.form().ReplyMode, ReplyModes::Statistics);
}

void TestStatistics::onlyTheFirstNonEmptyLineIsTheReply()
{
    ExchangePage page;
    askWithReply(page, "\r\n\r\n3|4\r\n8|9\r\n");
    QCOMPARE(page.h.window->device().data().customCodeCount(), 3);
    QCOMPARE(page.h.window->device().data().recordCount(), 4);
    QCOMPARE(page.form().Zeile->text(), QStringLiteral("8|9")); // echoed only
}

void TestStatistics::failedSendShowsDescriptionAndKeepsTheMode()
{
    ExchangePage page;
    page.h.window->device().replies().ReplyMode = ReplyModes::RecordLine;
    page.form().Ausgabe->replaceAndRedraw(QStringLiteral("left over"));
    page.h.fakes.port.close();

    page.click(page.form().Statistik);

    QCOMPARE(page.messages(), QStringList{portNotOpen().description});
    QCOMPARE(page.h.fakes.dialogs.shown[0].title, applicationTitle);
    QCOMPARE(page.h.fakes.dialogs.shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(page.form().ReplyMode, ReplyModes::RecordLine);
    QVERIFY(page.form().Ausgabe->toPlainText().isEmpty());
}

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
