#pragma once

#include <QByteArray>
#include <QSet>

// How the simulated device behaves. The defaults are a well-behaved device
// answering at once; every misbehaviour is off until asked for, and all of
// it is drawn from the seed, so a run repeats exactly.
struct DeviceOptions {
    quint64 seed = 1;

    // The line.
    int replyDelayMs = 0;         // wait before a reply starts
    int baudRate = 0;             // 0: replies arrive at once; else paced at baudRate/10 bytes/s
    int maxChunk = 0;             // 0: a reply in one piece; else random pieces of 1..maxChunk bytes
    double noiseRate = 0.0;       // chance of each reply byte being replaced by a random one
    QSet<QByteArray> silentCommands{}; // command words handled but never answered
    int hangUpAfterMs = 0;        // 0: never; else the device goes away this long after it started
    int hangUpAfterCommands = 0;  // 0: never; else it goes away 50 ms after answering this many commands
    int garbageBytes = 0;         // bytes on the line before the tool opens its port (pty only)
    int idleLineMs = 0;           // 0: silent when idle; else an empty line (CR LF) this often while
                                  // nothing else is on its way (pty only; for Wine's COM ports)

    // The device.
    double errorRate = 0.0;                      // chance of "Error" for the commands below
    QSet<QByteArray> errorCommands{QByteArrayLiteral("PUT")};
    int customCodeCapacity = 1000;               // PUT beyond this answers "Memory full"
    int preloadRecords = 0;                      // generated records present at start
};
