#include "core/data_exchange.h"

#include "base/failure.h"
#include "base/latin1.h"
#include "base/number_text.h"
#include "core/device.h"
#include "core/reply_wait.h"
#include "platform/clock.h"

#include <QScopeGuard>

namespace {
const QByteArray utf8ByteOrderMark("\xEF\xBB\xBF");

using Outcome = ExchangeResult::Outcome;

// How a load that did not store every line ended, and what it got done.
QString loadResultText(const QString& ending, qint64 acknowledged, qint64 notStored)
{
    return DataExchange::tr("%1 Lines acknowledged by the device: %2. Lines refused or not answered: %3.")
        .arg(ending, QString::number(acknowledged), QString::number(notStored));
}

// unansweredLine: the line whose "PUT" was out without an answer when the
// load was cut short, 0 when none was.
QString loadCutShort(qint64 acknowledged, qint64 unansweredLine)
{
    QString text = countedText(
        "DataExchange", acknowledged,
        QT_TRANSLATE_NOOP("DataExchange",
                          "The load of custom codes was cut short: the device had acknowledged 1 line."),
        QT_TRANSLATE_N_NOOP("DataExchange",
                            "The load of custom codes was cut short: the device had acknowledged %1 lines."));
    if (unansweredLine > 0)
        text += u' ' + DataExchange::tr("Whether it stored line %1, sent last, is unknown.").arg(unansweredLine);
    return text;
}
} // namespace

DataExchange::DataExchange(Device& device)
    : device(device)
{
    ReplyDispatch& replies = device.replies();
    replies.registerHandler(ReplyModes::Statistics, [this](const QString& line) { takeStatistics(line); });
    replies.registerHandler(ReplyModes::RecordLine, [this](const QString& line) { takeRecordLine(line); });
    replies.registerHandler(ReplyModes::Acknowledgement, [this](const QString& line) { takeAcknowledgement(line); });
}

void DataExchange::requestStatistics()
{
    device.send(QStringLiteral("STA"));
    // Set only once the command is out: a failed send leaves the mode alone.
    device.replies().ReplyMode = ReplyModes::Statistics;
}

void DataExchange::takeStatistics(const QString& line)
{
    const qsizetype bar = line.indexOf(u'|');
    if (bar < 0) {
        device.replies().ReplyMode = ReplyModes::EchoOnly;
        return;
    }
    // Each count is stored as soon as it is read: an overflowing record
    // count leaves the custom-code count already taken.
    CustomCodeCount = leadingInt64(QStringView(line).left(bar));
    RecordCount = leadingInt64(QStringView(line).mid(bar + 1));
    AckFlag = 1;
    device.replies().ReplyMode = ReplyModes::EchoOnly;
    tell(device, &Device::statisticsRead, CustomCodeCount, RecordCount);
}

void DataExchange::readRecords(const QString& path)
{
    RunningExchange& exchange = device.exchange();
    ReplyDispatch& replies = device.replies();
    ExchangeFile.close();
    // Checked (and created) now; the records it holds are replaced only
    // once the device has said how many it has.
    ExchangeFile.openForWritingKeepingContents(path);
    countAnnounced = -1;
    // Runs on in the record lines after this call, until the last one.
    exchange.begin([this] { return recordsProgress(); },
                   [this] { endCutShort(Outcome::Stalled, tr("The device has sent no record for 5 seconds.")); });
    // Every way out of this call but "GET" sent ends the read-out.
    auto finished = qScopeGuard([&exchange] { exchange.finish(); });
    replies.ReplyMode = ReplyModes::Statistics;
    AckFlag = 0;
    device.send(QStringLiteral("STA"));
    waitForReply(device.clock(), recordCountWait,
                 [this, &exchange] { return AckFlag == 1 || exchange.connectionEnded(); });
    if (exchange.connectionEnded()) {
        tell(device, &Device::exchangeFinished, recordsResult(Outcome::CutShort));
        return;
    }
    if (AckFlag != 1) {
        tell(device, &Device::exchangeFinished,
             recordsResult(Outcome::CountMissing,
                           tr("The device did not say how many records it holds: the records file is unchanged.")));
        return;
    }

    countAnnounced = RecordsLeft = RecordCount;
    // Created (or emptied) even if the device then reports no records.
    ExchangeFile.discardContents();
    if (RecordsLeft <= 0) {
        ExchangeFile.close();
        tell(device, &Device::exchangeFinished,
             recordsResult(Outcome::NoRecords, tr("There are no records present.")));
        return;
    }
    replies.ReplyMode = ReplyModes::RecordLine;
    device.send(QStringLiteral("GET"));
    exchange.heardFromDevice();
    finished.dismiss();
}

