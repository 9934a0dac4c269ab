#pragma once

#include <QString>

class SettingsStore;

// The device that port COMn names on this machine. On Windows that is COMn
// itself; elsewhere the settings store's section "Ports", key "COMn" may
// name any device path, and without an entry COMn is /dev/ttyS(n-1).
QString devicePathForPort(int portNumber, const SettingsStore& settings);
