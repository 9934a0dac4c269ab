#include "cli/completion.h"
#include "cli/shelf.h"
#include "cli/shelf_request.h"
#include "languages/languages.h"
#include "options/command_options.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_settings_store.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // What scripts read of --json is the same in every language.
    if (asksForJson(QCoreApplication::arguments()))
        speakEnglishOnly();
    else
        speakUserLanguage(app);
    QCoreApplication::setApplicationName(QStringLiteral("tagorix"));
    QCoreApplication::setApplicationVersion(programVersion());
    // Read only: the command line finds ports as the window does, and never
    // writes the settings.
    const QtSettingsStore settings;
    const QStringList arguments = QCoreApplication::arguments();
    // The shells' completion scripts call it; it is no option of a command.
    if (arguments.value(1) == completeOption)
        return finish(completeCommandLine(arguments.mid(2), settings, QtSerialDevices()));
    const ShelfCommandLine commandLine = parseShelfCommandLine(arguments, settings);
    if (commandLine.exit) {
        std::fputs(commandLine.json.toUtf8().constData(), stdout);
        return finish(*commandLine.exit);
    }
#ifdef SIGXFSZ
    // A file-size limit is a full disk: the write fails and says so, where
    // the signal would end the program in the middle of a record.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (commandLine.request.command == ShelfCommand::Ports)
        return listPorts(commandLine.request, settings);
    stopOnSignals();
    Shelf shelf(commandLine.request);
    return shelf.run();
}
