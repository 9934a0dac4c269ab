#include "support/sim_session.h"

#ifdef Q_OS_LINUX

#include "sim/port_mapping.h"
#include "sim/pty_server.h"

SimSession::SimSession(DeviceOptions options, int portNumber)
    : port(portNumber), server(std::make_unique<PtyServer>(std::move(options)))
{
    server->start();
    mapping = std::make_unique<PortMapping>(portNumber, server->devicePath());
}

SimSession::~SimSession()
{
    server->stop();
}

QString SimSession::devicePath() const
{
    return server->devicePath();
}

void SimSession::withModel(const std::function<void(DeviceModel&)>& access)
{
    server->withModel(access);
}

DeviceState SimSession::state()
{
    DeviceState copy;
    server->withModel([&copy](DeviceModel& model) { copy = model.state(); });
    return copy;
}

void SimSession::stop()
{
    server->stop();
}

bool SimSession::isRunning() const
{
    return server->isRunning();
}

#else

#include <stdexcept>

SimSession::SimSession(DeviceOptions, int portNumber)
    : port(portNumber)
{
    throw std::runtime_error("a simulated device on a serial port needs a pseudo-terminal (Linux)");
}

// Never reached: no session is ever made here.
SimSession::~SimSession() = default;
QString SimSession::devicePath() const { return {}; }
void SimSession::withModel(const std::function<void(DeviceModel&)>&) {}
DeviceState SimSession::state() { return {}; }
void SimSession::stop() {}
bool SimSession::isRunning() const { return false; }

#endif
