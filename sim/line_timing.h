#pragma once

#include "sim/device_options.h"
#include "sim/seeded_random.h"

#include <QByteArray>
#include <QList>

// Bytes the device puts on the line, and when the last of them has arrived
// (microseconds on the device's own time line).
struct Transmission {
    qint64 atUs = 0;
    QByteArray bytes;
};

// How replies travel: after the reply delay, one after the other, paced at
// the line rate, split into pieces and disturbed by noise as the options say.
class LineTiming {
public:
    explicit LineTiming(const DeviceOptions& options);

    QList<Transmission> transmit(QByteArray reply, qint64 nowUs);
    // When the last byte handed out so far will have arrived.
    qint64 lineFreeAtUs() const { return lineFreeUs; }
    // What was still to come is not sent: the line is free from nowUs on.
    void clear(qint64 nowUs) { lineFreeUs = nowUs; }

private:
    QList<qsizetype> pieceSizes(qsizetype total);

    const DeviceOptions& options;
    SeededRandom chunkRandom;
    SeededRandom noiseRandom;
    qint64 lineFreeUs = 0;
};
