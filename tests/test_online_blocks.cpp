// Transponder block access: the four block commands, their input checks
// and the key type boxes.

#include "test_online_pages.h"

#include "form/controls.h"

namespace {
struct BlockFields {
    QString from, to, data, key;
    int keyA = 0, keyB = 0;
};

void fill(WindowHarness& h, const BlockFields& fields)
{
    Form1& f = h.form();
    f.BlockAdress->setText(fields.from);
    f.BlockEndAdress->setText(fields.to);
    f.WriteData->setText(fields.data);
    f.Key->setText(fields.key);
    setCheckValue(f.KeyA, fields.keyA);
    setCheckValue(f.KeyB, fields.keyB);
}
} // namespace

Q_DECLARE_METATYPE(BlockFields)

class OnlineBlocksTest : public QObject {
    Q_OBJECT

private slots:
    void eachBlockButtonSendsItsExactLine_data();
    void eachBlockButtonSendsItsExactLine();
    void theHexCommandsCheckTheirInputFirst_data();
    void theHexCommandsCheckTheirInputFirst();
    void theKeyTypeBoxesExcludeEachOther();
    void aRefusedWriteEndsTheClickSilently_data();
    void aRefusedWriteEndsTheClickSilently();
};

void OnlineBlocksTest::eachBlockButtonSendsItsExactLine_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<BlockFields>("fields");
    QTest::addColumn<QByteArray>("expected");
    const QString key = QStringLiteral("7D2B40C95E18");

    QTest::newRow("read one block") << "ReadBlock" << BlockFields{"4", "", "", key} << QByteArray("READ 4");
    QTest::newRow("read a range") << "ReadBlock" << BlockFields{"4", "7", "", key} << QByteArray("READ 4 7");
    QTest::newRow("read without start drops the end")
        << "ReadBlock" << BlockFields{"", "7", "", key} << QByteArray("READ");
    QTest::newRow("read sends the fields as typed")
        << "ReadBlock" << BlockFields{" 04", "x", "", key} << QByteArray("READ  04 x");

    QTest::newRow("write text") << "WriteBlock" << BlockFields{"4", "9", "Hello", key}
                                << QByteArray("WRITE 4 \"Hello\"");
    QTest::newRow("write with nothing filled in")
        << "WriteBlock" << BlockFields{"", "", "", key} << QByteArray("WRITE  \"\"");
    QTest::newRow("write keeps quotes unescaped")
        << "WriteBlock" << BlockFields{"2", "", "say \"hi\"", key} << QByteArray("WRITE 2 \"say \"hi\"\"");
    QTest::newRow("write text ignores the key")
        << "WriteBlock" << BlockFields{"1", "", "x", key, 1, 0} << QByteArray("WRITE 1 \"x\"");

    QTest::newRow("hex read with key A")
        << "ReadBlockHex" << BlockFields{"4", "7", "", "K", 1, 0} << QByteArray("BINREAD 4 A K");
    QTest::newRow("hex read with the default key")
        << "ReadBlockHex" << BlockFields{"4", "", "", key} << QByteArray("BINREAD 4 7D2B40C95E18");
    QTest::newRow("hex read without key type or key")
        << "ReadBlockHex" << BlockFields{"4", "", "", ""} << QByteArray("BINREAD 4");
    QTest::newRow("hex read with key B and no key text")
        << "ReadBlockHex" << BlockFields{"12", "", "", "", 0, 1} << QByteArray("BINREAD 12 B");

    QTest::newRow("hex write with key B") << "WriteBlockHex" << BlockFields{"4", "", "0A1B2C3D", "K", 0, 1}
                                          << QByteArray("BINWRITE 4 0A1B2C3D B K");
    QTest::newRow("hex write passes any even-length data")
        << "WriteBlockHex" << BlockFields{"4", "", "GG", ""} << QByteArray("BINWRITE 4 GG");
    QTest::newRow("hex write with key A and a short key")
        << "WriteBlockHex" << BlockFields{"0", "", "FFFF", "12", 1, 0} << QByteArray("BINWRITE 0 FFFF A 12");
}

void OnlineBlocksTest::eachBlockButtonSendsItsExactLine()
{
    QFETCH(QString, button);
    QFETCH(BlockFields, fields);
    QFETCH(QByteArray, expected);
    WindowHarness h;
    openPages(h);
    fill(h, fields);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));
    h.window->device().replies().ReplyMode = ReplyModes::Statistics;

    clickOnItsPage(h, button);

    // One write per command: a refusing port can never leave half a
    // command on the wire.
    QCOMPARE(h.fakes.port.writes, QList<QByteArray>{expected + '\r'});
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().ReplyMode, ReplyModes::Statistics);
    QVERIFY(h.fakes.dialogs.shown.isEmpty());
}

