#include "link/connection.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "core/device.h"
#include "core/port_advice.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/failure_report.h"
#include "platform/platform.h"
#include "platform/port_names.h"

#include <QScopedValueRollback>

namespace {

const QString connectCaption = QStringLiteral("Connect");
const QString connectedCaption = QStringLiteral("Connected");

} // namespace


Connection::Connection(DeviceLink& link)
    : link(link)
{
    Form1& f = link.form();
    QObject::connect(f.Connect, &QAbstractButton::toggled, f.Connect, link.reporting([this] { Connect_Click(); }));
    QObject::connect(&link.device(), &Device::connected, f.Connect,
                     [&f] { f.Connect->setText(connectedCaption); });
    link.platform().port.setLostHandler([this](const Failure& failure) {
        reportingFailures(this->link.platform().dialogs, [this, &failure] { deviceLost(failure); });
    });
    link.platform().clock.startTimer(500, link.reporting([this] { Timer1_Timer(); }));
}

Connection::~Connection()
{
    link.platform().port.setLostHandler({});
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
        if (checkValue(f.Connect) == 1)
            openChosenPort();
        else
            closeWithGoodbye();
        if (link.platform().port.isOpen()) {
            startHandshake();
        } else {
            showClosed();
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
    // "COM12" -> 12; no selection leaves no number and fails.
    return strictInt16(link.form().Port->currentText().mid(3));
}

void Connection::openChosenPort()
{
    Form1& f = link.form();
    f.Ausgabe->replaceAndRedraw(QStringLiteral("connecting...\r\n"));
    link.platform().port.open(chosenPortNumber());
    link.replies().startAfresh();
}

void Connection::closeWithGoodbye()
{
    SerialPort& port = link.platform().port;
    try {
        link.send(QStringLiteral("DISCONNECT"));
    } catch (const Failure&) {
        // The user let go of the connection: it ends also when the goodbye
        // cannot be written, or the port would stay open with no way to close it.
        port.close();
        showClosed();
        throw;
    }
    port.close();
}

void Connection::startHandshake()
{
    Form1& f = link.form();
    link.pages().setConnectionOpened(true);
    f.Ausgabe->replaceAndRedraw(QStringLiteral("initialising...\r\n"));
    link.device().handshake().start();
}

void Connection::showClosed()
{
    Form1& f = link.form();
    link.pages().setConnectionOpened(false);
    f.Connect->setText(connectCaption);
    link.device().handshake().stop();
    link.device().data().closeFile();
    setBarValue(f.akku, 0);
    const QString cutShort = link.exchange().cutShort();
    if (!cutShort.isEmpty())
        cutShortReport = cutShort;
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
    if (link.device().handshake().tick())
        retry();
    f.Zeit->setText(link.platform().clock.now().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    link.exchange().tick();
}

void Connection::retry()
{
    try {
        link.platform().port.close();
    } catch (const Failure& failure) {
        // A port that cannot be closed cannot be opened again either: stop
        // trying rather than fail the same way every few seconds.
        reportAndRelease(failure.description);
        return;
    }
    // A read-out or load started before the device answered cannot go on
    // over a new hand-shake: it ends now and is told now, in the box of a
    // failed reopen or in one of its own.
    const QString cutShort = link.exchange().cutShort();
    if (!cutShort.isEmpty())
        cutShortReport = cutShort + QStringLiteral("\n\nThe device had not answered the connection yet, so the "
                                                   "connection was started again. Wait until Connect reads "
                                                   "\"Connected\" before you start a read-out or a load.");
    link.platform().clock.pause(RetryPauseMs);
    Connect_Click();
    if (!cutShortReport.isEmpty())
        showFailure({});
}

void Connection::deviceLost(const Failure& failure)
{
    if (link.platform().port.isOpen())
        return; // opened again since the loss: the report is out of date
    // Nothing to tell when the user has already let go of the connection, or
    // while the failure that found the loss is being shown.
    const bool tell = checkValue(link.form().Connect) == 1 && !showingFailure;
    // The port closed itself: nothing to say goodbye to. Closed before the
    // box opens, so that the hand-shake's time-out cannot open the port
    // again behind it.
    showClosed();
    if (tell)
        showFailure(failure.description, QStringLiteral("Check the device and its cable, then press Connect again."));
    else
        cutShortReport.clear();
    releaseToggle();
}
