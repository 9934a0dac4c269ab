#pragma once

#include <QByteArray>
#include <QString>

// The device link and the exchange files carry one byte per character.
// Every byte 0..255 maps to the character of the same code and back.
inline QString fromDeviceBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

inline QByteArray toDeviceBytes(const QString& text)
{
    return text.toLatin1();
}

// Bytes as a person reads them on a terminal: CR as \\r, LF as \\n, other
// control and non-ASCII bytes as \\xHH.
QString visibleBytes(const QByteArray& bytes);

// One piece of traffic as both ends show it: "<< ONLINE\\r" towards the
// device, ">> Ok\\r\\n" from it.
QString trafficText(const QByteArray& bytes, bool toDevice);
