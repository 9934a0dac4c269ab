#include "app/main_window.h"
#include "platform/platform.h"
#include "platform/qt_clock.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagorix Tool"));

    QtSettingsStore settings;
    QtSerialPort port(settings);
    QtClock clock;
    QtDialogs dialogs;
    QtSerialDevices devices;
    Platform platform{port, clock, dialogs, settings, devices};

    MainWindow window(platform);
    dialogs.setParentWindow(&window);
    window.show();
    return app.exec();
}
