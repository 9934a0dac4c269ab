#include "exchange/custom_codes.h"

#include "base/latin1.h"
#include "base/number_text.h"
#include "exchange/page_actions.h"
#include "exchange/reply_wait.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

#include <QScopeGuard>

namespace {
const QByteArray utf8ByteOrderMark("\xEF\xBB\xBF");

// How a load that did not store every line ended, and what it got done.
QString loadResultText(const QString& ending, qint64 acknowledged, qint64 notStored)
{
    return ending + QStringLiteral(" Lines acknowledged by the device: %1. Lines refused or not answered: %2.")
                        .arg(acknowledged)
                        .arg(notStored);
}

QString loadCutShort(qint64 acknowledged)
{
    return QStringLiteral("The load of custom codes was cut short: the device had acknowledged %1 %2.")
        .arg(acknowledged)
        .arg(acknowledged == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
}
} // namespace

CustomCodes::CustomCodes(DeviceLink& link)
    : link(link)
{
    const Form1& form = link.form();
    QObject::connect(form.GeneriereDaten, &QAbstractButton::clicked,
                     link.reporting([this] { GeneriereDaten_Click(); }));
    QObject::connect(form.LoescheDaten, &QAbstractButton::clicked, link.reporting([this] { LoescheDaten_Click(); }));
    QObject::connect(form.LeseDaten, &QAbstractButton::clicked, link.reporting([this] { LeseDaten_Click(); }));
    link.replies().registerHandler(ReplyModes::Acknowledgement,
                                   [this](const QString& line) { handleAcknowledgement(line); });
}

void CustomCodes::GeneriereDaten_Click()
{
    Form1& form = link.form();
    showingFailures(link, [this, &form] {
        link.clearOutput();
        form.ExchangeFile.close();
        form.ExchangeFile.openForReading(form.PfadLaden->text());
        // Wide enough that a long file never runs out of line numbers.
        qint64 linesRead = 0;
        qint64 acknowledged = 0;
        RunningExchange& exchange = link.exchange();
        exchange.begin([&acknowledged] { return loadCutShort(acknowledged); });
        const auto finished = qScopeGuard([&exchange] { exchange.finish(); });
        // The handle is shared: another operation may close or reopen it
        // while this load waits for an answer, and the load then ends.
        while (!form.ExchangeFile.atEnd()) {
            QByteArray bytes = form.ExchangeFile.readLine();
            if (linesRead == 0 && bytes.startsWith(utf8ByteOrderMark)) {
                // An editor's encoding mark, not part of the first data set;
                // a file holding nothing else holds no data set.
                bytes.remove(0, utf8ByteOrderMark.size());
                if (bytes.isEmpty() && form.ExchangeFile.atEnd())
                    return;
            }
            QString data = fromDeviceBytes(bytes);
            data.replace(u';', u'|');
            // Drawn with the echo of the answer, which redraws at once, or with
            // the events the wait processes; a redraw of its own for every
            // line made the load measurably slower.
            form.Ausgabe->setPlainText(QStringLiteral("Dataset ") + signPosition(linesRead + 1) +
                                       QStringLiteral(" "));
            const Outcome outcome = uploadLine(data);
            if (outcome == Outcome::CutShort)
                return; // told with the end of the connection
            ++linesRead;
            if (outcome == Outcome::Taken)
                ++acknowledged;
            if (outcome == Outcome::MemoryFull || outcome == Outcome::Unanswered) {
                // Nothing after this line can be stored: a full device refuses
                // it, a silent one would cost every line the full wait again.
                const QString why = outcome == Outcome::MemoryFull
                    ? QStringLiteral("the device reported \"Memory full\" at line %1.").arg(linesRead)
                    : QStringLiteral("the device did not answer line %1, sent %2 times.")
                          .arg(linesRead)
                          .arg(attemptsPerLine);
                link.platform().dialogs.message(
                    loadResultText(QStringLiteral("The load of custom codes stopped: ") + why +
                                       QStringLiteral(" The lines after it were not sent."),
                                   acknowledged, linesRead - acknowledged),
                    MessageIcon::Exclamation);
                return;
            }
        }
        if (acknowledged < linesRead)
            link.platform().dialogs.message(
                loadResultText(QStringLiteral("The load of custom codes reached the end of the file, but the "
                                              "device did not store every line."),
                               acknowledged, linesRead - acknowledged),
                MessageIcon::Exclamation);
    });
}

CustomCodes::Outcome CustomCodes::uploadLine(const QString& data)
{
    Form1& form = link.form();
    Clock& clock = link.platform().clock;
    bool answered = false;
    for (int attempt = 1; attempt <= attemptsPerLine; ++attempt) {
        answerCame = false;
        form.ReplyMode = ReplyModes::Acknowledgement;
        form.AckFlag = 0;
        clock.pause(pacingMs);
        link.send(QStringLiteral("PUT ") + data);
        RunningExchange& exchange = link.exchange();
        waitForReply(clock, acknowledgementWait,
                     [&form, &exchange] { return form.AckFlag != 0 || exchange.connectionEnded(); });
        if (exchange.connectionEnded())
            return Outcome::CutShort;
        if (form.AckFlag == 1)
            return Outcome::Taken;
        if (form.AckFlag < -1)
            return Outcome::MemoryFull;
        answered = answered || answerCame;
        // "Error", an answer without a known word, or none: send it again.
    }
    return answered ? Outcome::Refused : Outcome::Unanswered;
}

void CustomCodes::handleAcknowledgement(const QString& line)
{
    Form1& form = link.form();
    answerCame = true;
    // In this order, a later word overriding an earlier one: "Ok" and
    // "Error" in one answer count as "Error".
    if (line.contains(QStringLiteral("Ok")))
        form.AckFlag = 1;
    if (line.contains(QStringLiteral("Error")))
        form.AckFlag = -1;
    if (line.contains(QStringLiteral("Memory full")))
        form.AckFlag = -2;
    form.ReplyMode = ReplyModes::EchoOnly;
}

void CustomCodes::LoescheDaten_Click()
{
    eraseAfterConfirmation(link, QStringLiteral("DEL T"));
}

void CustomCodes::LeseDaten_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.send(QStringLiteral("REC"));
    });
}
