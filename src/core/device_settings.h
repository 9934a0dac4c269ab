#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>

// The device's settings as the protocol names them: each one's query and
// command word, and how the value is read and sent.
enum class SettingKind {
    Text,   // taken as it stands
    Int16,  // a leading number that must fit 16 bits (else the overflow failure)
    Number, // a leading number of any size
};

struct Setting {
    QLatin1StringView name;    // e.g. "tag-type": the command line's name
    QLatin1StringView keyword; // e.g. "TAGTYP": its query, its reply's prefix and its command word
    SettingKind kind;
    // How many leading characters of a list's text the command sends (the
    // list items start with their value); 0 sends the whole text, -1 marks
    // what cannot be set (the battery level).
    int sentChars;
};

// In the order the read-back asks for them.
const QList<Setting>& deviceSettings();
// The setting of that name, or nullptr.
const Setting* settingNamed(QStringView name);

// A value the device reported: its text after the colon and, for numbers,
// the number read from it.
struct ReportedSetting {
    const Setting* setting = nullptr;
    QString text;
    double number = 0;
};

// What the device reported in one read-back, by setting, in the read-back's order.
struct DeviceSettings {
    QList<ReportedSetting> values;
    // The text reported for the setting of that name; empty when none came.
    QString text(QStringView name) const;
};
