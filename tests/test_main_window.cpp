#include "core/selection_lists.h"
#include "app/window_scaling.h"
#include "base/failure.h"
#include "form/controls.h"
#include "support/caption_fit.h"
#include "support/file_size_limit.h"
#include "support/linux_tools.h"
#include "support/window_harness.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QStyleOption>
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

namespace {

QMap<QString, QString> storedPort(const QString& value)
{
    return {{QStringLiteral("Config/Port"), value}};
}

template <class Widget>
Widget* child(MainWindow& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qWarning("missing control %s", name);
    return widget;
}

// Shows the window with every page usable.
void showConnected(WindowHarness& h)
{
    h.window->show();
    for (QFrame* page : h.form().pages())
        page->setEnabled(true);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunSelectsCom1WithEmptyPathsAndGreyPages()
    {
        WindowHarness h;
        Form1& f = h.form();
        QCOMPARE(f.Port->currentText(), QStringLiteral("COM1"));
        QVERIFY(f.PfadSpeichern->text().isEmpty());
        QVERIFY(f.PfadLaden->text().isEmpty());
        for (QFrame* page : f.pages())
            QVERIFY(!page->isEnabled());
        QCOMPARE(f.Tabulator->currentIndex(), 0);
        QCOMPARE(f.ReplyMode, std::int16_t(0));
        QVERIFY(h.fakes.port.written.isEmpty());
        QCOMPARE(h.fakes.port.openCount(), 0);
    }

    void storedPortPosition_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("position");
        QTest::newRow("COM8") << " 7" << 7;
        QTest::newRow("COM16") << " 15" << 15;
        QTest::newRow("16 is out of range") << "16" << 0;
        QTest::newRow("99 is out of range") << " 99" << 0;
        QTest::newRow("no selection") << "-1" << -1;
        QTest::newRow("below -1") << "-5" << 0;
        QTest::newRow("not a number") << "COM3" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large for 16 bits") << "70000" << 0;
    }
    void storedPortPosition()
    {
        QFETCH(QString, stored);
        QFETCH(int, position);
        WindowHarness h(storedPort(stored));
        QCOMPARE(h.form().Port->currentIndex(), position);
        if (position == -1)
            QVERIFY(h.form().Port->currentText().isEmpty());
    }

    void pathsAreRestored()
    {
        WindowHarness h({{"Config/SavePath", "/tmp/records.csv"}, {"Config/LoadPath", "C:\\codes.csv"}});
        QCOMPARE(h.form().PfadSpeichern->text(), QStringLiteral("/tmp/records.csv"));
        QCOMPARE(h.form().PfadLaden->text(), QStringLiteral("C:\\codes.csv"));
    }

    void closingSavesTheSettingsInTheirStoredForm()
    {
        WindowHarness h;
        h.form().PfadSpeichern->setText(QStringLiteral("out.csv"));
        h.window->close();
        QCOMPARE(h.fakes.settings.values.value("Config/Port"), QStringLiteral(" 0"));
        QCOMPARE(h.fakes.settings.values.value("Config/SavePath"), QStringLiteral("out.csv"));
        QCOMPARE(h.fakes.settings.values.value("Config/LoadPath"), QString());
        QVERIFY(h.fakes.settings.values.contains("Config/LoadPath"));
        QVERIFY(h.fakes.port.written.isEmpty());

        WindowHarness next(h.fakes.settings.values);
        QCOMPARE(next.form().Port->currentText(), QStringLiteral("COM1"));
        QCOMPARE(next.form().PfadSpeichern->text(), QStringLiteral("out.csv"));
    }

    void closingWithoutSelectionStoresMinusOne()
    {
        WindowHarness h(storedPort("-1"));
        h.window->close();
        QCOMPARE(h.fakes.settings.values.value("Config/Port"), QStringLiteral("-1"));
    }

