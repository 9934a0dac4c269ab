#pragma once

#include <QByteArray>
#include <QDateTime>

class SeededRandom;

// What the device reads and captures: transponder identifiers in the form
// its settings ask for, barcodes and stored records.
namespace Identifiers {

// A fresh identifier for a transponder type (0 "All" picks any type), an
// FDX-B one in the given FDX code format (1..8; other values as format 2).
QByteArray transponder(SeededRandom& random, int tagType, int fdxFormat);

// An FDX-B identifier: country code (0..999) and national number (38 bits).
QByteArray fdxB(quint16 country, quint64 national, int fdxFormat);

// An EAN-13 barcode with its check digit.
QByteArray ean13(SeededRandom& random);
int ean13CheckDigit(const QByteArray& twelveDigits);

// One stored record of about 50 bytes, fields separated by "|": number,
// date and time as dd.mm.yyyy,hh:mm, identifier, transponder type, note.
QByteArray record(SeededRandom& random, int number, const QDateTime& when);

} // namespace Identifiers
