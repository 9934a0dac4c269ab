// End to end: a device that goes away in the middle of each kind of
// exchange, on the real serial layer. Whatever finds the loss, the user is
// told once, and an exchange it cut short says how far it got.

#include "app/main_window.h"
#include "form/controls.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QtTest>

class TestE2eLoss : public QObject {
    Q_OBJECT
private slots:
    // Every case talks to the simulated device on a pseudo-terminal.
    void initTestCase() { SKIP_UNLESS_LINUX("a pseudo-terminal"); }
    void aLostDeviceIsToldInOneBox_data();
    void aLostDeviceIsToldInOneBox();
};

void TestE2eLoss::aLostDeviceIsToldInOneBox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("hangUpAfter"); // commands the device answers before it goes
    QTest::addColumn<QString>("cutShort");
    QTest::addColumn<bool>("silentHandshake"); // "ONLINE" goes unanswered
    const int connected = 10; // "ONLINE" and the nine read-back queries
    QTest::newRow("hand-shake") << "" << 1 << "" << true;
    QTest::newRow("read-back") << "" << 3 << "" << false;
    QTest::newRow("continuous reading") << "ReadId" << connected + 3 << "" << false;
    QTest::newRow("record read-out")
        << "LeseErfassungen" << connected + 2
        << "The read-out of records was cut short: 200 of the 300 records the device announced are in the file."
        << false;
    QTest::newRow("custom-code load") << "GeneriereDaten" << connected + 5
                                      << "The load of custom codes was cut short: the device had acknowledged 5 lines."
                                      << false;
}

void TestE2eLoss::aLostDeviceIsToldInOneBox()
{
    QFETCH(QString, action);
    QFETCH(int, hangUpAfter);
    QFETCH(QString, cutShort);
    QFETCH(bool, silentHandshake);

    DeviceOptions options;
    options.hangUpAfterCommands = hangUpAfter;
    if (silentHandshake)
        options.silentCommands = {QByteArrayLiteral("ONLINE")};
    options.preloadRecords = 200;
    SimSession device(options);
    // It announces more records than it holds: the read-out is still running when it goes.
    device.withModel([](DeviceModel& model) { model.setScriptedReply("STA", "0|300\r\n"); });

    QTemporaryDir dir;
    const QString records = dir.filePath(QStringLiteral("records.csv"));
    const QString codes = dir.filePath(QStringLiteral("codes.csv"));
    QFile codeFile(codes);
    QVERIFY(codeFile.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 20; ++i)
        codeFile.write("C" + QByteArray::number(i) + ";code\r\n");
    codeFile.close();

    RealPlatform real;
    MainWindow window(real.platform);
    Form1& f = window.form();
    f.Port->setCurrentIndex(device.portNumber() - 1);
    f.PfadSpeichern->setText(records);
    f.PfadLaden->setText(codes);
    setCheckValue(f.ReadCont, 1);
    QTest::mouseClick(f.Connect, Qt::LeftButton);
    if (!action.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(f.Connect->text() == QStringLiteral("Connected") && f.ReplyMode == 0, 10'000);
        window.findChild<QAbstractButton*>(action)->click();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!f.Connect->isChecked(), 15'000);
    // No box can come later: the handlers have returned, the port is closed,
    // the pages are off and the hand-shake's time-out, all that the window's
    // timer could act on, is stopped (else it would open the port again).
    QVERIFY(!real.port.isOpen());
    QVERIFY(!f.FrameUebertragen->isEnabled());
    QCOMPARE(window.device().handshake().countdown(), 0);

    const QStringList boxes = real.dialogs.texts();
    for (const QString& box : boxes)
        qInfo("box: %s", qPrintable(QString(box).replace(u'\n', QStringLiteral("\\n"))));
    QCOMPARE(boxes.size(), 1);
    QStringList parts{QStringLiteral("The connection to the device was lost: the port reports that the device is "
                                     "gone (unplugged, switched off, or its line hung up)."),
                      cutShort, QStringLiteral("Check the device and its cable, then press Connect again.")};
    parts.removeAll(QString());
    // Whether the next line went out before the device went depends on the
    // machine's speed; the sentence that says so is held elsewhere.
    QCOMPARE(QString(boxes.constFirst())
                 .remove(QRegularExpression(QStringLiteral(" Whether it stored line \\d+, sent last, is unknown\\."))),
             parts.join(QStringLiteral("\n\n")));
    if (action == QStringLiteral("LeseErfassungen")) {
        QFile file(records);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 200);
        QVERIFY(bytes.endsWith("\r\n"));
    }
}

QTEST_MAIN(TestE2eLoss)
#include "test_e2e_loss.moc"
