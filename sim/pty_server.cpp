#include "sim/pty_server.h"

#include "core/selection_lists.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

qint64 steadyUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

[[noreturn]] void fail(const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

// Waits at least until atUs; poll counts whole milliseconds.
int timeoutMs(qint64 atUs, qint64 nowUs)
{
    return static_cast<int>(std::clamp<qint64>((atUs - nowUs + 999) / 1000, 0, 60'000));
}

} // namespace

PtyServer::PtyServer(DeviceOptions options)
    : model(std::move(options), SelectionLists::scannerRegisterItems())
{
}

PtyServer::~PtyServer()
{
    stop();
}

qint64 PtyServer::nowUs() const
{
    return steadyUs() - startedAtUs;
}

void PtyServer::start()
{
    if (running || thread.joinable())
        throw std::runtime_error("The device is already being served");
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        fail("posix_openpt");
    char name[128] = {};
    if (grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
        const int saved = errno;
        closeDescriptors();
        errno = saved;
        fail("grantpt/unlockpt/ptsname");
    }
    path = QString::fromLocal8Bit(name);

    slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slave < 0 || tcgetattr(slave, &raw) != 0) {
        const int saved = errno;
        closeDescriptors();
        errno = saved;
        fail("open slave");
    }
    // Raw: nothing echoed, no CR/LF translation, every byte as it is.
    cfmakeraw(&raw);
    cfsetispeed(&raw, B38400);
    cfsetospeed(&raw, B38400);
    tcsetattr(slave, TCSANOW, &raw);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    int wake[2];
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        const int saved = errno;
        closeDescriptors();
        errno = saved;
        fail("pipe2");
    }
    wakeRead = wake[0];
    wakeWrite = wake[1];

    const QByteArray garbage = model.garbage();
    if (!garbage.isEmpty() && ::write(master, garbage.constData(), garbage.size()) != garbage.size()) {
        const int saved = errno;
        closeDescriptors();
        errno = saved;
        fail("writing garbage");
    }

    startedAtUs = steadyUs();
    stopRequested = false;
    running = true;
    thread = std::thread([this] { serve(); });
}

void PtyServer::stop()
{
    stopRequested = true;
    if (wakeWrite >= 0) {
        const char wake = 1;
        [[maybe_unused]] const auto written = ::write(wakeWrite, &wake, 1);
    }
    if (thread.joinable())
        thread.join();
    closeDescriptors();
}

void PtyServer::closeDescriptors()
{
    // The master first: the tool's side hangs up with it.
    for (int* fd : {&master, &slave, &wakeRead, &wakeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    running = false;
}

void PtyServer::withModel(const std::function<void(DeviceModel&)>& access)
{
    const std::lock_guard<std::mutex> guard(modelLock);
    access(model);
}

void PtyServer::serve()
{
    std::deque<Transmission> queued; // in order of time
    QByteArray due;                  // time has come; not yet taken by the pty
    std::optional<qint64> hangUpAt;
    qint64 idleLineUs = 0;
    {
        const std::lock_guard<std::mutex> guard(modelLock);
        hangUpAt = model.hangUpDeadlineUs();
        idleLineUs = qint64(model.options().idleLineMs) * 1000;
    }
    qint64 nextIdleLineAt = nowUs() + idleLineUs;

    while (!stopRequested) {
        const qint64 now = nowUs();
        while (!queued.empty() && queued.front().atUs <= now) {
            due += queued.front().bytes;
            queued.pop_front();
        }
        // Never inside a reply: only while nothing else is on its way.
        if (idleLineUs > 0 && now >= nextIdleLineAt) {
            if (queued.empty() && due.isEmpty())
                due = QByteArrayLiteral("\r\n");
            nextIdleLineAt = now + idleLineUs;
        }
        if (!due.isEmpty()) {
            const ssize_t n = ::write(master, due.constData(), static_cast<size_t>(due.size()));
            if (n > 0) {
                if (traffic)
                    traffic(due.left(n), false);
                due.remove(0, n);
            }
        }
        if (hangUpAt && now >= *hangUpAt)
            break;

        int timeout = -1;
        if (!queued.empty())
            timeout = timeoutMs(queued.front().atUs, now);
        if (hangUpAt)
            timeout = timeout < 0 ? timeoutMs(*hangUpAt, now) : std::min(timeout, timeoutMs(*hangUpAt, now));
        if (idleLineUs > 0)
            timeout = timeout < 0 ? timeoutMs(nextIdleLineAt, now) : std::min(timeout, timeoutMs(nextIdleLineAt, now));
        pollfd fds[2] = {{master, static_cast<short>(POLLIN | (due.isEmpty() ? 0 : POLLOUT)), 0},
                         {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead, drain, sizeof drain) > 0) {
            }
        }
        if (fds[0].revents & POLLIN) {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
                const QByteArray bytes(buffer, n);
                if (traffic)
                    traffic(bytes, true);
                DeviceOutput out;
                {
                    const std::lock_guard<std::mutex> guard(modelLock);
                    out = model.receive(bytes, nowUs());
                }
                if (out.dropPending) {
                    queued.clear();
                    due.clear();
                }
                queued.insert(queued.end(), out.sends.begin(), out.sends.end());
                if (out.hangUpAtUs)
                    hangUpAt = hangUpAt ? std::min(*hangUpAt, *out.hangUpAtUs) : *out.hangUpAtUs;
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Not expected while the server's own slave descriptor is open;
            // never spin on it.
            ::usleep(10'000);
        }
    }

    {
        const std::lock_guard<std::mutex> guard(modelLock);
        model.hangUp();
    }
    // The device goes away here, whoever asked for it.
    ::close(master);
    master = -1;
    running = false;
}
