// Reads the simulated device's records into the records file, unpaced and
// paced at 38400 baud, with the tool (echo into the output box included) and
// with a bare client that only cuts, converts and writes the lines, side by
// side.
//
//   bench_exchange_readout [records=10000] [unpaced rounds=3] [paced rounds=1]
//
// The floor of a paced read-out is its wire time: every byte on the line,
// both ways, at 3840 bytes/s. From 20,000 records on, the tool's last 10,000
// records are timed against its first 10,000: about 1 means a flat cost per
// record. `bench_exchange_readout 100000 1 0` reads out 100,000 records.

#include "exchange_bench.h"

#include "core/data_exchange.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace ExchangeBench;

namespace {

struct Run {
    double ms;
    double floorMs;
    double cpuMs = 0;
    double lastToFirst = 0; // the last 10,000 records' time over the first 10,000's
};

constexpr int flatnessBlock = 10'000;

DeviceOptions deviceWith(int records, bool paced)
{
    DeviceOptions options;
    options.preloadRecords = records;
    options.baudRate = paced ? 38400 : 0;
    return options;
}

qsizetype linesIn(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count("\r\n") : -1;
}

Run toolRun(const QString& path, int records, bool paced)
{
    ExchangeBench::Device device(deviceWith(records, paced));
    Tool tool(device);
    tool.form().PfadSpeichern->setText(path);
    // When each record line reached the handling, from the start of the click.
    QList<qint64> recordNs;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&tool.mainWindow().device(), &::Device::lineHeard, &tool.mainWindow(), [&](const QString&) {
        if (tool.form().ReplyMode == ReplyModes::RecordLine)
            recordNs << clock.nsecsElapsed();
    });
    const Tool::Timing timing = tool.clickUntilMessage(
        tool.form().LeseErfassungen, QStringLiteral("Transfer of records finished."), 600'000);
    if (timing.ms < 0 || linesIn(path) != records)
        throw std::runtime_error("the tool's read-out did not arrive whole");
    double lastToFirst = 0;
    if (recordNs.size() >= 2 * flatnessBlock) {
        const double first = double(recordNs.at(flatnessBlock - 1) - recordNs.constFirst());
        const double last = double(recordNs.constLast() - recordNs.at(recordNs.size() - flatnessBlock));
        lastToFirst = last / first;
    }
    return {timing.ms, double(device.bytesOnLine()) * 1000.0 / lineBytesPerSecond, timing.cpuMs, lastToFirst};
}

Run bareRun(const QString& path, int records, bool paced)
{
    ExchangeBench::Device device(deviceWith(records, paced));
    BareLine line(device.path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the records file");
    QByteArray buffer;
    QElapsedTimer timer;
    timer.start();
    line.write("STA\r");
    const QByteArray counts = line.readLine(buffer, 5000);
    const int announced = counts.mid(counts.indexOf('|') + 1).toInt();
    line.write("GET\r");
    for (int i = 0; i < announced; ++i) {
        file.write(recordFileLine(QString::fromLatin1(line.readLine(buffer, 5000))).toLatin1() + "\r\n");
        file.flush();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    file.close();
    if (linesIn(path) != records)
        throw std::runtime_error("the bare read-out did not arrive whole");
    return {ms, double(device.bytesOnLine()) * 1000.0 / lineBytesPerSecond};
}

void runSeries(const QString& path, int records, int rounds, bool paced)
{
    std::printf("\n%s read-out of %d records, %d rounds\n", paced ? "Paced (38400 baud)" : "Unpaced", records,
                rounds);
    std::printf("%-6s %12s %12s %12s %10s %10s %10s %12s %10s\n", "round", "tool ms", "bare ms", "floor ms",
                "tool/bare", "tool/floor", "bare/floor", "tool CPU ms", "last/first");
    QList<double> toolMs, toolToBare, toolToFloor;
    for (int round = 1; round <= rounds; ++round) {
        const Run tool = toolRun(path, records, paced);
        const Run bare = bareRun(path, records, paced);
        std::printf("%-6d %12.1f %12.1f %12.1f %10.3f %10.3f %10.3f %12.1f %10.2f\n", round, tool.ms, bare.ms,
                    tool.floorMs, tool.ms / bare.ms, tool.ms / tool.floorMs, bare.ms / bare.floorMs, tool.cpuMs,
                    tool.lastToFirst);
        toolMs << tool.ms;
        toolToBare << tool.ms / bare.ms;
        toolToFloor << tool.ms / tool.floorMs;
    }
    std::printf("median tool %.1f ms, tool/bare %.3f, tool/floor %.3f\n", median(toolMs), median(toolToBare),
                median(toolToFloor));
}

} // namespace

int main(int argc, char* argv[])
{
    prepareBenchProcess();
    QApplication app(argc, argv);
    const int records = argc > 1 ? atoi(argv[1]) : 10'000;
    const int unpacedRounds = argc > 2 ? atoi(argv[2]) : 3;
    const int pacedRounds = argc > 3 ? atoi(argv[3]) : 1;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("records.csv"));
    runSeries(path, records, unpacedRounds, false);
    if (pacedRounds > 0)
        runSeries(path, records, pacedRounds, true);
    return 0;
}
