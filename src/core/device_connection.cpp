#include "core/device_connection.h"

#include "base/failure.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <QScopedValueRollback>

namespace {
const QString goodbye = QStringLiteral("DISCONNECT");
} // namespace

DeviceConnection::DeviceConnection(SerialPort& port, Clock& clock, HandshakeRetry retry, FailureSink failures)
    : serialPort(port), clock(clock), core(port, clock), retry(retry)
{
    port.setLostHandler([this, failures = std::move(failures)](const Failure& failure) {
        runGuarded(failures, [this, &failure] { lose(failure.description); });
    });
}

DeviceConnection::~DeviceConnection()
{
    serialPort.setLostHandler({});
}

void DeviceConnection::open(const PortTarget& target)
{
    portTarget = target;
    serialPort.open(target);
    wanted = true;
    openedAt = clock.now();
    startHandshake();
}

void DeviceConnection::startHandshake()
{
    // Half a line from before is no part of the answer.
    core.replies().startAfresh();
    tell(*this, &DeviceConnection::opened);
    core.handshake().start();
}

void DeviceConnection::tick()
{
    const bool overdue = core.handshake().tick();
    if (giveUpDue() && (overdue || core.handshake().isWaiting()))
        finish(ConnectionEnding::Reason::NoAnswer);
    else if (overdue && wanted)
        retryHandshake();
    core.exchange().tick();
}

bool DeviceConnection::giveUpDue() const
{
    return wanted && retry.giveUpMs > 0 && openedAt.msecsTo(clock.now()) >= retry.giveUpMs;
}

void DeviceConnection::retryHandshake()
{
    if (!retry.reopens) {
        core.handshake().sendAgain();
        return;
    }
    try {
        serialPort.close();
    } catch (const Failure&) {
        // A port that cannot be closed cannot be opened again either.
        wanted = false;
        throw;
    }
    // A read-out or load started before the device answered cannot go on
    // over a new hand-shake.
    tell(*this, &DeviceConnection::retrying, core.exchange().cutShort());
    clock.pause(RetryPauseMs);
    tell(*this, &DeviceConnection::reopening);
    try {
        serialPort.open(portTarget);
    } catch (const Failure&) {
        wanted = false;
        throw;
    }
    startHandshake();
}

void DeviceConnection::end()
{
    finish(ConnectionEnding::Reason::Ended);
}

void DeviceConnection::lose(const QString& loss)
{
    // Opened again since the loss: it is out of date.
    if (serialPort.isOpen())
        return;
    finish(ConnectionEnding::Reason::Lost, loss);
}

void DeviceConnection::finish(ConnectionEnding::Reason reason, const QString& loss)
{
    // A second ending (a signal while the first one says goodbye) adds nothing.
    if (ending)
        return;
    const QScopedValueRollback once(ending, true);
    wanted = false;
    core.handshake().stop();
    core.data().closeFile();
    const QString cutShort = core.exchange().cutShort();
    std::optional<Failure> goodbyeFailure;
    if (reason != ConnectionEnding::Reason::Lost) {
        try {
            core.send(goodbye);
        } catch (const Failure& failure) {
            goodbyeFailure = failure;
        }
    }
    serialPort.close();
    tell(*this, &DeviceConnection::ended, ConnectionEnding{reason, cutShort, loss});
    if (goodbyeFailure)
        throw *goodbyeFailure;
}
