#pragma once

#include <QString>

// How a record read-out or a custom-code load ended, and how far it got.
struct ExchangeResult {
    enum class Exchange { Records, CustomCodes };
    enum class Outcome {
        Done,          // every record in the file, every line acknowledged
        NoRecords,     // the device holds none: the file is emptied
        CountMissing,  // the device did not say how many records it holds: the file is unchanged
        DeviceError,   // "Error" instead of records
        Stalled,       // the device stopped sending records
        FileFailed,    // the records file took no more; the failure is reported as well
        NotAllStored,  // the load reached the end of its file, some lines refused
        MemoryFull,    // the load stopped at "Memory full"
        Unanswered,    // the load stopped at a line that got no answer at all
        CutShort,      // the connection ended under it
    };

    Exchange exchange = Exchange::Records;
    Outcome outcome = Outcome::Done;
    // Records in the file, or lines acknowledged.
    qint64 done = 0;
    // Records announced (-1 before the count came), or lines sent.
    qint64 total = 0;
    // What the user is told of it, as one sentence or a few; empty when
    // there is nothing to tell (a cut-short exchange is told with the end
    // of the connection, a failed file with its failure).
    QString text;

    bool succeeded() const { return outcome == Outcome::Done || outcome == Outcome::NoRecords; }
};
