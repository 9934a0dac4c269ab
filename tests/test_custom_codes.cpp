// "Load custom codes" with its acknowledgement (reply mode 6), "Erase custom
// codes" and "Read out custom codes".

#include "test_exchange_page.h"

#include "base/failure.h"

#include <deque>

namespace {
// A device that answers each "PUT " with the next scripted answer, then with
// "Ok" once the script is used up. It records the data of every "PUT ".
struct CodeStore {
    std::deque<QByteArray> answers;
    QList<QByteArray> puts;
};

void serve(ExchangePage& page, CodeStore& store, qint64 delayMs = 2)
{
    page.answerWith(
        [&store](const QByteArray& line) {
            if (!line.startsWith("PUT "))
                return QByteArray();
            store.puts << line.mid(4);
            QByteArray answer("Ok");
            if (!store.answers.empty()) {
                answer = store.answers.front();
                store.answers.pop_front();
            }
            return answer.isEmpty() ? answer : answer + "\r\n";
        },
        delayMs);
}

void load(ExchangePage& page, const QByteArray& fileContent)
{
    page.writeFile(QStringLiteral("codes.csv"), fileContent);
    page.form().PfadLaden->setText(page.path(QStringLiteral("codes.csv")));
    page.click(page.form().GeneriereDaten);
}

QList<QByteArray> puts(std::initializer_list<const char*> data)
{
    QList<QByteArray> lines;
    for (const char* d : data)
        lines << QByteArray(d);
    return lines;
}
} // namespace

class TestCustomCodes : public QObject {
    Q_OBJECT
private slots:
    void emptyFileSendsNothing();
    void everyLineIsSentInOrderWithProgress();
    void semicolonsBecomeBars();
    void lineEndsOfEitherSystemLoadAlike_data();
    void lineEndsOfEitherSystemLoadAlike();
    void byteOrderMarkIsNotSent();
    void errorFiveTimesSkipsTheLine();
    void okAndErrorInOneAnswerCountsAsError();
    void memoryFullEndsTheLoad();
    void unknownAnswerRunsIntoTheWaitLimit();
    void noAnswerWaits1000StepsOf5msPerAttempt();
    void answerEndsTheWaitAtOnce();
    void moreThan32767LinesKeepCounting();
    void missingFileShowsTheReasonAndSendsNothing();
    void failedSendEndsTheLoad();
    void loadEndsWhenItsFileIsClosedMeanwhile();
    void readoutPressedDuringALoadStartsNothing();
    void endOfTheConnectionEndsTheLoadAtOnce_data();
    void endOfTheConnectionEndsTheLoadAtOnce();
    void eraseAsksFirst();
    void readOutOnlyEchoes();
};

void TestCustomCodes::emptyFileSendsNothing()
{
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    page.form().Ausgabe->replaceAndRedraw(QStringLiteral("left over"));
    load(page, "");
    QVERIFY(page.sent().isEmpty());
    QVERIFY(page.form().Ausgabe->toPlainText().isEmpty());
    QVERIFY(page.messages().isEmpty());
}

void TestCustomCodes::everyLineIsSentInOrderWithProgress()
{
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    load(page, "4711;Name;1\r\n4712;Other;2\r\n4713;Last;3\r\n");

    QCOMPARE(store.puts, puts({"4711|Name|1", "4712|Other|2", "4713|Last|3"}));
    QCOMPARE(page.sent().size(), 3);
    QCOMPARE(page.form().Ausgabe->toPlainText(), QStringLiteral("Dataset  3 Ok\n"));
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
    QCOMPARE(page.h.window->device().data().ackFlag(), 1);
    QVERIFY(page.messages().isEmpty());
    // The handle is left open; the next operation closes it.
    QVERIFY(page.form().ExchangeFile.isOpen());
}

void TestCustomCodes::semicolonsBecomeBars()
{
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    load(page, "1;2;;4\r\n\r\na|b;c\r\n  quoted \"x\";\t\r\n;");
    QCOMPARE(store.puts, puts({"1|2||4", "", "a|b|c", "  quoted \"x\"|\t", "|"}));
    QCOMPARE(page.h.fakes.port.writes[1], QByteArray("PUT \r"));
}

void TestCustomCodes::lineEndsOfEitherSystemLoadAlike_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("CR LF") << QByteArray("a;1\r\nb;2\r\nc;3\r\n");
    QTest::newRow("LF") << QByteArray("a;1\nb;2\nc;3\n");
    QTest::newRow("CR") << QByteArray("a;1\rb;2\rc;3\r");
    QTest::newRow("mixed, last line unended") << QByteArray("a;1\nb;2\r\nc;3");
}

