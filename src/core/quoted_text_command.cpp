#include "core/quoted_text_command.h"

QString quotedTextCommand(const QString& word, const QString& argument, const QString& text)
{
    return word + u' ' + argument + u' ' + u'"' + text + u'"';
}
