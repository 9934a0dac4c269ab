#include "base/port_number.h"

std::optional<int> portNumberFrom(QStringView text, int highest)
{
    QStringView digits = text.trimmed();
    if (digits.startsWith(u"COM", Qt::CaseInsensitive))
        digits = digits.mid(3);
    // Digits only: no sign or blank that a number conversion would forgive.
    if (digits.isEmpty() || digits.size() > 3)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int number = digits.toInt();
    if (number < 1 || number > highest)
        return std::nullopt;
    return number;
}

QString portKey(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}
