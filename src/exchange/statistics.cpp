#include "exchange/statistics.h"

#include "base/number_text.h"
#include "core/device.h"
#include "exchange/page_actions.h"
#include "form/form1.h"
#include "link/device_link.h"

Statistics::Statistics(DeviceLink& link)
    : link(link)
{
    link.on(link.form().Statistik, &QAbstractButton::clicked, [this] { Statistik_Click(); });
    listen(link.device(), &Device::statisticsRead, link.form().OutStatistik,
           [this](qint64 customCodes, qint64 records) { showCounts(customCodes, records); });
}

void Statistics::Statistik_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.device().data().requestStatistics();
    });
}

void Statistics::showCounts(qint64 customCodes, qint64 records)
{
    link.form().OutStatistik->setText(
        tr("Custom codes: %1, records: %2").arg(signPosition(customCodes), signPosition(records)));
}