QString DataExchange::recordsProgress() const
{
    if (countAnnounced < 0)
        return tr("The read-out of records was cut short before the device said how many it holds: the records "
                  "file is unchanged.");
    return tr("The read-out of records was cut short: %1 of the %2 records the device announced are in the file.")
        .arg(countAnnounced - RecordsLeft)
        .arg(countAnnounced);
}

ExchangeResult DataExchange::recordsResult(Outcome outcome, const QString& text) const
{
    const qint64 done = countAnnounced < 0 ? 0 : countAnnounced - RecordsLeft;
    return {ExchangeResult::Exchange::Records, outcome, done, countAnnounced, text};
}

void DataExchange::endTransfer(const ExchangeResult& result)
{
    device.replies().ReplyMode = ReplyModes::EchoOnly;
    ExchangeFile.close();
    device.exchange().finish();
    tell(device, &Device::exchangeFinished, result);
}

void DataExchange::endCutShort(Outcome outcome, const QString& why)
{
    endTransfer(recordsResult(outcome, why + u' ' + recordsProgress()));
}

void DataExchange::takeRecordLine(const QString& line)
{
    if (line == QLatin1StringView("Error")) {
        // The device refused "GET" (or failed on the way): no record, and
        // none is coming.
        endCutShort(Outcome::DeviceError, tr("The device answered \"Error\"."));
        return;
    }
    try {
        // Written straight through: the line is on disk before the next one is taken.
        ExchangeFile.writeLine(toDeviceBytes(recordFileLine(line)));
    } catch (const Failure&) {
        // A file that cannot take this line will not take the next ones either:
        // the transfer ends here so that the failure is reported once, not once
        // for every record still to come. Later lines are only echoed.
        endTransfer(recordsResult(Outcome::FileFailed));
        throw;
    }
    device.exchange().heardFromDevice();
    --RecordsLeft;
    tell(device, &Device::recordWritten, countAnnounced - RecordsLeft, countAnnounced);
    if (RecordsLeft == 0)
        endTransfer(recordsResult(Outcome::Done, tr("Transfer of records finished.")));
}

void DataExchange::loadCodes(const QString& path)
{
    ExchangeFile.close();
    ExchangeFile.openForReading(path);
    const qint64 fileLines = SequentialFile::lineCount(path);
    // Wide enough that a long file never runs out of line numbers.
    qint64 linesRead = 0;
    qint64 acknowledged = 0;
    putUnanswered = false;
    RunningExchange& exchange = device.exchange();
    // A line whose "Ok" came in the same events as the end is not counted yet.
    exchange.begin([this, &acknowledged] {
        return loadCutShort(acknowledged + (AckFlag == 1 ? 1 : 0), putUnanswered ? lineOut : 0);
    });
    const auto finished = qScopeGuard([&exchange] { exchange.finish(); });
    // The handle is shared: another operation may close or reopen it
    // while this load waits for an answer, and the load then ends.
    while (!ExchangeFile.atEnd()) {
        QByteArray bytes = ExchangeFile.readLine();
        if (linesRead == 0 && bytes.startsWith(utf8ByteOrderMark)) {
            // An editor's encoding mark, not part of the first data set;
            // a file holding nothing else holds no data set.
            bytes.remove(0, utf8ByteOrderMark.size());
            if (bytes.isEmpty() && ExchangeFile.atEnd())
                break;
        }
        const QString data = customCodeFromFileLine(fromDeviceBytes(bytes));
        lineOut = linesRead + 1;
        tell(device, &Device::codeLineStarting, lineOut, fileLines);
        // Sent all the same, as every line is; the device stores an empty code.
        if (data.isEmpty())
            tell(device, &Device::codeLineEmpty, linesRead + 1);
        const LineOutcome outcome = uploadLine(data);
        if (outcome == LineOutcome::CutShort) {
            finishLoad(Outcome::CutShort, acknowledged, linesRead);
            return;
        }
        ++linesRead;
        if (outcome == LineOutcome::Taken)
            ++acknowledged;
        // Nothing after this line can be stored: a full device refuses it, a
        // silent one would cost every line the full wait again.
        if (outcome == LineOutcome::MemoryFull || outcome == LineOutcome::Unanswered) {
            finishLoad(outcome == LineOutcome::MemoryFull ? Outcome::MemoryFull : Outcome::Unanswered, acknowledged,
                       linesRead, linesRead);
            return;
        }
    }
    finishLoad(acknowledged < linesRead ? Outcome::NotAllStored : Outcome::Done, acknowledged, linesRead);
}

