#include "platform/port_names.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "platform/settings_store.h"

namespace {
QString assignedDevice(int portNumber, const SettingsStore& settings)
{
    return settings.get(portsSection, portKey(portNumber), QString()).trimmed();
}
} // namespace

QString devicePathForPort(int portNumber, const SettingsStore& settings)
{
#ifdef Q_OS_WIN
    // The device namespace reaches COM10 and above too, which a bare name does not.
    Q_UNUSED(settings);
    return QStringLiteral("\\\\.\\") + portKey(portNumber);
#else
    const QString mapped = assignedDevice(portNumber, settings);
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

bool hasAssignedDevice(int portNumber, const SettingsStore& settings)
{
    return !assignedDevice(portNumber, settings).isEmpty();
}

PortTarget portTarget(int portNumber, const SettingsStore& settings)
{
    return {portKey(portNumber), devicePathForPort(portNumber, settings)};
}

int chosenPortPosition(const SettingsStore& settings)
{
    try {
        const int position = strictInt16(settings.get(chosenPortSection, chosenPortKey, QStringLiteral("0")));
        return position >= -1 && position < windowPortCount ? position : 0;
    } catch (const Failure&) {
        return 0;
    }
}
