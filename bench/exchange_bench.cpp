#include "exchange_bench.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace ExchangeBench {

Device::Device(const DeviceOptions& options)
    : server(options)
{
    server.setTrafficObserver([this](const QByteArray& bytes, bool fromToolSide) {
        (fromToolSide ? fromTool : toTool) += bytes.size();
    });
    server.start();
}

Device::~Device()
{
    server.stop();
}

DeviceState Device::state()
{
    DeviceState copy;
    server.withModel([&copy](DeviceModel& model) { copy = model.state(); });
    return copy;
}

Tool::Tool(const QString& devicePath)
{
    settings.save(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(toolPortNumber), devicePath);
    window = std::make_unique<MainWindow>(platform);
    window->show();
    port.open(portTarget(toolPortNumber, settings));
    for (QFrame* page : form().pages())
        page->setEnabled(true);
    form().Tabulator->setCurrentIndex(4);
}

Tool::Timing Tool::click(QAbstractButton* button)
{
    const double cpuBefore = threadCpuMs();
    QElapsedTimer timer;
    timer.start();
    button->click();
    return {double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore};
}

Tool::Timing Tool::clickUntilMessage(QAbstractButton* button, const QString& text, int limitMs)
{
    QEventLoop loop;
    bool shown = false;
    QElapsedTimer timer;
    Timing timing;
    const double cpuBefore = threadCpuMs();
    fakeDialogs.whileShown = [&] {
        if (fakeDialogs.shown.constLast().text == text && !shown) {
            shown = true;
            timing = {double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuBefore};
            loop.quit();
        }
    };
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    timer.start();
    button->click();
    if (!shown)
        loop.exec();
    fakeDialogs.whileShown = nullptr;
    return timing;
}

BareLine::BareLine(const QString& path)
{
    fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        throw std::runtime_error("cannot open the device's line");
    termios raw{};
    tcgetattr(fd, &raw);
    cfmakeraw(&raw);
    tcsetattr(fd, TCSANOW, &raw);
    tcflush(fd, TCIOFLUSH);
}

BareLine::~BareLine()
{
    if (fd >= 0)
        ::close(fd);
}

void BareLine::write(const QByteArray& bytes) const
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            throw std::runtime_error("cannot write to the device's line");
        done += std::max<ssize_t>(n, 0);
    }
}

QByteArray BareLine::read(int limitMs) const
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, limitMs) <= 0)
        return {};
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

QByteArray BareLine::readLine(QByteArray& buffer, int limitMs) const
{
    qsizetype end;
    while ((end = buffer.indexOf("\r\n")) < 0) {
        const QByteArray more = read(limitMs);
        if (more.isEmpty())
            throw std::runtime_error("the device did not answer");
        buffer += more;
    }
    QByteArray line = buffer.left(end);
    buffer.remove(0, end + 2);
    return line;
}

void prepareBenchProcess()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double threadCpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

void sleepMs(int ms)
{
    const timespec pause{ms / 1000, (ms % 1000) * 1'000'000L};
    nanosleep(&pause, nullptr);
}

} // namespace ExchangeBench
