#include "link/device_link.h"

#include "core/device_connection.h"
#include "form/form1.h"
#include "platform/failure_report.h"
#include "platform/platform.h"

DeviceLink::DeviceLink(Form1& form, Platform& platform, DeviceConnection& connection)
    : formRef(form), platformRef(platform), connectionRef(connection), gate(form, platform.port)
{
    Device& core = connection.device();
    core.exchange().setRunningObserver([this](bool running) { gate.setExchangeRunning(running); });
    core.replies().setDisplay([&form](const QString& text) { form.Ausgabe->appendReceived(text); },
                              [&form](const QString& line) { form.Zeile->setText(line); });
    listen(core, &Device::failed, &core,
           [&dialogs = platform.dialogs](const Failure& failure) { ::showFailure(dialogs, failure); });
}

Device& DeviceLink::device() const
{
    return connectionRef.device();
}

ReplyDispatch& DeviceLink::replies() const
{
    return device().replies();
}

RunningExchange& DeviceLink::exchange() const
{
    return device().exchange();
}

void DeviceLink::clearOutput() const
{
    formRef.Ausgabe->clearAndRedraw();
}

std::function<void()> DeviceLink::reporting(std::function<void()> handler) const
{
    return guarded(showingIn(platformRef.dialogs), std::move(handler));
}

void DeviceLink::showFailure(const Failure& failure) const
{
    ::showFailure(platformRef.dialogs, failure);
}
