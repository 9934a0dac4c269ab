#pragma once

#include "sim/device_model.h"

#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// Serves a DeviceModel on a pseudo-terminal, on a thread of its own. The tool
// opens the slave side (devicePath()) as its serial port. The server keeps a
// slave descriptor of its own open, so the tool may close and reopen the port
// as often as it likes; stop() closes the master, and the tool sees the
// device go away.
class PtyServer {
public:
    // Every byte on the line, from the server's thread: fromTool tells the
    // direction.
    using TrafficObserver = std::function<void(const QByteArray& bytes, bool fromTool)>;

    explicit PtyServer(DeviceOptions options = {});
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Opens the pseudo-terminal, puts the configured garbage on the line and
    // starts serving. Throws std::runtime_error when no pseudo-terminal can
    // be had.
    void start();
    // Closes the master and waits for the thread. Harmless when not running.
    void stop();

    // The slave side, e.g. /dev/pts/4; empty before start().
    QString devicePath() const { return path; }
    // False once stopped, or once the device hung up by itself.
    bool isRunning() const { return running; }

    // The model, locked against the server thread while access runs.
    void withModel(const std::function<void(DeviceModel&)>& access);
    // Set before start().
    void setTrafficObserver(TrafficObserver observer) { traffic = std::move(observer); }

private:
    void serve();
    qint64 nowUs() const;
    void closeDescriptors();

    DeviceModel model;
    std::mutex modelLock;
    TrafficObserver traffic;
    QString path;
    int master = -1;
    int slave = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    std::thread thread;
    std::atomic<bool> running{false};
    std::atomic<bool> stopRequested{false};
    qint64 startedAtUs = 0;
};