void TestCustomCodes::lineEndsOfEitherSystemLoadAlike()
{
    QFETCH(QByteArray, content);
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    load(page, content);
    QCOMPARE(store.puts, puts({"a|1", "b|2", "c|3"}));
}

void TestCustomCodes::byteOrderMarkIsNotSent()
{
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    load(page, "\xEF\xBB\xBF" "a;\xC3\xA4\r\n\xEF\xBB\xBF" "b\r\n");
    // Only the file's opening mark goes; anything later is data like any other.
    QCOMPARE(store.puts, (QList<QByteArray>{"a|\xC3\xA4", "\xEF\xBB\xBF" "b"}));

    store.puts.clear();
    load(page, "\xEF\xBB\xBF");
    QVERIFY(store.puts.isEmpty());

    load(page, "\xEF\xBB\xBF\r\nx");
    QCOMPARE(store.puts, puts({"", "x"}));
}

void TestCustomCodes::errorFiveTimesSkipsTheLine()
{
    ExchangePage page;
    CodeStore store;
    store.answers = {"Error", "Error", "Error", "Error", "Error"};
    serve(page, store);
    load(page, "bad\r\ngood\r\n");
    QCOMPARE(store.puts, puts({"bad", "bad", "bad", "bad", "bad", "good"}));
    QCOMPARE(page.messages(),
             QStringList{"The load of custom codes reached the end of the file, but the device did not store every "
                         "line. Lines acknowledged by the device: 1. Lines refused or not answered: 1."});
    QVERIFY(page.form().Ausgabe->toPlainText().startsWith(QStringLiteral("Dataset  2 ")));
}

void TestCustomCodes::okAndErrorInOneAnswerCountsAsError()
{
    ExchangePage page;
    CodeStore store;
    store.answers = {"Ok, Error", "Error Ok", "Ok"};
    serve(page, store);
    load(page, "x\r\n");
    QCOMPARE(store.puts, puts({"x", "x", "x"}));
}

void TestCustomCodes::memoryFullEndsTheLoad()
{
    ExchangePage page;
    CodeStore store;
    store.answers = {"Ok", "Error: Memory full"};
    serve(page, store);
    load(page, "1\r\n2\r\n3\r\n4\r\n5\r\n");
    QCOMPARE(store.puts, puts({"1", "2"}));
    QCOMPARE(page.messages(),
             QStringList{"The load of custom codes stopped: the device reported \"Memory full\" at line 2. The lines "
                         "after it were not sent. Lines acknowledged by the device: 1. Lines refused or not "
                         "answered: 1."});
    QCOMPARE(page.h.window->device().data().ackFlag(), -2);
    QCOMPARE(page.form().Ausgabe->toPlainText(), QStringLiteral("Dataset  2 Error: Memory full\n"));
    QVERIFY(page.form().ExchangeFile.isOpen());
}

void TestCustomCodes::unknownAnswerRunsIntoTheWaitLimit()
{
    ExchangePage page;
    CodeStore store;
    // Lower case is not a known word; the first line ends the mode, the second is only echoed.
    store.answers = {"ok\r\nOk"};
    serve(page, store);
    const qint64 start = page.h.fakes.clock.elapsedMs();
    load(page, "x\r\n");
    QCOMPARE(store.puts, puts({"x", "x"}));
    // First attempt: pacing and the full wait; second: pacing and the answer's delay.
    QCOMPARE(page.h.fakes.clock.elapsedMs() - start, 5 + 1000 * 5 + 5 + 2);
}

void TestCustomCodes::noAnswerWaits1000StepsOf5msPerAttempt()
{
    ExchangePage page;
    CodeStore store;
    store.answers = {"", "", "", "", ""};
    serve(page, store);
    const qint64 start = page.h.fakes.clock.elapsedMs();
    load(page, "silent\r\nnever sent\r\n");
    // A line that got no answer at all ends the load: the next would only wait as long again.
    QCOMPARE(store.puts, puts({"silent", "silent", "silent", "silent", "silent"}));
    QCOMPARE(page.h.fakes.clock.elapsedMs() - start, 5 * (5 + 1000 * 5));
    // The waits sleep until something happens, not in slices.
    QCOMPARE(page.h.fakes.clock.pausedMs(), 5 * 5);
    QCOMPARE(page.h.fakes.clock.waitedMs(), 5 * 1000 * 5);
    QCOMPARE(page.messages(),
             QStringList{"The load of custom codes stopped: the device did not answer line 1, sent 5 times. The "
                         "lines after it were not sent. Lines acknowledged by the device: 0. Lines refused or not "
                         "answered: 1."});
}

