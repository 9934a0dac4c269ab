#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// What tests use of Linux itself. A test that needs one of these facilities
// skips on other systems, naming it; its code still compiles there, as each
// tool has a side for other systems that does nothing.
#ifdef Q_OS_LINUX
#define SKIP_UNLESS_LINUX(facility) static_cast<void>(0)
#else
#define SKIP_UNLESS_LINUX(facility) QSKIP("needs " facility " (Linux)")
#endif

// The far end of a pseudo-terminal, standing in for a device.
class PtyDevice {
public:
    PtyDevice()
    {
#ifdef Q_OS_LINUX
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        path = QString::fromLocal8Bit(ptsname(master));
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
#endif
    }
    ~PtyDevice() { hangUp(); }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // The path the tool opens.
    QString devicePath() const { return path; }
    void send(const QByteArray& bytes) const
    {
#ifdef Q_OS_LINUX
        QCOMPARE(::write(master, bytes.constData(), bytes.size()), bytes.size());
#else
        Q_UNUSED(bytes)
#endif
    }
    QByteArray received() const
    {
        QByteArray bytes;
#ifdef Q_OS_LINUX
        char buffer[512];
        ssize_t n;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, n);
#endif
        return bytes;
    }
    // The device goes away, as a pulled USB adapter does.
    void hangUp()
    {
#ifdef Q_OS_LINUX
        if (master >= 0)
            ::close(master);
#endif
        master = -1;
    }

private:
    int master = -1;
    QString path;
};

// A named pipe at a path, its far end held open while this lives, so that
// opening the pipe would succeed at once instead of waiting.
class HeldFifo {
public:
    explicit HeldFifo(const QString& path)
    {
#ifdef Q_OS_LINUX
        const QByteArray name = QFile::encodeName(path);
        if (::mkfifo(name.constData(), 0600) == 0)
            farEnd = ::open(name.constData(), O_RDWR);
#else
        Q_UNUSED(path)
#endif
    }
    ~HeldFifo()
    {
#ifdef Q_OS_LINUX
        if (farEnd >= 0)
            ::close(farEnd);
#endif
    }
    HeldFifo(const HeldFifo&) = delete;
    HeldFifo& operator=(const HeldFifo&) = delete;

    bool isOpen() const { return farEnd >= 0; }

private:
    int farEnd = -1;
};
