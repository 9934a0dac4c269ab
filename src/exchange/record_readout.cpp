#include "exchange/record_readout.h"

#include "base/failure.h"
#include "base/latin1.h"
#include "exchange/page_actions.h"
#include "exchange/reply_wait.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

#include <QScopeGuard>

RecordReadout::RecordReadout(DeviceLink& link)
    : link(link)
{
    const Form1& form = link.form();
    QObject::connect(form.LeseErfassungen, &QAbstractButton::clicked,
                     link.reporting([this] { LeseErfassungen_Click(); }));
    QObject::connect(form.LoescheErfassungen, &QAbstractButton::clicked,
                     link.reporting([this] { LoescheErfassungen_Click(); }));
    link.replies().registerHandler(ReplyModes::RecordLine, [this](const QString& line) { handleRecordLine(line); });
}

void RecordReadout::LeseErfassungen_Click()
{
    Form1& form = link.form();
    RunningExchange& exchange = link.exchange();
    showingFailures(link, [this, &form, &exchange] {
        link.clearOutput();
        form.ExchangeFile.close();
        // Checked (and created) now; the records it holds are replaced only
        // once the device has said how many it has.
        form.ExchangeFile.openForWritingKeepingContents(form.PfadSpeichern->text());
        // Runs on in the record lines after this click, until the last one.
        exchange.begin([this] { return cutShortText(); },
                       [this] { endCutShort(QStringLiteral("The device has sent no record for 5 seconds.")); });
        // Every way out of this click but "GET" sent ends the read-out.
        auto finished = qScopeGuard([&exchange] { exchange.finish(); });
        countAnnounced = -1;
        form.ReplyMode = ReplyModes::Statistics;
        form.AckFlag = 0;
        link.send(QStringLiteral("STA"));
        waitForReply(link.platform().clock, recordCountWait,
                     [&form, &exchange] { return form.AckFlag == 1 || exchange.connectionEnded(); });
        if (exchange.connectionEnded())
            return;
        if (form.AckFlag != 1) {
            link.platform().dialogs.message(
                QStringLiteral("The device did not say how many records it holds: the records file is unchanged."),
                MessageIcon::Exclamation);
            return;
        }

        countAnnounced = form.RecordsLeft = form.RecordCount;
        // Created (or emptied) even if the device then reports no records.
        form.ExchangeFile.discardContents();
        if (form.RecordsLeft <= 0) {
            link.platform().dialogs.message(QStringLiteral("There are no records present."),
                                            MessageIcon::Exclamation);
            form.ExchangeFile.close();
            return;
        }
        form.ReplyMode = ReplyModes::RecordLine;
        link.send(QStringLiteral("GET"));
        exchange.heardFromDevice();
        finished.dismiss();
    });
}

QString RecordReadout::cutShortText() const
{
    if (countAnnounced < 0)
        return QStringLiteral("The read-out of records was cut short before the device said how many it holds: "
                              "the records file is unchanged.");
    return QStringLiteral("The read-out of records was cut short: %1 of the %2 records the device announced are "
                          "in the file.")
        .arg(countAnnounced - link.form().RecordsLeft)
        .arg(countAnnounced);
}

void RecordReadout::endTransfer()
{
    Form1& form = link.form();
    form.ReplyMode = ReplyModes::EchoOnly;
    form.ExchangeFile.close();
    link.exchange().finish();
}

void RecordReadout::endCutShort(const QString& why)
{
    const QString got = cutShortText();
    endTransfer();
    link.platform().dialogs.message(why + u' ' + got);
}

void RecordReadout::LoescheErfassungen_Click()
{
    eraseAfterConfirmation(link, QStringLiteral("DEL E"));
}

void RecordReadout::handleRecordLine(const QString& line)
{
    Form1& form = link.form();
    if (line == QLatin1StringView("Error")) {
        // The device refused "GET" (or failed on the way): no record, and
        // none is coming.
        endCutShort(QStringLiteral("The device answered \"Error\"."));
        return;
    }
    try {
        // Written straight through: the line is on disk before the next one is taken.
        form.ExchangeFile.writeLine(toDeviceBytes(recordFileLine(line)));
    } catch (const Failure&) {
        // A file that cannot take this line will not take the next ones either:
        // the transfer ends here so that the failure is reported once, not once
        // for every record still to come. Later lines are only echoed.
        endTransfer();
        throw;
    }
    link.exchange().heardFromDevice();
    --form.RecordsLeft;
    if (form.RecordsLeft == 0) {
        endTransfer();
        link.platform().dialogs.message(QStringLiteral("Transfer of records finished."), MessageIcon::Information);
    }
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
