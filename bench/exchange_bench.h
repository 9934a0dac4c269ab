#pragma once

// What the Data exchange benchmarks share: the real window on the real serial
// layer against the simulated device on a pseudo-terminal, a bare reference
// client on the same line, the line's byte counts and the arithmetic of the
// report.

#include "app/main_window.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/platform.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_devices.h"
#include "platform/qt_serial_port.h"
#include "sim/pty_server.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <atomic>
#include <memory>

namespace ExchangeBench {

// 38400 baud at 10 bits a byte.
constexpr double lineBytesPerSecond = 3840.0;
constexpr int toolPortNumber = 7;

// A simulated device on a pty that counts the bytes on the line both ways.
class Device {
public:
    explicit Device(const DeviceOptions& options);
    ~Device();
    QString path() const { return server.devicePath(); }
    qint64 bytesOnLine() const { return fromTool + toTool; }
    DeviceState state();

private:
    PtyServer server;
    std::atomic<qint64> fromTool{0};
    std::atomic<qint64> toTool{0};
};

// The tool's window on the real platform with scripted message boxes, its
// port open on the device and its pages usable as after connecting.
class Tool {
public:
    explicit Tool(const Device& device) : Tool(device.path()) {}
    // The port opened on any pseudo-terminal's device side.
    explicit Tool(const QString& devicePath);
    Form1& form() { return window->form(); }
    MainWindow& mainWindow() { return *window; }
    FakeDialogs& dialogs() { return fakeDialogs; }
    struct Timing {
        double ms = -1;    // real time
        double cpuMs = 0;  // CPU time of the window's thread
    };
    // Clicks the button and runs the event loop until a message box with
    // this text has been shown (ms stays -1 if the limit passes first).
    Timing clickUntilMessage(QAbstractButton* button, const QString& text, int limitMs);
    Timing click(QAbstractButton* button);

private:
    MemorySettingsStore settings;
    QtSerialPort port;
    QtClock clock;
    FakeDialogs fakeDialogs;
    QtSerialDevices devices;
    Platform platform{port, clock, fakeDialogs, settings, devices};
    std::unique_ptr<MainWindow> window;
};

// The device's line opened without the tool: raw, blocking reads with a limit.
class BareLine {
public:
    explicit BareLine(const QString& path);
    ~BareLine();
    void write(const QByteArray& bytes) const;
    // Waits up to limitMs for more bytes; empty when none came.
    QByteArray read(int limitMs) const;
    // Reads until the buffer holds a CR LF and returns the first line (without it).
    QByteArray readLine(QByteArray& buffer, int limitMs) const;

private:
    int fd = -1;
};

// Before the QApplication: the offscreen platform unless QT_QPA_PLATFORM says
// otherwise, and each printed line out at once.
void prepareBenchProcess();
double median(QList<double> values);
// CPU time the calling thread has used, in milliseconds.
double threadCpuMs();
void sleepMs(int ms);

} // namespace ExchangeBench
