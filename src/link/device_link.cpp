#include "link/device_link.h"

#include "core/device.h"
#include "form/form1.h"
#include "platform/failure_report.h"
#include "platform/platform.h"

DeviceLink::DeviceLink(Form1& form, Platform& platform, Device& device)
    : formRef(form), platformRef(platform), deviceRef(device), gate(form, platform.port)
{
    device.exchange().setRunningObserver([this](bool running) { gate.setExchangeRunning(running); });
    device.replies().setDisplay([&form](const QString& text) { form.Ausgabe->appendReceived(text); },
                                [&form](const QString& line) { form.Zeile->setText(line); });
    QObject::connect(&device, &Device::failed,
                     [&dialogs = platform.dialogs](const Failure& failure) { ::showFailure(dialogs, failure); });
}

ReplyDispatch& DeviceLink::replies() const
{
    return deviceRef.replies();
}

RunningExchange& DeviceLink::exchange() const
{
    return deviceRef.exchange();
}

void DeviceLink::send(const QString& text) const
{
    deviceRef.send(text);
}

void DeviceLink::clearOutput() const
{
    formRef.Ausgabe->clearAndRedraw();
}

std::function<void()> DeviceLink::reporting(std::function<void()> handler) const
{
    return [&dialogs = platformRef.dialogs, handler = std::move(handler)] { reportingFailures(dialogs, handler); };
}

void DeviceLink::showFailure(const Failure& failure) const
{
    ::showFailure(platformRef.dialogs, failure);
}
