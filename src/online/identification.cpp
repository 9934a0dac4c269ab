#include "online/identification.h"

#include "base/failure.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

namespace {
const QString readIdCommand = QStringLiteral("READID");
const QString scanCommand = QStringLiteral("SCAN");
} // namespace

Identification::Identification(DeviceLink& link)
    : link(link), form(link.form())
{
    QObject::connect(form.ReadId, &QAbstractButton::clicked, link.reporting([this] { ReadId_Click(); }));
    QObject::connect(form.Scan, &QAbstractButton::clicked, link.reporting([this] { Scan_Click(); }));
    link.replies().registerHandler(ReplyModes::Identifier,
                                   [this](const QString& line) { showIdentifier(line); });
}

void Identification::ReadId_Click()
{
    requestFromClick(readIdCommand);
}

void Identification::Scan_Click()
{
    requestFromClick(scanCommand);
}

void Identification::showIdentifier(const QString& line)
{
    form.IDAnzeige->setText(line);
    form.IDAnzeige->repaint();
    form.ReplyMode = ReplyModes::EchoOnly;
    if (checkValue(form.ReadCont) != 1)
        return;
    link.platform().clock.pause(RepeatPauseMs);
    // A scan answered with the box checked goes on with identifiers. A
    // refused write here goes to the receive path, which shows it.
    request(readIdCommand);
}

void Identification::request(const QString& command)
{
    link.clearOutput();
    form.ReplyMode = ReplyModes::Identifier;
    link.send(command);
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
