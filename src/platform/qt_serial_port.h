#pragma once

#include "platform/serial_port.h"

#include <QObject>
#include <QSerialPort>

// SerialPort over QSerialPort. A read, resource or write error closes the
// port and is reported once; left open, the port would raise the same error
// again and again.
class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);

    void open(const PortTarget& target) override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void onReadyRead();
    // Takes what is buffered from the event loop, once.
    void queueRecheck();
    void onError(QSerialPort::SerialPortError error);
    void loseDevice(const QString& cause);
    QString goneDeviceCause() const;
    // The system's error number of the device's failed open, given errno right after it.
    int openFailureError(int errorAfterOpen, const QString& device) const;
    QString openFailureReason(int systemError) const;
    // Takes the device itself, whatever name opened it; throws when another
    // opener holds it.
    void holdDevice(const QString& where);

    QSerialPort port;
    bool inReceiveHandler = false;
    // write() waits for its bytes to go out, and that wait raises readyRead
    // for a reply that arrives meanwhile; the reply is taken after write()
    // returns, once its caller has done what goes with the command.
    bool inWrite = false;
    bool recheckQueued = false;
    // Why the port closed itself; empty while it is open or closed by us.
    QString lossDescription;
};
