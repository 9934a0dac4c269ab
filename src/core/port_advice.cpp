#include "core/port_advice.h"

#include "base/failure.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>

namespace {
struct AdviceTexts {
    Q_DECLARE_TR_FUNCTIONS(PortAdvice)
};

struct Cause {
    PortTrouble trouble;
    QList<int> systemErrors; // the system's error numbers that name it
    QStringList texts; // texts of the port's description that point to it, for a failure without a number
    int onlyOnFailure = 0; // when set, the cause holds only for failures of this number
};

const QList<Cause>& knownCauses()
{
    static const QList<Cause> causes{
        {PortTrouble::NoPermission, {EACCES, EPERM},
#ifdef Q_OS_LINUX
         {QStringLiteral("Permission denied")}
#else
         {}
#endif
        },
        {PortTrouble::NoDevice, {ENOENT, ENODEV, ENXIO},
         {QStringLiteral("No such file or directory"), QStringLiteral("The system cannot find the file specified")}},
        {PortTrouble::InUse, {EBUSY},
         {QStringLiteral("locking the device"), QStringLiteral("Device or resource busy"),
          QStringLiteral("Access is denied")}},
        {PortTrouble::NotSerial, {ENOTTY}, {QStringLiteral("Inappropriate ioctl for device")}},
        // Linux keeps /dev/ttyS0 to ttyS3 even where no serial hardware is
        // behind them; opening one of those fails with an I/O error. Elsewhere
        // (a goodbye that cannot be written) that error means something else.
        {PortTrouble::NoDevice, {EIO}, {QStringLiteral("Input/output error")}, FailureNumber::PortOpenFailed},
    };
    return causes;
}

// The advice, and where a port can name any device, how to name one.
QString withPortMapping(const QString& advice, [[maybe_unused]] const QString& settingsFile)
{
#ifdef Q_OS_LINUX
    return advice + u' '
        + AdviceTexts::tr("A port name can also be given any device in the section [Ports] of the settings file "
                          "%1, for example COM1=/dev/ttyUSB0.")
              .arg(settingsFile);
#else
    return advice;
#endif
}

QString advice(PortTrouble trouble, const QString& settingsFile, const QString& heldBy)
{
    switch (trouble) {
    case PortTrouble::NoPortChosen:
        //: "Connect": the window's button of that name.
        return AdviceTexts::tr("Choose a port in the list, then press Connect again.");
    case PortTrouble::NoPermission:
        return AdviceTexts::tr("This user account may not use the port. Add it to the group that owns the device "
                               "(dialout on Debian, for example: sudo usermod -aG dialout $USER), then log out and "
                               "log in again so that the new group takes effect.");
    case PortTrouble::NoDevice:
        return withPortMapping(AdviceTexts::tr("No device is attached under this port's name. Plug the device in, "
                                               "or choose the port it is attached to."),
                               settingsFile);
    case PortTrouble::InUse:
        return heldBy.isEmpty()
            ? AdviceTexts::tr("Another program is using this port. Close that program, or choose another port.")
            : AdviceTexts::tr("Another program is using this port: it is in use by %1. Close that program, or "
                              "choose another port.")
                  .arg(heldBy);
    case PortTrouble::NotSerial:
        return withPortMapping(
            AdviceTexts::tr("The device under this port's name is not a serial port. Choose another port."),
            settingsFile);
    case PortTrouble::Unknown:
        break;
    }
    return {};
}

} // namespace

PortTrouble portTrouble(const Failure& failure)
{
    // Only the port number's conversion fails this way: no port is chosen.
    if (failure.number == FailureNumber::TypeMismatch)
        return PortTrouble::NoPortChosen;
    for (const Cause& cause : knownCauses()) {
        const auto mentioned = [&](const QString& text) {
            return failure.description.contains(text, Qt::CaseInsensitive);
        };
        // The system's error number where the port knows it; the words (in
        // English, as the system and Qt give them untranslated) otherwise.
        const bool named = failure.systemError != 0
            ? cause.systemErrors.contains(failure.systemError)
            : std::any_of(cause.texts.cbegin(), cause.texts.cend(), mentioned);
        const bool applies = cause.onlyOnFailure == 0 || cause.onlyOnFailure == failure.number;
        if (applies && named)
            return cause.trouble;
    }
    return PortTrouble::Unknown;
}

QString holdersText(const QList<DeviceHolder>& holders)
{
    QString names;
    for (const DeviceHolder& holder : holders) {
        const QString name = AdviceTexts::tr("%1 (pid %2)").arg(holder.name, QString::number(holder.pid));
        names = names.isEmpty() ? name : AdviceTexts::tr("%1 and %2").arg(names, name);
    }
    return names;
}

QString connectFailureText(const Failure& failure, const QString& settingsFile, const QString& heldBy)
{
    const QString text = advice(portTrouble(failure), settingsFile, heldBy);
    return text.isEmpty() ? failure.description : failure.description + QStringLiteral("\n\n") + text;
}
