#include "link/connection.h"

#include "base/failure.h"
#include "core/device_connection.h"
#include "core/port_advice.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"
#include "platform/port_names.h"

#include <QScopedValueRollback>

Connection::Connection(DeviceLink& link)
    : link(link)
{
    Form1& f = link.form();
    DeviceConnection& core = link.connection();
    link.on(f.Connect, &QAbstractButton::toggled, [this] { Connect_Click(); });
    listen(link.device(), &Device::connected, f.Connect, [&f] { f.Connect->setText(Form1::tr("Connected")); });
    listen(core, &DeviceConnection::reopening, f.Connect, [this] { showConnecting(); });
    listen(core, &DeviceConnection::opened, f.Connect, [this] { showOpened(); });
    listen(core, &DeviceConnection::retrying, f.Connect, [this](const QString& cut) { showRetrying(cut); });
    listen(core, &DeviceConnection::ended, f.Connect, [this](const ConnectionEnding& ending) { showEnded(ending); });
    link.platform().clock.startTimer(500, link.reporting([this] { Timer1_Timer(); }));
}

void Connection::Connect_Click()
{
    Form1& f = link.form();
    if (IgnoreConnectClick) {
        // The program's own release of the toggle after a failure.
        IgnoreConnectClick = false;
        return;
    }
    try {
        if (checkValue(f.Connect) == 1) {
            showConnecting();
            link.connection().open(portTarget(chosenPortNumber(), link.platform().settings));
        } else {
            link.connection().end();
            // Released during a read-out or a load: say how far it got.
            if (!cutShortReport.isEmpty())
                showFailure({});
        }
    } catch (const Failure& failure) {
        reportConnectFailure(failure);
    }
    // A failed reopen leaves the pages as they were, but the port list is free again.
    link.pages().update();
}

void Connection::reportConnectFailure(const Failure& failure)
{
    const Platform& platform = link.platform();
    const PortTrouble trouble = portTrouble(failure);
    QString heldBy;
    if (trouble == PortTrouble::InUse)
        heldBy = holdersText(platform.devices.holdersOf(devicePathForPort(chosenPortNumber(), platform.settings)));
    const QString text = connectFailureText(failure, platform.settings.fileName(), heldBy);
    if (trouble != PortTrouble::NoDevice || !missingDeviceBox) {
        reportAndRelease(text);
        return;
    }
    {
        const QScopedValueRollback reporting(showingFailure, true);
        missingDeviceBox(chosenPortNumber(), text);
    }
    releaseToggle();
}

int Connection::chosenPortNumber() const
{
    // "COM12" -> 12; no selection leaves no number and fails as the
    // conversion of an empty text does.
    const std::optional<int> number = portNumberFrom(link.form().Port->currentText(), windowPortCount);
    if (!number)
        throw typeMismatch();
    return *number;
}

void Connection::showConnecting()
{
    link.form().Ausgabe->replaceAndRedraw(tr("connecting...") + QStringLiteral("\r\n"));
}

void Connection::showOpened()
{
    link.pages().setConnectionOpened(true);
    link.form().Ausgabe->replaceAndRedraw(tr("initialising...") + QStringLiteral("\r\n"));
}

void Connection::showRetrying(const QString& cutShort)
{
    // A read-out or load started before the device answered has ended; it
    // is told after the reopen, in the box of a failed reopen or in one of its own.
    if (!cutShort.isEmpty())
        cutShortReport = cutShort + QStringLiteral("\n\n")
            + tr("The device had not answered the connection yet, so the connection was started again. Wait until "
                 "%1 reads \"%2\" before you start a read-out or a load.")
                  .arg(Form1::tr("Connect"), Form1::tr("Connected"));
}

void Connection::showEnded(const ConnectionEnding& ending)
{
    Form1& f = link.form();
    // Told only while the user still wants the connection and no other
    // failure is being shown; read before the pages close.
    const bool tellLoss = ending.reason == ConnectionEnding::Reason::Lost && checkValue(f.Connect) == 1
        && !showingFailure;
    link.pages().setConnectionOpened(false);
    f.Connect->setText(Form1::tr("Connect"));
    setBarValue(f.akku, 0);
    if (!ending.cutShort.isEmpty())
        cutShortReport = ending.cutShort;
    if (ending.reason != ConnectionEnding::Reason::Lost)
        return;
    if (tellLoss)
        showFailure(ending.loss,
                    tr("Check the device and its cable, then press %1 again.").arg(Form1::tr("Connect")));
    else
        cutShortReport.clear();
    releaseToggle();
}

void Connection::showFailure(const QString& text, const QString& advice)
{
    // What an exchange cut short by the end of the connection got done
    // belongs to the same box.
    QStringList parts{text, cutShortReport, advice};
    parts.removeAll(QString());
    cutShortReport.clear();
    const QScopedValueRollback reporting(showingFailure, true);
    link.platform().dialogs.message(parts.join(QStringLiteral("\n\n")));
}

void Connection::releaseToggle()
{
    Form1& f = link.form();
    // Releasing a pressed toggle runs Connect_Click once more, which the flag
    // turns away. A toggle already released raises nothing, so no flag then.
    if (checkValue(f.Connect) == 1) {
        IgnoreConnectClick = true;
        setCheckValue(f.Connect, 0);
    }
}

void Connection::reportAndRelease(const QString& text)
{
    showFailure(text);
    releaseToggle();
}

void Connection::Timer1_Timer()
{
    Form1& f = link.form();
    try {
        link.connection().tick();
    } catch (const Failure& failure) {
        // The retry could not close or reopen the port: it stops trying.
        reportConnectFailure(failure);
        link.pages().update();
    }
    if (!cutShortReport.isEmpty())
        showFailure({});
    f.Zeit->setText(clockText(link.platform().clock.now()));
}
