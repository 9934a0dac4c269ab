// A shelf of simulated devices read out by the command line at once, against
// one device alone: the wall time of `tagorix read-records` for each.
//
//   bench_shelf [devices=8] [records=1000] [rounds=3] [erase]
//
// Every device is a tagorix-sim program on a pty of its own, paced at
// 38400 baud as a real line is, holding the same records. With "erase", each
// run is an offload (read-records --erase) on devices started afresh for it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Sim {
    QProcess process;
    QString path;
    ~Sim()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
};

std::vector<std::unique_ptr<Sim>> startDevices(int count, int records)
{
    std::vector<std::unique_ptr<Sim>> devices;
    for (int i = 0; i < count; ++i) {
        auto sim = std::make_unique<Sim>();
        sim->process.start(QStringLiteral(TAGORIX_SIM_PROGRAM),
                           {QStringLiteral("--no-map"), QStringLiteral("--records"), QString::number(records)});
        if (!sim->process.waitForStarted(5000) || !sim->process.waitForReadyRead(5000))
            qFatal("tagorix-sim did not start");
        sim->path = QString::fromLocal8Bit(sim->process.readLine()).trimmed();
        devices.push_back(std::move(sim));
    }
    return devices;
}

// Milliseconds for one read-out of every device at once.
qint64 readOut(const std::vector<std::unique_ptr<Sim>>& devices, const QString& folder, bool erase)
{
    QStringList ports;
    for (const auto& sim : devices)
        ports << sim->path;
    QProcess cli;
    QElapsedTimer wall;
    wall.start();
    QStringList arguments{QStringLiteral("--quiet"), QStringLiteral("--port"), ports.join(u','),
                          QStringLiteral("read-records"), folder + QStringLiteral("/records-{port}-{time}.csv")};
    if (erase)
        arguments.insert(4, QStringLiteral("--erase"));
    cli.start(QStringLiteral(TAGORIX_CLI_PROGRAM), arguments);
    if (!cli.waitForFinished(600'000) || cli.exitCode() != 0)
        qFatal("tagorix failed: %s", cli.readAllStandardOutput().constData());
    return wall.elapsed();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int devices = arguments.size() > 1 ? arguments.at(1).toInt() : 8;
    const int records = arguments.size() > 2 ? arguments.at(2).toInt() : 1000;
    const int rounds = arguments.size() > 3 ? arguments.at(3).toInt() : 3;
    const bool erase = arguments.size() > 4 && arguments.at(4) == QStringLiteral("erase");
    QTemporaryDir folder;

    auto one = startDevices(1, records);
    auto shelf = startDevices(devices, records);
    std::vector<qint64> alone;
    std::vector<qint64> together;
    // Side by side in each round, so that the machine's load meets both alike.
    for (int round = 0; round < rounds; ++round) {
        if (erase && round > 0) {
            one = startDevices(1, records);
            shelf = startDevices(devices, records);
        }
        alone.push_back(readOut(one, folder.path(), erase));
        together.push_back(readOut(shelf, folder.path(), erase));
        std::printf("round %d: 1 device %lld ms, %d devices %lld ms\n", round + 1, static_cast<long long>(alone.back()),
                    devices, static_cast<long long>(together.back()));
    }
    std::sort(alone.begin(), alone.end());
    std::sort(together.begin(), together.end());
    const qint64 aloneMedian = alone.at(alone.size() / 2);
    const qint64 togetherMedian = together.at(together.size() / 2);
    std::printf("median: 1 device %lld ms, %d devices %lld ms, ratio %.2f\n", static_cast<long long>(aloneMedian),
                devices, static_cast<long long>(togetherMedian), double(togetherMedian) / double(aloneMedian));
    return 0;
}
