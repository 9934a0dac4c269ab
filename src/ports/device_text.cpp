#include "ports/device_text.h"

#include <QFileInfo>

QString describeDevicePath(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("%1 (not present)").arg(path);
    const QString target = file.canonicalFilePath();
    if (file.isSymLink() && !target.isEmpty())
        return QStringLiteral("%1 (now %2)").arg(path, target);
    return path;
}