void DataExchange::finishLoad(Outcome outcome, qint64 acknowledged, qint64 linesRead, qint64 failedLine)
{
    QString text;
    const qint64 notStored = linesRead - acknowledged;
    if (outcome == Outcome::MemoryFull) {
        text = loadResultText(tr("The load of custom codes stopped: the device reported \"Memory full\" at line %1. "
                                 "The lines after it were not sent.")
                                  .arg(failedLine),
                              acknowledged, notStored);
    } else if (outcome == Outcome::Unanswered) {
        text = loadResultText(tr("The load of custom codes stopped: the device did not answer line %1, sent %2 "
                                 "times. The lines after it were not sent.")
                                  .arg(failedLine)
                                  .arg(attemptsPerLine),
                              acknowledged, notStored);
    } else if (outcome == Outcome::NotAllStored) {
        text = loadResultText(tr("The load of custom codes reached the end of the file, but the device did not "
                                 "store every line."),
                              acknowledged, notStored);
    }
    tell(device, &Device::exchangeFinished,
         ExchangeResult{ExchangeResult::Exchange::CustomCodes, outcome, acknowledged, linesRead, text});
}

DataExchange::LineOutcome DataExchange::uploadLine(const QString& data)
{
    Clock& clock = device.clock();
    RunningExchange& exchange = device.exchange();
    bool answered = false;
    for (int attempt = 1; attempt <= attemptsPerLine; ++attempt) {
        answerCame = false;
        device.replies().ReplyMode = ReplyModes::Acknowledgement;
        AckFlag = 0;
        clock.pause(pacingMs);
        device.send(QStringLiteral("PUT ") + data);
        putUnanswered = true;
        waitForReply(clock, acknowledgementWait, [this, &exchange] { return AckFlag != 0 || exchange.connectionEnded(); });
        if (exchange.connectionEnded())
            return LineOutcome::CutShort;
        if (AckFlag == 1)
            return LineOutcome::Taken;
        if (AckFlag < -1)
            return LineOutcome::MemoryFull;
        answered = answered || answerCame;
        // "Error", an answer without a known word, or none: send it again.
    }
    return answered ? LineOutcome::Refused : LineOutcome::Unanswered;
}

void DataExchange::takeAcknowledgement(const QString& line)
{
    answerCame = true;
    putUnanswered = false;
    // In this order, a later word overriding an earlier one: "Ok" and
    // "Error" in one answer count as "Error".
    if (line.contains(QStringLiteral("Ok")))
        AckFlag = 1;
    if (line.contains(QStringLiteral("Error")))
        AckFlag = -1;
    if (line.contains(QStringLiteral("Memory full")))
        AckFlag = -2;
    device.replies().ReplyMode = ReplyModes::EchoOnly;
}

void DataExchange::eraseRecords() const
{
    device.send(QStringLiteral("DEL E"));
}

void DataExchange::eraseCodes() const
{
    device.send(QStringLiteral("DEL T"));
}

void DataExchange::readCodes() const
{
    device.send(QStringLiteral("REC"));
}

QString recordFileLine(QString line)
{
    for (qsizetype bar = line.indexOf(u'|'); bar >= 0; bar = line.indexOf(u'|', bar + 1)) {
        line[bar] = u';';
        // Only the first comma left in the line is ever looked at. One within
        // the first five characters has nothing five places before it and stays.
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 5 && line.at(comma - 5) == u'.')
            line[comma] = u' ';
    }
    return line;
}

QString customCodeFromFileLine(QString fileLine)
{
    return fileLine.replace(u';', u'|');
}

QString customCodeFileLine(QString code)
{
    return code.replace(u'|', u';');
}
