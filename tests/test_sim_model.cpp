// The simulated device's command table, state and seeded behaviour.

#include "core/selection_lists.h"
#include "sim/device_model.h"
#include "sim/identifiers.h"
#include "support/sim_device.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// The reply to the last of the commands, each executed in turn.
QByteArray lastReply(DeviceModel& device, const QList<QByteArray>& commands)
{
    QByteArray reply;
    for (const QByteArray& command : commands)
        reply = device.execute(command);
    return reply;
}

} // namespace

class SimModelTest : public QObject {
    Q_OBJECT
private slots:
    void commandTable_data();
    void commandTable();
    void everyCatalogueRegisterExistsAndStartsAtItsFirstPermittedValue();
    void textAndHexAreTwoViewsOfTheSameBlock();
    void identifiersFitTheTransponderTypeAndAreNewEachTime();
    void fdxFormats();
    void barcodesCarryACorrectCheckDigit();
    void aSeedRepeatsEverythingAndStreamsAreIndependent();
    void preloadedRecordsSurviveTheToolsFieldConversion();
    void customCodesUpToTheCapacityThenMemoryFull();
    void errorRateAppliesToTheChosenCommandsOnly();
};

void SimModelTest::commandTable_data()
{
    QTest::addColumn<QList<QByteArray>>("commands");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("hand-shake") << QList<QByteArray>{"ONLINE"} << QByteArray("Ok\r\n");
    QTest::newRow("disconnect has no answer") << QList<QByteArray>{"ONLINE", "DISCONNECT"} << QByteArray();
    QTest::newRow("unknown word") << QList<QByteArray>{"HELLO"} << QByteArray("Error\r\n");
    QTest::newRow("words are capitals") << QList<QByteArray>{"online"} << QByteArray("Error\r\n");

    const QList<std::pair<const char*, const char*>> defaults{
        {"TAGTYP", "1"}, {"OFF", "300"}, {"TIMEOUT", "20"}, {"FDXCODE", "2"}, {"ENBEEP", "1"},
        {"MODE", "1"},   {"MENU", "31"}, {"LANGUAGE", "1"}, {"AKKU", "87"}};
    for (const auto& [word, value] : defaults)
        QTest::newRow(qPrintable(QStringLiteral("query %1").arg(word)))
            << QList<QByteArray>{word} << QByteArray(word) + ':' + value + "\r\n";

    // The tool's own set lines, then the query that shows what was stored.
    const QList<std::tuple<const char*, const char*, const char*>> sets{
        {"ENBEEP  0", "ENBEEP", "ENBEEP:0"},     {"MENU  5", "MENU", "MENU:5"},
        {"FDXCODE 7 ", "FDXCODE", "FDXCODE:7"},  {"TAGTYP 8 ", "TAGTYP", "TAGTYP:8"},
        {"TAGTYP 10", "TAGTYP", "TAGTYP:10"},    {"LANGUAGE 3 ", "LANGUAGE", "LANGUAGE:3"},
        {"MODE 3", "MODE", "MODE:3"},            {"OFF aus", "OFF", "OFF:0"},
        {"OFF 45", "OFF", "OFF:45"},             {"TIMEOUT 7", "TIMEOUT", "TIMEOUT:7"},
        {"CLOCK 06.12.2026 07:45", "CLOCK", "CLOCK:06.12.2026 07:45"},
    };
    for (const auto& [set, query, shown] : sets) {
        QTest::newRow(set) << QList<QByteArray>{set} << QByteArray("Ok\r\n");
        QTest::newRow(qPrintable(QStringLiteral("%1 then query").arg(set)))
            << QList<QByteArray>{set, query} << QByteArray(shown) + "\r\n";
    }
    for (const char* refused : {"FDXCODE ", "FDXCODE 9", "FDXCODE 0", "TAGTYP 12", "MODE x", "LANGUAGE 12 ",
                                "ENBEEP  2", "TIMEOUT ", "AKKU 50", "OFF -1", "CLOCK 32.13.2026 25:00"})
        QTest::newRow(refused) << QList<QByteArray>{refused} << QByteArray("Error\r\n");
    QTest::newRow("refused value keeps the old one")
        << QList<QByteArray>{"MODE 3", "MODE 9", "MODE"} << QByteArray("MODE:3\r\n");

    QTest::newRow("buzzer") << QList<QByteArray>{"BEEP"} << QByteArray("Ok\r\n");
    QTest::newRow("keyboard") << QList<QByteArray>{"KEYBOARD"} << QByteArray("Ok\r\n");
    QTest::newRow("clear display") << QList<QByteArray>{"CLS"} << QByteArray("Ok\r\n");
    QTest::newRow("display line") << QList<QByteArray>{"DISPLAY 2 \"Hello World\""} << QByteArray("Ok\r\n");
    QTest::newRow("display line 5") << QList<QByteArray>{"DISPLAY 5 \"x\""} << QByteArray("Error\r\n");
    QTest::newRow("display without line") << QList<QByteArray>{"DISPLAY  \"x\""} << QByteArray("Error\r\n");

    QTest::newRow("register read") << QList<QByteArray>{"BARCODE 001"} << QByteArray("001:0\r\n");
    QTest::newRow("register written")
        << QList<QByteArray>{"BARCODE 191 45", "BARCODE 191"} << QByteArray("191:45\r\n");
    QTest::newRow("register value not permitted") << QList<QByteArray>{"BARCODE 191 50"} << QByteArray("Error\r\n");
    QTest::newRow("register range") << QList<QByteArray>{"BARCODE 080 20"} << QByteArray("Ok\r\n");
    QTest::newRow("register below range") << QList<QByteArray>{"BARCODE 080 1"} << QByteArray("Error\r\n");
    QTest::newRow("unknown register") << QList<QByteArray>{"BARCODE 999"} << QByteArray("Error\r\n");
    QTest::newRow("register without number") << QList<QByteArray>{"BARCODE "} << QByteArray("Error\r\n");

    QTest::newRow("empty statistics") << QList<QByteArray>{"STA"} << QByteArray("0|0\r\n");
    QTest::newRow("statistics after PUT") << QList<QByteArray>{"PUT 1|a", "PUT 2|b", "STA"} << QByteArray("2|0\r\n");
    QTest::newRow("erase codes") << QList<QByteArray>{"PUT 1|a", "DEL T", "STA"} << QByteArray("0|0\r\n");
    QTest::newRow("erase what") << QList<QByteArray>{"DEL X"} << QByteArray("Error\r\n");
    QTest::newRow("custom codes read out")
        << QList<QByteArray>{"PUT 4711|Name|1", "PUT ", "PUT a b ", "REC"}
        << QByteArray("4711|Name|1\r\n\r\na b \r\n");
    QTest::newRow("PUT without its blank") << QList<QByteArray>{"PUT"} << QByteArray("Error\r\n");
    QTest::newRow("no records, no lines") << QList<QByteArray>{"GET"} << QByteArray();

    QTest::newRow("text block") << QList<QByteArray>{"WRITE 4 \"Hello\"", "READ 4"} << QByteArray("4:Hello\r\n");
    QTest::newRow("text with quotes inside")
        << QList<QByteArray>{"WRITE 4 \"say \"hi\"\"", "READ 4"} << QByteArray("4:say \"hi\"\r\n");
    QTest::newRow("empty text") << QList<QByteArray>{"WRITE 4 \"x\"", "WRITE 4 \"\"", "READ 4"}
                                << QByteArray("4:\r\n");
    QTest::newRow("text too long")
        << QList<QByteArray>{"WRITE 4 \"12345678901234567\""} << QByteArray("Error\r\n");
    QTest::newRow("block range")
        << QList<QByteArray>{"WRITE 5 \"five\"", "READ 4 6"} << QByteArray("4:\r\n5:five\r\n6:\r\n");
    QTest::newRow("range backwards") << QList<QByteArray>{"READ 7 4"} << QByteArray("Error\r\n");
    QTest::newRow("block beyond memory") << QList<QByteArray>{"READ 64"} << QByteArray("Error\r\n");
    QTest::newRow("hex block") << QList<QByteArray>{"BINWRITE 4 0A1B2C3D", "BINREAD 4"}
                               << QByteArray("4:0A1B2C3D000000000000000000000000\r\n");
    QTest::newRow("hex not hex") << QList<QByteArray>{"BINWRITE 4 GG"} << QByteArray("Error\r\n");
    QTest::newRow("hex odd") << QList<QByteArray>{"BINWRITE 4 ABC"} << QByteArray("Error\r\n");
    QTest::newRow("hex too long")
        << QList<QByteArray>{"BINWRITE 4 " + QByteArray(34, 'A')} << QByteArray("Error\r\n");
    QTest::newRow("hex without block") << QList<QByteArray>{"BINREAD"} << QByteArray("Error\r\n");

    const QByteArray zeros = "4:" + QByteArray(32, '0') + "\r\n";
    QTest::newRow("key A right") << QList<QByteArray>{"BINREAD 4 A 7D2B40C95E18"} << zeros;
    QTest::newRow("key in lower case") << QList<QByteArray>{"BINREAD 4 B 7d2b40c95e18"} << zeros;
    QTest::newRow("key without type is key A") << QList<QByteArray>{"BINREAD 4 7D2B40C95E18"} << zeros;
    QTest::newRow("key wrong") << QList<QByteArray>{"BINREAD 4 B 000000000000"} << QByteArray("Error\r\n");
    QTest::newRow("key type without key") << QList<QByteArray>{"BINREAD 4 A"} << QByteArray("Error\r\n");
    QTest::newRow("two key types") << QList<QByteArray>{"BINREAD 4 A B 7D2B40C95E18"} << QByteArray("Error\r\n");
    QTest::newRow("write with wrong key leaves the block")
        << QList<QByteArray>{"BINWRITE 4 FF A 111111111111", "BINREAD 4"} << zeros;
    QTest::newRow("write with key") << QList<QByteArray>{"BINWRITE 4 FF B 7D2B40C95E18", "READ 4"}
                                    << QByteArray("4:\xFF\r\n");
}