void TestCustomCodes::answerEndsTheWaitAtOnce()
{
    ExchangePage page;
    CodeStore store;
    // Each answer comes 7 ms after its line: the pacing and that delay are all a line costs.
    serve(page, store, 7);
    const qint64 start = page.h.fakes.clock.elapsedMs();
    load(page, "a\r\nb\r\nc\r\n");
    QCOMPARE(store.puts.size(), 3);
    QCOMPARE(page.h.fakes.clock.elapsedMs() - start, 3 * (5 + 7));

    // An answer that is already there when the wait starts costs no sleep at all.
    store.puts.clear();
    page.h.fakes.port.setDevice([&page](const QByteArray&) { page.h.fakes.port.deliver("Ok\r\n"); });
    const qint64 again = page.h.fakes.clock.elapsedMs();
    load(page, "a\r\nb\r\nc\r\n");
    QCOMPARE(page.h.fakes.clock.elapsedMs() - again, 3 * 5);
    QCOMPARE(page.sent().size(), 6);
}

void TestCustomCodes::moreThan32767LinesKeepCounting()
{
    ExchangePage page;
    int putCount = 0;
    QByteArray last;
    page.h.fakes.port.setDevice([&](const QByteArray& bytes) {
        ++putCount;
        last = bytes;
        page.h.fakes.port.deliver("Ok\r\n");
    });
    QByteArray content;
    const int lines = 32770;
    for (int i = 1; i <= lines; ++i)
        content += QByteArray::number(i) + ";x\n";
    load(page, content);

    QVERIFY(page.messages().isEmpty());
    QCOMPARE(putCount, lines);
    QCOMPARE(last, QByteArray("PUT 32770|x\r"));
    QCOMPARE(page.form().Ausgabe->toPlainText(), QStringLiteral("Dataset  32770 Ok\n"));
}

void TestCustomCodes::missingFileShowsTheReasonAndSendsNothing()
{
    ExchangePage page;
    page.form().PfadLaden->setText(page.path(QStringLiteral("absent.csv")));
    page.click(page.form().GeneriereDaten);
    QCOMPARE(page.messages().size(), 1);
    QVERIFY2(page.messages()[0].contains(QStringLiteral("File not found")), qPrintable(page.messages()[0]));
    QCOMPARE(page.h.fakes.dialogs.shown[0].title, applicationTitle);
    QVERIFY(page.sent().isEmpty());

    page.form().PfadLaden->clear();
    page.click(page.form().GeneriereDaten);
    QCOMPARE(page.messages().size(), 2);
    QVERIFY(page.sent().isEmpty());
}

void TestCustomCodes::failedSendEndsTheLoad()
{
    ExchangePage page;
    page.h.fakes.port.setDevice([&page](const QByteArray&) {
        page.h.fakes.port.deliver("Ok\r\n");
        page.h.fakes.port.failNextWrite(portNotOpen());
    });
    load(page, "1\r\n2\r\n3\r\n");
    QCOMPARE(page.sent(), QList<QByteArray>{"PUT 1"});
    QCOMPARE(page.messages(), QStringList{portNotOpen().description});
    QCOMPARE(page.form().ReplyMode, ReplyModes::Acknowledgement);
}

void TestCustomCodes::loadEndsWhenItsFileIsClosedMeanwhile()
{
    ExchangePage page;
    // As disconnecting does while the load waits for an answer.
    page.h.fakes.port.setDevice([&page](const QByteArray&) {
        page.h.window->device().data().file().close();
        page.h.fakes.port.deliver("Ok\r\n");
    });
    load(page, "1\r\n2\r\n3\r\n");
    QCOMPARE(page.sent(), QList<QByteArray>{"PUT 1"});
    QVERIFY(page.messages().isEmpty());
}

void TestCustomCodes::readoutPressedDuringALoadStartsNothing()
{
    ExchangePage page;
    CodeStore store;
    serve(page, store);
    page.form().PfadSpeichern->setText(page.path(QStringLiteral("records.csv")));
    bool pressed = false;
    page.h.fakes.clock.addEventSource([&] {
        if (pressed || store.puts.isEmpty())
            return false;
        pressed = true;
        page.click(page.form().LeseErfassungen);
        return true;
    });
    load(page, "1\r\n2\r\n3\r\n");

    QVERIFY(pressed);
    QCOMPARE(page.sent(), (QList<QByteArray>{"PUT 1", "PUT 2", "PUT 3"}));
    QVERIFY(page.messages().isEmpty());
    QVERIFY(page.form().FrameUebertragen->isEnabled());
}

