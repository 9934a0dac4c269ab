#pragma once

#include <QString>

// A device path as the user reads it: a link with the device it leads to
// now ("/dev/serial/by-id/usb-... (now /dev/ttyUSB0)"), a path that does
// not exist marked as such.
QString describeDevicePath(const QString& path);
