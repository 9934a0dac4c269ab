#include "online/device_controls.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/form1.h"
#include "link/device_link.h"

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
