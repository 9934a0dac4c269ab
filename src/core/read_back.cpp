#include "core/read_back.h"

#include "base/number_text.h"
#include "core/device.h"
#include "platform/clock.h"

ReadBack::ReadBack(Device& device)
    : device(device)
{
}

void ReadBack::start()
{
    reported = {};
    device.clock().pause(SettlingMs);
    ask(0);
}

void ReadBack::ask(qsizetype query) const
{
    device.send(deviceSettings().at(query).keyword);
}

void ReadBack::takeReply(const QString& line)
{
    const QList<Setting>& queries = deviceSettings();
    for (qsizetype i = 0; i < queries.size(); ++i) {
        const Setting& query = queries.at(i);
        const QString prefix = query.keyword + u':';
        // A keyword with nothing after its colon is no reply.
        if (!line.startsWith(prefix) || line.size() <= prefix.size())
            continue;
        ReportedSetting value{&query, line.mid(prefix.size())};
        if (query.kind == SettingKind::Int16)
            value.number = leadingInt16(value.text);
        else if (query.kind == SettingKind::Number)
            value.number = leadingNumber(value.text);
        reported.values.append(value);
        emit device.settingRead(value);
        if (i + 1 < queries.size()) {
            device.clock().pause(QueryGapMs);
            ask(i + 1);
        } else {
            device.replies().ReplyMode = ReplyModes::EchoOnly;
            emit device.readBackDone(reported);
        }
        return;
    }
}
