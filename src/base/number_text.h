#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Number texts as the device and the settings store use them.

// Decimal digits after one sign position: " 5", " 0", "-2".
QString signPosition(std::int64_t value);

// The longest leading number of a text. Blanks, tabs and line feeds are
// skipped wherever they stand; decimal numbers may carry a sign, a point, a
// fraction and an exponent (E or D); "&H" and "&O" introduce hexadecimal and
// octal numbers. A text without a number reads as 0.
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour; a result
// outside -32768..32767 throws the overflow failure.
std::int16_t toInt16(double value);

// leadingNumber followed by toInt16.
std::int16_t leadingInt16(QStringView text);

// A whole text that must be a number (surrounding blanks allowed), rounded
// to 16 bits. Throws the type-mismatch failure for anything else, and the
// overflow failure when it does not fit.
std::int16_t strictInt16(QStringView text);

// leadingNumber rounded as toInt16 does, to 64 bits: for counts that must
// never overflow. Throws the overflow failure only beyond 64 bits.
std::int64_t leadingInt64(QStringView text);

// A text about a count in the user's language: "1 record", "12 records".
// English chooses between the two source texts, `one` for 1 and `many`
// (with %1 for the count) otherwise; a translation of `many`, marked with
// QT_TRANSLATE_N_NOOP, holds its language's plural forms and is chosen by
// the count's value.
QString countedText(const char* context, std::int64_t count, const char* one, const char* many);
