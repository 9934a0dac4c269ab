// The Barcode page: reading and writing scanner registers.

#include "test_online_pages.h"

#include "form/controls.h"

class BarcodeRegistersTest : public QObject {
    Q_OBJECT

private slots:
    void readAndWriteSendTheRegisterNumber_data();
    void readAndWriteSendTheRegisterNumber();
    void theValueIsWhatFollowsTheFirstColon_data();
    void theValueIsWhatFollowsTheFirstColon();
    void aSecondLineInTheSameChunkIsOnlyEchoed();
    void aWriteLeavesAnOutstandingReadInForce();
    void aClosedPortEndsBothClicksSilently();
};

void BarcodeRegistersTest::readAndWriteSendTheRegisterNumber_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("registerItem"); // a catalogue item, or typed text
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("modeAfter");

    const QString upcA = QStringLiteral("001 - UPC-A enable (0/1)");
    QTest::newRow("read") << "BCLesen" << upcA << "1" << QByteArray("BARCODE 001") << int(ReplyModes::RegisterValue);
    QTest::newRow("write") << "BCSetzen" << upcA << "1" << QByteArray("BARCODE 001 1") << int(ReplyModes::Statistics);
    QTest::newRow("write empty value") << "BCSetzen" << upcA << "" << QByteArray("BARCODE 001 ")
                                       << int(ReplyModes::Statistics);
    QTest::newRow("write value as typed") << "BCSetzen" << QStringLiteral("191 - Scan angle (100/75/60/45)")
                                          << " 75 " << QByteArray("BARCODE 191  75 ")
                                          << int(ReplyModes::Statistics);
    QTest::newRow("read without register") << "BCLesen" << "" << "" << QByteArray("BARCODE ")
                                           << int(ReplyModes::RegisterValue);
    QTest::newRow("read a short typed number") << "BCLesen" << "12" << "" << QByteArray("BARCODE 12")
                                               << int(ReplyModes::RegisterValue);
}

void BarcodeRegistersTest::readAndWriteSendTheRegisterNumber()
{
    QFETCH(QString, button);
    QFETCH(QString, registerItem);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);
    QFETCH(int, modeAfter);
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    const int position = f.BCRegister->findText(registerItem);
    if (position >= 0)
        setListIndex(f.BCRegister, position);
    else
        f.BCRegister->setEditText(registerItem);
    f.BCWert->setText(value);
    f.Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));
    h.window->device().replies().ReplyMode = ReplyModes::Statistics;

    clickOnItsPage(h, button);

    QCOMPARE(f.Tabulator->currentIndex(), 3);
    QCOMPARE(h.fakes.port.writes, QList<QByteArray>{expected + '\r'});
    QCOMPARE(int(f.ReplyMode), modeAfter);
    QCOMPARE(f.Ausgabe->toPlainText(), QString());
}

void BarcodeRegistersTest::theValueIsWhatFollowsTheFirstColon_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("value");
    QTest::newRow("value after colon") << QByteArray("X:5") << "5";
    QTest::newRow("only the first colon counts") << QByteArray("A:B:C") << "B:C";
    QTest::newRow("no colon: whole line") << QByteArray("7") << "7";
    QTest::newRow("colon last: empty") << QByteArray("X:") << "";
    QTest::newRow("error word") << QByteArray("Error") << "Error";
    QTest::newRow("nothing trimmed") << QByteArray("BARCODE 001: 1 ") << " 1 ";
}

void BarcodeRegistersTest::theValueIsWhatFollowsTheFirstColon()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, value);
    WindowHarness h;
    openPages(h);
    setListIndex(h.form().BCRegister, 0);
    h.form().BCWert->setText(QStringLiteral("before"));
    clickOnItsPage(h, QStringLiteral("BCLesen"));

    h.fakes.port.deliver(reply + "\r\n");
    h.fakes.clock.runFor(0);

    QCOMPARE(h.form().BCWert->text(), value);
    QCOMPARE(h.form().Zeile->text(), QString::fromLatin1(reply));
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
}

void BarcodeRegistersTest::aSecondLineInTheSameChunkIsOnlyEchoed()
{
    WindowHarness h;
    openPages(h);
    AnsweringDevice device(h, [](const QByteArray&) { return QByteArray("R:1\r\nR:2\r\n"); });
    setListIndex(h.form().BCRegister, 0);

    clickOnItsPage(h, QStringLiteral("BCLesen"));
    h.fakes.clock.runFor(1000);

    QCOMPARE(h.form().BCWert->text(), QStringLiteral("1"));
    QCOMPARE(h.form().Zeile->text(), QStringLiteral("R:2"));
    QCOMPARE(h.form().Ausgabe->toPlainText(), QStringLiteral("R:1\nR:2\n"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
}

void BarcodeRegistersTest::aWriteLeavesAnOutstandingReadInForce()
{
    WindowHarness h;
    openPages(h);
    setListIndex(h.form().BCRegister, 0);
    clickOnItsPage(h, QStringLiteral("BCLesen")); // never answered
    h.form().BCWert->setText(QStringLiteral("0"));

    clickOnItsPage(h, QStringLiteral("BCSetzen"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::RegisterValue);
    h.fakes.port.deliver("Ok\r\n");
    h.fakes.clock.runFor(0);

    QCOMPARE(h.sent(), (QList<QByteArray>{"BARCODE 001", "BARCODE 001 0"}));
    QCOMPARE(h.form().BCWert->text(), QStringLiteral("Ok"));
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);
}

void BarcodeRegistersTest::aClosedPortEndsBothClicksSilently()
{
    WindowHarness h;
    enablePagesWithPortClosed(h);
    setListIndex(h.form().BCRegister, 0);

    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));
    clickOnItsPage(h, QStringLiteral("BCSetzen"));
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().ReplyMode, ReplyModes::EchoOnly);

    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));
    clickOnItsPage(h, QStringLiteral("BCLesen"));
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().ReplyMode, ReplyModes::RegisterValue);

    QVERIFY(h.fakes.dialogs.shown.isEmpty());
    QVERIFY(h.fakes.port.written.isEmpty());
}

QTEST_MAIN(BarcodeRegistersTest)
#include "test_barcode_registers.moc"
