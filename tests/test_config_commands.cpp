// The Configuration page's setting buttons: the line each one sends, the
// switch-off box, and what a failure shows.

#include "test_connection_device.h"

#include "base/failure.h"

#include <QTest>
#include <functional>

namespace {

// A connected window with the Configuration page in front; the device takes
// the settings and answers nothing else.
struct ConfigPage {
    WindowHarness h;

    ConfigPage()
    {
        pressConnect(h);
        h.fakes.clock.runFor(600); // the first tick fills the clock text
        QTabBar* tabs = h.form().Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    }

    Form1& form() { return h.form(); }

    // Clicks the button; the line it sent, or "(nothing)".
    QByteArray click(QAbstractButton* button)
    {
        const qsizetype before = h.fakes.port.writes.size();
        QTest::mouseClick(button, Qt::LeftButton);
        if (h.fakes.port.writes.size() == before)
            return "(nothing)";
        if (h.fakes.port.writes.size() != before + 1)
            return "(more than one write)";
        return h.fakes.port.writes.constLast();
    }
};

} // namespace

class ConfigCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonSendsItsLine()
    {
        struct Case {
            const char* what;
            std::function<void(Form1&)> set;
            QPushButton* Form1::*button;
            QByteArray line;
        };
        const auto pick = [](QComboBox* Form1::*list, int index) {
            return [list, index](Form1& f) { (f.*list)->setCurrentIndex(index); };
        };
        const auto type = [](QComboBox* Form1::*list, const char* text) {
            // Typed as a user types, into the focused field, so that anything
            // acting on focus and key presses acts.
            return [list, text](Form1& f) {
                (f.*list)->clearEditText();
                QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
                QApplication::sendEvent(f.*list, &focusIn);
                QTest::keyClicks(f.*list, QString::fromLatin1(text));
            };
        };
        const auto check = [](std::initializer_list<QCheckBox* Form1::*> list) {
            return [boxes = QList<QCheckBox* Form1::*>(list)](Form1& f) {
                for (auto box : boxes)
                    (f.*box)->setChecked(true);
            };
        };
        const auto none = [](Form1&) {};
        const QList<Case> cases{
            {"clock", none, &Form1::SetzeZeit, "CLOCK 06.12.2026 07:45\r"},
            {"switch-off time", [](Form1& f) { f.Offtime->setText(QStringLiteral("300")); }, &Form1::OfftimeSetzen,
             "OFF 300\r"},
            {"read time-out", [](Form1& f) { f.Readtimeout->setText(QStringLiteral("20")); },
             &Form1::ReadtimeoutSetzen, "TIMEOUT 20\r"},
            {"empty read time-out", [](Form1& f) { f.Readtimeout->clear(); }, &Form1::ReadtimeoutSetzen,
             "TIMEOUT \r"},
            {"FDX code", pick(&Form1::FDXCode, 1), &Form1::FdxcodeSetzen, "FDXCODE 2 \r"},
            {"FDX code typed", type(&Form1::FDXCode, "12"), &Form1::FdxcodeSetzen, "FDXCODE 12\r"},
            {"FDX code typed as an item begins", type(&Form1::FDXCode, "1"), &Form1::FdxcodeSetzen, "FDXCODE 1\r"},
            {"FDX code empty", pick(&Form1::FDXCode, -1), &Form1::FdxcodeSetzen, "FDXCODE \r"},
            {"buzzer off", none, &Form1::EnBeeperSetzen, "ENBEEP  0\r"},
            {"buzzer on", check({&Form1::EnBeeper}), &Form1::EnBeeperSetzen, "ENBEEP  1\r"},
            {"mode", pick(&Form1::Betriebsart, 3), &Form1::BetriebsartSetzen, "MODE 3\r"},
            {"mode typed", type(&Form1::Betriebsart, "5"), &Form1::BetriebsartSetzen, "MODE 5\r"},
            {"menu F1 and F3", check({&Form1::MENU_F1, &Form1::MENU_F3}), &Form1::MenuSetzen, "MENU  5\r"},
            {"menu none", none, &Form1::MenuSetzen, "MENU  0\r"},
            {"menu all eight",
             check({&Form1::MENU_F1, &Form1::MENU_F2, &Form1::MENU_F3, &Form1::MENU_F4, &Form1::MENU_F5,
                    &Form1::MENU_F6, &Form1::MENU_F7, &Form1::MENU_F8}),
             &Form1::MenuSetzen, "MENU  31\r"},
            {"tag type 8", pick(&Form1::Tagtyp, 8), &Form1::TagSetzen, "TAGTYP 8 \r"},
            {"tag type 10", pick(&Form1::Tagtyp, 10), &Form1::TagSetzen, "TAGTYP 10\r"},
            {"tag type 0", pick(&Form1::Tagtyp, 0), &Form1::TagSetzen, "TAGTYP 0 \r"},
            {"language", pick(&Form1::Sprache, 1), &Form1::SpracheSetzen, "LANGUAGE 1 \r"},
            {"language typed", type(&Form1::Sprache, "123"), &Form1::SpracheSetzen, "LANGUAGE 12\r"},
        };
        for (const Case& c : cases) {
            ConfigPage page;
            c.set(page.form());
            page.form().Ausgabe->replaceAndRedraw(QStringLiteral("old echo"));
            page.h.window->device().replies().ReplyMode = ReplyModes::Identifier;
            const QByteArray line = page.click(page.form().*c.button);
            QVERIFY2(line == c.line, qPrintable(QStringLiteral("%1: sent '%2', expected '%3'")
                                                    .arg(QLatin1String(c.what), QString::fromLatin1(line),
                                                         QString::fromLatin1(c.line))));
            QVERIFY2(page.form().Ausgabe->toPlainText().isEmpty(), c.what);
            QVERIFY2(page.form().ReplyMode == ReplyModes::Identifier, c.what);
        }
    }

    void theClockLineCarriesWhatTheClockBoxShows()
    {
        ConfigPage page;
        page.form().Zeit->setText(QStringLiteral("31.12.2026 23:59"));
        QCOMPARE(page.click(page.form().SetzeZeit), QByteArray("CLOCK 31.12.2026 23:59\r"));
        page.h.fakes.clock.runFor(500);
        QCOMPARE(page.click(page.form().SetzeZeit), QByteArray("CLOCK 06.12.2026 07:45\r"));
    }

    void theSwitchOffBoxTurnsTheTimeIntoAus()
    {
        ConfigPage page;
        Form1& f = page.form();
        f.Offtime->setText(QStringLiteral("300"));
        QTest::mouseClick(f.Check_Offtime, Qt::LeftButton);
        QCOMPARE(f.Offtime->text(), QStringLiteral("aus"));
        QVERIFY(!f.Offtime->isEnabled());
        QCOMPARE(page.click(f.OfftimeSetzen), QByteArray("OFF aus\r"));

        QTest::mouseClick(f.Check_Offtime, Qt::LeftButton);
        QCOMPARE(f.Offtime->text(), QStringLiteral("0"));
        QVERIFY(f.Offtime->isEnabled());
        QCOMPARE(page.click(f.OfftimeSetzen), QByteArray("OFF 0\r"));

        // Setting the value it already has runs nothing.
        f.Offtime->setText(QStringLiteral("45"));
        f.Check_Offtime->setChecked(false);
        QCOMPARE(f.Offtime->text(), QStringLiteral("45"));
    }

    void withThePortClosedOnlySetTimeSaysSo()
    {
        ConfigPage page;
        // A failed reconnect leaves the pages usable with the port closed.
        page.h.fakes.port.refuseOpen(1, Failure(FailureNumber::PortOpenFailed, QStringLiteral("COM1: gone")));
        page.h.fakes.clock.runFor(5000);
        QVERIFY(!page.h.fakes.port.isOpen());
        QVERIFY(page.form().FrameConfig->isEnabled());
        page.h.fakes.dialogs.shown.clear();

        page.form().Ausgabe->replaceAndRedraw(QStringLiteral("old echo"));
        QCOMPARE(page.click(page.form().SetzeZeit), QByteArray("(nothing)"));
        QCOMPARE(page.h.fakes.dialogs.shown.size(), 1);
        const auto& box = page.h.fakes.dialogs.shown.constFirst();
        QCOMPARE(box.text, portNotOpen().description);
        QCOMPARE(box.title, QStringLiteral("Tagorix Tool"));
        QCOMPARE(box.icon, MessageIcon::None);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QVERIFY(page.form().Ausgabe->toPlainText().isEmpty());

        for (QPushButton* quiet :
             {page.form().BetriebsartSetzen, page.form().OfftimeSetzen,
              page.form().ReadtimeoutSetzen, page.form().FdxcodeSetzen, page.form().EnBeeperSetzen,
              page.form().MenuSetzen, page.form().TagSetzen, page.form().SpracheSetzen}) {
            page.form().Ausgabe->replaceAndRedraw(QStringLiteral("old echo"));
            QCOMPARE(page.click(quiet), QByteArray("(nothing)"));
            QVERIFY(page.form().Ausgabe->toPlainText().isEmpty());
        }
        QCOMPARE(page.h.fakes.dialogs.shown.size(), 1);
    }

    void aReplyToASettingIsHandledInTheModeInForce()
    {
        WindowHarness h;
        ScriptedDevice device(h);
        device.answersQueries = false; // the read-back stalls at its first query
        pressConnect(h);
        h.fakes.clock.runFor(2000);
        QTabBar* tabs = h.form().Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        h.form().Tagtyp->setCurrentIndex(5);
        QTest::mouseClick(h.form().TagSetzen, Qt::LeftButton);
        h.fakes.port.deliver("TAGTYP:5\r\n");
        h.fakes.clock.runFor(200);
        // Still in the read-back's mode, the answer continues its chain.
        QCOMPARE(device.lines().constLast(), QByteArray("OFF"));
    }
};

QTEST_MAIN(ConfigCommandsTest)
#include "test_config_commands.moc"
