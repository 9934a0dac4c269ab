#pragma once

#include <QString>

class DeviceLink;

// The "Statistic" button: asks the device how many custom codes and records
// it holds. The reply handling (reply mode 5) also serves the record
// read-out, which takes the record count from it.
class Statistics {
public:
    explicit Statistics(DeviceLink& link);

    void Statistik_Click();
    // One reply line "custom codes|records", e.g. "5|12".
    void handleReply(const QString& line);

private:
    DeviceLink& link;
};
