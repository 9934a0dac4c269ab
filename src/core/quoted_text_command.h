#pragma once

#include <QString>

// The shape shared by the commands that carry a free text: the word, one
// argument, a blank and the text in double quotes, e.g. DISPLAY 2 "Hello".
// Nothing is escaped or trimmed: the device takes the fields as typed.
QString quotedTextCommand(const QString& word, const QString& argument, const QString& text);
