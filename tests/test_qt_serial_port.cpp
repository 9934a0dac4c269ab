#include "base/failure.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/qt_serial_port.h"

#include <QElapsedTimer>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The far end of a pseudo-terminal, standing in for a device.
struct PtyDevice {
    int master = -1;
    QString path;

    PtyDevice()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        path = QString::fromLocal8Bit(ptsname(master));
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyDevice() { hangUp(); }

    void send(const QByteArray& bytes) const { QCOMPARE(::write(master, bytes.constData(), bytes.size()), bytes.size()); }
    QByteArray received() const
    {
        QByteArray bytes;
        char buffer[512];
        ssize_t n;
        while ((n = ::read(master, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, n);
        return bytes;
    }
    void hangUp()
    {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
};

struct PortOnPty {
    PtyDevice device;
    MemorySettingsStore settings;
    QtSerialPort port{settings};
    QByteArray received;
    QList<Failure> losses;

    PortOnPty()
    {
        settings.save("Ports", "COM5", device.path);
        port.setReceiveHandler([this] { received += port.readAll(); });
        port.setLostHandler([this](const Failure& failure) { losses << failure; });
    }
};

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void writesReachTheDeviceBeforeTheCallReturns()
    {
        PortOnPty p;
        p.port.open(5);
        QVERIFY(p.port.isOpen());
        p.port.write("ONLINE\r");
        // No event loop runs here: the bytes must already be on their way.
        QByteArray atDevice;
        QElapsedTimer waited;
        waited.start();
        while (atDevice.size() < 7 && waited.elapsed() < 1000) {
            atDevice += p.device.received();
            QTest::qSleep(5);
        }
        QCOMPARE(atDevice, QByteArray("ONLINE\r"));
    }

    void everyByteArrivesUnchanged()
    {
        PortOnPty p;
        p.port.open(5);
        QByteArray all;
        for (int c = 1; c <= 0xFF; ++c)
            if (c != '\r' && c != '\n')
                all += char(c);
        p.device.send(all + "\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(p.received, all + "\r\n", 2000);
    }

    void staleInputIsDiscardedWhenThePortOpens()
    {
        PortOnPty p;
        p.device.send("garbage before open\r\nmore");
        p.port.open(5);
        p.device.send("Ok\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(p.received.contains("Ok\r\n"), 2000);
        QCOMPARE(p.received, QByteArray("Ok\r\n"));
    }

    void aDeviceThatCannotBeOpenedSaysWhichAndWhy()
    {
        MemorySettingsStore settings;
        settings.save("Ports", "COM9", "/dev/no-such-tagorix-device");
        QtSerialPort port(settings);
        try {
            port.open(9);
            QFAIL("opened a missing device");
        } catch (const Failure& failure) {
            QVERIFY(failure.description.contains("COM9"));
            QVERIFY(failure.description.contains("/dev/no-such-tagorix-device"));
        }
        QVERIFY(!port.isOpen());
        QVERIFY_THROWS_EXCEPTION(Failure, port.write("X\r"));
    }

    void aLostDeviceClosesThePortAndIsReportedOnce()
    {
        PortOnPty p;
        p.port.open(5);
        p.device.hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(!p.port.isOpen(), 3000);
        QTest::qWait(300);
        QCOMPARE(p.losses.size(), 1);
        // What happened, not whatever error text the port held from before.
        const QString told = p.losses.constFirst().description;
        QVERIFY2(told.startsWith(QStringLiteral("The connection to the device was lost: the port reports that "
                                                "the device is gone")),
                 qPrintable(told));
        // A later write fails as the same loss, not as a port never opened.
        try {
            p.port.write("X\r");
            QFAIL("the write succeeded");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, FailureNumber::PortLost);
            QCOMPARE(failure.description, told);
        }
        QVERIFY(p.port.readAll().isEmpty());
    }

    void bytesThatArriveWhileTheHandlerRunsAreNotLeftWaiting()
    {
        PortOnPty p;
        int calls = 0;
        p.port.setReceiveHandler([&] {
            ++calls;
            p.received += p.port.readAll();
            if (calls == 1) {
                p.device.send("second\r\n");
                QTest::qSleep(100); // a blocking pause inside the handler
            }
        });
        p.port.open(5);
        p.device.send("first\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(p.received, QByteArray("first\r\nsecond\r\n"), 2000);
    }
};

QTEST_MAIN(QtSerialPortTest)
#include "test_qt_serial_port.moc"
