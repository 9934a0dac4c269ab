#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language both programs speak: the user's, where there is a
// translation for it, and otherwise English, the texts in the code. Qt's
// own texts (message-box buttons, the file dialog) follow the same choice.

// The first of the user's languages (most preferred first, as
// QLocale::uiLanguages() names them: "de-AT", "fr") that is English or has
// a translation: its code ("de"), or empty for English. A language without
// a translation gives way to the next one, as with gettext.
QString chosenLanguage(const QStringList& userLanguages, const QStringList& translated);

// The user's languages as the system names them: the display languages on
// Windows; on Linux LANGUAGE, else LC_ALL, LC_MESSAGES or LANG, as Qt reads
// them. None under the C or POSIX locale, where gettext ignores LANGUAGE
// too (Qt does not).
QStringList userLanguages();

// The program's translations: "translations" beside the program (a build
// tree, the Windows zip), or, installed on Linux, share/tagorix-tool/translations
// beside its bin folder.
QString translationsFolder();

// Installs the program's translation and Qt's own for the user's language
// into the application; the language chosen, empty for English.
QString speakUserLanguage(QCoreApplication& application, const QString& folder = translationsFolder());

// English whatever the user's language, the system's words for its errors
// included (the C library's, "No such file or directory"): for output that
// scripts read. Called instead of speakUserLanguage, once the application
// object has taken the locale from the environment.
void speakEnglishOnly();
