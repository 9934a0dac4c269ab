#pragma once

#include "core/device_settings.h"

#include <QString>

class Device;

// Reads the device's settings and battery level back after the connect
// hand-shake. A chain driven by the replies: the first query goes out after
// the hand-shake, and every recognised reply is told (settingRead) and sends
// the next query; the battery reply ends it (readBackDone).
class ReadBack {
public:
    explicit ReadBack(Device& device);

    // The hand-shake has been answered: after the device's settling time,
    // ask for the first setting.
    void start();
    // A line received in the hand-shake and read-back mode that is not the
    // hand-shake answer. Throws the overflow failure for a number that does
    // not fit 16 bits; the receive path reports it and the chain stops.
    void takeReply(const QString& line);

    static constexpr int SettlingMs = 1500;
    static constexpr int QueryGapMs = 100;

    // The hand-shake was answered again, or the connection ended: no query is out.
    void forget() { asked = -1; }

private:
    void ask(qsizetype query);

    Device& device;
    DeviceSettings reported;
    // The query out now (its position in the table); -1 when none is.
    qsizetype asked = -1;
};