    void closingWhileConnectedSaysGoodbyeOnceThenCloses()
    {
        WindowHarness h;
        h.fakes.port.open(1);
        h.window->device().data().file().openForWriting(QDir::temp().filePath("tagorix-unload-test.csv"));
        h.window->close();
        h.window->Form_Unload(); // a second unload does nothing more
        QCOMPARE(h.fakes.port.writes, QList<QByteArray>{"DISCONNECT\r"});
        QVERIFY(!h.fakes.port.isOpen());
        QVERIFY(!h.form().ExchangeFile.isOpen());
        QCOMPARE(h.fakes.settings.values.value("Config/Port"), QStringLiteral(" 0"));
    }

    void aFailingGoodbyeStillSavesTheSettings()
    {
        WindowHarness h;
        h.fakes.port.open(1);
        h.fakes.port.failNextWrite(Failure(8015, "gone"));
        h.form().PfadLaden->setText("codes.csv");
        h.window->close();
        QVERIFY(!h.fakes.port.isOpen());
        QCOMPARE(h.fakes.settings.values.value("Config/LoadPath"), QStringLiteral("codes.csv"));
    }

    void settingsThatCannotBeSavedAreReported()
    {
        WindowHarness h;
        h.fakes.settings.refuseSaving = true;
        QTest::ignoreMessage(QtWarningMsg, "The settings could not be saved.");
        h.window->close();
        QCOMPARE(h.fakes.dialogs.texts(), QStringList{"The settings could not be saved."});
    }

    void tabsBringTheirPageToTheFront()
    {
        WindowHarness h;
        h.window->show();
        Form1& f = h.form();
        QCOMPARE(f.Tabulator->count(), 5);
        const QStringList captions{"Online", "Control", "Configuration", "Barcode", "Data exchange"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.Tabulator->tabText(i), captions.at(i));

        auto visiblePage = [&] {
            const QPoint centre = f.FrameOnline->geometry().center();
            QWidget* top = h.window->childAt(centre);
            while (top && !f.pages().contains(qobject_cast<QFrame*>(top)))
                top = top->parentWidget();
            return top;
        };
        QCOMPARE(visiblePage(), f.FrameOnline);
        QTest::mouseClick(f.Tabulator, Qt::LeftButton, {}, f.Tabulator->tabRect(2).center());
        QCOMPARE(visiblePage(), f.FrameConfig);
        QTest::mouseClick(f.Tabulator, Qt::LeftButton, {}, f.Tabulator->tabRect(1).center());
        QCOMPARE(visiblePage(), f.FrameControls);
        QTest::mouseClick(f.Tabulator, Qt::LeftButton, {}, f.Tabulator->tabRect(1).center());
        QCOMPARE(visiblePage(), f.FrameControls);
        QTest::mouseClick(f.Tabulator, Qt::LeftButton, {}, f.Tabulator->tabRect(4).center());
        QCOMPARE(visiblePage(), f.FrameUebertragen);
        QVERIFY(!f.FrameUebertragen->isEnabled());
        QCOMPARE(f.ReplyMode, std::int16_t(0));
    }

