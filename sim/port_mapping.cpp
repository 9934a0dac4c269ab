#include "sim/port_mapping.h"

#include "base/failure.h"
#include "platform/qt_settings_store.h"

#include <cstdio>

PortMapping::PortMapping(int portNumber, const QString& devicePath)
    : portNumber(portNumber), devicePath(devicePath)
{
    QtSettingsStore settings;
    if (settings.contains(section(), key(portNumber)))
        previous = settings.get(section(), key(portNumber), QString());
    settings.save(section(), key(portNumber), devicePath);
}

PortMapping::~PortMapping()
{
    try {
        QtSettingsStore settings;
        if (settings.get(section(), key(portNumber), QString()) != devicePath)
            return;
        if (previous)
            settings.save(section(), key(portNumber), *previous);
        else
            settings.remove(section(), key(portNumber));
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tagorix-sim: %s\n", qPrintable(failure.description));
    }
}

QString PortMapping::settingsFile()
{
    return QtSettingsStore().fileName();
}
