#pragma once

#include "base/port_number.h"

#include <QString>

class SettingsStore;

// The settings section whose keys "COMn" name the device that COMn opens.
inline const QString portsSection = QStringLiteral("Ports");
// Where the window keeps the port chosen last: its list position, 0 for COM1.
inline const QString chosenPortSection = QStringLiteral("Config");
inline const QString chosenPortKey = QStringLiteral("Port");
// The position stored there, or 0 (COM1) for anything the window would not
// have stored itself (not a number, below -1, 16 or above); -1 is no choice.
int chosenPortPosition(const SettingsStore& settings);

// The device that port COMn names on this machine. On Windows that is COMn
// itself, as \\.\COMn; elsewhere the settings store's section "Ports", key "COMn" may
// name any device path, and without an entry COMn is /dev/ttyS(n-1).
QString devicePathForPort(int portNumber, const SettingsStore& settings);
// Whether the settings name a device for COMn, rather than the default.
bool hasAssignedDevice(int portNumber, const SettingsStore& settings);

// A port as it is opened: the name the user knows it by ("COM3", or a path as
// given) and the device it opens.
struct PortTarget {
    QString name;
    QString path;

    // How a failure to open it names it: "COM3 (/dev/ttyUSB0)", or the path given.
    QString described() const { return name == path ? path : QStringLiteral("%1 (%2)").arg(name, path); }

    friend bool operator==(const PortTarget&, const PortTarget&) = default;
};

// Port COMn as the settings map it.
PortTarget portTarget(int portNumber, const SettingsStore& settings);
