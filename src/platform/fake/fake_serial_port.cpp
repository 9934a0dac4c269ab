#include "platform/fake/fake_serial_port.h"

#include "platform/fake/virtual_clock.h"

FakeSerialPort::FakeSerialPort(VirtualClock& clock)
    : clock(clock)
{
    clock.addEventSource([this] { return handleReceiveEvent(); });
}

void FakeSerialPort::open(int number)
{
    open(PortTarget{portKey(number), QStringLiteral("/dev/ttyS%1").arg(number - 1)});
}

void FakeSerialPort::open(const PortTarget& target)
{
    if (opened)
        throw Failure(FailureNumber::PortOpenFailed, QStringLiteral("Port already open"));
    const int number = portNumberFrom(target.name).value_or(0);
    if (auto refusal = openRefusals.find(number); refusal != openRefusals.end())
        throw refusal->second;
    opened = true;
    lossDescription.clear();
    portNumber = number;
    openedPorts << number;
    input.clear();
    notificationPending = false;
}

void FakeSerialPort::close()
{
    if (opened)
        ++closeCount;
    opened = false;
    lossDescription.clear();
    input.clear();
    notificationPending = false;
}

void FakeSerialPort::write(const QByteArray& bytes)
{
    if (nextWriteFailure) {
        const Failure failure = *nextWriteFailure;
        nextWriteFailure.reset();
        // As the real port does: a write that finds the device gone closes
        // the port and reports the loss as well.
        if (failure.number == FailureNumber::PortLost)
            loseDevice(failure.description);
        throw lossDescription.isEmpty() ? failure : Failure(FailureNumber::PortLost, lossDescription);
    }
    if (!opened)
        throw lossDescription.isEmpty() ? portNotOpen() : Failure(FailureNumber::PortLost, lossDescription);
    written += bytes;
    writes << bytes;
    if (device)
        device(bytes);
}

QByteArray FakeSerialPort::readAll()
{
    QByteArray bytes;
    bytes.swap(input);
    return bytes;
}

void FakeSerialPort::deliver(const QByteArray& bytes)
{
    if (!opened || bytes.isEmpty())
        return;
    input += bytes;
    notificationPending = true;
}

void FakeSerialPort::deliverLater(qint64 delayMs, const QByteArray& bytes)
{
    clock.schedule(delayMs, [this, bytes] { deliver(bytes); });
}

void FakeSerialPort::loseDevice(const QString& description)
{
    if (!opened)
        return;
    close();
    lossDescription = QStringLiteral("The connection to the device was lost: %1.").arg(description);
    lostReport = Failure(FailureNumber::PortLost, lossDescription);
}

void FakeSerialPort::refuseOpen(int number, Failure failure)
{
    openRefusals.insert_or_assign(number, std::move(failure));
}

void FakeSerialPort::failNextWrite(Failure failure)
{
    nextWriteFailure = std::move(failure);
}

QList<QByteArray> FakeSerialPort::sentLines() const
{
    QList<QByteArray> lines = written.split('\r');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

bool FakeSerialPort::handleReceiveEvent()
{
    if (lostReport) {
        const Failure failure = *lostReport;
        lostReport.reset();
        if (lostHandler)
            lostHandler(failure);
        return true;
    }
    if (!notificationPending || inHandler)
        return false;
    notificationPending = false;
    inHandler = true;
    if (receiveHandler)
        receiveHandler();
    inHandler = false;
    // Bytes left unread, or arrived while the handler ran, raise it once more.
    if (opened && !input.isEmpty())
        notificationPending = true;
    return true;
}
