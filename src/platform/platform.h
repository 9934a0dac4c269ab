#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/serial_devices.h"
#include "platform/serial_port.h"
#include "platform/settings_store.h"

// Everything the window needs from the machine, in one bundle that the
// program fills with the real implementations and the tests with fakes.
struct Platform {
    SerialPort& port;
    Clock& clock;
    Dialogs& dialogs;
    SettingsStore& settings;
    SerialDevices& devices;
};
