#include "platform/qt_serial_devices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

// Device path -> the by-id link that resolves to it (Linux; elsewhere a
// device has only the name the system reports).
QHash<QString, QString> stableNamesByDevice()
{
    QHash<QString, QString> names;
#ifdef Q_OS_LINUX
    const QDir links(QStringLiteral("/dev/serial/by-id"));
    for (const QString& name : links.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString link = links.filePath(name);
        const QString target = QFileInfo(link).canonicalFilePath();
        if (!target.isEmpty())
            names.insert(target, link);
    }
#endif
    return names;
}

} // namespace

QList<SerialDeviceInfo> QtSerialDevices::present() const
{
    const QHash<QString, QString> stableNames = stableNamesByDevice();
    QList<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo device;
        device.path = info.systemLocation();
        device.stableName = stableNames.value(QFileInfo(device.path).canonicalFilePath());
        device.description = info.description();
        device.manufacturer = info.manufacturer();
        device.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier())
            device.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            device.productId = info.productIdentifier();
        devices << device;
    }
    std::sort(devices.begin(), devices.end(),
              [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) { return a.path < b.path; });
    return devices;
}

QList<DeviceHolder> QtSerialDevices::holdersOf(const QString& devicePath) const
{
    QList<DeviceHolder> holders;
#ifdef Q_OS_LINUX
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    if (device.isEmpty())
        return holders;
    // Each process's open files are links in /proc/PID/fd; those of other
    // users' processes are readable only by root.
    const QDir processes(QStringLiteral("/proc"));
    const qint64 self = QCoreApplication::applicationPid();
    for (const QString& pidText : processes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isProcess = false;
        const qint64 pid = pidText.toLongLong(&isProcess);
        if (!isProcess || pid == self)
            continue;
        const QDir files(processes.filePath(pidText + QStringLiteral("/fd")));
        const QStringList descriptors = files.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const bool holds = std::any_of(descriptors.cbegin(), descriptors.cend(), [&](const QString& fd) {
            return QFile::symLinkTarget(files.filePath(fd)) == device;
        });
        if (!holds)
            continue;
        QFile command(processes.filePath(pidText + QStringLiteral("/comm")));
        const QString name =
            command.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(command.readAll()).trimmed() : QString();
        holders << DeviceHolder{pid, name};
    }
#else
    Q_UNUSED(devicePath);
#endif
    return holders;
}