    void everyControlExistsWithItsCaptionAndContent()
    {
        WindowHarness h;
        MainWindow& w = *h.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Tagorix Tool V1.32 Quenfo"));
        QCOMPARE(w.size(), QSize(529, 473));
        QVERIFY(!w.windowIcon().isNull());

        const QList<QPair<const char*, QString>> buttons{
            {"Connect", "Connect"}, {"ReadId", "Read ID"}, {"Scan", "Scan barcode"},
            {"ReadBlock", "Read text block"}, {"WriteBlock", "Write text block"}, {"ReadBlockHex", "Read Hex"},
            {"WriteBlockHex", "Write Hex"}, {"Buzzer", "Buzzer"}, {"Keyboard", "Keyboard"},
            {"CLS", "Clear Display"}, {"Display", "Show text"}, {"SetzeZeit", "Set time"},
            {"TagSetzen", "Set tag type"}, {"OfftimeSetzen", "Set switch off time"},
            {"ReadtimeoutSetzen", "Set timeout"}, {"FdxcodeSetzen", "Set FDX code"},
            {"EnBeeperSetzen", "Set enable buzzer"}, {"BetriebsartSetzen", "Set mode"},
            {"SpracheSetzen", "Set language"}, {"MenuSetzen", "Set menu"}, {"BCLesen", "Read"},
            {"BCSetzen", "Write"}, {"LeseErfassungen", "Read out records"},
            {"PfadSpeichernWaehlen", "..."}, {"LoescheErfassungen", "Erase records"},
            {"GeneriereDaten", "Load custom codes"}, {"PfadLadenWaehlen", "..."},
            {"LoescheDaten", "Erase custom codes"}, {"LeseDaten", "Read out custom codes"},
            {"Statistik", "Statistic"},
            // check boxes
            {"ReadCont", "read continously"}, {"KeyA", "Key A"}, {"KeyB", "Key B"},
            {"Check_Offtime", "off"}, {"EnBeeper", "Enable buzzer "},
            {"MENU_F1", "F1 function"}, {"MENU_F5", "F5 function"}, {"MENU_F8", "F8 function"},
        };
        for (const auto& [name, caption] : buttons) {
            auto* button = child<QAbstractButton>(w, name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), caption);
            QVERIFY2(!button->isChecked(), name);
        }

        const QList<QPair<const char*, QString>> labels{
            {"Label14", "Power:"}, {"Label8", "}"}, {"Label5", "}"}, {"Label4", "Content:"},
            {"Label2", "from"}, {"Label3", "to"}, {"Label13", "Key:"}, {"Label1", "PC-Time:"},
            {"Text_TagTyp", "Transponder:"}, {"Text_Offtime", "Switch off time:"}, {"Label9", "s"},
            {"Text_Readtimeout", "read timeout:"}, {"Label12", "x 50ms"}, {"Text_FdxCode", "FDX Code:"},
            {"Label15", "Mode:"}, {"Label16", "Language:"}, {"Label6", "Register:"}, {"Label7", "Value:"},
            {"Label10", "save in:"}, {"Label11", "read from:"},
        };
        for (const auto& [name, caption] : labels) {
            auto* label = child<QLabel>(w, name);
            QVERIFY2(label, name);
            QCOMPARE(label->text(), caption);
        }

        const QList<QPair<const char*, QString>> textBoxes{
            {"Zeile", ""}, {"IDAnzeige", ""}, {"WriteData", ""}, {"BlockAdress", ""}, {"BlockEndAdress", ""},
            {"Key", "7D2B40C95E18"}, {"DisplayText", ""}, {"Zeit", ""}, {"Offtime", ""}, {"Readtimeout", ""},
            {"BCWert", ""}, {"PfadSpeichern", ""}, {"PfadLaden", ""}, {"OutStatistik", ""},
        };
        for (const auto& [name, content] : textBoxes) {
            auto* box = child<QLineEdit>(w, name);
            QVERIFY2(box, name);
            QCOMPARE(box->text(), content);
        }