void SimModelTest::commandTable()
{
    QFETCH(QList<QByteArray>, commands);
    QFETCH(QByteArray, reply);
    const auto device = makeDevice();
    QCOMPARE(lastReply(*device, commands), reply);
}

void SimModelTest::everyCatalogueRegisterExistsAndStartsAtItsFirstPermittedValue()
{
    const auto device = makeDevice();
    const QStringList catalogue = SelectionLists::scannerRegisterItems();
    QCOMPARE(device->scannerRegisters().count(), 56);
    QCOMPARE(catalogue.size(), 56);
    const QRegularExpression firstValue(QStringLiteral("\\((\\d+)"));
    for (const QString& item : catalogue) {
        const QByteArray number = item.left(3).toLatin1();
        const QString expected = firstValue.match(item).captured(1);
        QCOMPARE(device->execute("BARCODE " + number), number + ':' + expected.toLatin1() + "\r\n");
    }
}

void SimModelTest::textAndHexAreTwoViewsOfTheSameBlock()
{
    const auto device = makeDevice();
    QCOMPARE(device->execute("WRITE 9 \"Tag\xE9!\""), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("BINREAD 9"), "9:" + QByteArray("Tag\xE9!").toHex().toUpper().leftJustified(32, '0') + "\r\n");

    QCOMPARE(device->execute("BINWRITE 10 " + QByteArray("World").toHex()), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("READ 10"), QByteArray("10:World\r\n"));

    // A line end written as hex cannot break the reply line.
    QCOMPARE(device->execute("BINWRITE 11 410D0A42"), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("READ 11"), QByteArray("11:A..B\r\n"));
    QCOMPARE(device->state().blocks.block(11)->left(4), QByteArray("A\r\nB"));
}

