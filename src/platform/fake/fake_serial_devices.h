#pragma once

#include "platform/serial_devices.h"

#include <QMap>

// Serial devices as the test sets them; plug and pull by editing the list.
class FakeSerialDevices : public SerialDevices {
public:
    QList<SerialDeviceInfo> devices;
    QMap<QString, QList<DeviceHolder>> holders; // device path -> processes

    QList<SerialDeviceInfo> present() const override { return devices; }
    QList<DeviceHolder> holdersOf(const QString& devicePath) const override { return holders.value(devicePath); }
};
