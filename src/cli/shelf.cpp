#include "cli/shelf.h"

#include "cli/port_run.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>
#include <QTimer>

#include <atomic>
#include <csignal>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {
std::atomic<int> stopSignal{0};

extern "C" void onStopSignal(int signalNumber)
{
    int none = 0;
    stopSignal.compare_exchange_strong(none, signalNumber);
}

void writeOut(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void writeOut(std::FILE* stream, const QString& text)
{
    writeOut(stream, text.toLocal8Bit());
}

// What the device sent, for JSON: its bytes read as UTF-8 where they are,
// else one character per byte, so that "café" stays "café" either way.
QString readable(const QString& deviceText)
{
    const QByteArray bytes = deviceText.toLatin1();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return utf8.hasError() ? deviceText : decoded;
}
} // namespace

void stopOnSignals()
{
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, onStopSignal);
#endif
}

int stopRequested()
{
    return stopSignal;
}

PortJob::PortJob(const ShelfRequest& request, PortTarget port)
    : request(request), port(std::move(port))
{
}

PortJob::~PortJob()
{
    wait();
}

void PortJob::run()
{
    PortRun::Reporter reporter{[this](const QString& text) { emit progressed(text); },
                               [this](const QString& line) { emit lineReceived(line); },
                               [this](const QString& note) { emit noted(note); }};
    PortRun portRun(request, port, reporter, stopRequested);
    result = std::make_unique<PortOutcome>(portRun.run());
}

Shelf::Shelf(const ShelfRequest& request)
    : request(request), showsProgress(!request.quiet && isatty(fileno(stderr)))
{
}

int Shelf::run()
{
    for (const PortTarget& port : request.ports) {
        jobs.push_back(std::make_unique<PortJob>(request, port));
        PortJob* job = jobs.back().get();
        connect(job, &QThread::finished, this, [this, job] { finished(job); });
        connect(job, &PortJob::lineReceived, this, [this, job](const QString& line) { printLine(*job, line); });
        connect(job, &PortJob::noted, this, [this, job](const QString& note) { printNote(*job, note); });
        connect(job, &PortJob::progressed, this, [this, job](const QString& text) {
            progress[job->shelfPort().name] = text;
        });
    }
    QTimer progressTimer;
    connect(&progressTimer, &QTimer::timeout, this, [this] { showProgress(); });
    if (showsProgress)
        progressTimer.start(200);
    running = int(jobs.size());
    for (const auto& job : jobs)
        job->start();
    if (running > 0)
        QCoreApplication::exec();
    clearProgress();
    return worst;
}

QString Shelf::prefix(const PortJob& job) const
{
    return request.severalPorts() ? job.shelfPort().name + QStringLiteral(": ") : QString();
}

void Shelf::printLine(const PortJob& job, const QString& line)
{
    clearProgress();
    if (request.json) {
        const QJsonObject object{{QStringLiteral("port"), job.shelfPort().name}, {QStringLiteral("line"), readable(line)}};
        writeOut(stdout, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
        return;
    }
    // The device's bytes as it sent them.
    writeOut(stdout, prefix(job).toLocal8Bit() + line.toLatin1() + '\n');
}

void Shelf::printNote(const PortJob& job, const QString& note)
{
    clearProgress();
    writeOut(stderr, job.shelfPort().name + QStringLiteral(": ") + note + u'\n');
}

void Shelf::finished(PortJob* job)
{
    const PortOutcome& outcome = job->outcome();
    const QString name = job->shelfPort().name;
    progress.remove(name);
    clearProgress();
    worst = std::max(worst, outcome.status);
    QByteArray text;
    if (request.json) {
        QJsonObject object = outcome.json;
        if (request.command == ShelfCommand::ReadCodes) {
            QJsonArray codes;
            for (const QString& code : outcome.lines)
                codes << readable(code);
            object.insert(QStringLiteral("codes"), codes);
        }
        object.insert(QStringLiteral("port"), name);
        object.insert(QStringLiteral("status"), outcome.status);
        object.insert(QStringLiteral("result"), outcome.result);
        text = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    } else {
        // The device's lines as it sent them, byte for byte.
        for (const QString& line : outcome.lines)
            text += prefix(*job).toLocal8Bit() + line.toLatin1() + '\n';
        // info's output is a profile for set --from: its result line is a comment there.
        const bool comment = request.command == ShelfCommand::Info && outcome.status == ExitStatus::Done;
        text += ((comment ? QStringLiteral("# ") : QString()) + name + QStringLiteral(": ") + outcome.result + u'\n')
                    .toLocal8Bit();
    }
    writeOut(stdout, text);
    if (--running == 0)
        QCoreApplication::quit();
}

void Shelf::showProgress()
{
    if (progress.isEmpty())
        return;
    QStringList parts;
    for (auto entry = progress.cbegin(); entry != progress.cend(); ++entry)
        parts << entry.key() + QStringLiteral(": ") + entry.value();
    writeOut(stderr, QStringLiteral("\r") + parts.join(QStringLiteral("  ")) + QStringLiteral("\x1b[K"));
    progressShown = true;
}

void Shelf::clearProgress()
{
    if (!progressShown)
        return;
    writeOut(stderr, QStringLiteral("\r\x1b[K"));
    progressShown = false;
}
