// The Control page: buzzer, keyboard, clear display and display text.

#include "test_online_pages.h"

class DeviceControlsTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonSendsItsExactLine_data();
    void eachButtonSendsItsExactLine();
    void theDisplayLineComesFromTheListOrAsTyped();
    void aRefusedWriteEndsTheClickSilently_data();
    void aRefusedWriteEndsTheClickSilently();
};

void DeviceControlsTest::eachButtonSendsItsExactLine_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("displayLine");
    QTest::addColumn<QString>("displayText");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("buzzer") << "Buzzer" << "2" << "ignored" << QByteArray("BEEP");
    QTest::newRow("keyboard") << "Keyboard" << "2" << "ignored" << QByteArray("KEYBOARD");
    QTest::newRow("clear display") << "CLS" << "2" << "ignored" << QByteArray("CLS");
    QTest::newRow("show text") << "Display" << "2" << "Hello World" << QByteArray("DISPLAY 2 \"Hello World\"");
    QTest::newRow("show empty text") << "Display" << "1" << "" << QByteArray("DISPLAY 1 \"\"");
    QTest::newRow("show text without line") << "Display" << "" << "x" << QByteArray("DISPLAY  \"x\"");
    QTest::newRow("show text with quotes and blanks")
        << "Display" << "9" << " a \"b\" " << QByteArray("DISPLAY 9 \" a \"b\" \"");
    QTest::newRow("show text in Latin-1") << "Display" << "3" << QStringLiteral("Grüße")
                                          << QByteArray("DISPLAY 3 \"Gr\xfc\xdf" "e\"");
}

void DeviceControlsTest::eachButtonSendsItsExactLine()
{
    QFETCH(QString, button);
    QFETCH(QString, displayLine);
    QFETCH(QString, displayText);
    QFETCH(QByteArray, expected);
    WindowHarness h;
    openPages(h);
    h.form().DisplayZeile->setEditText(displayLine);
    h.form().DisplayText->setText(displayText);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));
    h.window->device().replies().ReplyMode = ReplyModes::RecordLine;

    clickOnItsPage(h, button);

    QCOMPARE(h.form().Tabulator->currentIndex(), 1);
    QCOMPARE(h.fakes.port.writes, QList<QByteArray>{expected + '\r'});
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().ReplyMode, ReplyModes::RecordLine);
}

void DeviceControlsTest::theDisplayLineComesFromTheListOrAsTyped()
{
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    f.DisplayText->setText(QStringLiteral("t"));

    clickOnItsPage(h, f.Display); // the line given at start-up
    f.DisplayZeile->setCurrentIndex(3);
    clickOnItsPage(h, f.Display);
    f.DisplayZeile->setEditText(QStringLiteral("12"));
    clickOnItsPage(h, f.Display);

    QCOMPARE(h.sent(), (QList<QByteArray>{"DISPLAY 1 \"t\"", "DISPLAY 4 \"t\"", "DISPLAY 12 \"t\""}));
}

void DeviceControlsTest::aRefusedWriteEndsTheClickSilently_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("buzzer") << "Buzzer";
    QTest::newRow("keyboard") << "Keyboard";
    QTest::newRow("clear display") << "CLS";
    QTest::newRow("show text") << "Display";
}

void DeviceControlsTest::aRefusedWriteEndsTheClickSilently()
{
    QFETCH(QString, button);
    WindowHarness h;
    enablePagesWithPortClosed(h);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));

    clickOnItsPage(h, button);

    QVERIFY(h.fakes.dialogs.shown.isEmpty());
    QVERIFY(h.fakes.port.written.isEmpty());
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());

    // A write the port fails on its own ends the same way.
    h.fakes.port.open(1);
    h.fakes.port.failNextWrite(Failure(FailureNumber::PortLost, QStringLiteral("gone")));
    clickOnItsPage(h, button);
    QVERIFY(h.fakes.dialogs.shown.isEmpty());
    QVERIFY(h.fakes.port.written.isEmpty());
}

QTEST_MAIN(DeviceControlsTest)
#include "test_device_controls.moc"
