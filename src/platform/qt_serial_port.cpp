#include "platform/qt_serial_port.h"

#include "platform/port_names.h"

#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTimer>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

// The texts a system gives when a device has gone away. Any other text in
// errorString() at that moment is left over from an earlier, unrelated call.
bool describesGoneDevice(const QString& systemText)
{
#ifdef Q_OS_UNIX
    for (int code : {EIO, ENXIO, ENODEV})
        if (systemText == qt_error_string(code))
            return true;
#else
    Q_UNUSED(systemText)
#endif
    return false;
}

// The name of the device itself. Qt's lock file is named after the name it
// opens, so a link (by-id) and the device it names would be two devices.
QString deviceName(const QString& path)
{
#ifdef Q_OS_UNIX
    const QString device = QFileInfo(path).canonicalFilePath();
    if (!device.isEmpty())
        return device;
#endif
    return path;
}

#ifdef Q_OS_UNIX
// Why the system refuses this user the device (EACCES, EBUSY, ...), 0 when it
// lets it open.
int openRefusal(const QString& device)
{
    const int descriptor = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    return 0;
}
#endif

} // namespace

QtSerialPort::QtSerialPort(QObject* parent)
    : QObject(parent)
{
    connect(&port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

void QtSerialPort::open(const PortTarget& target)
{
    if (port.isOpen())
        throw Failure(FailureNumber::PortOpenFailed, tr("Port already open"));
    lossDescription.clear();
    const QString where = target.described();
    const QString device = deviceName(target.path);
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud38400);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        // Taken at once: the system's error number of the open that failed.
        const int systemError = openFailureError(errno, device);
        const QString reason = openFailureReason(systemError);
        port.clearError();
        throw Failure(FailureNumber::PortOpenFailed, QStringLiteral("%1: %2").arg(where, reason), systemError);
    }
    holdDevice(where);
    // Whatever the line carried before the port was opened is not a reply.
    port.clear(QSerialPort::AllDirections);
    port.readAll();
    // Ptys refuse modem-control lines; a device that needs them still gets them.
    port.setDataTerminalReady(true);
    port.setRequestToSend(true);
    port.clearError();
}

int QtSerialPort::openFailureError(int errorAfterOpen, [[maybe_unused]] const QString& device) const
{
#ifdef Q_OS_UNIX
    // Qt refuses at its lock file, before opening the device, when another
    // program holds the lock: then the device itself opens, and it is busy.
    // Otherwise the device's own refusal tells (EACCES, EBUSY).
    if (port.error() == QSerialPort::PermissionError) {
        const int refusal = openRefusal(device);
        return refusal != 0 ? refusal : EBUSY;
    }
    // The open or the terminal settings that failed left their error number.
    return port.error() == QSerialPort::NoError ? 0 : errorAfterOpen;
#else
    Q_UNUSED(errorAfterOpen)
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        // Windows refuses a port that another program has open as access denied.
        return EBUSY;
    default:
        return 0;
    }
#endif
}

QString QtSerialPort::openFailureReason(int systemError) const
{
    // Qt's words for a lock file that another program holds say neither
    // "busy" nor who: it is the busy device's failure.
    if (port.error() == QSerialPort::PermissionError && systemError == EBUSY)
        return qt_error_string(EBUSY);
    return port.errorString();
}

void QtSerialPort::holdDevice([[maybe_unused]] const QString& where)
{
#ifdef Q_OS_UNIX
    // The lock goes with the open device, not with a name, and ends when the
    // port closes or the program ends, however it ends.
    if (::flock(int(port.handle()), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
        return;
    port.close();
    port.clearError();
    throw Failure(FailureNumber::PortOpenFailed, QStringLiteral("%1: %2").arg(where, qt_error_string(EBUSY)), EBUSY);
#endif
}

void QtSerialPort::close()
{
    lossDescription.clear();
    if (port.isOpen())
        port.close();
    port.clearError();
}

bool QtSerialPort::isOpen() const
{
    return port.isOpen();
}

void QtSerialPort::write(const QByteArray& bytes)
{
    if (port.isOpen())
        observe(bytes, true);
    if (port.isOpen() && port.write(bytes) == bytes.size()) {
        const QScopedValueRollback writing(inWrite, true);
        // write() only queues; the device must have the line before we pause or close.
        while (port.isOpen() && port.bytesToWrite() > 0 && port.waitForBytesWritten(2000)) {
        }
        if (port.isOpen() && port.bytesToWrite() > 0)
            loseDevice(port.error() == QSerialPort::TimeoutError
                           ? tr("the device took no data for 2 seconds")
                           : goneDeviceCause());
    } else if (port.isOpen()) {
        loseDevice(goneDeviceCause());
    }
    if (!port.isOpen())
        throw lossDescription.isEmpty() ? portNotOpen() : Failure(FailureNumber::PortLost, lossDescription);
}

QByteArray QtSerialPort::readAll()
{
    if (!port.isOpen())
        return {};
    const QByteArray bytes = port.readAll();
    observe(bytes, false);
    return bytes;
}

void QtSerialPort::onReadyRead()
{
    if (inReceiveHandler)
        return;
    if (inWrite) {
        // A fast device can answer before the wait for the command's bytes
        // ends (under Wine now and then, its write completing late; on
        // Windows and Linux alike the wait raises readyRead). Handled here,
        // the reply would overtake what the sender does after sending: the
        // hand-shake's time-out, set after "ONLINE" goes out, would be set
        // again after its "Ok" had ended it, and run out during the read-out.
        queueRecheck();
        return;
    }
    inReceiveHandler = true;
    if (receiveHandler)
        receiveHandler();
    inReceiveHandler = false;
    // readyRead is not raised again for bytes that arrived while the handler
    // ran (during a pause, or under a modal box it opened); take them now.
    if (port.isOpen() && port.bytesAvailable() > 0)
        queueRecheck();
}

void QtSerialPort::queueRecheck()
{
    if (recheckQueued)
        return;
    recheckQueued = true;
    QTimer::singleShot(0, this, [this] {
        recheckQueued = false;
        if (port.isOpen() && port.bytesAvailable() > 0)
            onReadyRead();
    });
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError:
        if (port.isOpen())
            loseDevice(goneDeviceCause());
        break;
    default:
        // Modem-control lines on a pty and time-outs are harmless.
        break;
    }
}

QString QtSerialPort::goneDeviceCause() const
{
    const QString systemText = port.errorString();
    if (describesGoneDevice(systemText))
        return tr("the port reports that the device is gone (unplugged, switched off, or its line hung up). The "
                  "system says: %1")
            .arg(systemText);
    return tr("the port reports that the device is gone (unplugged, switched off, or its line hung up)");
}

void QtSerialPort::loseDevice(const QString& cause)
{
    if (!port.isOpen())
        return;
    port.close();
    port.clearError();
    lossDescription = tr("The connection to the device was lost: %1.").arg(cause);
    const Failure failure(FailureNumber::PortLost, lossDescription);
    // Reported from the event loop, never from inside QSerialPort's own signal.
    QTimer::singleShot(0, this, [this, failure] {
        if (lostHandler)
            lostHandler(failure);
    });
}
