#include "core/device_settings.h"

const QList<Setting>& deviceSettings()
{
    using L = QLatin1StringView;
    static const QList<Setting> settings{
        {L("tag-type"), L("TAGTYP"), SettingKind::Int16, 2},
        {L("switch-off-time"), L("OFF"), SettingKind::Text, 0},
        {L("read-timeout"), L("TIMEOUT"), SettingKind::Text, 0},
        {L("fdx-code"), L("FDXCODE"), SettingKind::Int16, 2},
        {L("beeper"), L("ENBEEP"), SettingKind::Number, 0},
        {L("mode"), L("MODE"), SettingKind::Int16, 1},
        {L("menu"), L("MENU"), SettingKind::Int16, 0},
        {L("language"), L("LANGUAGE"), SettingKind::Int16, 2},
        {L("battery"), L("AKKU"), SettingKind::Number, -1},
    };
    return settings;
}

const Setting* settingNamed(QStringView name)
{
    for (const Setting& setting : deviceSettings())
        if (setting.name == name)
            return &setting;
    return nullptr;
}

QString DeviceSettings::text(QStringView name) const
{
    for (const ReportedSetting& value : values)
        if (value.setting->name == name)
            return value.text;
    return {};
}