void SimModelTest::identifiersFitTheTransponderTypeAndAreNewEachTime()
{
    const auto device = makeDevice();
    const QRegularExpression isoAnimal(QStringLiteral("^\\d{3} \\d{12}\\r\\n$"));
    const QByteArray first = device->execute("READID");
    const QByteArray second = device->execute("READID");
    QVERIFY2(isoAnimal.match(QString::fromLatin1(first)).hasMatch(), first.constData());
    QVERIFY2(isoAnimal.match(QString::fromLatin1(second)).hasMatch(), second.constData());
    QVERIFY(first != second);

    const QList<std::pair<const char*, const char*>> shapes{
        {"TAGTYP 8 ", "^E004[0-9A-F]{12}\\r\\n$"}, {"TAGTYP 10", "^04[0-9A-F]{12}\\r\\n$"},
        {"TAGTYP 2 ", "^[0-9A-F]{10}\\r\\n$"},     {"TAGTYP 11", "^[0-9A-F]{8}\\r\\n$"}};
    for (const auto& [set, shape] : shapes) {
        QCOMPARE(device->execute(set), QByteArray("Ok\r\n"));
        const QByteArray id = device->execute("READID");
        QVERIFY2(QRegularExpression(QString::fromLatin1(shape)).match(QString::fromLatin1(id)).hasMatch(),
                 qPrintable(QStringLiteral("%1: %2").arg(set, QString::fromLatin1(id))));
    }
    QCOMPARE(device->execute("TAGTYP 0 "), QByteArray("Ok\r\n"));
    for (int i = 0; i < 20; ++i)
        QVERIFY(device->execute("READID").endsWith("\r\n"));
}