void TestCustomCodes::endOfTheConnectionEndsTheLoadAtOnce_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("openAfter");
    const QStringList cutShort{"The load of custom codes was cut short: the device had acknowledged 2 lines. "
                               "Whether it stored line 3, sent last, is unknown."};
    QTest::newRow("Connect released") << "release" << cutShort << false;
    // Both clicks are handled in the same wait: the new connection is no
    // place for the rest of the old load.
    QTest::newRow("Connect released and pressed again") << "release and press" << cutShort << true;
    // The program ends now: nothing more to tell.
    QTest::newRow("window closed") << "close" << QStringList{} << false;
}

void TestCustomCodes::endOfTheConnectionEndsTheLoadAtOnce()
{
    QFETCH(QString, end);
    QFETCH(QStringList, messages);
    QFETCH(bool, openAfter);
    ExchangePage page;
    // The toggle pressed, as after connecting.
    {
        const QSignalBlocker quiet(page.form().Connect);
        page.form().Connect->setChecked(true);
    }
    QList<QByteArray> sentData;
    bool due = false;
    qint64 endedAt = -1;
    page.h.fakes.clock.addEventSource([&] {
        if (!due || endedAt >= 0)
            return false;
        endedAt = page.h.fakes.clock.elapsedMs();
        if (end == "close") {
            page.h.window->close();
            return true;
        }
        page.click(page.form().Connect);
        if (end == "release and press")
            page.click(page.form().Connect);
        return true;
    });
    // Two lines are taken; the connection ends 100 ms into the wait for the third.
    page.answerWith([&](const QByteArray& line) {
        if (!line.startsWith("PUT "))
            return QByteArray();
        sentData << line.mid(4);
        if (sentData.size() == 3)
            page.h.fakes.clock.schedule(100, [&due] { due = true; });
        return sentData.size() < 3 ? QByteArray("Ok\r\n") : QByteArray();
    });
    load(page, "1\r\n2\r\n3\r\n4\r\n");

    QVERIFY(endedAt >= 0);
    QCOMPARE(sentData, puts({"1", "2", "3"}));
    QCOMPARE(page.h.fakes.clock.elapsedMs(), endedAt);
    QCOMPARE(page.messages(), messages);
    QCOMPARE(page.h.fakes.port.isOpen(), openAfter);
}

void TestCustomCodes::eraseAsksFirst()
{
    ExchangePage page;
    page.h.window->device().replies().ReplyMode = ReplyModes::Identifier;
    page.h.fakes.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    page.click(page.form().LoescheDaten);
    QVERIFY(page.sent().isEmpty());
    page.click(page.form().LoescheDaten);
    QCOMPARE(page.sent(), QList<QByteArray>{"DEL T"});
    QCOMPARE(page.form().ReplyMode, ReplyModes::Identifier);
    QCOMPARE(page.messages(), QStringList(2, QStringLiteral("Do you really want to delete all data?")));
    QCOMPARE(page.h.fakes.dialogs.shown[1].title, QStringLiteral("Delete"));
    QCOMPARE(page.h.fakes.dialogs.shown[1].buttons, MessageButtons::YesNo);

    page.h.fakes.port.close();
    page.click(page.form().LoescheDaten);
    QCOMPARE(page.messages().size(), 3); // the question only: the failure ends silently
}

void TestCustomCodes::readOutOnlyEchoes()
{
    ExchangePage page;
    page.answerWith([](const QByteArray& line) {
        return line == "REC" ? QByteArray("4711|Name|1\r\nOk\r\n") : QByteArray();
    });
    const std::int16_t ackFlagBefore = page.h.window->device().data().ackFlag();
    page.form().Ausgabe->replaceAndRedraw(QStringLiteral("left over"));
    page.click(page.form().LeseDaten);
    page.h.fakes.clock.runFor(10);
    QCOMPARE(page.sent(), QList<QByteArray>{"REC"});
    QCOMPARE(page.form().Ausgabe->toPlainText(), QStringLiteral("4711|Name|1\nOk\n"));
    QCOMPARE(page.form().Zeile->text(), QStringLiteral("Ok"));
    QCOMPARE(page.form().ReplyMode, ReplyModes::EchoOnly);
    QCOMPARE(page.h.window->device().data().ackFlag(), ackFlagBefore);

    page.h.fakes.port.close();
    page.click(page.form().LeseDaten);
    QCOMPARE(page.messages(), QStringList{portNotOpen().description});
}

QTEST_MAIN(TestCustomCodes)
#include "test_custom_codes.moc"
