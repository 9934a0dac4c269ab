// The Data exchange page of the real window, on the real serial layer,
// against the simulated device on a pseudo-terminal.

#include "app/main_window.h"
#include "support/file_size_limit.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString transferFinished = QStringLiteral("Transfer of records finished.");

// The real window on the real platform, connected to a session's device
// with the connect toggle (hand-shake and read-back done), with the Data
// exchange tab clicked.
struct ExchangeWindow {
    RealPlatform real;
    MainWindow window{real.platform};

    explicit ExchangeWindow(const SimSession& device)
    {
        window.show();
        form().Port->setCurrentIndex(device.portNumber() - 1);
        QTest::mouseClick(form().Connect, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(form().Connect->text(), QStringLiteral("Connected"), 10'000);
        QTRY_COMPARE_WITH_TIMEOUT(form().ReplyMode, ReplyModes::EchoOnly, 10'000);
        QTabBar* tabs = form().Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QVERIFY(form().FrameUebertragen->isEnabled());
    }

    Form1& form() { return window.form(); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Clicks "Read out records" for this records file; returns how many
    // commands the device had received before.
    qsizetype readOutInto(SimSession& device, const QString& path)
    {
        form().PfadSpeichern->setText(path);
        const qsizetype before = device.state().commandsReceived.size();
        click(form().LeseErfassungen);
        return before;
    }
    QStringList messages() const { return real.dialogs.texts(); }
};

// The commands the device received after the first `skip`.
QList<QByteArray> commandsAfter(SimSession& device, qsizetype skip)
{
    return device.state().commandsReceived.mid(skip);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestE2eExchange : public QObject {
    Q_OBJECT
private slots:
    // Every case talks to the simulated device on a pseudo-terminal.
    void initTestCase() { SKIP_UNLESS_LINUX("a pseudo-terminal"); }
    void tenThousandRecordsReachTheFile();
    void customCodesStopAtMemoryFullWithErrorsOnTheWay();
    void unwritableRecordsFileIsReportedClearly();
    void aReadoutTheDeviceCannotServeIsToldAndKeepsTheFile_data();
    void aReadoutTheDeviceCannotServeIsToldAndKeepsTheFile();
};

void TestE2eExchange::tenThousandRecordsReachTheFile()
{
    DeviceOptions options;
    options.preloadRecords = 10'000;
    options.maxChunk = 3000; // the records arrive in pieces that cut lines anywhere
    SimSession device(options);
    const QList<QByteArray> stored = device.state().records;
    QCOMPARE(stored.size(), 10'000);

    // The device's records: number, date and time, transponder, type, note.
    // The file separates fields with ";" and puts a blank between date and time.
    QByteArray expected;
    for (QByteArray record : stored) {
        QCOMPARE(record.indexOf(','), 16);
        record.replace('|', ';');
        record[16] = ' ';
        expected += record + "\r\n";
    }

    QTemporaryDir dir;
    ExchangeWindow tool(device);
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    const qsizetype commandsBefore = tool.readOutInto(device, path);
    QTRY_VERIFY_WITH_TIMEOUT(tool.messages().contains(transferFinished), 60'000);

    QCOMPARE(tool.messages(), QStringList{transferFinished});
    QCOMPARE(fileBytes(path), expected);
    QCOMPARE(tool.form().ReplyMode, ReplyModes::EchoOnly);
    QVERIFY(!tool.form().ExchangeFile.isOpen());
    QCOMPARE(commandsAfter(device, commandsBefore), (QList<QByteArray>{"STA", "GET"}));
}

void TestE2eExchange::customCodesStopAtMemoryFullWithErrorsOnTheWay()
{
    DeviceOptions options;
    options.errorRate = 0.1;
    options.customCodeCapacity = 800;
    SimSession device(options);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("codes.csv"));
    QList<QByteArray> lines;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 1000; ++i) {
            lines << "C" + QByteArray::number(10'000 + i) + ";Code number " + QByteArray::number(i) + ";" +
                         QByteArray::number(i % 7);
            file.write(lines.constLast() + "\r\n");
        }
    }

    ExchangeWindow tool(device);
    tool.form().PfadLaden->setText(path);
    tool.click(tool.form().GeneriereDaten);

    // Every line up to the capacity was taken once, in file order, the
    // rejected attempts sent again; nothing was sent after "Memory full".
    QList<QByteArray> taken;
    for (qsizetype i = 0; i < 800; ++i)
        taken << QByteArray(lines[i]).replace(';', '|');
    const DeviceState state = device.state();
    QCOMPARE(state.customCodes, taken);

    QList<QByteArray> puts;
    for (const QByteArray& command : state.commandsReceived)
        if (command.startsWith("PUT "))
            puts << command.mid(4);
    QCOMPARE(puts.constLast(), QByteArray(lines[800]).replace(';', '|'));
    QCOMPARE(puts.count(puts.constLast()), 1);
    const qsizetype rejected = puts.size() - 801;
    qInfo("PUT commands: %lld for 801 lines, %lld answered \"Error\"", qlonglong(puts.size()), qlonglong(rejected));
    QVERIFY(rejected > 0);
    QCOMPARE(tool.messages().size(), 1);
    QVERIFY2(tool.messages()[0].contains(QStringLiteral("Memory full\" at line 801")), qPrintable(tool.messages()[0]));
    QVERIFY(tool.form().Ausgabe->toPlainText().startsWith(QStringLiteral("Dataset  801 Memory full")));
}

void TestE2eExchange::unwritableRecordsFileIsReportedClearly()
{
    DeviceOptions options;
    options.preloadRecords = 200;
    SimSession device(options);
    QTemporaryDir dir;
    ExchangeWindow tool(device);

    // A folder that does not exist: the reason, and nothing is asked of the device.
    const QString missing = dir.filePath(QStringLiteral("not there/records.csv"));
    const qsizetype commandsBefore = tool.readOutInto(device, missing);
    QCOMPARE(tool.messages(), QStringList{QStringLiteral("Path not found: ") + missing});
    QTest::qWait(100);
    QVERIFY(commandsAfter(device, commandsBefore).isEmpty());

    // A file that takes nothing: one message, and the tool goes on working.
    {
        const FileSizeLimit nothingFits(0);
        const QString full = dir.filePath(QStringLiteral("records.csv"));
        tool.readOutInto(device, full);
        QTRY_COMPARE_WITH_TIMEOUT(tool.messages().size(), 2, 10'000);
        QVERIFY2(tool.messages()[1].contains(full), qPrintable(tool.messages()[1]));
        // Let the remaining records arrive: they are only echoed.
        QTRY_VERIFY_WITH_TIMEOUT(tool.form().Zeile->text().startsWith(QStringLiteral("00200|")), 10'000);
        QCOMPARE(tool.messages().size(), 2);
        QCOMPARE(tool.form().ReplyMode, ReplyModes::EchoOnly);
    }

    tool.click(tool.form().Statistik);
    QTRY_COMPARE_WITH_TIMEOUT(tool.form().OutStatistik->text(), QStringLiteral("Custom codes:  0, records:  200"),
                              5000);
}

void TestE2eExchange::aReadoutTheDeviceCannotServeIsToldAndKeepsTheFile_data()
{
    QTest::addColumn<QByteArray>("silent");
    QTest::addColumn<QByteArray>("refused");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("count never comes")
        << QByteArray("STA") << QByteArray() << QByteArray("earlier;records\r\n")
        << "The device did not say how many records it holds: the records file is unchanged.";
    QTest::newRow("GET answered Error")
        << QByteArray() << QByteArray("GET") << QByteArray()
        << "The device answered \"Error\". The read-out of records was cut short: 0 of the 50 records the device "
           "announced are in the file.";
}

void TestE2eExchange::aReadoutTheDeviceCannotServeIsToldAndKeepsTheFile()
{
    QFETCH(QByteArray, silent);
    QFETCH(QByteArray, refused);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    DeviceOptions options;
    options.preloadRecords = 50;
    if (!silent.isEmpty())
        options.silentCommands = {silent};
    if (!refused.isEmpty()) {
        options.errorRate = 1;
        options.errorCommands = {refused};
    }
    SimSession device(options);
    ExchangeWindow tool(device);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier;records\r\n");
    }
    tool.readOutInto(device, path);

    QTRY_COMPARE_WITH_TIMEOUT(tool.messages(), QStringList{message}, 10'000);
    QCOMPARE(fileBytes(path), file);
    QTRY_VERIFY(tool.form().FrameUebertragen->isEnabled());
}

QTEST_MAIN(TestE2eExchange)
#include "test_e2e_exchange.moc"
