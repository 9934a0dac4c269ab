#include "sim/in_process_device.h"

#include "core/selection_lists.h"
#include "platform/fake/fake_serial_port.h"
#include "platform/fake/virtual_clock.h"

InProcessDevice::InProcessDevice(FakeSerialPort& port, VirtualClock& clock, DeviceOptions options)
    : port(port),
      clock(clock),
      deviceModel(std::move(options), SelectionLists::scannerRegisterItems()),
      startMs(clock.elapsedMs())
{
    port.setDevice([this](const QByteArray& bytes) { onWrite(bytes); });
    if (const auto deadline = deviceModel.hangUpDeadlineUs())
        hangUpAt(*deadline);
}

InProcessDevice::~InProcessDevice()
{
    port.setDevice(nullptr);
}

qint64 InProcessDevice::nowUs() const
{
    return (clock.elapsedMs() - startMs) * 1000;
}

void InProcessDevice::onWrite(const QByteArray& bytes)
{
    const DeviceOutput out = deviceModel.receive(bytes, nowUs());
    if (out.dropPending)
        ++*generation;
    for (const Transmission& t : out.sends)
        deliverAt(t.atUs, t.bytes);
    if (out.hangUpAtUs)
        hangUpAt(*out.hangUpAtUs);
}

namespace {
// The virtual clock counts whole milliseconds: a byte is there in the
// millisecond in which it has completely arrived.
qint64 delayMs(qint64 atUs, qint64 nowUs)
{
    return std::max<qint64>(0, (atUs - nowUs + 999) / 1000);
}
} // namespace

void InProcessDevice::deliverAt(qint64 atUs, const QByteArray& bytes)
{
    const std::weak_ptr<int> current = generation;
    const int sentIn = *generation;
    FakeSerialPort* target = &port;
    clock.schedule(delayMs(atUs, nowUs()), [current, sentIn, target, bytes] {
        const auto alive = current.lock();
        if (alive && *alive == sentIn)
            target->deliver(bytes);
    });
}

void InProcessDevice::hangUpAt(qint64 atUs)
{
    const std::weak_ptr<int> current = generation;
    FakeSerialPort* target = &port;
    DeviceModel* device = &deviceModel;
    clock.schedule(delayMs(atUs, nowUs()), [current, target, device] {
        if (current.lock()) {
            device->hangUp();
            target->loseDevice();
        }
    });
}
