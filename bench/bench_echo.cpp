// The output box's echo: cost per received line as the box grows, appending
// (what the receive path does) against rewriting the whole text per chunk
// (the naive way), side by side.
//
//   build/bench/bench_echo [lines]
//
// Prints the microseconds per line for each block of 1,000 lines, and the
// ratio of the last block to the first: about 1 means the cost stays flat.

#include "form/output_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

namespace {

QString recordLine(int n)
{
    return QStringLiteral("%1|06.12.2026,07:45|982 000123456789|field %2\r\n").arg(n, 5, 10, QChar(u'0')).arg(n % 97);
}

QList<double> microsecondsPerLineByBlock(int lines, const std::function<void(const QString&)>& receive)
{
    QList<double> blocks;
    QElapsedTimer timer;
    timer.start();
    for (int n = 1; n <= lines; ++n) {
        receive(recordLine(n));
        if (n % 1000 == 0) {
            blocks << timer.nsecsElapsed() / 1000.0 / 1000.0;
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rewriteLines = std::min(lines, 5000);

    std::printf("microseconds per line, by block of 1000 lines\n");
    OutputBox appended;
    appended.resize(517, 131);
    appended.show();
    const auto append = microsecondsPerLineByBlock(lines, [&](const QString& chunk) { appended.appendReceived(chunk); });
    report("append", append);

    OutputBox rewritten;
    rewritten.resize(517, 131);
    rewritten.show();
    QString text;
    const auto rewrite = microsecondsPerLineByBlock(rewriteLines, [&](const QString& chunk) {
        text += chunk;
        rewritten.replaceAndRedraw(text);
    });
    report("rewrite", rewrite);

    const qsizetype common = std::min(append.size(), rewrite.size());
    if (common > 0)
        std::printf("rewrite/append at %lld lines: %.1f\n", static_cast<long long>(common * 1000),
                    rewrite.at(common - 1) / append.at(common - 1));
    return 0;
}
