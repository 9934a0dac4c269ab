#pragma once

#include "core/device_settings.h"

#include <QList>
#include <QString>
#include <variant>

// A change from "name=value" (`set tag-type=2`, `switch-off-time=never`,
// `clock=now`), its value checked by the setting's form; otherwise why not.
// Names the device only reports (battery, custom-codes, records) are refused.
std::variant<SettingChange, QString> settingChange(const QString& assignment);

// The changes a profile makes: lines "name=value", blank lines and "#"
// comments, as `info` prints them; battery and the counts are passed over,
// and the last line for a setting wins. Why it is not a profile otherwise,
// naming the line.
std::variant<QList<SettingChange>, QString> profileChanges(const QString& text);

// "tag-type=2": the change as `set` names it in its messages.
QString changeText(const SettingChange& change);

// The names `info` prints after the settings: the statistics' counts.
inline const QString customCodesName = QStringLiteral("custom-codes");
inline const QString recordsName = QStringLiteral("records");
