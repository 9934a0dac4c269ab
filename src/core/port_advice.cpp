#include "core/port_advice.h"

#include "base/failure.h"

#include <algorithm>
#include <cerrno>

namespace {

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
    QStringList names;
    for (const DeviceHolder& holder : holders)
        names << QStringLiteral("%1 (pid %2)").arg(holder.name).arg(holder.pid);
    return names.join(QStringLiteral(" and "));
}

QString connectFailureText(const Failure& failure, const QString& settingsFile, const QString& heldBy)
{
    const QString text = advice(portTrouble(failure), settingsFile, heldBy);
    return text.isEmpty() ? failure.description : failure.description + QStringLiteral("\n\n") + text;
}
