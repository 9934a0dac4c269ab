#include "platform/port_names.h"

#include "platform/settings_store.h"

QString devicePathForPort(int portNumber, const SettingsStore& settings)
{
    const QString name = QStringLiteral("COM%1").arg(portNumber);
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return name;
#else
    const QString mapped = settings.get(QStringLiteral("Ports"), name, QString()).trimmed();
    if (!mapped.isEmpty())
        return mapped;
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}
