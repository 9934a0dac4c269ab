#include "base/failure.h"
#include "form/controls.h"
#include "core/reply_dispatch.h"
#include "support/window_harness.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// A window whose port is open, with recording handlers on two reply modes.
struct ReceiveFixture {
    WindowHarness h;
    QStringList modeOne;
    QStringList modeTwo;

    ReceiveFixture()
    {
        h.fakes.port.open(1);
        h.window->link().replies().registerHandler(1, [this](const QString& line) { modeOne << line; });
        h.window->link().replies().registerHandler(2, [this](const QString& line) { modeTwo << line; });
    }

    void receive(const QByteArray& bytes)
    {
        h.fakes.port.deliver(bytes);
        h.fakes.clock.doEvents();
    }
    void receiveInChunks(const QByteArray& bytes, const QList<qsizetype>& cuts)
    {
        qsizetype from = 0;
        for (qsizetype cut : cuts) {
            receive(bytes.mid(from, cut - from));
            from = cut;
        }
        receive(bytes.mid(from));
    }
};

QString displayedAfterRewrite(const QString& text)
{
    QPlainTextEdit box;
    box.setPlainText(text);
    return box.toPlainText();
}

} // namespace

class ReceivePathTest : public QObject {
    Q_OBJECT
private slots:
    void linesSurviveEveryChunkBoundary()
    {
        const QByteArray stream = "Ok\r\nTAGTYP:2\r\n\r\nOFF:30\r\nTIMEOUT:20\r\nMO";
        for (qsizetype first = 0; first <= stream.size(); ++first) {
            for (qsizetype second = first; second <= stream.size(); second += 3) {
                ReceiveFixture f;
                f.h.window->device().replies().ReplyMode = 1;
                f.receiveInChunks(stream, {first, second});
                QCOMPARE(f.modeOne, QStringList({"Ok", "TAGTYP:2", "OFF:30", "TIMEOUT:20"}));
                QCOMPARE(f.h.window->device().replies().RxBuffer(), QByteArray("MO"));
                QCOMPARE(f.h.form().Zeile->text(), QStringLiteral("TIMEOUT:20"));
                QCOMPARE(f.h.form().Ausgabe->toPlainText(), displayedAfterRewrite(QString::fromLatin1(stream)));
            }
        }
    }

    void echoMatchesRewritingForRandomChunks()
    {
        QByteArray stream;
        for (int i = 0; i < 200; ++i)
            stream += QByteArray("line ") + QByteArray::number(i) + (i % 7 == 0 ? "\r" : i % 11 == 0 ? "\n" : "\r\n");
        for (quint32 seed = 1; seed <= 20; ++seed) {
            QRandomGenerator random(seed);
            QList<qsizetype> cuts;
            for (qsizetype at = random.bounded(1, 9); at < stream.size(); at += random.bounded(1, 9))
                cuts << at;
            ReceiveFixture f;
            f.receiveInChunks(stream, cuts);
            QCOMPARE(f.h.form().Ausgabe->toPlainText(), displayedAfterRewrite(QString::fromLatin1(stream)));
        }
    }

    void onlyCrLfEndsALine()
    {
        ReceiveFixture f;
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("a\rb\nc\n\rd\r\n");
        QCOMPARE(f.modeOne, QStringList({QStringLiteral("a\rb\nc\n\rd")}));

        f.h.window->device().replies().ReplyMode = 1;
        f.receive("\r\n\r\n");
        QCOMPARE(f.modeOne.size(), 1);
        QCOMPARE(f.h.form().ReplyMode, std::int16_t(1));
    }

    void emptyLinesLeaveZeileAlone()
    {
        ReceiveFixture f;
        f.receive("first\r\n");
        f.receive("\r\n\r\n");
        QCOMPARE(f.h.form().Zeile->text(), QStringLiteral("first"));
    }

    void theModeLeftBehindAppliesFromTheNextLine()
    {
        ReceiveFixture f;
        f.h.window->link().replies().registerHandler(1, [&](const QString& line) {
            f.modeOne << line;
            f.h.window->device().replies().ReplyMode = 2;
        });
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("one\r\ntwo\r\nthree\r\n");
        QCOMPARE(f.modeOne, QStringList{"one"});
        QCOMPARE(f.modeTwo, QStringList({"two", "three"}));
    }

    void anEventWithNothingNewChangesNothing()
    {
        ReceiveFixture f;
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("partial");
        f.h.window->link().replies().MSComm1_OnComm();
        f.h.window->link().replies().MSComm1_OnComm();
        QCOMPARE(f.h.window->device().replies().RxBuffer(), QByteArray("partial"));
        QCOMPARE(f.h.form().ReplyMode, std::int16_t(1));
        QVERIFY(f.modeOne.isEmpty());
        QCOMPARE(f.h.form().Ausgabe->toPlainText(), QStringLiteral("partial"));
    }

