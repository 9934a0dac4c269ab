// End to end: the real window on the real serial layer, connecting to the
// simulated device on a pseudo-terminal, reading its settings back, changing
// each of them with its button and reading the new values back.

#include "app/main_window.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QtTest>

namespace {

constexpr int replyWaitMs = 10'000;

struct RealWindow {
    RealPlatform real;
    MainWindow window{real.platform};

    explicit RealWindow(const SimSession& device) { form().Port->setCurrentIndex(device.portNumber() - 1); }

    Form1& form() { return window.form(); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void showConfigurationPage()
    {
        QTabBar* tabs = form().Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    }
    // Presses Connect; true once the device has answered and the read-back is over.
    bool connectAndReadBack()
    {
        click(form().Connect);
        return readBackDone();
    }
    bool readBackDone()
    {
        return QTest::qWaitFor([&] { return form().Connect->text() == QStringLiteral("Connected") &&
                                            form().ReplyMode == 0; },
                               replyWaitMs);
    }
};

QList<bool> menuKeysChecked(const Form1& f)
{
    QList<bool> checked;
    for (const QCheckBox* key : f.menuKeys())
        checked << key->isChecked();
    return checked;
}

const QList<QByteArray> readBackQueries{"TAGTYP", "OFF",  "TIMEOUT",  "FDXCODE", "ENBEEP",
                                        "MODE",   "MENU", "LANGUAGE", "AKKU"};

} // namespace

class EndToEndConfigTest : public QObject {
    Q_OBJECT

private slots:
    // Every case talks to the simulated device on a pseudo-terminal.
    void initTestCase() { SKIP_UNLESS_LINUX("a pseudo-terminal"); }
    void connectingFillsEveryControlWithTheDevicesValues()
    {
        SimSession device;
        device.withModel([](DeviceModel& model) {
            model.state().settings = {{"TAGTYP", 10}, {"OFF", 0},     {"TIMEOUT", 37},  {"FDXCODE", 6}, {"ENBEEP", 0},
                                      {"MODE", 2},    {"MENU", 18},   {"LANGUAGE", 3},  {"AKKU", 64}};
        });
        RealWindow tool(device);
        tool.form().EnBeeper->setChecked(true);
        QVERIFY(tool.connectAndReadBack());

        const Form1& f = tool.form();
        QCOMPARE(f.Tagtyp->currentText(), QStringLiteral("10- ISO14443-A"));
        QVERIFY(f.Check_Offtime->isChecked());
        QCOMPARE(f.Offtime->text(), QStringLiteral("aus"));
        QVERIFY(!f.Offtime->isEnabled());
        QCOMPARE(f.Readtimeout->text(), QStringLiteral("37"));
        QCOMPARE(f.FDXCode->currentText(), QStringLiteral("6 - Hex Invers"));
        QVERIFY(!f.EnBeeper->isChecked());
        QCOMPARE(f.Betriebsart->currentText(), QStringLiteral("2 - ro with number"));
        QCOMPARE(menuKeysChecked(f), (QList<bool>{false, true, false, false, true}));
        QCOMPARE(f.Sprache->currentText(), QStringLiteral("3 - Polski"));
        QCOMPARE(f.akku->value(), 64);
        for (QFrame* page : f.pages())
            QVERIFY(page->isEnabled());

        QCOMPARE(device.state().commandsReceived, QList<QByteArray>{"ONLINE"} + readBackQueries);
        const QStringList shown = f.Ausgabe->toPlainText().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(shown.value(0).trimmed(), QStringLiteral("initialising..."));
        QCOMPARE(shown.value(1).trimmed(), QStringLiteral("Ok"));
        QCOMPARE(shown.constLast().trimmed(), QStringLiteral("AKKU:64"));
        QCOMPARE(tool.real.dialogs.shown.size(), 0);
    }

