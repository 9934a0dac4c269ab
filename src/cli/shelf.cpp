#include "cli/shelf.h"

#include "cli/port_outcome.h"
#include "cli/port_listing.h"
#include "cli/port_run.h"
#include "platform/qt_serial_devices.h"
#include "core/data_exchange.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <csignal>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {
std::atomic<int> stopSignal{0};

// Columns of the terminal standard error shows on; 80 when it does not say.
int terminalWidth()
{
#ifdef TIOCGWINSZ
    winsize size{};
    if (::ioctl(fileno(stderr), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
#endif
    return 80;
}

extern "C" void onStopSignal(int signalNumber)
{
    int none = 0;
    stopSignal.compare_exchange_strong(none, signalNumber);
}

// Whether every byte got out: a full disk, /dev/full or a file-size limit
// makes the write or its flush fail.
bool writeOut(std::FILE* stream, const QByteArray& bytes)
{
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

bool writeOut(std::FILE* stream, const QString& text)
{
    return writeOut(stream, text.toLocal8Bit());
}

QString cannotWriteOut(const QString& why)
{
    return QStringLiteral("tagorix: ") + Shelf::tr("cannot write to standard output: %1").arg(why) + u'\n';
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
                               [this](const QString& note) { emit noted(note); },
                               [this](const QString& wire) { emit noted(wire); }};
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
    if (!outputFailure.isEmpty()) {
        writeOut(stderr, cannotWriteOut(outputFailure));
        worst = std::max(worst, int(ExitStatus::FileFailed));
    }
    return worst;
}

void Shelf::writeResults(const QByteArray& bytes)
{
    if (!writeOut(stdout, bytes) && outputFailure.isEmpty())
        outputFailure = errno != 0 ? qt_error_string(errno) : tr("the write failed");
}

bool Shelf::dataOnStandardOutput() const
{
    const bool writesFile = request.command == ShelfCommand::ReadRecords || request.command == ShelfCommand::ReadCodes;
    return request.command == ShelfCommand::Monitor || request.command == ShelfCommand::Send
        || (writesFile && request.toStandardOutput());
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
        writeResults(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
        return;
    }
    // The device's bytes as it sent them.
    writeResults(prefix(job).toLocal8Bit() + line.toLatin1() + '\n');
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
    if (request.json) {
        QJsonObject object = endingJson(name, request.commandName, outcome);
        if (request.command == ShelfCommand::ReadCodes && request.toStandardOutput()) {
            QJsonArray codes;
            for (const QString& code : outcome.lines)
                codes << readable(customCodeFileLine(code));
            object.insert(QStringLiteral("codes"), codes);
        }
        writeResults(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
    } else {
        QByteArray data = outcome.data;
        // The device's lines as it sent them, byte for byte.
        if (data.isEmpty())
            for (const QString& line : outcome.lines)
                data += prefix(*job).toLocal8Bit() + line.toLatin1() + '\n';
        writeResults(data);
        // info's output is a profile for set --from: its result line is a comment there.
        const bool comment = request.command == ShelfCommand::Info && outcome.status == ExitStatus::Done;
        const QString result = (comment ? QStringLiteral("# ") : QString()) + name + QStringLiteral(": ") + outcome.result + u'\n';
        // Where the data itself goes to standard output, the result line stays out of it.
        if (dataOnStandardOutput())
            writeOut(stderr, result);
        else
            writeResults(result.toLocal8Bit());
    }
    if (--running == 0)
        QCoreApplication::quit();
}

void Shelf::showProgress()
{
    if (progress.isEmpty())
        return;
    writeOut(stderr, QStringLiteral("\r") + progressLine(progress, terminalWidth()) + QStringLiteral("\x1b[K"));
    progressShown = true;
}

QString progressLine(const QMap<QString, QString>& progress, int width)
{
    QStringList parts;
    for (auto entry = progress.cbegin(); entry != progress.cend(); ++entry)
        parts << entry.key() + QStringLiteral(": ") + entry.value();
    QString line = parts.join(QStringLiteral("  "));
    // A line longer than the terminal wraps, and the next one cannot clear
    // it: the ports' counts are summed ("records 720/2472") instead.
    if (line.size() >= width && progress.size() > 1) {
        static const QRegularExpression count(QStringLiteral("^(\\S+) (\\d+)/(\\d+)$"));
        QString word;
        qint64 done = 0;
        qint64 total = 0;
        for (const QString& text : progress) {
            const QRegularExpressionMatch match = count.match(text);
            if (!match.hasMatch() || (!word.isEmpty() && word != match.captured(1))) {
                word.clear();
                break;
            }
            word = match.captured(1);
            done += match.captured(2).toLongLong();
            total += match.captured(3).toLongLong();
        }
        line = word.isEmpty() ? Shelf::tr("%1 ports at work").arg(progress.size())
                              : Shelf::tr("%1 ports: %2 %3/%4")
                                    .arg(QString::number(progress.size()), word, QString::number(done),
                                         QString::number(total));
    }
    return line.left(std::max(1, width - 1));
}

void Shelf::clearProgress()
{
    if (!progressShown)
        return;
    writeOut(stderr, QStringLiteral("\r\x1b[K"));
    progressShown = false;
}

int listPorts(const ShelfRequest& request, const SettingsStore& settings)
{
    const QtSerialDevices devices;
    if (writeOut(stdout, portListing(settings, devices, request.json).toUtf8()))
        return ExitStatus::Done;
    writeOut(stderr, cannotWriteOut(qt_error_string(errno)));
    return ExitStatus::FileFailed;
}
