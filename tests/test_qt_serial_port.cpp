#include "base/failure.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/port_names.h"
#include "platform/qt_serial_port.h"

#include "support/linux_tools.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>

namespace {

struct PortOnPty {
    PtyDevice device;
    MemorySettingsStore settings;
    QtSerialPort port;
    QByteArray received;
    QList<Failure> losses;

    PortOnPty()
    {
        settings.save("Ports", "COM5", device.devicePath());
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
        SKIP_UNLESS_LINUX("a pseudo-terminal");
        PortOnPty p;
        p.port.open(portTarget(5, p.settings));
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
        SKIP_UNLESS_LINUX("a pseudo-terminal");
        PortOnPty p;
        p.port.open(portTarget(5, p.settings));
        QByteArray all;
        for (int c = 1; c <= 0xFF; ++c)
            if (c != '\r' && c != '\n')
                all += char(c);
        p.device.send(all + "\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(p.received, all + "\r\n", 2000);
    }

    void staleInputIsDiscardedWhenThePortOpens()
    {
        SKIP_UNLESS_LINUX("a pseudo-terminal");
        PortOnPty p;
        p.device.send("garbage before open\r\nmore");
        p.port.open(portTarget(5, p.settings));
        p.device.send("Ok\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(p.received.contains("Ok\r\n"), 2000);
        QCOMPARE(p.received, QByteArray("Ok\r\n"));
    }

    // The failure names the port and carries the system's error number,
    // by which the advice is chosen in any language.
    void aDeviceThatCannotBeOpenedSaysWhichAndWhy_data()
    {
        QTest::addColumn<QString>("device"); // "held": a pty another port holds
        QTest::addColumn<int>("systemError");
        QTest::newRow("missing") << "/dev/no-such-tagorix-device" << int(ENOENT);
#ifdef Q_OS_LINUX
        QTest::newRow("not a serial port") << "/dev/null" << int(ENOTTY);
        QTest::newRow("held by another port") << "held" << int(EBUSY);
#endif
    }
    void aDeviceThatCannotBeOpenedSaysWhichAndWhy()
    {
        QFETCH(QString, device);
        QFETCH(int, systemError);
        PortOnPty holder;
        if (device == u"held") {
            holder.port.open(portTarget(5, holder.settings));
            device = holder.device.devicePath();
        }
        MemorySettingsStore settings;
        settings.save("Ports", "COM9", device);
        QtSerialPort port;
        try {
            port.open(portTarget(9, settings));
            QFAIL("opened it");
        } catch (const Failure& failure) {
            QVERIFY(failure.description.contains("COM9"));
            QVERIFY(failure.description.contains(devicePathForPort(9, settings)));
            QCOMPARE(failure.systemError, systemError);
            QVERIFY2(failure.description.endsWith(QStringLiteral(": ") + qt_error_string(systemError)),
                     qPrintable(failure.description));
        }
        QVERIFY(!port.isOpen());
        QVERIFY_THROWS_EXCEPTION(Failure, port.write("X\r"));
    }

    void aLostDeviceClosesThePortAndIsReportedOnce()
    {
        SKIP_UNLESS_LINUX("a pseudo-terminal");
        PortOnPty p;
        p.port.open(portTarget(5, p.settings));
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
        SKIP_UNLESS_LINUX("a pseudo-terminal");
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
        p.port.open(portTarget(5, p.settings));
        p.device.send("first\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(p.received, QByteArray("first\r\nsecond\r\n"), 2000);
    }
};

QTEST_MAIN(QtSerialPortTest)
#include "test_qt_serial_port.moc"
