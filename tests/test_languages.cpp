#include "form/controls.h"
#include "support/caption_fit.h"
#include "support/window_harness.h"
#include "test_online_pages.h"

#include <QAccessible>
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

// Every text of the window a person reads (visible) or hears from a screen
// reader, by where it stands: "ReadId text", "Tagtyp item 3", ...
struct WindowTexts {
    QMap<QString, QString> texts;
    QSet<QString> heard;

    void add(const QString& where, const QString& text, bool isHeard = false)
    {
        if (text.isEmpty())
            return;
        texts.insert(where, text);
        if (isHeard)
            heard.insert(where);
    }
};

WindowTexts textsOf(MainWindow& window)
{
    WindowTexts t;
    t.add(QStringLiteral("title"), window.windowTitle());
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName() + u' ';
        if (auto* label = qobject_cast<QLabel*>(w))
            t.add(name + QStringLiteral("text"), label->text(), label->isHidden());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            t.add(name + QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            t.add(name + QStringLiteral("title"), group->title());
        if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                t.add(name + QStringLiteral("tab %1").arg(i), tabs->tabText(i));
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                t.add(name + QStringLiteral("item %1").arg(i), list->itemText(i));
                t.add(name + QStringLiteral("item tip %1").arg(i), list->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        t.add(name + QStringLiteral("tip"), w->toolTip());
        for (QAction* action : w->actions())
            t.add(name + action->objectName(), action->text());
        t.add(name + QStringLiteral("name"), w->accessibleName(), true);
        t.add(name + QStringLiteral("description"), w->accessibleDescription(), true);
    }
    return t;
}

// The same in every language: numbers and symbols, the ports, the
// transponders' and code formats' names, the product's name, a unit.
bool isNameOrNumber(const QString& text)
{
    static const QRegularExpression noLetter(QStringLiteral("^\\P{L}*$"));
    static const QRegularExpression port(QStringLiteral("^COM\\d+$"));
    static const QStringList names{
        QStringLiteral("Tagorix Tool V1.32 Quenfo"), QStringLiteral("1 - FDX-B"), QStringLiteral("2 - Unique"),
        QStringLiteral("3 - Hitag1/S"), QStringLiteral("4 - Hitag2"), QStringLiteral("5 - Tiris"),
        QStringLiteral("6 - Q5"), QStringLiteral("7 - Trovan"), QStringLiteral("8 - ISO15693"),
        QStringLiteral("9 - I-Code1"), QStringLiteral("10- ISO14443-A"), QStringLiteral("11- ISO14443-B"),
        QStringLiteral("4 - BDE"), QStringLiteral("5 - ASCII"), QStringLiteral("s")};
    return noLetter.match(text).hasMatch() || port.match(text).hasMatch() || names.contains(text);
}

// Every control's bytes: each list item through the button that sends it,
// then every button of the pages once, with the fields filled in.
QByteArray bytesOfEveryControl(const QString& folder)
{
    WindowHarness h;
    Form1& f = h.form();
    openPages(h);
    f.WriteData->setText(QStringLiteral("0A1B"));
    f.BlockAdress->setText(QStringLiteral("4"));
    f.BlockEndAdress->setText(QStringLiteral("5"));
    f.DisplayText->setText(QStringLiteral("Hallo"));
    f.Offtime->setText(QStringLiteral("30"));
    f.Readtimeout->setText(QStringLiteral("10"));
    f.BCWert->setText(QStringLiteral("1"));
    f.PfadSpeichern->setText(folder + QStringLiteral("/records.csv"));
    f.PfadLaden->setText(folder + QStringLiteral("/codes.csv"));
    for (QCheckBox* box : QList<QCheckBox*>{f.KeyA, f.EnBeeper, f.MENU_F1, f.MENU_F4})
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
    void initTestCase()
    {
        QFile codes(dir.filePath(QStringLiteral("codes.csv")));
        QVERIFY(codes.open(QIODevice::WriteOnly));
        codes.write("4711;Muster\r\n");
    }

    // tagorix-tool --help, which the programs share the choice of language
    // with, told in the language the environment asks for; Qt's own texts
    // ("Options:") in the same.
    void theLanguageFollowsTheSystem_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("language");
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << "de";
        QTest::newRow("a region of a translated language") << QStringList{"LANG=de_AT.UTF-8"} << "de";
        QTest::newRow("LC_ALL before LANG") << QStringList{"LC_ALL=pl_PL.UTF-8", "LANG=de_DE.UTF-8"} << "pl";
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LC_MESSAGES=fr_FR.UTF-8", "LANG=de_DE.UTF-8"} << "fr";
        QTest::newRow("LANGUAGE first") << QStringList{"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"} << "fr";
        QTest::newRow("LANGUAGE past an untranslated one")
            << QStringList{"LANGUAGE=es:pl", "LANG=es_ES.UTF-8"} << "pl";
        QTest::newRow("English preferred") << QStringList{"LANGUAGE=en:de", "LANG=en_GB.UTF-8"} << "";
        QTest::newRow("untranslated") << QStringList{"LANG=es_ES.UTF-8"} << "";
        QTest::newRow("nothing set") << QStringList{} << "";
        QTest::newRow("C") << QStringList{"LANG=C"} << "";
        QTest::newRow("C.UTF-8 with LANGUAGE") << QStringList{"LANG=C.UTF-8", "LANGUAGE=de"} << "";
        QTest::newRow("LC_ALL=C before LANG") << QStringList{"LC_ALL=C", "LANG=de_DE.UTF-8"} << "";
        QTest::newRow("POSIX with LANGUAGE") << QStringList{"LC_ALL=POSIX", "LANGUAGE=fr"} << "";
    }
    void theLanguageFollowsTheSystem()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, language);
        QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            system.remove(QString::fromLatin1(variable));
        for (const QString& setting : environment)
            system.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QProcess tool;
        tool.setProcessEnvironment(system);
        tool.start(QStringLiteral(TAGORIX_TOOL_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(tool.waitForFinished(30000));
        const QString help = QString::fromUtf8(tool.readAllStandardOutput());

        Translations expected;
        QVERIFY(language.isEmpty() || expected.load(language));
        const char* description = "Tests and configures the Tagorix handheld data collector over a serial port.";
        const QString described = language.isEmpty() ? QString::fromLatin1(description)
                                                     : expected.program.translate("CommandOptions", description);
        QVERIFY2(help.contains(described), qPrintable(help));
        const QString options = language.isEmpty() ? QStringLiteral("Options:")
                                                   : expected.qt.translate("QCommandLineParser", "Options:");
        QVERIFY2(help.contains(options), qPrintable(help));
    }

    // In each language: every text but names and numbers translated (at
    // most 1 in 20 visible ones left as in English, and those only the
    // words listed that the language spells as English does), nothing cut
    // at the design font and at twice its size, and every control sends
    // the bytes it sends in English.
    void theWindowSpeaksEachLanguageUncutWithTheSameBytes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("sameAsEnglish");
        QTest::newRow("German") << "de"
                                << QStringList{"Online", "Barcode", "Transponder:", "Transponder", "Register:",
                                               "Register"};
        QTest::newRow("French") << "fr" << QStringList{"Configuration", "Mode"};
        QTest::newRow("Polish") << "pl" << QStringList{"Online", "Transponder:", "Transponder", "3 - Polski"};
    }
    void theWindowSpeaksEachLanguageUncutWithTheSameBytes()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, sameAsEnglish);
        WindowHarness inEnglish;
        const WindowTexts english = textsOf(*inEnglish.window);
        const QByteArray englishBytes = bytesOfEveryControl(dir.path());
        QVERIFY(englishBytes.count('\r') > 100);

        Translations speaking;
        QVERIFY(speaking.load(language));
        QCoreApplication::installTranslator(&speaking.program);
        QCoreApplication::installTranslator(&speaking.qt);
        WindowHarness translatedWindow;
        const WindowTexts translated = textsOf(*translatedWindow.window);

        int visible = 0;
        QStringList unchanged;
        QStringList unchangedVisible;
        for (auto text = english.texts.cbegin(); text != english.texts.cend(); ++text) {
            const QString shown = translated.texts.value(text.key());
            QVERIFY2(!shown.isEmpty(), qPrintable(text.key()));
            QVERIFY2(!shown.contains(u'…') || text.value().contains(u'…'), qPrintable(text.key() + ": " + shown));
            if (isNameOrNumber(text.value()))
                continue;
            const bool seen = !english.heard.contains(text.key());
            visible += seen;
            if (shown != text.value())
                continue;
            unchanged << text.key() + QStringLiteral(": ") + text.value();
            if (seen)
                unchangedVisible << text.value();
        }
        qInfo("%s: %lld of %d visible texts as in English (%.1f%%): %s", qPrintable(language),
              unchangedVisible.size(), visible, 100.0 * unchangedVisible.size() / visible,
              qPrintable(unchangedVisible.join(QStringLiteral(", "))));
        QVERIFY(unchangedVisible.size() * 20 <= visible);
        unchanged.removeIf([&](const QString& text) { return sameAsEnglish.contains(text.section(QStringLiteral(": "), 1)); });
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(QStringLiteral(", "))));

        QCOMPARE(bytesOfEveryControl(dir.path()), englishBytes);

        const QFont designFont = QApplication::font();
        for (const double factor : {1.0, 2.0}) {
            QFont font = designFont;
            font.setPointSizeF(font.pointSizeF() * factor);
            QApplication::setFont(font);
            WindowHarness scaled;
            QApplication::setFont(designFont);
            const QStringList cut = cutCaptions(scaled);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        }
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
