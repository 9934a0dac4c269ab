#include "barcode/scanner_registers.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/form1.h"
#include "link/device_link.h"

ScannerRegisters::ScannerRegisters(DeviceLink& link)
    : link(link), form(link.form())
{
    QObject::connect(form.BCLesen, &QAbstractButton::clicked, link.reporting([this] { BCLesen_Click(); }));
    QObject::connect(form.BCSetzen, &QAbstractButton::clicked, link.reporting([this] { BCSetzen_Click(); }));
    QObject::connect(&link.device(), &Device::registerRead, form.BCWert,
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
