#pragma once

#include <QList>
#include <QString>
#include <optional>

// One serial device the system reports.
struct SerialDeviceInfo {
    QString path;       // e.g. /dev/ttyUSB0
    QString stableName; // its /dev/serial/by-id/... link; empty when there is none
    QString description;
    QString manufacturer;
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;

    friend bool operator==(const SerialDeviceInfo&, const SerialDeviceInfo&) = default;

    // The name to store for the device: the stable name survives replugging
    // and renumbering (ttyUSB0 becoming ttyUSB1), the path does not.
    QString preferredName() const { return stableName.isEmpty() ? path : stableName; }
};

// A process that has a device open.
struct DeviceHolder {
    qint64 pid = 0;
    QString name;
};

// The serial devices of this machine and who is using them.
class SerialDevices {
public:
    virtual ~SerialDevices() = default;
    // Every serial device present now. Pseudo-terminals and some others are
    // never reported, though they open by their path.
    virtual QList<SerialDeviceInfo> present() const = 0;
    // The other processes that have the device (or the device a link names)
    // open, as far as the system tells this user; empty when it does not tell.
    virtual QList<DeviceHolder> holdersOf(const QString& devicePath) const = 0;
};
