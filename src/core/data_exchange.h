#pragma once

#include "core/exchange_result.h"
#include "platform/sequential_file.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>

class Device;

// The data exchange: the statistics ("STA"), the record read-out into the
// records file, the custom-code load with its acknowledgement, and the
// erase and read-out commands. It owns the counts, the acknowledgement flag
// and the exchange file that these share.
class DataExchange {
    Q_DECLARE_TR_FUNCTIONS(DataExchange)
public:
    explicit DataExchange(Device& device);

    // "STA"; the reply is told by statisticsRead.
    void requestStatistics();
    // Starts the read-out into the file at path: the file is checked (and
    // created) first, replaced once the device has said how many records
    // it holds; the records come in later, each one written and flushed.
    // Its end is told by exchangeFinished, also when it ends before this
    // returns. Throws the file's or the port's failure.
    void readRecords(const QString& path);
    // Loads the custom-code file at path, line by line, each line sent up to
    // attemptsPerLine times until acknowledged. Told by exchangeFinished.
    // Throws the file's or the port's failure.
    void loadCodes(const QString& path);
    void eraseRecords() const;
    void eraseCodes() const;
    void readCodes() const;
    // The exchange file is closed (the connection ended, the program ends).
    void closeFile() { ExchangeFile.close(); }
    const SequentialFile& file() const { return ExchangeFile; }
    SequentialFile& file() { return ExchangeFile; }
    std::int16_t ackFlag() const { return AckFlag; }
    std::int64_t customCodeCount() const { return CustomCodeCount; }
    std::int64_t recordCount() const { return RecordCount; }
    std::int64_t recordsLeft() const { return RecordsLeft; }

    static constexpr int attemptsPerLine = 5;
    static constexpr int pacingMs = 5;

private:
    // Refused: some attempt got an answer, but none was "Ok";
    // Unanswered: no attempt got any answer at all.
    enum class LineOutcome { Taken, Refused, Unanswered, MemoryFull, CutShort };
    LineOutcome uploadLine(const QString& data);
    void finishLoad(ExchangeResult::Outcome outcome, qint64 acknowledged, qint64 linesRead, qint64 failedLine = 0);

    void takeStatistics(const QString& line);
    void takeRecordLine(const QString& line);
    void takeAcknowledgement(const QString& line);
    ExchangeResult recordsResult(ExchangeResult::Outcome outcome, const QString& text = {}) const;
    QString recordsProgress() const;
    // Back to echoing, the file closed with the whole records it holds.
    void endTransfer(const ExchangeResult& result);
    // The device will send no more: the read-out ends, told why and how far it got.
    void endCutShort(ExchangeResult::Outcome outcome, const QString& why);

    Device& device;
    std::int16_t AckFlag = 0; // 0 none yet, 1 parsed/"Ok", -1 "Error", -2 "Memory full"
    // Counts wide enough that no device's store overflows them.
    std::int64_t CustomCodeCount = 0;
    std::int64_t RecordCount = 0;
    std::int64_t RecordsLeft = 0;
    // Shared by the record read-out and the custom-code load.
    SequentialFile ExchangeFile;
    // The record count of this read-out; -1 before the device has told it.
    qint64 countAnnounced = -1;
    // A line came for the "PUT " that is out.
    bool answerCame = false;
    // The load's line being sent, and whether its "PUT" is out unanswered.
    qint64 lineOut = 0;
    bool putUnanswered = false;
};

// The device separates a record's fields with "|", the records file with
// ";". A date dd.mm.yyyy followed directly by a comma and a time becomes
// date, blank, time. A line without "|" stays as it is.
QString recordFileLine(QString deviceLine);

// The custom-code file separates a code's fields with ";", the device with
// "|": a line of the file as the load sends it, and a code the device holds
// as a line of the file, the one undoing the other.
QString customCodeFromFileLine(QString fileLine);
QString customCodeFileLine(QString code);
