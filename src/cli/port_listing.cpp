#include "cli/port_listing.h"

#include "core/port_advice.h"
#include "platform/port_names.h"
#include "platform/serial_devices.h"
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
struct PortListingTexts {
    Q_DECLARE_TR_FUNCTIONS(PortListing)
};

QString hex(std::optional<quint16> id)
{
    return id ? QStringLiteral("%1").arg(*id, 4, 16, QLatin1Char('0')) : QString();
}

QJsonArray holdersJson(const QList<DeviceHolder>& holders)
{
    QJsonArray array;
    for (const DeviceHolder& holder : holders)
        array << QJsonObject{{QStringLiteral("program"), holder.name}, {QStringLiteral("pid"), holder.pid}};
    return array;
}

QString heldText(const QList<DeviceHolder>& holders)
{
    return holders.isEmpty() ? QString() : PortListingTexts::tr(", held by %1").arg(holdersText(holders));
}
} // namespace

QList<int> listedPortNumbers(const SettingsStore& settings)
{
    QList<int> numbers;
    for (int number = 1; number <= maxPortNumber; ++number)
        if (number <= windowPortCount || hasAssignedDevice(number, settings))
            numbers << number;
    return numbers;
}

QString portListing(const SettingsStore& settings, const SerialDevices& devices, bool json)
{
    QJsonArray portsJson;
    QString text = PortListingTexts::tr("Ports (as mapped in %1):").arg(settings.fileName()) + u'\n';
    for (const int number : listedPortNumbers(settings)) {
        const bool assigned = hasAssignedDevice(number, settings);
        const PortTarget port = portTarget(number, settings);
        const QFileInfo file(port.path);
        const QString device = file.exists() ? file.canonicalFilePath() : QString();
        const QList<DeviceHolder> holders = device.isEmpty() ? QList<DeviceHolder>() : devices.holdersOf(port.path);
        portsJson << QJsonObject{{QStringLiteral("port"), port.name},
                                 {QStringLiteral("path"), port.path},
                                 {QStringLiteral("assigned"), assigned},
                                 {QStringLiteral("device"), device.isEmpty() ? QJsonValue() : QJsonValue(device)},
                                 {QStringLiteral("heldBy"), holdersJson(holders)}};
        text += QStringLiteral("  %1 %2%3%4%5\n")
                    .arg(port.name, -6)
                    .arg(port.path, assigned ? QString() : PortListingTexts::tr(" (default)"),
                         device.isEmpty() ? PortListingTexts::tr(", not present")
                                          : (device == port.path ? QString()
                                                                 : PortListingTexts::tr(", now %1").arg(device)),
                         heldText(holders));
    }
    QJsonArray devicesJson;
    const QList<SerialDeviceInfo> present = devices.present();
    text += (present.isEmpty() ? PortListingTexts::tr("No serial device is present.")
                               : PortListingTexts::tr("Serial devices present:"))
        + u'\n';
    for (const SerialDeviceInfo& info : present) {
        const QList<DeviceHolder> holders = devices.holdersOf(info.path);
        devicesJson << QJsonObject{{QStringLiteral("path"), info.path},
                                   {QStringLiteral("stableName"), info.stableName},
                                   {QStringLiteral("vendorId"), hex(info.vendorId)},
                                   {QStringLiteral("productId"), hex(info.productId)},
                                   {QStringLiteral("serialNumber"), info.serialNumber},
                                   {QStringLiteral("manufacturer"), info.manufacturer},
                                   {QStringLiteral("description"), info.description},
                                   {QStringLiteral("heldBy"), holdersJson(holders)}};
        QStringList facts;
        if (!info.stableName.isEmpty())
            facts << info.stableName;
        if (info.vendorId)
            facts << QStringLiteral("USB %1:%2").arg(hex(info.vendorId), hex(info.productId));
        if (!info.serialNumber.isEmpty())
            facts << PortListingTexts::tr("serial %1").arg(info.serialNumber);
        if (!info.description.isEmpty())
            facts << info.description;
        facts.prepend(info.path);
        text += QStringLiteral("  ") + facts.join(QStringLiteral(", ")) + heldText(holders) + u'\n';
    }
    if (!json)
        return text;
    const QJsonObject object{{QStringLiteral("ports"), portsJson}, {QStringLiteral("devices"), devicesJson}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}