void SimModelTest::fdxFormats()
{
    // Country 982 and national number 123456789: (982 << 38) | 123456789 = 0xF580075BCD15.
    QCOMPARE(Identifiers::fdxB(982, 123456789, 2), QByteArray("982 000123456789"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 1), QByteArray("F580075BCD15"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 3), QByteArray("982-000123456789"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 4), QByteArray("0982000123456789"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 5), QByteArray("982000123456789"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 6), QByteArray("51DCB570085F"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 8), QByteArray("15CD5B0780F5"));
    QCOMPARE(Identifiers::fdxB(982, 123456789, 7), QByteArray::number((982ULL << 38) | 123456789ULL));
    QCOMPARE(Identifiers::fdxB(40, 7, 2), QByteArray("040 000000000007"));
}

void SimModelTest::barcodesCarryACorrectCheckDigit()
{
    QCOMPARE(Identifiers::ean13CheckDigit("400638133393"), 1);
    QCOMPARE(Identifiers::ean13CheckDigit("590123412345"), 7);
    QCOMPARE(Identifiers::ean13CheckDigit("000000000000"), 0);

    const auto device = makeDevice();
    QSet<QByteArray> seen;
    for (int i = 0; i < 50; ++i) {
        const QByteArray code = device->execute("SCAN").chopped(2);
        QCOMPARE(code.size(), 13);
        QCOMPARE(code.at(12) - '0', Identifiers::ean13CheckDigit(code.left(12)));
        seen << code;
    }
    QVERIFY(seen.size() > 45);
}

void SimModelTest::aSeedRepeatsEverythingAndStreamsAreIndependent()
{
    const QList<QByteArray> commands{"READID", "SCAN", "TAGTYP 0 ", "READID", "READID", "GET"};
    auto run = [&commands](DeviceOptions options) {
        options.preloadRecords = 5;
        const auto device = makeDevice(options);
        QByteArray all;
        for (const QByteArray& command : commands)
            all += device->execute(command);
        return all;
    };
    DeviceOptions seven;
    seven.seed = 7;
    DeviceOptions eight;
    eight.seed = 8;
    DeviceOptions sevenChunked = seven;
    sevenChunked.maxChunk = 3;
    sevenChunked.noiseRate = 0.1;
    QCOMPARE(run(seven), run(seven));
    QVERIFY(run(seven) != run(eight));
    QCOMPARE(run(sevenChunked), run(seven));
}

