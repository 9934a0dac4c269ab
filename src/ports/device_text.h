#pragma once

#include <QString>

// The ports the window offers: COM1 to COM16.
constexpr int windowPortCount = 16;

// A device path as the user reads it: a link with the device it leads to
// now ("/dev/serial/by-id/usb-... (now /dev/ttyUSB0)"), a path that does
// not exist marked as such.
QString describeDevicePath(const QString& path);
