#pragma once

#include "sim/device_model.h"

#include <memory>

class FakeSerialPort;
class VirtualClock;

// The simulated device at the far end of a FakeSerialPort: what the program
// writes reaches the model, and the model's replies arrive on the virtual
// clock, delayed and paced in virtual time as its options say.
class InProcessDevice {
public:
    InProcessDevice(FakeSerialPort& port, VirtualClock& clock, DeviceOptions options = {});
    ~InProcessDevice();
    InProcessDevice(const InProcessDevice&) = delete;
    InProcessDevice& operator=(const InProcessDevice&) = delete;

    DeviceModel& model() { return deviceModel; }

private:
    void onWrite(const QByteArray& bytes);
    void deliverAt(qint64 atUs, const QByteArray& bytes);
    void hangUpAt(qint64 atUs);
    qint64 nowUs() const;

    FakeSerialPort& port;
    VirtualClock& clock;
    DeviceModel deviceModel;
    qint64 startMs;
    // Events already on the clock check these before they act: a reply the
    // device dropped (DISCONNECT) or a device that no longer exists stays unsent.
    std::shared_ptr<int> generation = std::make_shared<int>(0);
};
