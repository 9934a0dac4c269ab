#pragma once

#include "base/failure.h"
#include "platform/port_names.h"

#include <QByteArray>
#include <functional>

// The link to the device: one serial port, 38400 baud, 8N1, no handshake.
class SerialPort {
public:
    using ReceiveHandler = std::function<void()>;
    using LostHandler = std::function<void(const Failure&)>;

    virtual ~SerialPort() = default;

    // Opens the port's device and holds it: no second opener, under this
    // name or another, gets it until it is closed. Throws the port's own
    // failure, naming the port, when it cannot be opened. Input that was
    // waiting before the open is discarded.
    virtual void open(const PortTarget& target) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The bytes have reached the operating system when this returns.
    // Throws the port-not-open failure on a closed port, and the lost-port
    // failure (the same that the lost handler gets) when the device has gone.
    virtual void write(const QByteArray& bytes) = 0;
    // Everything received so far; empty when nothing is waiting.
    virtual QByteArray readAll() = 0;

    // Called when characters have arrived. It is not called again while it
    // runs; bytes that are still waiting when it returns raise it once more.
    void setReceiveHandler(ReceiveHandler handler) { receiveHandler = std::move(handler); }
    // Called once when the port closed itself because the device went away,
    // from the event loop, also when a write was the first to find out.
    void setLostHandler(LostHandler handler) { lostHandler = std::move(handler); }
    // Sees every byte that goes to the device (toDevice) and comes from it.
    using TrafficObserver = std::function<void(const QByteArray& bytes, bool toDevice)>;
    void setTrafficObserver(TrafficObserver observer) { trafficObserver = std::move(observer); }

protected:
    void observe(const QByteArray& bytes, bool toDevice) const
    {
        if (trafficObserver && !bytes.isEmpty())
            trafficObserver(bytes, toDevice);
    }

    ReceiveHandler receiveHandler;
    LostHandler lostHandler;
    TrafficObserver trafficObserver;
};
