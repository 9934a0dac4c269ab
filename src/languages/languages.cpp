#include "languages/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace {
const QString catalogue = QStringLiteral("tagorix_");
const QString qtCatalogue = QStringLiteral("qtbase_");

// The languages the folder holds a translation for.
QStringList translatedLanguages(const QString& folder)
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({catalogue + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(catalogue.size()).chopped(3);
    return languages;
}

bool install(QTranslator* translator, const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (translator->load(name, folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
} // namespace

QString chosenLanguage(const QStringList& userLanguages, const QStringList& translated)
{
    for (const QString& entry : userLanguages) {
        const QString language = entry.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        // "C" is what Qt names the C locale's language.
        if (language == u"en" || language == u"c")
            return {};
        if (translated.contains(language))
            return language;
    }
    return {};
}

QStringList userLanguages()
{
#ifdef Q_OS_UNIX
    QString messages = qEnvironmentVariable("LC_ALL");
    if (messages.isEmpty())
        messages = qEnvironmentVariable("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qEnvironmentVariable("LANG");
    if (messages.isEmpty() || messages == u"C" || messages == u"POSIX" || messages.startsWith(u"C."))
        return {};
#endif
    return QLocale::system().uiLanguages();
}

QString translationsFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QStringLiteral("translations"));
    if (QDir(beside).exists())
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral("../share/tagorix-tool/translations")));
}

QString speakUserLanguage(QCoreApplication& application, const QString& folder)
{
    const QString language = chosenLanguage(userLanguages(), translatedLanguages(folder));
    if (language.isEmpty() || !install(new QTranslator(&application), catalogue + language, {folder}))
        return {};
    // Qt's own translations: beside the program's (the Windows zip) or
    // where Qt keeps them (qt6-translations-l10n on Debian).
    install(new QTranslator(&application), qtCatalogue + language,
            {folder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    return language;
}

void speakEnglishOnly()
{
#ifdef LC_MESSAGES
    std::setlocale(LC_MESSAGES, "C");
#endif
}
