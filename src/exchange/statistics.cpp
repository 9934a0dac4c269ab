#include "exchange/statistics.h"

#include "base/number_text.h"
#include "exchange/page_actions.h"
#include "form/form1.h"
#include "link/device_link.h"

Statistics::Statistics(DeviceLink& link)
    : link(link)
{
    QObject::connect(link.form().Statistik, &QAbstractButton::clicked, link.reporting([this] { Statistik_Click(); }));
    link.replies().registerHandler(ReplyModes::Statistics, [this](const QString& line) { handleReply(line); });
}

void Statistics::Statistik_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.send(QStringLiteral("STA"));
        // Set only once the command is out: a failed send leaves the mode alone.
        link.form().ReplyMode = ReplyModes::Statistics;
    });
}

void Statistics::handleReply(const QString& line)
{
    Form1& form = link.form();
    const qsizetype bar = line.indexOf(u'|');
    if (bar < 0) {
        form.ReplyMode = ReplyModes::EchoOnly;
        return;
    }
    // Each count is stored as soon as it is read: an overflowing record
    // count leaves the custom-code count already taken.
    form.CustomCodeCount = leadingInt64(QStringView(line).left(bar));
    form.RecordCount = leadingInt64(QStringView(line).mid(bar + 1));
    form.OutStatistik->setText(QStringLiteral("Custom codes: ") + signPosition(form.CustomCodeCount) +
                               QStringLiteral(", records: ") + signPosition(form.RecordCount));
    form.AckFlag = 1;
    form.ReplyMode = ReplyModes::EchoOnly;
}
