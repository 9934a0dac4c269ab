#pragma once

#include <QCoreApplication>
#include <QtGlobal>

class DeviceLink;

// The "Statistic" button: asks the device how many custom codes and records
// it holds, and shows the counts the core reads.
class Statistics {
    Q_DECLARE_TR_FUNCTIONS(Statistics)

public:
    explicit Statistics(DeviceLink& link);

    void Statistik_Click();
    void showCounts(qint64 customCodes, qint64 records);

private:
    DeviceLink& link;
};
