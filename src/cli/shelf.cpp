#include "cli/shelf.h"

#include "cli/port_run.h"

#include <QCoreApplication>
#include <QJsonDocument>
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
std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int)
{
    interrupted = true;
    std::signal(SIGINT, SIG_DFL);
}

void writeOut(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

void stopOnInterrupt()
{
    std::signal(SIGINT, onInterrupt);
}

bool interruptRequested()
{
    return interrupted;
}

PortJob::PortJob(const ShelfRequest& request, ShelfPort port)
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
                               [this](const QString& line) { emit lineReceived(line); }};
    PortRun portRun(request, port, reporter, interruptRequested);
    result = std::make_unique<PortOutcome>(portRun.run());
}

Shelf::Shelf(const ShelfRequest& request)
    : request(request), showsProgress(!request.quiet && isatty(fileno(stderr)))
{
}

int Shelf::run()
{
    for (const ShelfPort& port : request.ports) {
        jobs.push_back(std::make_unique<PortJob>(request, port));
        PortJob* job = jobs.back().get();
        connect(job, &QThread::finished, this, [this, job] { finished(job); });
        connect(job, &PortJob::lineReceived, this, [this, job](const QString& line) { printLine(*job, line); });
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
        const QJsonObject object{{QStringLiteral("port"), job.shelfPort().name}, {QStringLiteral("line"), line}};
        writeOut(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
        return;
    }
    writeOut(stdout, prefix(job) + line + u'\n');
}

void Shelf::finished(PortJob* job)
{
    const PortOutcome& outcome = job->outcome();
    const QString name = job->shelfPort().name;
    progress.remove(name);
    clearProgress();
    worst = std::max(worst, outcome.status);
    QString text;
    if (request.json) {
        QJsonObject object = outcome.json;
        object.insert(QStringLiteral("port"), name);
        object.insert(QStringLiteral("status"), outcome.status);
        object.insert(QStringLiteral("result"), outcome.result);
        text = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
    } else {
        for (const QString& line : outcome.lines)
            text += prefix(*job) + line + u'\n';
        // info's output is a profile for set --from: its result line is a comment there.
        const bool comment = request.command == ShelfCommand::Info && outcome.status == ExitStatus::Done;
        text += (comment ? QStringLiteral("# ") : QString()) + name + QStringLiteral(": ") + outcome.result + u'\n';
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