        Form1& f = h.form();
        QVERIFY(f.Zeile->isHidden());
        QCOMPARE(f.WriteData->toolTip(), QStringLiteral("Daten als Text"));
        QCOMPARE(f.Label8->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(f.Label8->font().pointSize(), 36);
        QCOMPARE(f.Label5->font().pointSize(), 48);
        QCOMPARE(f.Ausgabe->font().family(), QStringLiteral("Courier"));
        QCOMPARE(f.Ausgabe->font().pointSizeF(), 9.75);
        QVERIFY(f.Ausgabe->isReadOnly());
        QVERIFY(f.Ausgabe->toPlainText().isEmpty());
        QCOMPARE(f.Frame1->title(), QStringLiteral("Menu config"));
        QVERIFY(f.Connect->isCheckable());
        QCOMPARE(f.akku->minimum(), 0);
        QCOMPARE(f.akku->maximum(), 100);
        QCOMPARE(f.akku->value(), 0);
        QCOMPARE(f.Picture1->pixmap().size(), QSize(200, 36));

        QVERIFY(!f.Port->isEditable());
        QVERIFY(!f.Tagtyp->isEditable());
        for (QComboBox* editable : {f.Betriebsart, f.FDXCode, f.Sprache, f.DisplayZeile, f.BCRegister})
            QVERIFY(editable->isEditable());
        for (QComboBox* empty : {f.Betriebsart, f.FDXCode, f.Sprache, f.Tagtyp, f.BCRegister})
            QVERIFY2(empty->currentText().isEmpty(), qPrintable(empty->objectName()));
        QCOMPARE(f.DisplayZeile->currentText(), QStringLiteral("1"));

        // Every control sits on its page and inside the window.
        const QList<QPair<QFrame*, QList<QWidget*>>> pages{
            {f.FrameOnline, {f.ReadId, f.Scan, f.IDAnzeige, f.ReadCont, f.WriteData, f.Key, f.KeyA, f.KeyB}},
            {f.FrameControls, {f.Buzzer, f.Keyboard, f.CLS, f.Display, f.DisplayZeile, f.DisplayText}},
            {f.FrameConfig, {f.Zeit, f.Tagtyp, f.Offtime, f.Check_Offtime, f.MENU_F1, f.MENU_F8, f.MenuSetzen}},
            {f.FrameBarcode, {f.BCRegister, f.BCWert, f.BCLesen, f.BCSetzen}},
            {f.FrameUebertragen, {f.LeseErfassungen, f.PfadSpeichern, f.PfadLaden, f.Statistik, f.OutStatistik}},
        };
        for (const auto& [page, controls] : pages) {
            QCOMPARE(page->geometry(), f.FrameOnline->geometry());
            for (QWidget* control : controls) {
                QCOMPARE(control->parentWidget(), page);
                QVERIFY2(page->rect().contains(control->geometry()), qPrintable(control->objectName()));
            }
        }
        for (QWidget* top : {static_cast<QWidget*>(f.Port), static_cast<QWidget*>(f.Connect),
                             static_cast<QWidget*>(f.akku), static_cast<QWidget*>(f.Picture1),
                             static_cast<QWidget*>(f.Ausgabe), static_cast<QWidget*>(f.Tabulator)})
            QVERIFY2(w.rect().contains(top->geometry()), qPrintable(top->objectName()));
    }

