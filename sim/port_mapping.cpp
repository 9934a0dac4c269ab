#include "sim/port_mapping.h"

#include "platform/qt_settings_store.h"

PortMapping::PortMapping(int portNumber, const QString& devicePath)
    : portNumber(portNumber), devicePath(devicePath)
{
    QtSettingsStore settings;
    previous = settings.get(section(), key(portNumber), QString());
    settings.save(section(), key(portNumber), devicePath);
}

PortMapping::~PortMapping()
{
    QtSettingsStore settings;
    if (settings.get(section(), key(portNumber), QString()) == devicePath)
        settings.save(section(), key(portNumber), previous);
}

QString PortMapping::settingsFile()
{
    return QtSettingsStore().fileName();
}
