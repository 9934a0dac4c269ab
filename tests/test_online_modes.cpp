// What the Online, Control and Barcode pages share: a reply is handled in
// the mode in force when it arrives, whichever command it answers, and no
// text from a field can break a command into two.

#include "test_online_pages.h"

#include "form/controls.h"

#include <QClipboard>
#include <QGuiApplication>

class OnlineModesTest : public QObject {
    Q_OBJECT

private slots:
    void aReplyIsHandledInTheModeStillInForce_data();
    void aReplyIsHandledInTheModeStillInForce();
    void aRegisterReadTakesOverContinuousReading();
    void aLineBreakInAFieldStaysInsideOneCommand_data();
    void aLineBreakInAFieldStaysInsideOneCommand();
    void aPastedLineBreakGoesOutAsOneDisplayCommand();
};

void OnlineModesTest::aReplyIsHandledInTheModeStillInForce_data()
{
    QTest::addColumn<QString>("earlier");   // sends a request that is never answered
    QTest::addColumn<QString>("later");     // the command whose reply arrives
    QTest::addColumn<QString>("shownIn");   // the box that shows the reply
    QTest::addColumn<QString>("untouched"); // the box that keeps its text

    const QStringList withoutMode = {"Buzzer",     "Keyboard",     "CLS",           "Display", "ReadBlock",
                                     "WriteBlock", "ReadBlockHex", "WriteBlockHex", "BCSetzen"};
    for (const QString& later : withoutMode) {
        QTest::addRow("identifier, then %s", qPrintable(later)) << "ReadId" << later << "IDAnzeige" << "BCWert";
        QTest::addRow("register, then %s", qPrintable(later)) << "BCLesen" << later << "BCWert" << "IDAnzeige";
    }
    // A sender with a mode of its own takes over.
    QTest::newRow("register, then scan") << "BCLesen" << "Scan" << "IDAnzeige" << "BCWert";
    QTest::newRow("identifier, then register") << "ReadId" << "BCLesen" << "BCWert" << "IDAnzeige";
}

void OnlineModesTest::aReplyIsHandledInTheModeStillInForce()
{
    QFETCH(QString, earlier);
    QFETCH(QString, later);
    QFETCH(QString, shownIn);
    QFETCH(QString, untouched);
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    f.BlockAdress->setText(QStringLiteral("4"));
    f.WriteData->setText(QStringLiteral("0A0B"));
    setListIndex(f.BCRegister, 0);
    f.IDAnzeige->setText(QStringLiteral("before"));
    f.BCWert->setText(QStringLiteral("before"));

    clickOnItsPage(h, earlier);
    clickOnItsPage(h, later);
    QCOMPARE(h.sent().size(), 2);
    h.fakes.port.deliver("Ok\r\n");
    h.fakes.clock.runFor(0);

    QCOMPARE(h.window->findChild<QLineEdit*>(shownIn)->text(), QStringLiteral("Ok"));
    QCOMPARE(h.window->findChild<QLineEdit*>(untouched)->text(), QStringLiteral("before"));
    QCOMPARE(f.ReplyMode, ReplyModes::EchoOnly);
    QCOMPARE(h.sent().size(), 2);
}

void OnlineModesTest::aRegisterReadTakesOverContinuousReading()
{
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    setListIndex(f.BCRegister, 0);
    setCheckValue(f.ReadCont, 1);
    ScriptedDevice device(h, [](const QByteArray& line) {
        return line.startsWith("BARCODE") ? QByteArray("001:1\r\n") : QByteArray("ID1\r\n");
    });

    clickOnItsPage(h, f.ReadId);
    h.fakes.clock.runFor(1000); // ID1 shown at 20 ms, READID again at 520 ms, ID1 at 540 ms, ...
    QCOMPARE(f.IDAnzeige->text(), QStringLiteral("ID1"));
    clickOnItsPage(h, f.BCLesen); // while the READID of 1040 ms waits for its answer
    h.fakes.clock.runFor(3000);

    QCOMPARE(device.lines, (QList<QByteArray>{"READID", "READID", "READID", "BARCODE 001"}));
    QCOMPARE(f.BCWert->text(), QStringLiteral("ID1")); // the answer to the READID
    QCOMPARE(f.ReplyMode, ReplyModes::EchoOnly);        // ... so the register's own is only echoed
    QCOMPARE(f.Zeile->text(), QStringLiteral("001:1"));
}

void OnlineModesTest::aLineBreakInAFieldStaysInsideOneCommand_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("display text, CR LF") << "DisplayText" << "Display" << QByteArray("DISPLAY 1 \"a b\"");
    QTest::newRow("display text, LF LF") << "DisplayText" << "Display" << QByteArray("DISPLAY 1 \"a  b\"");
    QTest::newRow("display line") << "DisplayZeile" << "Display" << QByteArray("DISPLAY a b \"\"");
    QTest::newRow("block text") << "WriteData" << "WriteBlock" << QByteArray("WRITE 4 \"a b\"");
    QTest::newRow("block number") << "BlockAdress" << "ReadBlock" << QByteArray("READ a b");
    QTest::newRow("key") << "Key" << "ReadBlockHex" << QByteArray("BINREAD 4 a b");
    QTest::newRow("register value") << "BCWert" << "BCSetzen" << QByteArray("BARCODE 001 a b");
}

void OnlineModesTest::aLineBreakInAFieldStaysInsideOneCommand()
{
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QByteArray, expected);
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    f.BlockAdress->setText(QStringLiteral("4"));
    f.Key->clear();
    setListIndex(f.BCRegister, 0);
    const QString broken = QTest::currentDataTag() == QByteArrayLiteral("display text, LF LF")
                               ? QStringLiteral("a\n\nb")
                               : QStringLiteral("a\r\nb");
    if (auto* box = h.window->findChild<QLineEdit*>(field))
        box->setText(broken);
    else
        h.window->findChild<QComboBox*>(field)->setEditText(broken);

    clickOnItsPage(h, button);

    QCOMPARE(h.fakes.port.written, expected + '\r');
}

void OnlineModesTest::aPastedLineBreakGoesOutAsOneDisplayCommand()
{
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    QGuiApplication::clipboard()->setText(QStringLiteral("first\r\nsecond\n"));
    f.DisplayText->setFocus();
    f.DisplayText->paste();
    QCOMPARE(f.DisplayText->text(), QStringLiteral("first\r\nsecond\n")); // the field keeps them

    clickOnItsPage(h, f.Display);

    QCOMPARE(h.fakes.port.writes, QList<QByteArray>{"DISPLAY 1 \"first second \"\r"});
}

QTEST_MAIN(OnlineModesTest)
#include "test_online_modes.moc"
