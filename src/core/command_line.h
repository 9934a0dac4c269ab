#pragma once

#include <QByteArray>
#include <QString>

// One command line as the device expects it: the text, one byte per
// character, ended by one carriage return and no line feed.
//
// A line break inside the text (pasted into a field, say) would end the
// command early and send the rest as a second command, so every CR LF pair,
// lone CR and lone LF in the text becomes one blank.
QByteArray commandLine(const QString& text);
