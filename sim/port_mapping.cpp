#include "sim/port_mapping.h"

#include "base/failure.h"
#include "platform/port_names.h"
#include "platform/qt_settings_store.h"

#include <cstdio>

PortMapping::PortMapping(int portNumber, const QString& devicePath)
    : portNumber(portNumber), devicePath(devicePath)
{
    QtSettingsStore settings;
    if (settings.contains(portsSection, portKey(portNumber)))
        previous = settings.get(portsSection, portKey(portNumber), QString());
    settings.save(portsSection, portKey(portNumber), devicePath);
}

PortMapping::~PortMapping()
{
    try {
        QtSettingsStore settings;
        if (settings.get(portsSection, portKey(portNumber), QString()) != devicePath)
            return;
        if (previous)
            settings.save(portsSection, portKey(portNumber), *previous);
        else
            settings.remove(portsSection, portKey(portNumber));
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tagorix-sim: %s\n", qPrintable(failure.description));
    }
}

QString PortMapping::settingsFile()
{
    return QtSettingsStore().fileName();
}
