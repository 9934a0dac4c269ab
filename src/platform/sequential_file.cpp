#include "platform/sequential_file.h"

#include "base/failure.h"

#include <QDir>
#include <QFileInfo>

void SequentialFile::openForWriting(const QString& path)
{
    close();
    file.setFileName(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throwOpenFailure(path, true);
}

void SequentialFile::openForReading(const QString& path)
{
    close();
    file.setFileName(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throwOpenFailure(path, false);
}

void SequentialFile::throwOpenFailure(const QString& path, bool forWriting) const
{
    if (path.isEmpty())
        throw Failure(FailureNumber::BadFileName, QStringLiteral("Bad file name: no file name given"));
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw Failure(FailureNumber::PathNotFound, QStringLiteral("Path not found: %1").arg(path));
    if (!forWriting && !info.exists())
        throw Failure(FailureNumber::FileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        throw Failure(FailureNumber::FileAccessError, QStringLiteral("Path/File access error: %1 is a folder").arg(path));
    if (file.error() == QFileDevice::OpenError || file.error() == QFileDevice::PermissionsError)
        throw Failure(FailureNumber::PermissionDenied,
                      QStringLiteral("Permission denied: %1 (%2)").arg(path, file.errorString()));
    throw Failure(FailureNumber::FileAccessError,
                  QStringLiteral("Path/File access error: %1 (%2)").arg(path, file.errorString()));
}

void SequentialFile::close()
{
    if (file.isOpen())
        file.close();
}

void SequentialFile::writeLine(const QByteArray& line)
{
    write(line + "\r\n");
}

void SequentialFile::write(const QByteArray& bytes)
{
    if (!file.isOpen() || !file.isWritable())
        throw Failure(FailureNumber::BadFileName, QStringLiteral("Bad file name or number"));
    // Flushed so that a crash or a lost device loses nothing already handled.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        throw Failure(FailureNumber::DiskFull,
                      QStringLiteral("Cannot write to %1: %2").arg(file.fileName(), reason));
    }
}

bool SequentialFile::atEnd() const
{
    return !file.isOpen() || file.atEnd();
}

QByteArray SequentialFile::readLine()
{
    if (!file.isOpen() || !file.isReadable())
        throw Failure(FailureNumber::BadFileName, QStringLiteral("Bad file name or number"));
    QByteArray line;
    char c = 0;
    while (file.getChar(&c)) {
        if (c == '\n')
            break;
        if (c == '\r') {
            char next = 0;
            if (file.peek(&next, 1) == 1 && next == '\n')
                file.getChar(&next);
            break;
        }
        line += c;
    }
    return line;
}
