#include "cli/records_target.h"

#include "base/failure.h"
#include "platform/sequential_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <limits>
#include <system_error>

namespace {
// "records.csv" -> "records-2.csv"; "records" -> "records-2".
QString numbered(const QString& path, int number)
{
    const QFileInfo info(path);
    const QString suffix = info.completeSuffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.fileName().chopped(suffix.size() + 1);
    return info.dir().filePath(base + QStringLiteral("-%1").arg(number) + (suffix.isEmpty() ? QString() : u'.' + suffix));
}

[[noreturn]] void throwFileFailure(const QString& path, const QString& why)
{
    throw Failure(FailureNumber::FileAccessError, RecordsTarget::tr("Cannot write %1: %2").arg(path, why));
}
} // namespace

RecordsTarget::RecordsTarget(const QString& target, bool neverReplace)
    : target(target), neverReplace(neverReplace)
{
    partial = toStandardOutput()
        ? QDir::temp().filePath(QStringLiteral("tagorix-records-%1.partial").arg(QCoreApplication::applicationPid()))
        : target + QStringLiteral(".partial");
}

RecordsTarget::~RecordsTarget()
{
    if (toStandardOutput())
        QFile::remove(partial);
}

qint64 RecordsTarget::recordsWritten() const
{
    return countRecords(std::numeric_limits<qint64>::max());
}

qint64 RecordsTarget::countRecords(qint64 atMost) const
{
    QFile file(partial);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 records = 0;
    char before = 0;
    while (records < atMost && !file.atEnd()) {
        const QByteArray chunk = file.read(1 << 16);
        for (const char c : chunk) {
            if (c == '\n' && before == '\r')
                ++records;
            before = c;
        }
    }
    return records;
}

QString RecordsTarget::commit()
{
    SequentialFile::syncToDisk(partial);
    QString name = target;
    std::error_code error;
    if (!neverReplace) {
        // One step: the earlier file is there until the new one takes its place.
        std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(name).toStdString(),
                                error);
        if (error)
            throwFileFailure(name, QString::fromStdString(error.message()));
    } else {
        // QFile::rename never replaces a file that is there.
        QFile file(partial);
        for (int number = 1; !file.rename(name); ++number) {
            if (!QFileInfo::exists(name))
                throwFileFailure(name, file.errorString());
            name = numbered(target, number);
        }
    }
    SequentialFile::syncToDisk(name);
    return name;
}

QByteArray RecordsTarget::takeRecords()
{
    QFile file(partial);
    QByteArray records = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    QFile::remove(partial);
    return records;
}

void RecordsTarget::keepPartOrNothing()
{
    if (countRecords(1) == 0)
        QFile::remove(partial);
}
