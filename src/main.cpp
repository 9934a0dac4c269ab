#include "app/main_window.h"
#include "form/controls.h"
#include "languages/languages.h"
#include "options/command_options.h"
#include "platform/platform.h"
#include "platform/qt_clock.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Before the window's application object: --help, --version and a wrong
    // option need no display and open no window. Their texts are made again
    // once the user's language is in.
    const ToolCommandLine commandLine = parseToolCommandLine(argumentList(argc, argv));
    if (commandLine.exit) {
        QCoreApplication texts(argc, argv);
        speakUserLanguage(texts);
        return finish(*parseToolCommandLine(argumentList(argc, argv)).exit);
    }

    QApplication app(argc, argv);
    speakUserLanguage(app);
    QApplication::setApplicationName(QStringLiteral("Tagorix Tool"));
    QApplication::setApplicationVersion(programVersion());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAGORIX_APP_ID));

    QtSettingsStore settings;
    QtSerialPort port;
    QtClock clock;
    QtDialogs dialogs;
    QtSerialDevices devices;
    Platform platform{port, clock, dialogs, settings, devices};

    MainWindow window(platform);
    dialogs.setParentWindow(&window);
    // After start-up has restored the stored position.
    if (commandLine.options.portPosition)
        setListIndex(window.form().Port, *commandLine.options.portPosition);
    window.show();
    return app.exec();
}
