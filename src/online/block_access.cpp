#include "online/block_access.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

BlockAccess::BlockAccess(DeviceLink& link)
    : link(link), form(link.form())
{
    link.on(form.ReadBlock, &QAbstractButton::clicked, [this] { ReadBlock_Click(); });
    link.on(form.WriteBlock, &QAbstractButton::clicked, [this] { WriteBlock_Click(); });
    link.on(form.ReadBlockHex, &QAbstractButton::clicked, [this] { ReadBlockHex_Click(); });
    link.on(form.WriteBlockHex, &QAbstractButton::clicked, [this] { WriteBlockHex_Click(); });
    link.on(form.KeyA, &QAbstractButton::toggled, [this] { KeyA_Click(); });
    link.on(form.KeyB, &QAbstractButton::toggled, [this] { KeyB_Click(); });
}

void BlockAccess::ReadBlock_Click()
{
    link.clearOutput();
    sendQuietly([this] { link.device().commands().readBlock(form.BlockAdress->text(), form.BlockEndAdress->text()); });
}

void BlockAccess::WriteBlock_Click()
{
    link.clearOutput();
    sendQuietly([this] { link.device().commands().writeBlock(form.BlockAdress->text(), form.WriteData->text()); });
}

void BlockAccess::ReadBlockHex_Click()
{
    link.clearOutput();
    if (!blockSelected())
        return;
    sendQuietly([this] {
        link.device().commands().readBlockHex(form.BlockAdress->text(), checkValue(form.KeyA) == 1,
                                              checkValue(form.KeyB) == 1, form.Key->text());
    });
}

void BlockAccess::WriteBlockHex_Click()
{
    link.clearOutput();
    if (!blockSelected())
        return;
    const QString data = form.WriteData->text();
    // Whole bytes only; the digits themselves are the device's to judge.
    if (data.isEmpty() || data.size() % 2 != 0) {
        showInputError(tr("Data are not valid."));
        return;
    }
    sendQuietly([this, &data] {
        link.device().commands().writeBlockHex(form.BlockAdress->text(), data, checkValue(form.KeyA) == 1,
                                               checkValue(form.KeyB) == 1, form.Key->text());
    });
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

bool BlockAccess::blockSelected() const
{
    if (!form.BlockAdress->text().isEmpty())
        return true;
    showInputError(tr("No block selected!"));
    return false;
}

void BlockAccess::showInputError(const QString& text) const
{
    link.platform().dialogs.message(text, MessageIcon::Exclamation, MessageButtons::Ok, tr("Error"));
}

void BlockAccess::sendQuietly(const std::function<void()>& send) const
{
    try {
        send();
    } catch (const Failure&) {
    }
}
