#pragma once

#include "platform/serial_port.h"

#include <QObject>
#include <QSerialPort>

class SettingsStore;

// SerialPort over QSerialPort. A read, resource or write error closes the
// port and is reported once; left open, the port would raise the same error
// again and again.
class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(const SettingsStore& settings, QObject* parent = nullptr);

    void open(int portNumber) override;
    // Opens the device at path, named so in a failure's text ("COM3", or the
    // path itself). Throws as open() does.
    void openPath(const QString& name, const QString& path);
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void loseDevice(const QString& cause);
    QString goneDeviceCause() const;

    const SettingsStore& settings;
    QSerialPort port;
    bool inReceiveHandler = false;
    bool recheckQueued = false;
    // Why the port closed itself; empty while it is open or closed by us.
    QString lossDescription;
};
