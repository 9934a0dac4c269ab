#include "link/device_link.h"

#include "form/form1.h"
#include "link/command_line.h"
#include "platform/failure_report.h"
#include "platform/platform.h"

DeviceLink::DeviceLink(Form1& form, Platform& platform)
    : formRef(form), platformRef(platform), dispatch(form, platform), gate(form, platform.port),
      running(gate, platform.port)
{
    platform.port.setReceiveHandler(reporting([this] { dispatch.MSComm1_OnComm(); }));
}

void DeviceLink::send(const QString& text) const
{
    platformRef.port.write(commandLine(text));
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
