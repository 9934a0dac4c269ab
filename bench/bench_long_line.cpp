// Lines of any length through the receive path, echo into the output box
// included, at a flat cost per byte.
//
//   bench_long_line [longest KB=1024] [chunk bytes=1024] [pty KB=1024]
//
// First, the window on the fake platform: 1 MB made of lines of 1 KB, 64 KB,
// 256 KB and 1 MB (no line end at all for the last), delivered in chunks of
// the given size; prints CPU microseconds per KB and the ratio to the 1 KB
// lines.
// Then the real window on a pseudo-terminal: one line without a line end
// written as fast as the line takes it, the wall time until the window has
// all of it, and how long a click on a button of the window waits meanwhile.

#include "exchange_bench.h"

#include "platform/fake/fake_platform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace ExchangeBench;

namespace {

constexpr qsizetype KB = 1024;
constexpr qsizetype total = 1024 * KB;

// The same megabyte cut into lines of the given length (CR LF included);
// a line of the whole megabyte has no line end.
QByteArray streamOfLines(qsizetype lineLength)
{
    QByteArray line(lineLength, 'x');
    if (lineLength < total)
        line.replace(lineLength - 2, 2, "\r\n");
    return line.repeated(total / lineLength);
}

double microsecondsPerKb(qsizetype lineLength, qsizetype chunk)
{
    FakePlatform fakes;
    MainWindow window(fakes.platform);
    window.show();
    fakes.port.open(1);
    const QByteArray stream = streamOfLines(lineLength);
    // CPU time, so that other load on the machine does not count.
    const double startMs = threadCpuMs();
    for (qsizetype at = 0; at < stream.size(); at += chunk) {
        fakes.port.deliver(stream.mid(at, chunk));
        fakes.clock.doEvents();
    }
    return (threadCpuMs() - startMs) * 1e3 / double(stream.size() / KB);
}

// Characters the box has received: its characters without the line breaks.
qint64 charactersShown(const QTextDocument* box)
{
    return box->characterCount() - box->blockCount();
}

// A pseudo-terminal whose far end the tool opens as its port.
class RawPty {
public:
    RawPty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
            throw std::runtime_error("no pseudo-terminal");
        slavePath = QString::fromLocal8Bit(ptsname(master));
        termios raw{};
        tcgetattr(master, &raw);
        cfmakeraw(&raw);
        tcsetattr(master, TCSANOW, &raw);
    }
    ~RawPty() { ::close(master); }
    QString path() const { return slavePath; }
    void writeAll(const QByteArray& bytes) const
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::write(master, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0 && errno != EINTR && errno != EAGAIN)
                throw std::runtime_error("cannot write to the pseudo-terminal");
            done += std::max<ssize_t>(n, 0);
        }
    }

private:
    int master = -1;
    QString slavePath;
};

void overPty(qsizetype bytes)
{
    RawPty pty;
    Tool tool(pty.path());
    Form1& f = tool.form();
    f.Ausgabe->clearAndRedraw();
    QPushButton probe(QStringLiteral("probe"), f.Ausgabe->window());
    probe.setGeometry(0, 0, 40, 20);
    probe.show();

    // Every 100 ms a click on the probe; its wait is the time from the press
    // being posted to the button's clicked signal.
    QList<double> waits;
    QElapsedTimer clickTimer;
    QObject::connect(&probe, &QPushButton::clicked, [&] { waits << double(clickTimer.nsecsElapsed()) / 1e6; });
    QTimer clicker;
    QObject::connect(&clicker, &QTimer::timeout, [&] {
        const QPointF at(10, 10);
        clickTimer.start();
        QCoreApplication::postEvent(&probe, new QMouseEvent(QEvent::MouseButtonPress, at, probe.mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(&probe, new QMouseEvent(QEvent::MouseButtonRelease, at, probe.mapToGlobal(at),
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });
    clicker.start(100);

    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (charactersShown(f.Ausgabe->document()) >= bytes)
            loop.quit();
    });
    watch.start(10);
    QTimer::singleShot(120'000, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    std::thread writer([&] { pty.writeAll(QByteArray(bytes, 'x')); });
    loop.exec();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    writer.join();
    std::sort(waits.begin(), waits.end());
    std::printf("\n%lld KB without a line end over a pty: %s in %.2f s wall, %lld clicks answered, "
                "median wait %.1f ms, longest %.1f ms\n",
                static_cast<long long>(bytes / KB), charactersShown(f.Ausgabe->document()) >= bytes ? "all" : "NOT all",
                seconds, static_cast<long long>(waits.size()), median(waits), waits.isEmpty() ? 0.0 : waits.last());
}

} // namespace

int main(int argc, char* argv[])
{
    prepareBenchProcess();
    QApplication app(argc, argv);
    const qsizetype longest = (argc > 1 ? atoi(argv[1]) : 1024) * KB;
    const qsizetype chunk = argc > 2 ? atoi(argv[2]) : 1024;
    const qsizetype ptyBytes = (argc > 3 ? atoi(argv[3]) : 1024) * KB;

    std::printf("1 MB through the receive path in chunks of %lld bytes\n", static_cast<long long>(chunk));
    std::printf("%10s %12s %12s\n", "line KB", "CPU us/KB", "vs 1 KB");
    double first = 0;
    for (const qsizetype length : {1 * KB, 64 * KB, 256 * KB, 1024 * KB}) {
        if (length > longest)
            break;
        const double perKb = microsecondsPerKb(length, chunk);
        if (first == 0)
            first = perKb;
        std::printf("%10lld %12.1f %12.2f\n", static_cast<long long>(length / KB), perKb, perKb / first);
    }
    if (ptyBytes > 0)
        overPty(ptyBytes);
    return 0;
}
