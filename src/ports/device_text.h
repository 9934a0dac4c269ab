#pragma once

#include <QString>

// A device path as the user reads it: a link with the device it leads to
// now ("/dev/serial/by-id/usb-... (now /dev/ttyUSB0)"), a path that does
// not exist marked as such.
QString describeDevicePath(const QString& path);

// Why path can never be a serial port (a folder, a regular file, a pipe,
// /dev/null and the other memory devices), or nothing. A path that does not
// exist is accepted: the device may be plugged in later. Nothing is opened.
QString whyNotASerialPort(const QString& path);
