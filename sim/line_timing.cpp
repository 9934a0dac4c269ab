#include "sim/line_timing.h"

#include <algorithm>

namespace {
// At 10 bits per byte (start, 8 data, stop), as on the device's 8N1 line.
constexpr int bitsPerByte = 10;
// Without random pieces a paced reply still trickles in, as from a serial
// driver that hands over what 10 ms brought.
constexpr int pacedPiecesPerSecond = 100;
// Random pieces of an unpaced reply are this far apart, so that each one
// arrives as a receive event of its own.
constexpr qint64 pieceGapUs = 1000;
} // namespace

LineTiming::LineTiming(const DeviceOptions& options)
    : options(options),
      chunkRandom(options.seed ^ RandomStream::Chunks),
      noiseRandom(options.seed ^ RandomStream::Noise)
{
}

QList<qsizetype> LineTiming::pieceSizes(qsizetype total)
{
    QList<qsizetype> sizes;
    const qsizetype pacedPiece =
        std::max<qsizetype>(1, options.baudRate / bitsPerByte / pacedPiecesPerSecond);
    for (qsizetype done = 0; done < total;) {
        qsizetype size = total - done;
        if (options.maxChunk > 0)
            size = std::min<qsizetype>(size, static_cast<qsizetype>(chunkRandom.between(1, options.maxChunk)));
        else if (options.baudRate > 0)
            size = std::min(size, pacedPiece);
        sizes << size;
        done += size;
    }
    return sizes;
}

QList<Transmission> LineTiming::transmit(QByteArray reply, qint64 nowUs)
{
    QList<Transmission> out;
    if (reply.isEmpty())
        return out;
    if (options.noiseRate > 0.0) {
        for (char& byte : reply)
            if (noiseRandom.chance(options.noiseRate))
                byte = static_cast<char>(noiseRandom.below(256));
    }
    const qint64 startUs = std::max(nowUs + qint64(options.replyDelayMs) * 1000, lineFreeUs);
    const double bytesPerSecond = options.baudRate > 0 ? double(options.baudRate) / bitsPerByte : 0.0;
    qint64 atUs = startUs;
    qsizetype sent = 0;
    for (const qsizetype size : pieceSizes(reply.size())) {
        if (bytesPerSecond > 0.0)
            atUs = startUs + static_cast<qint64>(double(sent + size) * 1e6 / bytesPerSecond + 0.5);
        else if (sent > 0)
            atUs += pieceGapUs;
        out << Transmission{atUs, reply.mid(sent, size)};
        sent += size;
    }
    lineFreeUs = atUs;
    return out;
}
