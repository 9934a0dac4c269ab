#pragma once

#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_serial_devices.h"
#include "platform/fake/fake_serial_port.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/virtual_clock.h"
#include "platform/platform.h"

// All fakes together, wired to one virtual clock.
struct FakePlatform {
    VirtualClock clock;
    FakeSerialPort port{clock};
    FakeDialogs dialogs;
    MemorySettingsStore settings;
    FakeSerialDevices devices;
    Platform platform{port, clock, dialogs, settings, devices};

    // Every message box stays open for ms of virtual time, with window
    // events (timer ticks, received bytes) handled meanwhile, as under a
    // real modal box; 0 closes them at once again.
    void keepBoxesOpenFor(qint64 ms)
    {
        dialogs.whileShown = ms > 0 ? std::function<void()>([this, ms] { clock.runFor(ms); }) : nullptr;
    }
};
