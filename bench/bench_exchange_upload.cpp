// Loads custom codes into the simulated device over a pty paced at 38400
// baud, with the tool and with a bare stop-and-wait client side by side.
//
//   bench_exchange_upload [codes=1000] [rounds=3]
//
// The floor of a load is its wire time (every byte on the line, both ways,
// at 3840 bytes/s) plus the 5 ms pacing before each line.

#include "exchange_bench.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace ExchangeBench;

namespace {

DeviceOptions pacedDevice(int codes)
{
    DeviceOptions options;
    options.baudRate = 38400;
    options.customCodeCapacity = codes;
    return options;
}

struct Run {
    double ms;
    double floorMs;
    double cpuMs = 0;
};

double floorMs(qint64 bytesOnLine, int lines)
{
    return double(bytesOnLine) * 1000.0 / lineBytesPerSecond + 5.0 * lines;
}

Run toolRun(const QString& path, int codes)
{
    ExchangeBench::Device device(pacedDevice(codes));
    Tool tool(device);
    tool.form().PfadLaden->setText(path);
    const Tool::Timing timing = tool.click(tool.form().GeneriereDaten);
    if (device.state().customCodes.size() != codes)
        throw std::runtime_error("the tool's load did not arrive whole");
    return {timing.ms, floorMs(device.bytesOnLine(), codes), timing.cpuMs};
}

Run bareRun(const QList<QByteArray>& lines)
{
    ExchangeBench::Device device(pacedDevice(int(lines.size())));
    BareLine line(device.path());
    QByteArray buffer;
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& data : lines) {
        sleepMs(5);
        line.write("PUT " + QByteArray(data).replace(';', '|') + '\r');
        if (line.readLine(buffer, 5000) != "Ok")
            throw std::runtime_error("the device refused a line");
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return {ms, floorMs(device.bytesOnLine(), int(lines.size()))};
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const int codes = argc > 1 ? atoi(argv[1]) : 1000;
    const int rounds = argc > 2 ? atoi(argv[2]) : 3;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("codes.csv"));
    QList<QByteArray> lines;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < codes; ++i) {
        // About 30 bytes a code.
        lines << "C" + QByteArray::number(10'000 + i) + ";Custom code " + QByteArray::number(i).rightJustified(4, '0') +
                     ";Pen " + QByteArray::number(i % 10);
        file.write(lines.constLast() + "\r\n");
    }
    file.close();

    std::printf("Upload of %d custom codes at 38400 baud, %d rounds\n", codes, rounds);
    std::printf("%-6s %12s %12s %12s %10s %10s %14s\n", "round", "tool ms", "bare ms", "floor ms", "tool/floor",
                "bare/floor", "tool CPU/line");
    QList<double> toolRatios, bareRatios, toolToBare;
    for (int round = 1; round <= rounds; ++round) {
        const Run tool = toolRun(path, codes);
        const Run bare = bareRun(lines);
        std::printf("%-6d %12.1f %12.1f %12.1f %10.3f %10.3f %11.3f ms\n", round, tool.ms, bare.ms, tool.floorMs,
                    tool.ms / tool.floorMs, bare.ms / bare.floorMs, tool.cpuMs / codes);
        toolRatios << tool.ms / tool.floorMs;
        bareRatios << bare.ms / bare.floorMs;
        toolToBare << tool.ms / bare.ms;
    }
    std::printf("median tool/floor %.3f, bare/floor %.3f, tool/bare %.3f\n", median(toolRatios),
                median(bareRatios), median(toolToBare));
    return 0;
}
