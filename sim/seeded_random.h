#pragma once

#include <QtGlobal>

// A small generator whose sequence is the same on every machine and library
// (the standard distributions are not), so a seed repeats a run exactly.
class SeededRandom {
public:
    explicit SeededRandom(quint64 seed) : state(seed) {}

    quint64 next()
    {
        // splitmix64
        quint64 z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. bound-1 (0 for a bound of 0).
    quint64 below(quint64 bound) { return bound == 0 ? 0 : next() % bound; }
    // lowest .. highest, both included.
    qint64 between(qint64 lowest, qint64 highest)
    {
        return lowest + static_cast<qint64>(below(static_cast<quint64>(highest - lowest) + 1));
    }
    // True with the given probability (0 never, 1 always).
    bool chance(double probability)
    {
        if (probability <= 0.0)
            return false;
        return static_cast<double>(next() >> 11) * 0x1.0p-53 < probability;
    }

private:
    quint64 state;
};

// Independent streams for independent behaviours: turning chunking on must
// not change which identifiers a seed produces.
namespace RandomStream {
constexpr quint64 Data = 0x1D0A7A5EEDULL;
constexpr quint64 Errors = 0xE7707ULL;
constexpr quint64 Chunks = 0xC4C4ULL;
constexpr quint64 Noise = 0x9015EULL;
constexpr quint64 Garbage = 0x6A7BA6EULL;
} // namespace RandomStream
