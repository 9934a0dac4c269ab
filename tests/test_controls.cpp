#include "base/failure.h"
#include "core/data_exchange.h"
#include "core/read_back.h"
#include "form/controls.h"
#include "form/output_box.h"
#include "platform/qt_clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>

namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(int& paints) : paints(paints) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }

private:
    int& paints;
};

int failureNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Failure& failure) {
        return failure.number;
    }
    return 0;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void listsRejectPositionsOutsideTheirItems()
    {
        for (bool editable : {false, true}) {
            QComboBox list;
            list.setEditable(editable);
            list.addItems({"0 - German", "1 - English", "2 - French", "3 - Polski"});
            setListIndex(&list, 3);
            QCOMPARE(list.currentText(), QStringLiteral("3 - Polski"));
            QCOMPARE(failureNumberOf([&] { setListIndex(&list, 4); }), FailureNumber::InvalidPropertyValue);
            QCOMPARE(failureNumberOf([&] { setListIndex(&list, -2); }), FailureNumber::InvalidPropertyValue);
            QCOMPARE(list.currentIndex(), 3);
            setListIndex(&list, -1);
            QCOMPARE(list.currentIndex(), -1);
            QVERIFY(list.currentText().isEmpty());
        }
    }

    void theBatteryBarTakesZeroToHundredOnly()
    {
        QProgressBar bar;
        bar.setRange(0, 100);
        setBarValue(&bar, 57);
        QCOMPARE(bar.value(), 57);
        setBarValue(&bar, 0);
        setBarValue(&bar, 100);
        QCOMPARE(bar.value(), 100);
        setBarValue(&bar, 42.6);
        QCOMPARE(bar.value(), 43);
        for (double bad : {120.0, -1.0, 100.5, std::nan("")})
            QCOMPARE(failureNumberOf([&] { setBarValue(&bar, bad); }), FailureNumber::InvalidPropertyValue);
        QCOMPARE(bar.value(), 43);
    }

    void settingACheckBoxFromCodeRunsItsHandlingOnlyOnAChange()
    {
        QCheckBox box;
        int runs = 0;
        QObject::connect(&box, &QAbstractButton::toggled, [&] { ++runs; });
        setCheckValue(&box, 1);
        QCOMPARE(runs, 1);
        QCOMPARE(checkValue(&box), 1);
        setCheckValue(&box, 1);
        QCOMPARE(runs, 1);
        setCheckValue(&box, 0);
        QCOMPARE(runs, 2);
        QCOMPARE(checkValue(&box), 0);
        setCheckValue(&box, 0);
        QCOMPARE(runs, 2);
    }

    void theOutputBoxShowsWhatRewritingWouldShow()
    {
        OutputBox box;
        box.replaceAndRedraw("connecting...\r\n");
        box.appendReceived("Ok\r");
        box.appendReceived("\nTAGTYP:2\r\n");
        QPlainTextEdit rewritten;
        rewritten.setPlainText("connecting...\r\nOk\r\nTAGTYP:2\r\n");
        QCOMPARE(box.toPlainText(), rewritten.toPlainText());

        // After the box was emptied, a leading LF is a line break of its own.
        box.appendReceived("x\r");
        box.clearAndRedraw();
        box.appendReceived("\ny");
        rewritten.setPlainText("\ny");
        QCOMPARE(box.toPlainText(), rewritten.toPlainText());
    }

    void theOutputBoxBreaksLongLinesForDisplayAndKeepsTheNewestLines()
    {
        OutputBox box;
        const int width = OutputBox::DisplayLineLength;
        // A line end right after a full line is not shown as an empty line.
        box.appendReceived(QString(width, u'a') + "\r");
        box.appendReceived("\n" + QString(width + 1, u'b') + "\r\nc");
        QCOMPARE(box.toPlainText(), QString(width, u'a') + '\n' + QString(width, u'b') + "\nb\nc");

        QString lines;
        for (int n = 1; n <= OutputBox::MaxLines + 5; ++n)
            lines += QString::number(n) + "\r\n";
        box.appendReceived(lines);
        QCOMPARE(box.blockCount(), OutputBox::MaxLines);
        QCOMPARE(box.document()->firstBlock().text(), QStringLiteral("7"));
    }

    // A chunk soon after a drawing waits for the next processing of events,
    // and a pause long enough to be seen draws it first. The box measures
    // "soon" on the real clock: a try in which the two chunks came too far
    // apart (a loaded machine) proves nothing either way and is made again.
    void theOutputBoxDrawsOnceWithinItsIntervalAndAgainBeforeTheWindowBlocks()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            OutputBox box;
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            int paints = 0;
            PaintCounter counter(paints);
            box.viewport()->installEventFilter(&counter);
            QElapsedTimer apart;
            apart.start();
            box.appendReceived("first\r\n");
            box.appendReceived("second\r\n");
            if (apart.elapsed() >= OutputBox::ImmediateRedrawIntervalMs)
                continue;
            QCOMPARE(paints, 1);
            // The custom-code load's pause before each line is too short to be seen.
            QtClock().pause(DataExchange::pacingMs);
            QCOMPARE(paints, 1);
            // The read-back's pause before each query, the shortest that blocks the
            // window for long, shows what came.
            QtClock().pause(ReadBack::QueryGapMs);
            QCOMPARE(paints, 2);
            return;
        }
        QFAIL("no two chunks within the interval in 20 tries");
    }

    void leadingCharactersNeverOverrun()
    {
        QCOMPARE(leadingChars("10- ISO14443-A", 2), QStringLiteral("10"));
        QCOMPARE(leadingChars("5 - Tiris", 2), QStringLiteral("5 "));
        QCOMPARE(leadingChars("7", 2), QStringLiteral("7"));
        QCOMPARE(leadingChars("", 3), QString());
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
