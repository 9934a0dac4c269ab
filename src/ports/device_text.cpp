#include "ports/device_text.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {
struct DeviceTexts {
    Q_DECLARE_TR_FUNCTIONS(DeviceText)
};
} // namespace

QString describeDevicePath(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return DeviceTexts::tr("%1 (not present)").arg(path);
    const QString target = file.canonicalFilePath();
    if (file.isSymLink() && !target.isEmpty())
        return DeviceTexts::tr("%1 (now %2)").arg(path, target);
    return path;
}

QString whyNotASerialPort(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    if (file.isDir())
        return DeviceTexts::tr("%1 is a folder, not a serial port.").arg(path);
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    if (!S_ISCHR(status.st_mode))
        return DeviceTexts::tr("%1 is not a device, so it cannot be a serial port.").arg(path);
    // Major number 1: /dev/null, /dev/zero, /dev/full, /dev/random and the like.
    if (major(status.st_rdev) == 1)
        return DeviceTexts::tr("%1 is a memory device, not a serial port.").arg(path);
#else
    if (file.isFile())
        return DeviceTexts::tr("%1 is a file, not a serial port.").arg(path);
#endif
    return {};
}
