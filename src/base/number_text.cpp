#include "base/number_text.h"

#include "base/failure.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>
#include <cstdlib>

QString signPosition(std::int64_t value)
{
    // A negative number's minus sign takes the sign position.
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c.unicode() - u'A' + 10;
    return v < base ? v : -1;
}

double radixNumber(const QString& s, qsizetype from, int base)
{
    double value = 0;
    for (qsizetype i = from; i < s.size(); ++i) {
        const int d = digitValue(s.at(i), base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

double decimalNumber(const QString& s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    QString text;
    if (i < n && (s.at(i) == u'+' || s.at(i) == u'-'))
        text += s.at(i++);
    bool digits = false;
    while (i < n && s.at(i).isDigit() && s.at(i).unicode() < 128) {
        text += s.at(i++);
        digits = true;
    }
    if (i < n && s.at(i) == u'.') {
        text += s.at(i++);
        while (i < n && s.at(i).unicode() >= u'0' && s.at(i).unicode() <= u'9') {
            text += s.at(i++);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (s.at(i) == u'e' || s.at(i) == u'E' || s.at(i) == u'd' || s.at(i) == u'D')) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s.at(j) == u'+' || s.at(j) == u'-'))
            exponent += s.at(j++);
        bool expDigits = false;
        while (j < n && s.at(j).unicode() >= u'0' && s.at(j).unicode() <= u'9') {
            exponent += s.at(j++);
            expDigits = true;
        }
        if (expDigits)
            text += exponent;
    }
    // A number beyond the double range still reads as the nearest one:
    // toDouble gives an infinity above it and 0 below it, and only its
    // ok flag says it was out of range.
    return text.toDouble();
}

} // namespace

double leadingNumber(QStringView text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isSkipped(c))
            s += c;

    if (s.size() >= 2 && s.at(0) == u'&') {
        const QChar kind = s.at(1).toUpper();
        if (kind == u'H')
            return radixNumber(s, 2, 16);
        if (kind == u'O')
            return radixNumber(s, 2, 8);
    }
    return decimalNumber(s);
}

std::int16_t toInt16(double value)
{
    if (std::isnan(value))
        throw overflowFailure();
    const double rounded = std::nearbyint(value); // default rounding: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        throw overflowFailure();
    return static_cast<std::int16_t>(rounded);
}

std::int16_t leadingInt16(QStringView text)
{
    return toInt16(leadingNumber(text));
}

std::int16_t strictInt16(QStringView text)
{
    bool ok = false;
    const double value = text.trimmed().toString().toDouble(&ok);
    if (!ok)
        throw typeMismatch();
    return toInt16(value);
}

std::int64_t leadingInt64(QStringView text)
{
    const double rounded = std::nearbyint(leadingNumber(text));
    // 2^63 is exactly representable; every double below it converts.
    constexpr double limit = 9223372036854775808.0;
    if (std::isnan(rounded) || rounded < -limit || rounded >= limit)
        throw overflowFailure();
    return static_cast<std::int64_t>(rounded);
}

QString countedText(const char* context, std::int64_t count, const char* one, const char* many)
{
    if (count == 1)
        return QCoreApplication::translate(context, one);
    // Plural forms go by the last digits and by whether the count is above
    // 1; a count beyond int keeps both.
    const int formOf = count >= 0 && count <= INT_MAX ? int(count) : 1'000'000 + int(std::abs(count % 1'000'000));
    return QCoreApplication::translate(context, many, nullptr, formOf).arg(count);
}
