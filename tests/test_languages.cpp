#include "form/controls.h"
#include "support/caption_fit.h"
#include "support/linux_tools.h"
#include "test_connection_device.h"
#include "test_online_pages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// The program's translation into a language and Qt's own, as the programs
// load them.
struct Translations {
    QTranslator program;
    QTranslator qt;

    bool load(const QString& language)
    {
        return program.load(QStringLiteral("tagorix_") + language, QStringLiteral(TAGORIX_TRANSLATIONS_DIR))
            && qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
};

// What a program prints, standard output then standard error, under the
// language variables given ("LANG=de_DE.UTF-8"), the others unset.
QByteArray printedUnder(const QString& environment, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : QStringList{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        system.remove(variable);
    for (const QString& setting : environment.split(u' ', Qt::SkipEmptyParts))
        system.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(system);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return "<not finished>";
    return process.readAllStandardOutput() + process.readAllStandardError();
}

// Every text of the window by where it stands ("/ReadId ", "FrameConfig/Tagtyp
// item 3"); those only a screen reader speaks under "heard".
using WindowTexts = QMap<QString, QString>;

WindowTexts textsOf(MainWindow& window)
{
    WindowTexts t{{"title", window.windowTitle()}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // The tab strip's scroll buttons speak Qt's own translation.
        if (qobject_cast<QTabBar*>(w->parent()))
            continue;
        const QString at = (w->parent() ? w->parent()->objectName() : QString()) + u'/' + w->objectName() + u' ';
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* group = qobject_cast<QGroupBox*>(w);
        t[(label && label->isHidden() ? "heard " : "") + at] =
            label ? label->text() : button ? button->text() : group ? group->title() : QString();
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                t[at + QString::number(i)] = tabs->tabText(i);
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            t[at + "shown"] = list->currentText();
            for (int i = 0; i < list->count(); ++i) {
                t[at + QStringLiteral("item %1").arg(i)] = list->itemText(i);
                t[at + QStringLiteral("tip %1").arg(i)] = list->itemData(i, Qt::ToolTipRole).toString();
            }
        }
        t[at + "tip"] = w->toolTip();
        for (QAction* action : w->actions())
            t[at + action->objectName()] = action->text();
        t["heard " + at + "name"] = w->accessibleName();
        t["heard " + at + "description"] = w->accessibleDescription();
    }
    t.removeIf([](const WindowTexts::iterator& text) { return text.value().isEmpty(); });
    return t;
}

// The window before and after it connected to a device whose settings the
// read-back shows, and the box that then tells of the device's loss, in
// its paragraphs.
struct WindowStates {
    WindowTexts unconnected;
    WindowTexts connected;
    QStringList lossBox;
};

WindowStates windowStates()
{
    WindowHarness h;
    WindowStates states{textsOf(*h.window), {}, {}};
    ScriptedDevice device(h);
    if (!connectAndReadBack(h))
        return states;
    states.connected = textsOf(*h.window);
    h.fakes.port.loseDevice();
    h.fakes.clock.runFor(1000);
    states.lossBox = h.fakes.dialogs.texts().value(0).split(QStringLiteral("\n\n"));
    return states;
}

// The texts a language's window shows: those before it connects, those the
// connection changes in English (under "connected "), and the loss box's
// paragraphs but the first, the port's own description (under "loss box ").
WindowTexts shownTexts(const WindowStates& states, const WindowStates& english)
{
    WindowTexts t = states.unconnected;
    for (auto text = english.connected.cbegin(); text != english.connected.cend(); ++text)
        if (english.unconnected.value(text.key()) != text.value())
            t[QStringLiteral("connected ") + text.key()] = states.connected.value(text.key());
    for (qsizetype i = 1; i < states.lossBox.size(); ++i)
        t[QStringLiteral("loss box %1").arg(i)] = states.lossBox.at(i);
    return t;
}

// The same in every language: numbers and symbols, the ports, the product's,
// the transponders' and the code formats' names, a unit.
bool isNameOrNumber(const QString& text)
{
    static const QRegularExpression name(QStringLiteral(
        "^(\\P{L}*|COM\\d+|Tagorix Tool V1.32 Quenfo|s|\\d+ ?- (FDX-B|Unique|Hitag1/S|Hitag2|Tiris|Q5|Trovan|"
        "ISO15693|I-Code1|ISO14443-[AB]|BDE|ASCII))$"));
    return name.match(text).hasMatch();
}

// Every control's bytes: each list item through the button that sends it,
// then every button of the pages once, with the fields filled in.
QByteArray bytesOfEveryControl(const QString& folder)
{
    WindowHarness h;
    Form1& f = h.form();
    openPages(h);
    const QList<QPair<QLineEdit*, QString>> fields{
        {f.WriteData, "0A1B"}, {f.BlockAdress, "4"}, {f.BlockEndAdress, "5"}, {f.DisplayText, "Hallo"},
        {f.Offtime, "30"}, {f.Readtimeout, "10"}, {f.BCWert, "1"}, {f.PfadSpeichern, folder + "/records.csv"},
        {f.PfadLaden, folder + "/codes.csv"}};
    for (const auto& [field, text] : fields)
        field->setText(text);
    for (QCheckBox* box : {f.KeyA, f.EnBeeper, f.MENU_F1, f.MENU_F4})
        box->setChecked(true);
    const QList<QPair<QComboBox*, QPushButton*>> senders{
        {f.Betriebsart, f.BetriebsartSetzen}, {f.Tagtyp, f.TagSetzen}, {f.FDXCode, f.FdxcodeSetzen},
        {f.Sprache, f.SpracheSetzen},         {f.BCRegister, f.BCLesen}, {f.DisplayZeile, f.Display}};
    for (const auto& [list, button] : senders) {
        for (int i = 0; i < list->count(); ++i) {
            setListIndex(list, i);
            button->click();
        }
    }
    for (QFrame* page : f.pages()) {
        for (QPushButton* button : page->findChildren<QPushButton*>())
            button->click();
    }
    return h.fakes.port.written;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    // tagorix-tool --help in the language the environment asks for, with
    // Qt's own texts ("Options:") in the same.
    void theLanguageFollowsTheSystem_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG") << "LANG=de_DE.UTF-8" << "de";
        QTest::newRow("a region of a translated language") << "LANG=de_AT.UTF-8" << "de";
        QTest::newRow("LC_ALL before LANG") << "LC_ALL=pl_PL.UTF-8 LANG=de_DE.UTF-8" << "pl";
        QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8" << "fr";
        QTest::newRow("LANGUAGE first") << "LANGUAGE=fr:de LANG=de_DE.UTF-8" << "fr";
        QTest::newRow("LANGUAGE past an untranslated one") << "LANGUAGE=es:pl LANG=es_ES.UTF-8" << "pl";
        QTest::newRow("English preferred") << "LANGUAGE=en:de LANG=en_GB.UTF-8" << "";
        QTest::newRow("untranslated") << "LANG=es_ES.UTF-8" << "";
        QTest::newRow("nothing set") << "" << "";
        QTest::newRow("C.UTF-8 with LANGUAGE") << "LANG=C.UTF-8 LANGUAGE=de" << "";
        QTest::newRow("LC_ALL=C before LANG") << "LC_ALL=C LANG=de_DE.UTF-8" << "";
        QTest::newRow("POSIX with LANGUAGE") << "LC_ALL=POSIX LANGUAGE=fr" << "";
    }
    void theLanguageFollowsTheSystem()
    {
        SKIP_UNLESS_LINUX("the language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG");
        QFETCH(QString, environment);
        QFETCH(QString, language);
        const QString help =
            QString::fromUtf8(printedUnder(environment, QStringLiteral(TAGORIX_TOOL_PROGRAM), {QStringLiteral("--help")}));

        Translations expected;
        QVERIFY(language.isEmpty() || expected.load(language));
        const char* description = "Tests and configures the Tagorix handheld data collector over a serial port.";
        for (const auto& [translation, context, text] :
             {std::tuple(&expected.program, "CommandOptions", description),
              std::tuple(&expected.qt, "QCommandLineParser", "Options:")}) {
            const QString told = translation->isEmpty() ? QString::fromLatin1(text) : translation->translate(context, text);
            QVERIFY2(help.contains(told), qPrintable(help));
        }
    }

