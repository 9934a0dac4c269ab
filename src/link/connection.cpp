#include "link/connection.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "link/read_back.h"
#include "platform/failure_report.h"
#include "platform/platform.h"
#include "platform/port_names.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace {

const QString connectCaption = QStringLiteral("Connect");
const QString connectedCaption = QStringLiteral("Connected");

enum class PortTrouble { Unknown, NoPortChosen, NoPermission, NoDevice, InUse, NotSerial };

struct Cause {
    PortTrouble trouble;
    QStringList texts; // texts of the port's description that point to it
    int onlyOnFailure = 0; // when set, the cause holds only for failures of this number
};

const QList<Cause>& knownCauses()
{
    static const QList<Cause> causes{
#ifdef Q_OS_LINUX
        {PortTrouble::NoPermission, {QStringLiteral("Permission denied")}},
#endif
        {PortTrouble::NoDevice,
         {QStringLiteral("No such file or directory"), QStringLiteral("The system cannot find the file specified")}},
        {PortTrouble::InUse,
         {QStringLiteral("locking the device"), QStringLiteral("Device or resource busy"),
          QStringLiteral("Access is denied")}},
        {PortTrouble::NotSerial, {QStringLiteral("Inappropriate ioctl for device")}},
        // Linux keeps /dev/ttyS0 to ttyS3 even where no serial hardware is
        // behind them; opening one of those fails with an I/O error. Elsewhere
        // (a goodbye that cannot be written) that error means something else.
        {PortTrouble::NoDevice, {QStringLiteral("Input/output error")}, FailureNumber::PortOpenFailed},
    };
    return causes;
}

PortTrouble portTrouble(const Failure& failure)
{
    // Only the port number's conversion fails this way: no port is chosen.
    if (failure.number == FailureNumber::TypeMismatch)
        return PortTrouble::NoPortChosen;
    for (const Cause& cause : knownCauses()) {
        const auto mentioned = [&](const QString& text) {
            return failure.description.contains(text, Qt::CaseInsensitive);
        };
        const bool applies = cause.onlyOnFailure == 0 || cause.onlyOnFailure == failure.number;
        if (applies && std::any_of(cause.texts.cbegin(), cause.texts.cend(), mentioned))
            return cause.trouble;
    }
    return PortTrouble::Unknown;
}

QString portMapping([[maybe_unused]] const QString& settingsFile)
{
#ifdef Q_OS_LINUX
    return QStringLiteral(" A port name can also be given any device in the section [Ports] of the settings file "
                          "%1, for example COM1=/dev/ttyUSB0.")
        .arg(settingsFile);
#else
    return {};
#endif
}

QString advice(PortTrouble trouble, const QString& settingsFile, const QString& heldBy)
{
    switch (trouble) {
    case PortTrouble::NoPortChosen:
        return QStringLiteral("Choose a port in the list, then press Connect again.");
    case PortTrouble::NoPermission:
        return QStringLiteral("This user account may not use the port. Add it to the group that owns the "
                              "device (dialout on Debian, for example: sudo usermod -aG dialout $USER), then "
                              "log out and log in again so that the new group takes effect.");
    case PortTrouble::NoDevice:
        return QStringLiteral("No device is attached under this port's name. Plug the device in, or choose "
                              "the port it is attached to.")
            + portMapping(settingsFile);
    case PortTrouble::InUse:
        return QStringLiteral("Another program is using this port")
            + (heldBy.isEmpty() ? QString() : QStringLiteral(": it is in use by ") + heldBy)
            + QStringLiteral(". Close that program, or choose another port.");
    case PortTrouble::NotSerial:
        return QStringLiteral("The device under this port's name is not a serial port. Choose another port.")
            + portMapping(settingsFile);
    case PortTrouble::Unknown:
        break;
    }
    return {};
}

// "ModemManager (pid 812)", several joined by "and".
QString holdersText(const QList<DeviceHolder>& holders)
{
    QStringList names;
    for (const DeviceHolder& holder : holders)
        names << QStringLiteral("%1 (pid %2)").arg(holder.name).arg(holder.pid);
    return names.join(QStringLiteral(" and "));
}

} // namespace

QString connectFailureText(const Failure& failure, const QString& settingsFile, const QString& heldBy)
{
    const QString text = advice(portTrouble(failure), settingsFile, heldBy);
    return text.isEmpty() ? failure.description : failure.description + QStringLiteral("\n\n") + text;
}

Connection::Connection(DeviceLink& link, ReadBack& readBack)
    : link(link), readBack(readBack)
{
    Form1& f = link.form();
    QObject::connect(f.Connect, &QAbstractButton::toggled, f.Connect, link.reporting([this] { Connect_Click(); }));
    link.replies().registerHandler(ReplyModes::HandshakeAndReadBack,
                                   [this](const QString& line) { handshakeReply(line); });
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
    if (f.IgnoreConnectClick) {
        // The program's own release of the toggle after a failure.
        f.IgnoreConnectClick = false;
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
    f.ReplyMode = ReplyModes::HandshakeAndReadBack;
    link.send(QStringLiteral("ONLINE"));
    f.ConnectCountdown = HandshakeTicks;
}

void Connection::showClosed()
{
    Form1& f = link.form();
    link.pages().setConnectionOpened(false);
    f.Connect->setText(connectCaption);
    f.ReplyMode = ReplyModes::EchoOnly;
    f.ConnectCountdown = 0;
    f.ExchangeFile.close();
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
        f.IgnoreConnectClick = true;
        setCheckValue(f.Connect, 0);
    }
}

void Connection::reportAndRelease(const QString& text)
{
    showFailure(text);
    releaseToggle();
}

void Connection::handshakeReply(const QString& line)
{
    // Only exactly "Ok" answers; anything else may be a read-back reply.
    if (line == QLatin1StringView("Ok"))
        handshakeAnswered();
    else
        readBack.takeReply(line);
}

void Connection::handshakeAnswered()
{
    Form1& f = link.form();
    f.Connect->setText(connectedCaption);
    f.ConnectCountdown = 0;
    readBack.start();
}

void Connection::Timer1_Timer()
{
    Form1& f = link.form();
    if (f.ConnectCountdown > 0) {
        --f.ConnectCountdown;
        if (f.ConnectCountdown == 0)
            retry();
    }
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
