#include "core/device.h"

#include "base/failure.h"
#include "core/command_line.h"
#include "platform/serial_port.h"

Device::Device(SerialPort& port, Clock& clock)
    : serialPort(port), timeSource(clock), dispatch(port, [this](const Failure& failure) { emit failed(failure); }),
      running(port), readBack(*this), shake(*this, readBack), deviceCommands(*this), dataExchange(*this)
{
    port.setReceiveHandler([this] { dispatch.MSComm1_OnComm(); });
    dispatch.setLineObserver([this](const QString& line) { tell(*this, &Device::lineHeard, line); });
}

Device::~Device()
{
    serialPort.setReceiveHandler({});
}

void Device::send(const QString& text) const
{
    serialPort.write(commandLine(text));
}
