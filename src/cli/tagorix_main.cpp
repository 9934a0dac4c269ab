#include "cli/shelf.h"
#include "cli/shelf_request.h"
#include "languages/languages.h"
#include "options/command_options.h"
#include "platform/qt_settings_store.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    speakUserLanguage(app);
    QCoreApplication::setApplicationName(QStringLiteral("tagorix"));
    QCoreApplication::setApplicationVersion(programVersion());
    // Read only: the command line finds ports as the window does, and never
    // writes the settings.
    const QtSettingsStore settings;
    const ShelfCommandLine commandLine = parseShelfCommandLine(QCoreApplication::arguments(), settings);
    if (commandLine.exit)
        return finish(*commandLine.exit);
    stopOnSignals();
    Shelf shelf(commandLine.request);
    return shelf.run();
}
