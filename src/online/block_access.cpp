#include "online/block_access.h"

#include "base/failure.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "online/quoted_text_command.h"
#include "platform/platform.h"

namespace {
const QString errorTitle = QStringLiteral("Error");
} // namespace

BlockAccess::BlockAccess(DeviceLink& link)
    : link(link), form(link.form())
{
    QObject::connect(form.ReadBlock, &QAbstractButton::clicked, link.reporting([this] { ReadBlock_Click(); }));
    QObject::connect(form.WriteBlock, &QAbstractButton::clicked, link.reporting([this] { WriteBlock_Click(); }));
    QObject::connect(form.ReadBlockHex, &QAbstractButton::clicked, link.reporting([this] { ReadBlockHex_Click(); }));
    QObject::connect(form.WriteBlockHex, &QAbstractButton::clicked, link.reporting([this] { WriteBlockHex_Click(); }));
    QObject::connect(form.KeyA, &QAbstractButton::toggled, link.reporting([this] { KeyA_Click(); }));
    QObject::connect(form.KeyB, &QAbstractButton::toggled, link.reporting([this] { KeyB_Click(); }));
}

void BlockAccess::ReadBlock_Click()
{
    link.clearOutput();
    QString line = QStringLiteral("READ");
    const QString first = form.BlockAdress->text();
    if (!first.isEmpty()) {
        line += u' ' + first;
        // The end of a range only counts after its start.
        const QString last = form.BlockEndAdress->text();
        if (!last.isEmpty())
            line += u' ' + last;
    }
    sendLine(line);
}

void BlockAccess::WriteBlock_Click()
{
    link.clearOutput();
    sendLine(quotedTextCommand(QStringLiteral("WRITE"), form.BlockAdress->text(),
                               form.WriteData->text()));
}

void BlockAccess::ReadBlockHex_Click()
{
    link.clearOutput();
    if (!blockSelected())
        return;
    sendLine(QStringLiteral("BINREAD ") + form.BlockAdress->text() + keyPart());
}

void BlockAccess::WriteBlockHex_Click()
{
    link.clearOutput();
    if (!blockSelected())
        return;
    const QString data = form.WriteData->text();
    // Whole bytes only; the digits themselves are the device's to judge.
    if (data.isEmpty() || data.size() % 2 != 0) {
        showInputError(QStringLiteral("Data are not valid."));
        return;
    }
    sendLine(QStringLiteral("BINWRITE ") + form.BlockAdress->text() + u' ' + data + keyPart());
}

void BlockAccess::KeyA_Click()
{
    if (checkValue(form.KeyA) == 1)
        setCheckValue(form.KeyB, 0);
}

void BlockAccess::KeyB_Click()
{
    if (checkValue(form.KeyB) == 1)
        setCheckValue(form.KeyA, 0);
}

QString BlockAccess::keyPart() const
{
    QString part;
    if (checkValue(form.KeyA) == 1)
        part += QStringLiteral(" A");
    if (checkValue(form.KeyB) == 1)
        part += QStringLiteral(" B");
    const QString key = form.Key->text();
    if (!key.isEmpty())
        part += u' ' + key;
    return part;
}

bool BlockAccess::blockSelected() const
{
    if (!form.BlockAdress->text().isEmpty())
        return true;
    showInputError(QStringLiteral("No block selected!"));
    return false;
}

void BlockAccess::showInputError(const QString& text) const
{
    link.platform().dialogs.message(text, MessageIcon::Exclamation, MessageButtons::Ok, errorTitle);
}

void BlockAccess::sendLine(const QString& line) const
{
    try {
        link.send(line);
    } catch (const Failure&) {
    }
}
