#include "core/device.h"

#include "base/failure.h"
#include "core/command_line.h"
#include "platform/serial_port.h"

Device::Device(SerialPort& port, Clock& clock)
    : serialPort(port), timeSource(clock), dispatch(port, [this](const Failure& failure) { emit failed(failure); }),
      running(port), readBack(*this), shake(*this, readBack), deviceCommands(*this), dataExchange(*this)
{
    port.setReceiveHandler([this] { dispatch.MSComm1_OnComm(); });
}

Device::~Device()
{
    serialPort.setReceiveHandler({});
}

void Device::rethrowListenerFailure()
{
    if (!listenerFailure)
        return;
    const Failure failure = *listenerFailure;
    listenerFailure.reset();
    throw failure;
}

void Device::send(const QString& text) const
{
    serialPort.write(commandLine(text));
}
