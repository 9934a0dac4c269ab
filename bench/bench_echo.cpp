// The output box's echo: cost per received line as the box grows, appending
// (what the receive path does) against rewriting the whole text per chunk
// (the naive way), side by side.
//
//   build/bench/bench_echo [lines=10000]
//
// Prints the microseconds per line for each tenth of the lines (at least
// 1,000), the ratio of the last block to the first (about 1 means the cost
// stays flat), and the resident size and heap in use after appending, which
// the box's bound on its lines keeps in check. Rewriting is measured on up to 5,000 lines.

#include "form/output_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {

QString recordLine(int n)
{
    return QStringLiteral("%1|06.12.2026,07:45|982 000123456789|field %2\r\n").arg(n, 5, 10, QChar(u'0')).arg(n % 97);
}

QList<double> microsecondsPerLineByBlock(int lines, int block, const std::function<void(const QString&)>& receive)
{
    QList<double> blocks;
    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= lines; ++n) {
        receive(recordLine(n));
        // As the window's event loop does after each chunk, here of 16
        // lines; events left pending would pile up and look like the box's
        // memory.
        if (n % 16 == 0)
            QCoreApplication::processEvents();
        if (n % block == 0) {
            blocks << timer.nsecsElapsed() / 1000.0 / block;
            timer.restart();
        }
    }
    return blocks;
}

void report(const char* name, const QList<double>& blocks)
{
    std::printf("%-8s", name);
    for (double perLine : blocks)
        std::printf(" %7.1f", perLine);
    if (!blocks.isEmpty())
        std::printf("   last/first %.2f", blocks.last() / blocks.first());
    std::printf("\n");
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rewriteLines = std::min(lines, 5000);

    const int block = std::max(1000, lines / 10);
    std::printf("microseconds per line, by block of %d lines\n", block);
    OutputBox appended;
    appended.resize(517, 131);
    appended.show();
    const auto append =
        microsecondsPerLineByBlock(lines, block, [&](const QString& chunk) { appended.appendReceived(chunk); });
    report("append", append);
    std::printf("resident size after %d lines: %.0f MB, %d lines shown\n", lines, residentMegabytes(),
                appended.blockCount());
    std::printf("heap in use: %.0f MB\n", double(mallinfo2().uordblks) / 1048576.0);

    OutputBox rewritten;
    rewritten.resize(517, 131);
    rewritten.show();
    QString text;
    const auto rewrite = microsecondsPerLineByBlock(rewriteLines, 1000, [&](const QString& chunk) {
        text += chunk;
        rewritten.replaceAndRedraw(text);
    });
    report("rewrite", rewrite);

    if (!append.isEmpty() && !rewrite.isEmpty())
        std::printf("rewrite at %d lines / append: %.1f\n", rewriteLines, rewrite.constLast() / append.constFirst());
    return 0;
}