void SimModelTest::preloadedRecordsSurviveTheToolsFieldConversion()
{
    DeviceOptions options;
    options.preloadRecords = 10'000;
    const auto device = makeDevice(options);
    QCOMPARE(device->execute("STA"), QByteArray("0|10000\r\n"));

    const QList<QByteArray> lines = device->execute("GET").split('\n');
    QCOMPARE(lines.size(), 10'001); // the last is what follows the final line end
    qsizetype total = 0;
    const QRegularExpression shape(QStringLiteral("^\\d{5}\\|\\d\\d\\.\\d\\d\\.\\d{4},\\d\\d:\\d\\d\\|[^|,]+\\|[^|,]+\\|[^|,]+\\r$"));
    for (int i = 0; i < 10'000; ++i) {
        const QByteArray& record = lines.at(i);
        QVERIFY2(shape.match(QString::fromLatin1(record)).hasMatch(), record.constData());
        QCOMPARE(record.left(5).toInt(), i + 1);
        // The tool turns the first comma into a blank when a full stop stands
        // five places before it: the date and time become "dd.mm.yyyy hh:mm".
        const qsizetype comma = record.indexOf(',');
        QCOMPARE(record.at(comma - 5), '.');
        total += record.size() + 1;
    }
    QVERIFY2(total / 10'000 >= 45 && total / 10'000 <= 60, qPrintable(QString::number(total / 10'000)));
    QCOMPARE(lines.last(), QByteArray());

    QCOMPARE(device->execute("DEL E"), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("STA"), QByteArray("0|0\r\n"));
}

void SimModelTest::customCodesUpToTheCapacityThenMemoryFull()
{
    DeviceOptions options;
    options.customCodeCapacity = 3;
    const auto device = makeDevice(options);
    for (const char* code : {"PUT 1|\x80\xFF", "PUT 2|b", "PUT 3|c"})
        QCOMPARE(device->execute(code), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("PUT 4|d"), QByteArray("Memory full\r\n"));
    QCOMPARE(device->execute("STA"), QByteArray("3|0\r\n"));
    QCOMPARE(device->execute("REC"), QByteArray("1|\x80\xFF\r\n2|b\r\n3|c\r\n"));
    QCOMPARE(device->execute("DEL T"), QByteArray("Ok\r\n"));
    QCOMPARE(device->execute("PUT 4|d"), QByteArray("Ok\r\n"));
}

void SimModelTest::errorRateAppliesToTheChosenCommandsOnly()
{
    DeviceOptions options;
    options.seed = 3;
    options.errorRate = 0.25;
    options.customCodeCapacity = 5000;
    const auto device = makeDevice(options);
    int errors = 0;
    QByteArray pattern;
    for (int i = 0; i < 2000; ++i) {
        const QByteArray reply = device->execute("PUT " + QByteArray::number(i));
        QVERIFY(reply == "Ok\r\n" || reply == "Error\r\n");
        pattern += reply.at(0);
        errors += reply == "Error\r\n" ? 1 : 0;
        QCOMPARE(device->execute("STA"), QByteArray::number(i + 1 - errors) + "|0\r\n");
    }
    QVERIFY2(errors > 400 && errors < 600, qPrintable(QString::number(errors)));
    QCOMPARE(device->state().customCodes.size(), 2000 - errors);

    const auto again = makeDevice(options);
    QByteArray repeated;
    for (int i = 0; i < 2000; ++i)
        repeated += again->execute("PUT x").at(0);
    QCOMPARE(repeated, pattern);

    options.errorRate = 1.0;
    options.errorCommands = {"BEEP"};
    const auto beeps = makeDevice(options);
    QCOMPARE(beeps->execute("BEEP"), QByteArray("Error\r\n"));
    QCOMPARE(beeps->execute("PUT x"), QByteArray("Ok\r\n"));
    QCOMPARE(beeps->state().beeps, 0);
}

QTEST_MAIN(SimModelTest)
#include "test_sim_model.moc"
