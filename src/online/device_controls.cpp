#include "online/device_controls.h"

#include "base/failure.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "online/quoted_text_command.h"

DeviceControls::DeviceControls(DeviceLink& link)
    : link(link), form(link.form())
{
    QObject::connect(form.Buzzer, &QAbstractButton::clicked, link.reporting([this] { Buzzer_Click(); }));
    QObject::connect(form.Keyboard, &QAbstractButton::clicked, link.reporting([this] { Keyboard_Click(); }));
    QObject::connect(form.CLS, &QAbstractButton::clicked, link.reporting([this] { CLS_Click(); }));
    QObject::connect(form.Display, &QAbstractButton::clicked, link.reporting([this] { Display_Click(); }));
}

void DeviceControls::Buzzer_Click()
{
    sendLine(QStringLiteral("BEEP"));
}

void DeviceControls::Keyboard_Click()
{
    sendLine(QStringLiteral("KEYBOARD"));
}

void DeviceControls::CLS_Click()
{
    sendLine(QStringLiteral("CLS"));
}

void DeviceControls::Display_Click()
{
    sendLine(quotedTextCommand(QStringLiteral("DISPLAY"), form.DisplayZeile->currentText(),
                               form.DisplayText->text()));
}

void DeviceControls::sendLine(const QString& line) const
{
    link.clearOutput();
    try {
        link.send(line);
    } catch (const Failure&) {
    }
}
