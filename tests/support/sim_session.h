#pragma once

#include "platform/fake/fake_dialogs.h"
#include "platform/platform.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_settings_store.h"
#include "sim/device_model.h"

#include <QString>
#include <functional>
#include <memory>

class PtyServer;
class PortMapping;

// A simulated device on a real pseudo-terminal, served from a thread of the
// test process, with the tool's port COMn pointed at it in the per-user
// settings (each test program has settings of its own). The mapping is put
// back when the session ends. Linux only: elsewhere the constructor throws,
// and the tests that need a session skip (support/linux_tools.h).
class SimSession {
public:
    explicit SimSession(DeviceOptions options = {}, int portNumber = 7);
    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    int portNumber() const { return port; }
    QString devicePath() const;

    // The model, locked against the serving thread while access runs.
    void withModel(const std::function<void(DeviceModel&)>& access);
    // A copy of the device's state, taken under the lock.
    DeviceState state();

    // The device goes away: the pty's master is closed, as when a USB
    // adapter is pulled. The mapping stays until the session ends.
    void stop();
    bool isRunning() const;

private:
    int port;
#ifdef Q_OS_LINUX
    std::unique_ptr<PtyServer> server;
    std::unique_ptr<PortMapping> mapping;
#endif
};

// The program's real platform (Qt serial port, clock and settings store)
// with scripted dialogs, so that no modal box blocks a test.
struct RealPlatform {
    QtSettingsStore settings;
    QtSerialPort port;
    QtClock clock;
    FakeDialogs dialogs;
    QtSerialDevices devices;
    Platform platform{port, clock, dialogs, settings, devices};
};
