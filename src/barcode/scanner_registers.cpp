#include "barcode/scanner_registers.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/form1.h"
#include "link/device_link.h"

ScannerRegisters::ScannerRegisters(DeviceLink& link)
    : link(link), form(link.form())
{
    link.on(form.BCLesen, &QAbstractButton::clicked, [this] { BCLesen_Click(); });
    link.on(form.BCSetzen, &QAbstractButton::clicked, [this] { BCSetzen_Click(); });
    listen(link.device(), &Device::registerRead, form.BCWert,
           [this](const QString& value) { form.BCWert->setText(value); });
}

void ScannerRegisters::BCLesen_Click()
{
    link.clearOutput();
    try {
        link.device().commands().readRegister(form.BCRegister->currentText());
    } catch (const Failure&) {
        // Ends silently; the mode stays armed until another sender sets its own.
    }
}

void ScannerRegisters::BCSetzen_Click()
{
    link.clearOutput();
    try {
        link.device().commands().writeRegister(form.BCRegister->currentText(), form.BCWert->text());
    } catch (const Failure&) {
    }
}
