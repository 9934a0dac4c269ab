#pragma once

#include <QString>
#include <optional>

// Points the tool's port COMn at a device path: section "Ports", key "COMn"
// of the tool's per-user settings. On destruction the entry gets back what
// it held before, or goes again when there was none, unless something else
// has changed it meanwhile; nothing else in the settings is touched.
class PortMapping {
public:
    PortMapping(int portNumber, const QString& devicePath);
    ~PortMapping();
    PortMapping(const PortMapping&) = delete;
    PortMapping& operator=(const PortMapping&) = delete;

    // The settings file the tool reads.
    static QString settingsFile();

private:
    int portNumber;
    QString devicePath;
    std::optional<QString> previous;
};
