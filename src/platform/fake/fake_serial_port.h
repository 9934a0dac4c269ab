#pragma once

#include "platform/serial_port.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <map>
#include <optional>

class VirtualClock;

// A serial port for tests on the virtual clock. What the program writes is
// recorded and handed to an optional device; what the device sends arrives
// in the input buffer and raises the receive handler when window events are
// processed, never during a blocking pause.
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(VirtualClock& clock);

    void open(const PortTarget& target) override;
    // Opens COMn as the default mapping names it.
    void open(int portNumber);
    void close() override;
    bool isOpen() const override { return opened; }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

    // The device side.
    void deliver(const QByteArray& bytes);          // bytes arrive now
    void deliverLater(qint64 delayMs, const QByteArray& bytes);
    void setDevice(std::function<void(const QByteArray&)> onWrite) { device = std::move(onWrite); }
    // The device goes away: the port closes itself and reports the loss once.
    void loseDevice(const QString& description = QStringLiteral("Input/output error"));

    // Failures to inject.
    void refuseOpen(int portNumber, Failure failure);
    void failNextWrite(Failure failure);

    // What happened.
    QByteArray written;                  // every byte written, in order
    QList<QByteArray> writes;            // one entry per write call
    QList<int> openedPorts;              // port numbers of successful opens (0: a path)
    int openCount() const { return static_cast<int>(openedPorts.size()); }
    int closeCount = 0;
    int portNumber = 0;
    // Sent lines without their CR, cut at each CR.
    QList<QByteArray> sentLines() const;

private:
    bool handleReceiveEvent();

    VirtualClock& clock;
    std::function<void(const QByteArray&)> device;
    bool opened = false;
    QByteArray input;
    bool notificationPending = false;
    bool inHandler = false;
    std::map<int, Failure> openRefusals;
    std::optional<Failure> nextWriteFailure;
    std::optional<Failure> lostReport;
    QString lossDescription; // set from a loss until the next open or close
};