    void eachSettingChangedWithItsButtonIsReadBackAfterReconnecting()
    {
        SimSession device;
        RealWindow tool(device);
        QVERIFY(tool.connectAndReadBack());
        tool.showConfigurationPage();
        Form1& f = tool.form();

        const auto setAndWait = [&](QAbstractButton* button, const QByteArray& expectedCommand) {
            tool.click(button);
            return QTest::qWaitFor([&] { return device.state().commandsReceived.constLast() == expectedCommand; },
                                   replyWaitMs);
        };
        f.Tagtyp->setCurrentIndex(8);
        QVERIFY(setAndWait(f.TagSetzen, "TAGTYP 8 "));
        f.Offtime->setText(QStringLiteral("120"));
        QVERIFY(setAndWait(f.OfftimeSetzen, "OFF 120"));
        f.Readtimeout->setText(QStringLiteral("45"));
        QVERIFY(setAndWait(f.ReadtimeoutSetzen, "TIMEOUT 45"));
        f.FDXCode->setCurrentIndex(4);
        QVERIFY(setAndWait(f.FdxcodeSetzen, "FDXCODE 5 "));
        f.EnBeeper->setChecked(false);
        QVERIFY(setAndWait(f.EnBeeperSetzen, "ENBEEP  0"));
        f.Betriebsart->setCurrentIndex(3);
        QVERIFY(setAndWait(f.BetriebsartSetzen, "MODE 3"));
        const QList<bool> menu{true, false, true, false, false};
        for (int key = 0; key < menu.size(); ++key)
            f.menuKeys().at(key)->setChecked(menu.at(key));
        QVERIFY(setAndWait(f.MenuSetzen, "MENU  5"));
        f.Sprache->setCurrentIndex(2);
        QVERIFY(setAndWait(f.SpracheSetzen, "LANGUAGE 2 "));
        const QString clockText = f.Zeit->text();
        QVERIFY(setAndWait(f.SetzeZeit, "CLOCK " + clockText.toLatin1()));
        QCOMPARE(device.state().clock.toString(QStringLiteral("dd.MM.yyyy hh:mm")), clockText);

        // Disconnect, wipe the controls, and read everything back.
        tool.click(f.Connect);
        QVERIFY(QTest::qWaitFor([&] { return !device.state().online; }, replyWaitMs));
        QCOMPARE(f.Connect->text(), QStringLiteral("Connect"));
        for (QComboBox* list : {f.Tagtyp, f.FDXCode, f.Betriebsart, f.Sprache})
            list->setCurrentIndex(-1);
        f.Offtime->clear();
        f.Readtimeout->clear();
        f.EnBeeper->setChecked(true);
        for (QCheckBox* key : f.menuKeys())
            key->setChecked(false);
        QVERIFY(tool.connectAndReadBack());

        QCOMPARE(f.Tagtyp->currentText(), QStringLiteral("8 - ISO15693"));
        QCOMPARE(f.Offtime->text(), QStringLiteral("120"));
        QVERIFY(!f.Check_Offtime->isChecked());
        QCOMPARE(f.Readtimeout->text(), QStringLiteral("45"));
        QCOMPARE(f.FDXCode->currentText(), QStringLiteral("5 - ASCII"));
        QVERIFY(!f.EnBeeper->isChecked());
        QCOMPARE(f.Betriebsart->currentText(), QStringLiteral("3 - HitagS rw"));
        QCOMPARE(menuKeysChecked(f), menu);
        QCOMPARE(f.Sprache->currentText(), QStringLiteral("2 - French"));
        QCOMPARE(tool.real.dialogs.shown.size(), 0);
    }

    void theSwitchOffBoxSetsTheDeviceToNever()
    {
        SimSession device;
        RealWindow tool(device);
        QVERIFY(tool.connectAndReadBack());
        QCOMPARE(tool.form().Offtime->text(), QStringLiteral("300"));
        tool.showConfigurationPage();
        tool.click(tool.form().Check_Offtime);
        tool.click(tool.form().OfftimeSetzen);
        QVERIFY(QTest::qWaitFor([&] { return device.state().settings["OFF"] == 0; }, replyWaitMs));
    }

    void aDeviceThatAnswersOnlyTheRetryIsConnectedThen()
    {
        DeviceOptions asleep;
        asleep.silentCommands = {QByteArrayLiteral("ONLINE")};
        SimSession device(asleep);
        RealWindow tool(device);
        QElapsedTimer wall;
        wall.start();
        tool.click(tool.form().Connect);
        QVERIFY(QTest::qWaitFor([&] { return device.state().commandsReceived.size() == 1; }, replyWaitMs));
        device.withModel([](DeviceModel& model) { model.options().silentCommands.clear(); });

        QVERIFY(tool.readBackDone());
        // The first "ONLINE" went unanswered; the port was closed and opened
        // again for the second, about three seconds later.
        const QList<QByteArray> commands = device.state().commandsReceived;
        QCOMPARE(commands.mid(0, 2), (QList<QByteArray>{"ONLINE", "ONLINE"}));
        QCOMPARE(commands.mid(2), readBackQueries);
        qInfo("real ms from pressing Connect to the end of the read-back: %lld", wall.elapsed());
        QVERIFY2(wall.elapsed() >= 3000 + 2300, qPrintable(QString::number(wall.elapsed())));
        QCOMPARE(tool.real.dialogs.shown.size(), 0);
    }

    void aDeviceThatGoesAwayClosesTheConnectionWithOneBox()
    {
        SimSession device;
        RealWindow tool(device);
        QVERIFY(tool.connectAndReadBack());
        device.stop();
        QVERIFY(QTest::qWaitFor([&] { return !tool.form().Connect->isChecked(); }, replyWaitMs));
        // No box can come later: the port is closed and the hand-shake's
        // time-out, all that the window's timer could act on, is stopped.
        QCOMPARE(tool.window.device().handshake().countdown(), 0);

        QCOMPARE(tool.real.dialogs.shown.size(), 1);
        QVERIFY(tool.real.dialogs.shown.constFirst().text.startsWith(
            QStringLiteral("The connection to the device was lost")));
        QVERIFY(!tool.real.port.isOpen());
        QCOMPARE(tool.form().Connect->text(), QStringLiteral("Connect"));
        QCOMPARE(tool.form().akku->value(), 0);
        for (QFrame* page : tool.form().pages())
            QVERIFY(!page->isEnabled());
    }
};

QTEST_MAIN(EndToEndConfigTest)
#include "test_e2e_config.moc"
