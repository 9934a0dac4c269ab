#pragma once

#include "platform/serial_devices.h"

// The devices QSerialPortInfo reports, each with the /dev/serial/by-id link
// that points to it; holders found in /proc on Linux.
class QtSerialDevices : public SerialDevices {
public:
    QList<SerialDeviceInfo> present() const override;
    QList<DeviceHolder> holdersOf(const QString& devicePath) const override;
};
