#include "platform/sequential_file.h"

#include "base/failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace {

// Opening a named pipe waits for a process at its other end, which would
// freeze the window; a socket or a device is no file of lines either.
void refuseAllButRegularFiles(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        throw Failure(FailureNumber::FileAccessError,
                      SequentialFile::tr("Path/File access error: %1 is not a regular file "
                                         "(a named pipe, a socket or a device)")
                          .arg(path));
}

// The reason is read from errno at once: Qt reports a short write on a
// full disk without one.
int writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        written += count;
    }
    return 0;
}

} // namespace

void SequentialFile::openForWriting(const QString& path)
{
    // Unbuffered: writeLine writes to the descriptor itself.
    openWithMode(path, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
}

void SequentialFile::openForWritingKeepingContents(const QString& path)
{
    openWithMode(path, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void SequentialFile::discardContents()
{
    if (!file.isOpen() || !file.isWritable())
        throw Failure(FailureNumber::BadFileName, SequentialFile::tr("Bad file name or number"));
    if (!file.resize(0))
        throw Failure(FailureNumber::FileAccessError,
                      SequentialFile::tr("Path/File access error: %1 (%2)").arg(file.fileName(), file.errorString()));
}

void SequentialFile::openForReading(const QString& path)
{
    openWithMode(path, QIODevice::ReadOnly);
}

void SequentialFile::openWithMode(const QString& path, QIODevice::OpenMode mode)
{
    close();
    refuseAllButRegularFiles(path);
    file.setFileName(path);
    if (path.isEmpty() || !file.open(mode))
        throwOpenFailure(file, mode.testFlag(QIODevice::WriteOnly));
}

void SequentialFile::writeWhole(const QString& path, const QByteArray& bytes)
{
    refuseAllButRegularFiles(path);
    // Written beside the file and put in its place only when complete; a
    // file not committed is removed. Unbuffered, so that a failed write is
    // seen here: commit() can miss a failure of the flush it does itself.
    QSaveFile whole(path);
    if (path.isEmpty() || !whole.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throwOpenFailure(whole, true);
    if (whole.write(bytes) != bytes.size() || !whole.commit())
        throw Failure(FailureNumber::DiskFull,
                      SequentialFile::tr("Cannot write to %1: %2").arg(path, whole.errorString()));
}

void SequentialFile::throwOpenFailure(const QFileDevice& file, bool forWriting)
{
    // Qt says OpenError for every refusal of the system; the system's own
    // error, read before anything else can change it, tells a permission.
    const int systemError = errno;
    const QString path = file.fileName();
    if (path.isEmpty())
        throw Failure(FailureNumber::BadFileName, SequentialFile::tr("Bad file name: no file name given"));
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw Failure(FailureNumber::PathNotFound, SequentialFile::tr("Path not found: %1").arg(path));
    if (!forWriting && !info.exists())
        throw Failure(FailureNumber::FileNotFound, SequentialFile::tr("File not found: %1").arg(path));
    if (info.isDir())
        throw Failure(FailureNumber::FileAccessError, SequentialFile::tr("Path/File access error: %1 is a folder").arg(path));
    if (file.error() == QFileDevice::PermissionsError || systemError == EACCES || systemError == EPERM
        || systemError == EROFS)
        throw Failure(FailureNumber::PermissionDenied,
                      SequentialFile::tr("Permission denied: %1 (%2)").arg(path, file.errorString()));
    throw Failure(FailureNumber::FileAccessError,
                  SequentialFile::tr("Path/File access error: %1 (%2)").arg(path, file.errorString()));
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
        throw Failure(FailureNumber::BadFileName, SequentialFile::tr("Bad file name or number"));
    // Written straight to the system, so that a crash or a lost device loses
    // nothing already handled.
    const int descriptor = file.handle();
    const off_t start = ::lseek(descriptor, 0, SEEK_CUR);
    if (const int error = writeAll(descriptor, bytes)) {
        // The file keeps whole writes only (whole records): the part that
        // fit goes again.
        if (start >= 0 && ::ftruncate(descriptor, start) == 0)
            ::lseek(descriptor, start, SEEK_SET);
        throw Failure(FailureNumber::DiskFull,
                      SequentialFile::tr("Cannot write to %1: %2").arg(file.fileName(), qt_error_string(error)));
    }
}

bool SequentialFile::atEnd() const
{
    return !file.isOpen() || file.atEnd();
}

QByteArray SequentialFile::readLine()
{
    if (!file.isOpen() || !file.isReadable())
        throw Failure(FailureNumber::BadFileName, SequentialFile::tr("Bad file name or number"));
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
    // A failed read is no end of line: what was read of it is not used.
    if (file.error() != QFileDevice::NoError)
        throw Failure(FailureNumber::DeviceIoError,
                      SequentialFile::tr("Cannot read from %1: %2").arg(file.fileName(), file.errorString()));
    return line;
}

qint64 SequentialFile::lineCount(const QString& path)
{
    QFile counted(path);
    if (!counted.open(QIODevice::ReadOnly))
        return 0;
    qint64 lines = 0;
    char last = '\n';
    bool crBefore = false;
    while (!counted.atEnd()) {
        const QByteArray chunk = counted.read(1 << 16);
        if (chunk.isEmpty())
            break;
        for (const char c : chunk) {
            // CR LF is one line end; a lone CR or LF is one too.
            if (c == '\r' || (c == '\n' && !crBefore))
                ++lines;
            crBefore = c == '\r';
        }
        last = chunk.back();
    }
    return lines + (last != '\r' && last != '\n' ? 1 : 0);
}

namespace {
[[noreturn]] void throwSyncFailure(const QString& path, int error)
{
    throw Failure(FailureNumber::DeviceIoError,
                  SequentialFile::tr("Cannot put %1 on the disk: %2").arg(path, qt_error_string(error)));
}
} // namespace

void SequentialFile::syncToDisk(const QString& path)
{
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || _commit(file.handle()) != 0)
        throwSyncFailure(path, errno);
#else
    const QByteArray name = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    for (const QByteArray& entry : {name, folder}) {
        const int fd = ::open(entry.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            throwSyncFailure(path, error);
        }
        ::close(fd);
    }
#endif
}
