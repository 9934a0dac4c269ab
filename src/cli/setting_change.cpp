#include "cli/setting_change.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "core/device_settings.h"
#include "core/selection_lists.h"

namespace {
const QString clockName = QStringLiteral("clock");
const QString never = QStringLiteral("aus"); // the device's word for "never switch off"

std::optional<qint64> wholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

bool isReportOnly(QStringView name)
{
    const Setting* setting = settingNamed(name);
    return (setting && setting->sentChars < 0) || name == customCodesName || name == recordsName;
}

// The field text for a value, or why the value does not fit the setting.
std::variant<QString, QString> fieldText(const Setting& setting, const QString& value)
{
    const QStringList items = SelectionLists::settingItems(QString(setting.name));
    const std::optional<qint64> number = wholeNumber(value);
    if (!items.isEmpty()) {
        for (const QString& item : items)
            if (number && leadingNumber(item) == double(*number))
                return std::variant<QString, QString>(std::in_place_index<0>, item);
        return std::variant<QString, QString>(
            std::in_place_index<1>, QStringLiteral("%1 takes %2 to %3, not '%4'")
                                        .arg(setting.name)
                                        .arg(leadingNumber(items.constFirst()))
                                        .arg(leadingNumber(items.constLast()))
                                        .arg(value));
    }
    if (setting.kind != SettingKind::Text) {
        // The window sends the check boxes' value as a number with its sign position.
        if (!number || *number < 0)
            return std::variant<QString, QString>(
                std::in_place_index<1>, QStringLiteral("%1 takes a number, not '%2'").arg(setting.name, value));
        return std::variant<QString, QString>(std::in_place_index<0>, signPosition(*number));
    }
    if (value.trimmed().isEmpty())
        return std::variant<QString, QString>(std::in_place_index<1>,
                                              QStringLiteral("%1 takes a value").arg(setting.name));
    return std::variant<QString, QString>(std::in_place_index<0>, value);
}
} // namespace

QString SettingChange::name() const
{
    return setting ? QString(setting->name) : clockName;
}

std::variant<SettingChange, QString> settingChange(const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0)
        return QStringLiteral("'%1' is not name=value").arg(assignment);
    const QString name = assignment.left(equals).trimmed();
    const QString value = assignment.mid(equals + 1).trimmed();
    if (name == clockName) {
        if (value.isEmpty())
            return QStringLiteral("clock takes now or a time dd.mm.yyyy hh:mm");
        return SettingChange{nullptr, value, value};
    }
    if (isReportOnly(name))
        return QStringLiteral("%1 is reported by the device and cannot be set").arg(name);
    const Setting* setting = settingNamed(name);
    if (!setting)
        return QStringLiteral("no setting '%1'").arg(name);
    auto text = fieldText(*setting, value);
    if (text.index() == 1)
        return std::get<1>(text);
    return SettingChange{setting, value, std::get<0>(text)};
}

std::variant<QList<SettingChange>, QString> profileChanges(const QString& text)
{
    QList<SettingChange> changes;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (isReportOnly(line.section(u'=', 0, 0).trimmed()))
            continue;
        auto change = settingChange(line);
        if (change.index() == 1)
            return QStringLiteral("line %1: %2").arg(i + 1).arg(std::get<1>(change));
        changes << std::get<0>(change);
    }
    return changes;
}

bool changeTaken(const SettingChange& change, const DeviceSettings& readBack)
{
    if (!change.setting)
        return true;
    const QString reported = readBack.text(QString(change.setting->name)).trimmed();
    if (reported.isEmpty())
        return false;
    std::optional<qint64> expected = wholeNumber(change.value);
    if (change.value.compare(never, Qt::CaseInsensitive) == 0)
        expected = 0;
    if (expected)
        return leadingNumber(reported) == double(*expected);
    return reported == change.value.trimmed();
}

QString clockText(const QDateTime& time)
{
    return time.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}
