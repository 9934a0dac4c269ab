#include "core/command_line.h"

#include "base/latin1.h"

QByteArray commandLine(const QString& text)
{
    QByteArray bytes = toDeviceBytes(text);
    QByteArray framed;
    framed.reserve(bytes.size() + 1);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
            framed += ' ';
        } else {
            framed += c;
        }
    }
    framed += '\r';
    return framed;
}
