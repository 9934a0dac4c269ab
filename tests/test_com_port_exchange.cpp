// The tool's window on the real platform reads the records out of a device
// on a COM port, as on a user's machine: on Windows, COM5 under Wine linked to
// the simulator's pseudo-terminal; on Linux, the same port assigned to the
// simulator's pseudo-terminal (TAGORIX_EXCHANGE_DEVICE), as the port dialog
// does. scripts/windows.sh sets the device up, runs this on both systems and
// holds the two records files against each other byte for byte.

#include "app/main_window.h"
#include "form/controls.h"
#include "platform/port_names.h"
#include "support/sim_session.h"

#include <QFile>
#include <QtTest>

class ComPortExchangeTest : public QObject {
    Q_OBJECT
private slots:
    void theRecordsOfADeviceOnAComPortReachTheFile()
    {
        const int port = qEnvironmentVariableIntValue("TAGORIX_EXCHANGE_PORT");
        const QString path = qEnvironmentVariable("TAGORIX_EXCHANGE_FILE");
        const int records = qEnvironmentVariableIntValue("TAGORIX_EXCHANGE_RECORDS");
        if (port == 0 || path.isEmpty())
            QSKIP("needs a simulated device on a COM port: scripts/windows.sh sets one up");

        RealPlatform real;
        const QString device = qEnvironmentVariable("TAGORIX_EXCHANGE_DEVICE");
        if (!device.isEmpty())
            real.settings.save(portsSection, portKey(port), device);
        MainWindow window(real.platform);
        Form1& form = window.form();
        window.show();
        setListIndex(form.Port, port - 1);
        QTest::mouseClick(form.Connect, Qt::LeftButton);
        // The hand-shake's "Ok", then the read-back's last reply ends its mode.
        QTRY_COMPARE_WITH_TIMEOUT(form.Connect->text(), QStringLiteral("Connected"), 20'000);
        QTRY_COMPARE_WITH_TIMEOUT(form.ReplyMode, ReplyModes::EchoOnly, 20'000);

        QTabBar* tabs = form.Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QFile::remove(path);
        form.PfadSpeichern->setText(path);
        QTest::mouseClick(form.LeseErfassungen, Qt::LeftButton);
        const QString finished = QStringLiteral("Transfer of records finished.");
        QTRY_VERIFY_WITH_TIMEOUT(real.dialogs.texts().contains(finished), 120'000);
        QCOMPARE(real.dialogs.texts(), QStringList{finished});

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), records);
        QTest::mouseClick(form.Connect, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(form.Connect->text(), QStringLiteral("Connect"), 5000);
    }
};

QTEST_MAIN(ComPortExchangeTest)
#include "test_com_port_exchange.moc"
