#include "cli/setting_change.h"

#include "cli/commands.h"

#include <QCoreApplication>

namespace {
struct ChangeTexts {
    Q_DECLARE_TR_FUNCTIONS(SettingChange)
};

// What the device reports and nothing sets: the battery level and the counts.
bool isReportOnly(QStringView name)
{
    const Setting* setting = settingNamed(name);
    return name == customCodesName || name == recordsName || (setting && setting->form == SettingForm::ReportOnly);
}
} // namespace

std::variant<SettingChange, QString> settingChange(const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(u'=');
    if (equals <= 0)
        return ChangeTexts::tr("'%1' is not name=value").arg(assignment);
    const QString name = assignment.left(equals).trimmed();
    if (isReportOnly(name))
        return ChangeTexts::tr("%1 is reported by the device and cannot be set").arg(name);
    const Setting* setting = settingNamed(name);
    if (!setting) {
        QStringList names{QString(clockSetting().name)};
        for (const Setting& known : deviceSettings())
            names << QString(known.name);
        return ChangeTexts::tr("no setting '%1'").arg(name) + suggestion(name, names);
    }
    auto value = parsedValue(*setting, QStringView(assignment).mid(equals + 1));
    if (value.index() == 1)
        return std::get<1>(value);
    return SettingChange{setting, std::get<0>(value)};
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
            return ChangeTexts::tr("line %1: %2").arg(QString::number(i + 1), std::get<1>(change));
        const SettingChange& taken = std::get<0>(change);
        changes.removeIf([&](const SettingChange& earlier) { return earlier.setting == taken.setting; });
        changes << taken;
    }
    return changes;
}

QString changeText(const SettingChange& change)
{
    return QStringLiteral("%1=%2").arg(change.setting->name, valueText(change.value));
}
