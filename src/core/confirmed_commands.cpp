#include "core/confirmed_commands.h"

#include "core/device.h"
#include "core/reply_wait.h"
#include "platform/clock.h"
#include "platform/serial_port.h"

#include <optional>

namespace {
const QString okAnswer = QStringLiteral("Ok");
const QString errorAnswer = QStringLiteral("Error");
} // namespace

ConfirmedCommands::ConfirmedCommands(Device& device)
    : device(device)
{
    listen(device, &Device::lineHeard, &listening, [this](const QString& line) { heard << line; });
}

bool ConfirmedCommands::portClosed() const
{
    return !device.port().isOpen();
}

bool ConfirmedCommands::waitFor(int ms, const std::function<bool()>& done)
{
    waitForReply(device.clock(), WaitBound{1, ms}, [&] { return done() || portClosed(); });
    return done();
}

ConfirmedCommands::Answer ConfirmedCommands::answerTo(const std::function<void()>& send)
{
    heard.clear();
    send();
    if (!waitFor(AnswerMs, [this] { return !heard.isEmpty(); }))
        return {portClosed() ? Answer::Kind::PortClosed : Answer::Kind::None, {}};
    const QString answer = heard.constFirst();
    return {answer == okAnswer ? Answer::Kind::Ok : Answer::Kind::Refused, answer};
}

ConfirmedCommands::SettingsOutcome ConfirmedCommands::applySettings(const QList<SettingChange>& changes)
{
    using Kind = SettingsOutcome::Kind;
    for (const SettingChange& change : changes) {
        // At the device's pace: its answer before the next command. Only
        // "Error" refuses; the question below tells whether it took.
        const Answer answer = answerTo([&] { device.commands().set(*change.setting, change.value); });
        if (answer.kind == Answer::Kind::None || answer.kind == Answer::Kind::PortClosed)
            return {answer.kind == Answer::Kind::None ? Kind::Unanswered : Kind::PortClosed, change, {}};
        if (answer.line == errorAnswer)
            return {Kind::Refused, change, answer.line};
    }
    for (const SettingChange& change : changes) {
        const Setting& setting = *change.setting;
        if (setting.form == SettingForm::Time)
            continue;
        heard.clear();
        device.send(setting.keyword);
        const QString prefix = setting.keyword + u':';
        std::optional<QString> report;
        waitFor(AnswerMs, [&] {
            for (const QString& line : std::as_const(heard))
                if (line.startsWith(prefix) && line.size() > prefix.size())
                    report = line.mid(prefix.size());
            return report.has_value();
        });
        if (!report)
            return {portClosed() ? Kind::PortClosed : Kind::Unanswered, change, heard.value(0)};
        if (!reportShows(setting, change.value, reportedValue(setting, *report)))
            return {Kind::NotTaken, change, *report};
    }
    return {Kind::Taken, {}, {}};
}

ConfirmedCommands::Answer ConfirmedCommands::eraseRecords()
{
    return answerTo([this] { device.data().eraseRecords(); });
}

ConfirmedCommands::Answer ConfirmedCommands::eraseCodes()
{
    return answerTo([this] { device.data().eraseCodes(); });
}

ConfirmedCommands::CodesReadout ConfirmedCommands::readCodes()
{
    CodesReadout readout;
    std::optional<qint64> count;
    QObject asking;
    listen(device, &Device::statisticsRead, &asking, [&count](qint64 codes, qint64) { count = codes; });
    device.data().requestStatistics();
    if (!waitFor(AnswerMs, [&] { return count.has_value(); })) {
        readout.answer.kind = portClosed() ? Answer::Kind::PortClosed : Answer::Kind::None;
        return readout;
    }
    readout.answer.kind = Answer::Kind::Ok;
    readout.held = *count;
    heard.clear();
    device.data().readCodes();
    // Done when every code held has come; a device quiet for the answer time
    // before that is not sending the rest.
    for (qsizetype before = -1; before < heard.size() && heard.size() < readout.held && !portClosed();) {
        before = heard.size();
        waitFor(AnswerMs, [&] { return heard.size() > before; });
    }
    readout.codes = heard;
    return readout;
}