    void everyFocusableControlHasANameAndTheBarItsValue()
    {
        WindowHarness h;
        Form1& f = h.form();
        showConnected(h);
        QSet<QWidget*> named;
        for (int tab = 0; tab < f.Tabulator->count(); ++tab) {
            f.Tabulator->setCurrentIndex(tab);
            for (QWidget* w : h.window->findChildren<QWidget*>()) {
                if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                    continue;
                const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName() + w->parent()->objectName()));
                named << w;
            }
        }
        QVERIFY(named.size() > 60); // every page was reached

        // Each label is the buddy of the field after it and gives it its name;
        // an editable list's edit field, which takes the focus, has it too.
        const QList<std::tuple<QLabel*, QWidget*, QString>> labelled{
            {f.Label14, f.akku, "Power"},
            {f.Label4, f.WriteData, "Content"},
            {f.Label2, f.BlockAdress, "from"},
            {f.Label3, f.BlockEndAdress, "to"},
            {f.Label13, f.Key, "Key"},
            {f.Label1, f.Zeit, "PC-Time"},
            {f.Text_TagTyp, f.Tagtyp, "Transponder"},
            {f.Text_Offtime, f.Offtime, "Switch off time"},
            {f.Text_Readtimeout, f.Readtimeout, "read timeout"},
            {f.Text_FdxCode, f.FDXCode, "FDX Code"},
            {f.Label15, f.Betriebsart, "Mode"},
            {f.Label16, f.Sprache, "Language"},
            {f.Label6, f.BCRegister, "Register"},
            {f.Label7, f.BCWert, "Value"},
            {f.Label10, f.PfadSpeichern, "save in"},
            {f.Label11, f.PfadLaden, "read from"},
        };
        for (const auto& [label, field, name] : labelled) {
            QVERIFY2(label->buddy() == field, qPrintable(label->objectName()));
            QCOMPARE(field->accessibleName(), name);
            if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
                QCOMPARE(list->lineEdit()->accessibleName(), name);
        }
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(f.akku);
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Power"));
        setBarValue(f.akku, 73);
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), 73);
    }

    // What a screen reader says for a control: a list by the label that has
    // it as its buddy (Qt names a list by its current text on Linux), any
    // other control by its name. A page read as a "frame" is taken for a
    // window of its own and nothing in it is spoken.
    void screenReadersHearEachControlsOwnNameInsidePageGroupings_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("port list") << "Port" << "Port";
        QTest::newRow("display line") << "DisplayZeile" << "Display line";
        QTest::newRow("display text") << "DisplayText" << "Display text";
        QTest::newRow("statistic result") << "OutStatistik" << "Statistic result";
        QTest::newRow("language list") << "Sprache" << "Language:";
        QTest::newRow("battery bar") << "akku" << "Power";
    }
    void screenReadersHearEachControlsOwnNameInsidePageGroupings()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowHarness h;
        auto* widget = h.window->findChild<QWidget*>(control);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        if (qobject_cast<QComboBox*>(widget)) {
            const auto labels = spoken->relations(QAccessible::Label);
            QVERIFY(!labels.isEmpty());
            spoken = labels.constFirst().first;
        }
        QCOMPARE(spoken->text(QAccessible::Name), name);

        const QStringList captions = SelectionLists::tabCaptions();
        for (qsizetype i = 0; i < captions.size(); ++i) {
            QAccessibleInterface* page = QAccessible::queryAccessibleInterface(h.form().pages().at(i));
            QCOMPARE(page->role(), QAccessible::Grouping);
            QCOMPARE(page->text(QAccessible::Name), captions.at(i));
        }
    }

    // On Windows COMn always opens \\.\COMn: the port list's menu offers no
    // device to choose there.
    void thePortListsMenuOffersADeviceOnlyWhereAPortCanOpenAny()
    {
        WindowHarness h;
#ifdef Q_OS_WIN
        QVERIFY(h.form().Port->actions().isEmpty());
#else
        QCOMPARE(h.form().Port->actions().size(), 1);
#endif
    }

    // Each row reaches its page with the keys that switch pages, then tabs
    // once round the window from the tab strip.
    void keyboardReachesEachPageAndTabsThroughItInReadingOrder_data()
    {
        QTest::addColumn<QKeyCombination>("switchKey");
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("pageOrder");
        QTest::newRow("Online") << (Qt::CTRL | Qt::Key_PageDown) << 5 << 0
                                << QStringList{"ReadId", "IDAnzeige", "ReadCont", "Scan", "ReadBlock", "WriteData",
                                               "WriteBlock", "BlockAdress", "BlockEndAdress", "ReadBlockHex", "Key",
                                               "WriteBlockHex", "KeyA", "KeyB"};
        QTest::newRow("Control") << (Qt::CTRL | Qt::Key_Tab) << 1 << 1
                                 << QStringList{"Buzzer", "Keyboard", "CLS", "Display", "DisplayZeile", "DisplayText"};
        QTest::newRow("Configuration")
            << (Qt::CTRL | Qt::Key_PageDown) << 2 << 2
            << QStringList{"Zeit", "SetzeZeit", "Tagtyp", "TagSetzen", "Offtime", "Check_Offtime", "OfftimeSetzen",
                           "Readtimeout", "ReadtimeoutSetzen", "FDXCode", "FdxcodeSetzen", "EnBeeper",
                           "EnBeeperSetzen", "Betriebsart", "BetriebsartSetzen", "Sprache", "SpracheSetzen",
                           "MENU_F1", "MENU_F2", "MENU_F3", "MENU_F4", "MENU_F5", "MenuSetzen"};
        QTest::newRow("Barcode") << (Qt::CTRL | Qt::Key_PageUp) << 2 << 3
                                 << QStringList{"BCRegister", "BCWert", "BCLesen", "BCSetzen"};
        QTest::newRow("Data exchange")
            << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab) << 1 << 4
            << QStringList{"LeseErfassungen", "PfadSpeichern", "PfadSpeichernWaehlen", "LoescheErfassungen",
                           "GeneriereDaten", "PfadLaden", "PfadLadenWaehlen", "LoescheDaten", "LeseDaten",
                           "Statistik", "OutStatistik"};
    }
    void keyboardReachesEachPageAndTabsThroughItInReadingOrder()
    {
        QFETCH(QKeyCombination, switchKey);
        QFETCH(int, presses);
        QFETCH(int, tab);
        QFETCH(QStringList, pageOrder);
        // Around the page: the output box below it, the top row above it
        // (on Windows without the button that chooses a port's device).
#ifdef Q_OS_WIN
        const QStringList after{"Ausgabe", "Port", "Connect", "akku"};
#else
        const QStringList after{"Ausgabe", "Port", "portDevices", "Connect", "akku"};
#endif

        WindowHarness h;
        Form1& f = h.form();
        showConnected(h);
        QApplication::setActiveWindow(h.window.get());
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        f.Key->setFocus();
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), switchKey.key(), switchKey.keyboardModifiers());
            // Not the output box, where the hidden page would send it.
            QCOMPARE(QApplication::focusWidget(), f.Tabulator);
        }
        QCOMPARE(f.Tabulator->currentIndex(), tab);
        QVERIFY(f.pages().at(tab)->isVisible());

        f.Tabulator->setFocus();
        QStringList visited;
        while (visited.size() < 60 && visited.value(visited.size() - 1) != "Tabulator") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // An editable list's edit field counts as the list.
            visited << (qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus)->objectName();
        }
        QCOMPARE(visited, pageOrder + after + QStringList{"Tabulator"});

        // Return presses a focused button, as Space does.
        QPushButton* button = nullptr;
        for (qsizetype i = 0; !button; ++i)
            button = h.window->findChild<QPushButton*>(pageOrder.at(i));
        const QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);
    }

    void captionsFitTheirControlsAndTheWindowGrowsWithTheFont_data()
    {
        QTest::addColumn<double>("fontFactor");
        QTest::newRow("default font") << 1.0;
        QTest::newRow("1.5 times the font") << 1.5;
        QTest::newRow("twice the font") << 2.0;
    }
    void captionsFitTheirControlsAndTheWindowGrowsWithTheFont()
    {
        QFETCH(double, fontFactor);
        const QFont defaultFont = QApplication::font();
        QFont font = defaultFont;
        font.setPointSizeF(font.pointSizeF() * fontFactor);
        QApplication::setFont(font);
        WindowHarness h;
        QApplication::setFont(defaultFont);

        QVERIFY(h.window->width() >= 529 * fontFactor * 0.95 && h.window->height() >= 473 * fontFactor * 0.95);
        const QStringList cut = cutCaptions(h);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    // A caption too long for its control: a label takes the room on its left
    // up to its neighbour, then on its right; a check box the room on its
    // right; what is still missing is elided and shown whole in a tool tip.
    void aCaptionTooLongTakesTheFreeRoomBesideItOrIsElided()
    {
        QWidget window;
        window.resize(300, 100);
        auto* button = new QPushButton(QStringLiteral("B"), &window);
        button->setGeometry(0, 0, 40, 20);
        auto* label = new QLabel(QStringLiteral("A caption much wider than its place:"), &window);
        label->setGeometry(60, 2, 30, 17);
        auto* field = new QLineEdit(&window);
        field->setGeometry(92, 0, 100, 20);
        auto* box = new QCheckBox(QStringLiteral("A long check box caption"), &window);
        box->setGeometry(0, 40, 40, 20);
        makeRoomForCaptions(&window, {});
        QCOMPARE(label->geometry(), QRect(40, 2, 52, 17)); // up to the button, then the field
        QVERIFY(label->text().endsWith(u'…'));
        QCOMPARE(label->toolTip(), QStringLiteral("A caption much wider than its place:"));
        QCOMPARE(box->geometry().left(), 0);
        QCOMPARE(box->text(), QStringLiteral("A long check box caption"));
        QVERIFY(box->width() >= box->sizeHint().width());
    }

    // Unequal factors across and down, so that one used for the other shows.
    void positionsAndFontsScaleAcrossAndDownByTheirOwnFactors()
    {
        const FontScale scale{1.5, 2.0};
        QCOMPARE(scale.size(QSize(100, 70)), QSize(150, 140));
        QWidget window;
        auto* page = new QFrame(&window);
        page->setGeometry(10, 20, 100, 50);
        auto* label = new QLabel(page);
        label->setGeometry(2, 4, 10, 6);
        QFont font = label->font();
        font.setPointSizeF(10);
        label->setFont(font);
        scaleToFont(&window, {page}, scale);
        QCOMPARE(page->geometry(), QRect(15, 40, 150, 100));
        QCOMPARE(label->geometry(), QRect(3, 8, 15, 12));
        QCOMPARE(label->font().pointSizeF(), 20.0); // a font follows the line height

        // Wider letters of the same height scale across only.
        const FontScale plain = FontScale::of(QApplication::font());
        QFont spaced = QApplication::font();
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        const FontScale wide = FontScale::of(spaced);
        QCOMPARE(wide.down, plain.down);
        QVERIFY2(wide.across > plain.across * 1.2, qPrintable(QString::number(wide.across / plain.across)));
    }

    void theOutputBoxSavesItsBytesAsShownAndClearsAlone()
    {
        WindowHarness h;
        Form1& f = h.form();
        h.fakes.port.open(1);
        QByteArray high;
        for (int c = 0x80; c <= 0xFF; ++c)
            high += char(c);
        h.fakes.port.deliver("Ok\r\n" + high + "\r\nhalf");
        h.fakes.clock.doEvents();

        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("monitor.txt"));
        h.fakes.dialogs.chosenFiles.push_back(path);
        child<QAction>(*h.window, "saveAsAction")->trigger();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), "Ok\r\n" + high + "\r\nhalf");
        saved.close();
        QCOMPARE(h.fakes.dialogs.fileRequests.constLast().replacing, Replacing::AfterAsking);

        SKIP_UNLESS_LINUX("a file-size limit");
        // On a full disk neither the saved file nor a new one is left empty.
        const QString newPath = dir.filePath(QStringLiteral("new.txt"));
        h.fakes.dialogs.chosenFiles = {path, newPath};
        {
            const FileSizeLimit nothingFits(0);
            child<QAction>(*h.window, "saveAsAction")->trigger();
            child<QAction>(*h.window, "saveAsAction")->trigger();
        }
        QCOMPARE(h.fakes.dialogs.shown.size(), 2);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), "Ok\r\n" + high + "\r\nhalf");
        QVERIFY(!QFile::exists(newPath));

        // Read-only, the box still has a caret to read it line by line.
        f.Ausgabe->setFocus();
        QTest::keyClick(f.Ausgabe, Qt::Key_Up);
        QCOMPARE(f.Ausgabe->textCursor().blockNumber(), 1);

        child<QAction>(*h.window, "clearAction")->trigger();
        QVERIFY(f.Ausgabe->toPlainText().isEmpty());
        QCOMPARE(h.window->device().replies().RxBuffer(), QByteArray("half"));
    }

    void menuKeysSixToEightCanNeverBeTicked()
    {
        WindowHarness h;
        Form1& f = h.form();
        for (QFrame* page : f.pages())
            page->setEnabled(true);
        for (QCheckBox* box : {f.MENU_F6, f.MENU_F7, f.MENU_F8}) {
            QVERIFY(!box->isEnabled());
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(!box->isChecked());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
