#pragma once

#include <QString>

class SettingsStore;

// The ports the window offers: COM1 to COM16.
constexpr int windowPortCount = 16;

// The settings section whose keys "COMn" name the device that COMn opens.
inline const QString portsSection = QStringLiteral("Ports");
// Where the window keeps the port chosen last: its list position, 0 for COM1.
inline const QString chosenPortSection = QStringLiteral("Config");
inline const QString chosenPortKey = QStringLiteral("Port");
// The position stored there, or 0 (COM1) for anything the window would not
// have stored itself (not a number, below -1, 16 or above); -1 is no choice.
int chosenPortPosition(const SettingsStore& settings);
// "COM3" for 3: the port's name and its key in the section.
QString portKey(int portNumber);

// The device that port COMn names on this machine. On Windows that is COMn
// itself, as \\.\COMn; elsewhere the settings store's section "Ports", key "COMn" may
// name any device path, and without an entry COMn is /dev/ttyS(n-1).
QString devicePathForPort(int portNumber, const SettingsStore& settings);
// Whether the settings name a device for COMn, rather than the default.
bool hasAssignedDevice(int portNumber, const SettingsStore& settings);
