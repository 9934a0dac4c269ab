#include "online/device_controls.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/form1.h"
#include "link/device_link.h"

DeviceControls::DeviceControls(DeviceLink& link)
    : link(link), form(link.form())
{
    link.on(form.Buzzer, &QAbstractButton::clicked, [this] { Buzzer_Click(); });
    link.on(form.Keyboard, &QAbstractButton::clicked, [this] { Keyboard_Click(); });
    link.on(form.CLS, &QAbstractButton::clicked, [this] { CLS_Click(); });
    link.on(form.Display, &QAbstractButton::clicked, [this] { Display_Click(); });
}

void DeviceControls::Buzzer_Click()
{
    sendLine([this] { link.device().commands().beep(); });
}

void DeviceControls::Keyboard_Click()
{
    sendLine([this] { link.device().commands().callKeyboard(); });
}

void DeviceControls::CLS_Click()
{
    sendLine([this] { link.device().commands().clearDisplay(); });
}

void DeviceControls::Display_Click()
{
    sendLine([this] { link.device().commands().display(form.DisplayZeile->currentText(), form.DisplayText->text()); });
}

void DeviceControls::sendLine(const std::function<void()>& send) const
{
    link.clearOutput();
    try {
        send();
    } catch (const Failure&) {
    }
}