    void everyByteComesThroughUnchanged()
    {
        ReceiveFixture f;
        f.h.window->device().replies().ReplyMode = 1;
        QByteArray high;
        for (int c = 0x80; c <= 0xFF; ++c)
            high += char(c);
        f.receive(high + "\r\n");
        QCOMPARE(f.modeOne.size(), 1);
        QCOMPARE(f.modeOne.constFirst().toLatin1(), high);
    }

    void aRejectedValueIsSkippedAndTheHandlerGoesOn()
    {
        ReceiveFixture f;
        QComboBox* list = f.h.form().Tagtyp;
        setListIndex(list, 3);
        bool wentOn = false;
        f.h.window->link().replies().registerHandler(1, [&](const QString&) {
            skipRejectedValue([&] { setListIndex(list, 12); });
            skipRejectedValue([&] { setBarValue(f.h.form().akku, 120); });
            wentOn = true;
        });
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("X\r\n");
        QVERIFY(wentOn);
        QCOMPARE(list->currentIndex(), 3);
        QCOMPARE(f.h.form().akku->value(), 0);
        QVERIFY(f.h.fakes.dialogs.shown.isEmpty());
    }

    void anotherFailureIsShownOnceAndLaterLinesWaitForTheNextEvent()
    {
        ReceiveFixture f;
        f.h.window->link().replies().registerHandler(1, [&](const QString& line) {
            if (line == "bad")
                throw overflowFailure();
            f.modeOne << line;
        });
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("good\r\nbad\r\nafter\r\n");
        QCOMPARE(f.modeOne, QStringList{"good"});
        QCOMPARE(f.h.fakes.dialogs.texts(), QStringList{"Overflow"});
        QCOMPARE(f.h.fakes.dialogs.shown.constFirst().title, QStringLiteral("Tagorix Tool"));
        QCOMPARE(f.h.window->device().replies().RxBuffer(), QByteArray("after\r\n"));

        f.receive("next\r\n");
        QCOMPARE(f.modeOne, QStringList({"good", "after", "next"}));
        QCOMPARE(f.h.fakes.dialogs.shown.size(), 1);
    }

    void anOverlongLineIsDroppedAndTheBufferStaysBounded()
    {
        ReceiveFixture f;
        f.h.window->device().replies().ReplyMode = 1;
        const QByteArray chunk(1000, 'x');
        for (int i = 0; i < 100; ++i) {
            f.receive(chunk);
            QVERIFY(f.h.window->device().replies().RxBuffer().size() <= ReplyDispatch::MaxLineLength + 2);
        }
        f.receive("tail of the long one\r\nnext\r\n");
        QCOMPARE(f.modeOne, QStringList{"next"});
        QVERIFY(f.h.fakes.dialogs.shown.isEmpty());

        // A long line that arrives complete in one chunk is dropped too.
        f.h.window->device().replies().ReplyMode = 1;
        f.receive(QByteArray(ReplyDispatch::MaxLineLength + 1, 'y') + "\r\nshort\r\n");
        QCOMPARE(f.modeOne, QStringList({"next", "short"}));

        // The longest line that is handled still is.
        f.h.window->device().replies().ReplyMode = 1;
        f.receive(QByteArray(ReplyDispatch::MaxLineLength, 'z') + "\r\n");
        QCOMPARE(f.modeOne.size(), 3);
        QCOMPARE(f.modeOne.constLast().size(), ReplyDispatch::MaxLineLength);
    }

    void aCrLfSplitRightAfterAnOverlongRunStillEndsIt()
    {
        ReceiveFixture f;
        f.h.window->device().replies().ReplyMode = 1;
        f.receive(QByteArray(ReplyDispatch::MaxLineLength + 10, 'x') + "\r");
        f.receive("\nafter\r\n");
        QCOMPARE(f.modeOne, QStringList{"after"});
    }

    void bytesLeftWhileTheHandlerRanAreHandledWithoutNewInput()
    {
        ReceiveFixture f;
        f.h.window->link().replies().registerHandler(1, [&](const QString& line) {
            f.modeOne << line;
            if (line == "first")
                f.h.fakes.port.deliverLater(10, "second\r\n");
            f.h.fakes.clock.pause(100); // arrives during the pause
        });
        f.h.window->device().replies().ReplyMode = 1;
        f.receive("first\r\n");
        f.h.window->device().replies().ReplyMode = 1;
        f.h.fakes.clock.doEvents();
        QCOMPARE(f.modeOne, QStringList({"first", "second"}));
    }
};

QTEST_MAIN(ReceivePathTest)
#include "test_receive_path.moc"
