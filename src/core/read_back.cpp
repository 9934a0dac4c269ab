#include "core/read_back.h"

#include "core/device.h"
#include "platform/clock.h"

ReadBack::ReadBack(Device& device)
    : device(device)
{
}

void ReadBack::start()
{
    reported = {};
    asked = -1;
    device.clock().pause(SettlingMs);
    ask(0);
}

void ReadBack::ask(qsizetype query)
{
    device.send(deviceSettings().at(query).keyword);
    asked = query;
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
        const QString text = line.mid(prefix.size());
        const ReportedSetting value{&query, text, reportedValue(query, text)};
        reported.values.append(value);
        asked = -1;
        tell(device, &Device::settingRead, value);
        if (i + 1 < queries.size()) {
            device.clock().pause(QueryGapMs);
            ask(i + 1);
        } else {
            device.replies().ReplyMode = ReplyModes::EchoOnly;
            tell(device, &Device::readBackDone, reported);
        }
        return;
    }
    // Echoed only; a face that waits for the value hears what came instead.
    if (asked >= 0)
        tell(device, &Device::readBackAnswered, deviceSettings().at(asked), line);
}
