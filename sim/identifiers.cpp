#include "sim/identifiers.h"

#include "sim/seeded_random.h"

#include <algorithm>
#include <array>

namespace Identifiers {
namespace {

struct UidShape {
    int tagType;
    const char* prefix;
    int randomHexDigits;
};
// Types other than FDX-B carry a hexadecimal serial number of their own length.
constexpr std::array<UidShape, 10> uidShapes{{
    {2, "", 10},     // Unique
    {3, "", 8},      // Hitag1/S
    {4, "", 8},      // Hitag2
    {5, "", 16},     // Tiris
    {6, "", 10},     // Q5
    {7, "", 10},     // Trovan
    {8, "E004", 12}, // ISO15693
    {9, "", 16},     // I-Code1
    {10, "04", 12},  // ISO14443-A
    {11, "", 8},     // ISO14443-B
}};

constexpr std::array<quint16, 5> countries{982, 276, 40, 528, 900};
constexpr quint64 nationalLimit = 1ULL << 38;

QByteArray randomHex(SeededRandom& random, int digits)
{
    QByteArray text;
    for (int i = 0; i < digits; ++i)
        text += "0123456789ABCDEF"[random.below(16)];
    return text;
}

QByteArray randomDigits(SeededRandom& random, int digits)
{
    QByteArray text;
    for (int i = 0; i < digits; ++i)
        text += static_cast<char>('0' + random.below(10));
    return text;
}

QByteArray padded(quint64 value, int width, int base = 10)
{
    return QByteArray::number(value, base).toUpper().rightJustified(width, '0');
}

const char* tagTypeName(int tagType)
{
    static constexpr std::array<const char*, 12> names{
        "All", "FDX-B", "Unique", "Hitag1/S", "Hitag2", "Tiris", "Q5", "Trovan", "ISO15693", "I-Code1",
        "ISO14443-A", "ISO14443-B"};
    return tagType >= 0 && tagType < static_cast<int>(names.size()) ? names.at(tagType) : "?";
}

} // namespace

QByteArray fdxB(quint16 country, quint64 national, int fdxFormat)
{
    const QByteArray countryText = padded(country, 3);
    const QByteArray nationalText = padded(national, 12);
    const quint64 code = (static_cast<quint64>(country) << 38) | national;
    const QByteArray hex = padded(code, 12, 16);
    switch (fdxFormat) {
    case 1: return hex;
    case 3: return countryText + '-' + nationalText;
    case 4: return '0' + countryText + nationalText;
    case 5: return countryText + nationalText;
    case 6: {
        QByteArray reversed = hex;
        std::reverse(reversed.begin(), reversed.end());
        return reversed;
    }
    case 7: return QByteArray::number(code);
    case 8: {
        QByteArray bytes = QByteArray::fromHex(hex);
        std::reverse(bytes.begin(), bytes.end());
        return bytes.toHex().toUpper();
    }
    default: return countryText + ' ' + nationalText;
    }
}

QByteArray transponder(SeededRandom& random, int tagType, int fdxFormat)
{
    if (tagType < 1 || tagType > 11)
        tagType = static_cast<int>(random.between(1, 11));
    if (tagType == 1) {
        const quint16 country = countries.at(random.below(countries.size()));
        return fdxB(country, random.below(nationalLimit), fdxFormat);
    }
    const auto shape = std::find_if(uidShapes.begin(), uidShapes.end(),
                                    [tagType](const UidShape& s) { return s.tagType == tagType; });
    return QByteArray(shape->prefix) + randomHex(random, shape->randomHexDigits);
}

int ean13CheckDigit(const QByteArray& twelveDigits)
{
    int sum = 0;
    for (int i = 0; i < 12 && i < twelveDigits.size(); ++i)
        sum += (twelveDigits.at(i) - '0') * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

QByteArray ean13(SeededRandom& random)
{
    const QByteArray digits = '4' + randomDigits(random, 11);
    return digits + static_cast<char>('0' + ean13CheckDigit(digits));
}

QByteArray record(SeededRandom& random, int number, const QDateTime& when)
{
    static constexpr std::array<const char*, 6> notes{"Pen 12", "Weighed", "Vaccinated", "Checked", "Moved", "Pen 3"};
    const int tagType = random.chance(0.9) ? 1 : static_cast<int>(random.between(2, 11));
    return padded(static_cast<quint64>(number), 5) + '|' + when.toString(QStringLiteral("dd.MM.yyyy,hh:mm")).toLatin1()
           + '|' + transponder(random, tagType, 2) + '|' + tagTypeName(tagType) + '|'
           + notes.at(random.below(notes.size()));
}

} // namespace Identifiers
