#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <variant>

struct DeviceSettings;
struct Setting;

// One setting to send, as `set` and a profile name it: "tag-type=2",
// "switch-off-time=aus", "clock=now".
struct SettingChange {
    const Setting* setting = nullptr; // nullptr: the device's clock
    QString value;                    // as given
    // What the window's field holds for this value, which the command takes
    // as the window's button does: the list item "2 - Unique" for tag-type=2,
    // " 1" for beeper=1 (the check box's value), the text itself otherwise.
    QString fieldText;

    QString name() const;
};

// A change from "name=value", or why it is not one. Names the device only
// reports (battery, custom-codes, records) are refused.
std::variant<SettingChange, QString> settingChange(const QString& assignment);

// The changes a profile makes: lines "name=value", blank lines and "#"
// comments, as `info` prints them; battery and the counts are passed over.
// Why it is not a profile otherwise, naming the line.
std::variant<QList<SettingChange>, QString> profileChanges(const QString& text);

// Whether the settings read back show the change taken. The clock is not
// read back and always counts as taken.
bool changeTaken(const SettingChange& change, const DeviceSettings& readBack);

// The clock's text as the window's clock field shows it.
QString clockText(const QDateTime& time);

// The names `info` prints after the settings: the statistics' counts.
inline const QString customCodesName = QStringLiteral("custom-codes");
inline const QString recordsName = QStringLiteral("records");
