#include "base/latin1.h"

QString visibleBytes(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (u < 0x20 || u >= 0x7F)
            text += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

QString trafficText(const QByteArray& bytes, bool toDevice)
{
    return (toDevice ? QStringLiteral("<< ") : QStringLiteral(">> ")) + visibleBytes(bytes);
}
