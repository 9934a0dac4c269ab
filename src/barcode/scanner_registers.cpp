#include "barcode/scanner_registers.h"

#include "base/failure.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"

namespace {
constexpr int registerNumberLength = 3;
} // namespace

ScannerRegisters::ScannerRegisters(DeviceLink& link)
    : link(link), form(link.form())
{
    QObject::connect(form.BCLesen, &QAbstractButton::clicked, link.reporting([this] { BCLesen_Click(); }));
    QObject::connect(form.BCSetzen, &QAbstractButton::clicked, link.reporting([this] { BCSetzen_Click(); }));
    link.replies().registerHandler(ReplyModes::RegisterValue,
                                   [this](const QString& line) { showRegisterValue(line); });
}

void ScannerRegisters::BCLesen_Click()
{
    link.clearOutput();
    form.ReplyMode = ReplyModes::RegisterValue;
    try {
        link.send(registerCommand());
    } catch (const Failure&) {
        // Ends silently; the mode stays armed until another sender sets its own.
    }
}

void ScannerRegisters::BCSetzen_Click()
{
    link.clearOutput();
    try {
        link.send(registerCommand() + u' ' + form.BCWert->text());
    } catch (const Failure&) {
    }
}

void ScannerRegisters::showRegisterValue(const QString& line)
{
    // Everything after the first colon; the whole line when it has none.
    const qsizetype colon = line.indexOf(u':');
    form.BCWert->setText(line.mid(colon + 1));
    form.ReplyMode = ReplyModes::EchoOnly;
}

QString ScannerRegisters::registerCommand() const
{
    return QStringLiteral("BARCODE ") + leadingChars(form.BCRegister->currentText(), registerNumberLength);
}