void OnlineBlocksTest::theHexCommandsCheckTheirInputFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<BlockFields>("fields");
    QTest::addColumn<QString>("message");
    const QString noBlock = QStringLiteral("No block selected!");
    const QString invalidData = QStringLiteral("Data are not valid.");

    QTest::newRow("hex read without block") << "ReadBlockHex" << BlockFields{"", "3", "", "K", 1, 0} << noBlock;
    QTest::newRow("hex write without block, odd data")
        << "WriteBlockHex" << BlockFields{"", "", "ABC", "K"} << noBlock;
    QTest::newRow("hex write with odd data") << "WriteBlockHex" << BlockFields{"4", "", "ABC", "K"} << invalidData;
    QTest::newRow("hex write without data") << "WriteBlockHex" << BlockFields{"4", "", "", "K"} << invalidData;
}

void OnlineBlocksTest::theHexCommandsCheckTheirInputFirst()
{
    QFETCH(QString, button);
    QFETCH(BlockFields, fields);
    QFETCH(QString, message);
    WindowHarness h;
    openPages(h);
    fill(h, fields);
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));

    clickOnItsPage(h, button);

    QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    const FakeDialogs::Shown& shown = h.fakes.dialogs.shown.at(0);
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QCOMPARE(shown.icon, MessageIcon::Exclamation);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QVERIFY(h.fakes.port.written.isEmpty());
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());
    QCOMPARE(h.form().BlockAdress->text(), fields.from);
    QCOMPARE(h.form().WriteData->text(), fields.data);
    QCOMPARE(h.form().Key->text(), fields.key);
}

void OnlineBlocksTest::theKeyTypeBoxesExcludeEachOther()
{
    WindowHarness h;
    openPages(h);
    Form1& f = h.form();
    int toggles = 0;
    for (QCheckBox* box : {f.KeyA, f.KeyB})
        connect(box, &QAbstractButton::toggled, [&] { ++toggles; });
    auto keyTypes = [&] { return QString::number(checkValue(f.KeyA)) + QString::number(checkValue(f.KeyB)); };
    f.BlockAdress->setText(QStringLiteral("4"));
    f.Key->clear();

    clickOnItsPage(h, f.KeyA);
    QCOMPARE(keyTypes(), QStringLiteral("10"));
    clickOnItsPage(h, f.KeyB);
    QCOMPARE(keyTypes(), QStringLiteral("01"));
    clickOnItsPage(h, f.KeyB);
    QCOMPARE(keyTypes(), QStringLiteral("00"));
    clickOnItsPage(h, QStringLiteral("ReadBlockHex"));

    // A value set from code runs the handling like a click; setting the value
    // a box already has runs nothing.
    setCheckValue(f.KeyB, 1);
    toggles = 0;
    setCheckValue(f.KeyA, 1);
    QCOMPARE(keyTypes(), QStringLiteral("10"));
    QCOMPARE(toggles, 2);
    setCheckValue(f.KeyA, 1);
    QCOMPARE(toggles, 2);
    clickOnItsPage(h, QStringLiteral("ReadBlockHex"));

    QCOMPARE(h.sent(), (QList<QByteArray>{"BINREAD 4", "BINREAD 4 A"}));
}

void OnlineBlocksTest::aRefusedWriteEndsTheClickSilently_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("read text block") << "ReadBlock" << QByteArray("READ 4 5");
    QTest::newRow("write text block") << "WriteBlock" << QByteArray("WRITE 4 \"0A0B\"");
    QTest::newRow("read hex") << "ReadBlockHex" << QByteArray("BINREAD 4 K");
    QTest::newRow("write hex") << "WriteBlockHex" << QByteArray("BINWRITE 4 0A0B K");
}

void OnlineBlocksTest::aRefusedWriteEndsTheClickSilently()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, expected);
    WindowHarness h;
    enablePagesWithPortClosed(h);
    fill(h, BlockFields{"4", "5", "0A0B", "K"});
    h.form().Ausgabe->replaceAndRedraw(QStringLiteral("earlier exchange"));

    clickOnItsPage(h, button);

    QVERIFY(h.fakes.dialogs.shown.isEmpty());
    QVERIFY(h.fakes.port.written.isEmpty());
    QCOMPARE(h.form().Ausgabe->toPlainText(), QString());

    // The page goes on working once the port is back.
    h.fakes.port.open(1);
    clickOnItsPage(h, button);
    QCOMPARE(h.sent(), QList<QByteArray>{expected});
}

QTEST_MAIN(OnlineBlocksTest)
#include "test_online_blocks.moc"