    // tagorix speaks German under de_DE: its help, a command's help, the
    // advice for a port that does not open (chosen by the system's error
    // number, whatever language the system's words are in); under --json
    // it prints the same bytes as in English.
    void theCommandLineSpeaksTheLanguageButJsonStaysTheSame_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("context"); // of the text it says in German; none: the same bytes as in English
        QTest::addColumn<QString>("text");
        QTest::newRow("--help") << QStringList{"--help"} << "ShelfRequest"
                                << "Runs one command on one or more Tagorix data collectors at once, from scripts.";
        QTest::newRow("help set") << QStringList{"help", "set"} << "Setting" << "a whole number of 50 ms steps";
        QTest::newRow("missing device") << QStringList{"--port", "/nonexistent/ttyUSB9", "--wait", "1", "info"}
                                        << "PortAdvice"
                                        << "No device is attached under this port's name. Plug the device in, or "
                                           "choose the port it is attached to.";
        QTest::newRow("not a serial port") << QStringList{"--port", "/dev/null", "--wait", "1", "info"} << "PortAdvice"
                                           << "The device under this port's name is not a serial port. Choose "
                                              "another port.";
        QTest::newRow("--json, not a serial port") << QStringList{"--json", "--port", "/dev/null", "info"} << ""
                                                   << "";
        QTest::newRow("--json, a usage error") << QStringList{"--json", "set", "beeper=5"} << "" << "";
    }
    void theCommandLineSpeaksTheLanguageButJsonStaysTheSame()
    {
        SKIP_UNLESS_LINUX("the language from LANG");
        QFETCH(QStringList, arguments);
        QFETCH(QString, context);
        QFETCH(QString, text);
        const QString program = QStringLiteral(TAGORIX_CLI_PROGRAM);
        const QByteArray english = printedUnder(QStringLiteral("LANG=C.UTF-8"), program, arguments);
        const QByteArray german = printedUnder(QStringLiteral("LANG=de_DE.UTF-8"), program, arguments);
        if (context.isEmpty()) {
            QCOMPARE(german, english);
            return;
        }
        Translations expected;
        QVERIFY(expected.load(QStringLiteral("de")));
        const QString translated = expected.program.translate(context.toLatin1().constData(), text.toUtf8().constData());
        QVERIFY2(!translated.isEmpty() && QString::fromUtf8(german).contains(translated), german.constData());
        QVERIFY2(QString::fromUtf8(english).contains(text), english.constData());
    }

    // In each language: every text but names and numbers translated (at
    // most 1 in 20 visible ones as in English, and those only the words
    // listed that the language spells as English does), nothing cut at the
    // design font and twice its size, and every control sends the bytes it
    // sends in English.
    void theWindowSpeaksEachLanguageUncutWithTheSameBytes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("sameAsEnglish");
        QTest::newRow("German") << "de"
                                << QStringList{"Online", "Barcode", "Transponder:", "Transponder", "Register:", "Register"};
        QTest::newRow("French") << "fr" << QStringList{"Configuration", "Mode"};
        QTest::newRow("Polish") << "pl" << QStringList{"Online", "Transponder:", "Transponder", "3 - Polski"};
    }
    void theWindowSpeaksEachLanguageUncutWithTheSameBytes()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, sameAsEnglish);
        QTemporaryDir dir;
        QFile codes(dir.filePath(QStringLiteral("codes.csv")));
        QVERIFY(codes.open(QIODevice::WriteOnly) && codes.write("4711;Muster\r\n") > 0);
        codes.close();
        const WindowStates inEnglish = windowStates();
        QVERIFY(inEnglish.connected.value(QStringLiteral("Form1/Connect ")) == QStringLiteral("Connected"));
        QCOMPARE(inEnglish.lossBox.size(), 2);
        const WindowTexts english = shownTexts(inEnglish, inEnglish);
        const QByteArray englishBytes = bytesOfEveryControl(dir.path());
        QVERIFY(englishBytes.count('\r') > 100);
        // Where the design's own geometry cuts an English list item in its
        // field, a translation may be cut too.
        const QList<double> factors{1.0, 2.0};
        const QFont designFont = QApplication::font();
        const auto scaledFont = [&designFont](double factor) {
            QFont font = designFont;
            font.setPointSizeF(font.pointSizeF() * factor);
            return font;
        };
        QMap<double, QStringList> cutInEnglish;
        for (const double factor : factors) {
            QApplication::setFont(scaledFont(factor));
            WindowHarness scaled;
            QApplication::setFont(designFont);
            cutInEnglish[factor] = cutListItems(scaled);
        }

        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral("tagorix_") + language, QStringLiteral(TAGORIX_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&translation);
        const WindowTexts translated = shownTexts(windowStates(), inEnglish);
        int visible = 0;
        QStringList unchanged;
        QStringList unchangedVisible;
        for (auto text = english.cbegin(); text != english.cend(); ++text) {
            const QString shown = translated.value(text.key());
            QVERIFY2(!shown.isEmpty(), qPrintable(text.key()));
            QVERIFY2(!shown.contains(u'…') || text.value().contains(u'…'), qPrintable(text.key() + ": " + shown));
            if (isNameOrNumber(text.value()))
                continue;
            const bool seen = !text.key().startsWith(QStringLiteral("heard "));
            visible += seen;
            if (shown == text.value() && !sameAsEnglish.contains(shown))
                unchanged << text.key() + ": " + shown;
            if (shown == text.value() && seen)
                unchangedVisible << shown;
        }
        qInfo("%s: %lld of %d visible texts as in English (%.1f%%): %s", qPrintable(language),
              unchangedVisible.size(), visible, 100.0 * unchangedVisible.size() / visible,
              qPrintable(unchangedVisible.join(", ")));
        QVERIFY(unchangedVisible.size() * 20 <= visible);
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(", ")));

        QCOMPARE(bytesOfEveryControl(dir.path()), englishBytes);

        for (const double factor : factors) {
            QApplication::setFont(scaledFont(factor));
            WindowHarness scaled;
            ScriptedDevice device(scaled);
            QApplication::setFont(designFont);
            QStringList cut = cutCaptions(scaled);
            for (const QString& item : cutListItems(scaled))
                if (!cutInEnglish.value(factor).contains(item))
                    cut << item;
            QVERIFY(connectAndReadBack(scaled));
            cut << cutCaptions(scaled);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("at %1 times the design font: ").arg(factor) + cut.join(", ")));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
