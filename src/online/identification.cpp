#include "online/identification.h"

#include "base/failure.h"
#include "core/device.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

Identification::Identification(DeviceLink& link)
    : link(link), form(link.form())
{
    link.on(form.ReadId, &QAbstractButton::clicked, [this] { ReadId_Click(); });
    link.on(form.Scan, &QAbstractButton::clicked, [this] { Scan_Click(); });
    listen(link.device(), &Device::identifierRead, form.IDAnzeige,
           [this](const QString& identifier) { showIdentifier(identifier); });
}

void Identification::ReadId_Click()
{
    requestFromClick(DeviceCommands::readIdCommand);
}

void Identification::Scan_Click()
{
    requestFromClick(DeviceCommands::scanCommand);
}

void Identification::showIdentifier(const QString& identifier)
{
    form.IDAnzeige->setText(identifier);
    form.IDAnzeige->repaint();
    if (checkValue(form.ReadCont) != 1)
        return;
    link.platform().clock.pause(RepeatPauseMs);
    // A scan answered with the box checked goes on with identifiers. A
    // refused write goes back to the receive path, which reports it.
    request(DeviceCommands::readIdCommand);
}

void Identification::request(const QString& command)
{
    link.clearOutput();
    link.device().commands().requestIdentifier(command);
}

void Identification::requestFromClick(const QString& command)
{
    try {
        request(command);
    } catch (const Failure&) {
        // The click ends silently; the mode stays armed until another
        // sender sets its own.
    }
}
