#pragma once

#include <QDateTime>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <variant>

// The device's settings as the protocol names them: each one's query and
// command word, the form of its value, and how the value is read and sent.
enum class SettingKind {
    Text,   // a report taken as it stands
    Int16,  // a leading number that must fit 16 bits (else the overflow failure)
    Number, // a leading number of any size
};

// What a setting takes, and so how its value goes on the line.
enum class SettingForm {
    ListItem,    // a number from lowest to highest, the leading characters of a list item ("2 ")
    WholeNumber, // a whole number of 0 or more, as it stands ("20")
    OffTime,     // a whole number of seconds, or never ("aus"); a report starting with "0" is never
    Flag,        // 0 or 1, after a sign position (" 1")
    KeyMask,     // the menu keys F1 (1) to F5 (16) added up, after a sign position (" 21")
    Time,        // the clock: "dd.mm.yyyy hh:mm"
    ReportOnly,  // the battery level: the device reports it, nothing sets it
};

struct Setting {
    QLatin1StringView name;    // e.g. "tag-type": the command line's name
    QLatin1StringView keyword; // e.g. "TAGTYP": its query, its reply's prefix and its command word
    SettingKind kind;
    SettingForm form;
    // How many leading characters of a list item's text the command sends
    // (the items start with their number); 0 sends the whole value.
    int sentChars = 0;
    // The numbers a list or the key mask takes.
    int lowest = 0;
    int highest = 0;
    // What the help and the refusal of a wrong value say it takes, in
    // English (takesText translates it).
    QLatin1StringView takes;
};

// The settings the read-back asks for, in its order.
const QList<Setting>& deviceSettings();
// The device's clock: set, never read back.
const Setting& clockSetting();
// Every setting a user can name: the read-back's, in its order, then the clock.
const QList<const Setting*>& namedSettings();
// The setting of that name, the clock included, or nullptr.
const Setting* settingNamed(QStringView name);

// A setting's value as the core takes it and reads it.
struct SettingValue {
    enum class Kind {
        Number, // a whole number (a list item's number, seconds, steps, the key mask, the battery level)
        Flag,   // number 0 or 1
        Never,  // the switch-off time "never"
        Time,   // the clock; a null time is the PC's time when it is sent
        Typed,  // text as typed into a field, or a report that is no number: sent and shown as it stands
    };
    Kind kind = Kind::Typed;
    double number = 0;
    QDateTime time;
    QString text;

    static SettingValue ofNumber(double number) { return {Kind::Number, number, {}, {}}; }
    static SettingValue ofFlag(bool on) { return {Kind::Flag, on ? 1.0 : 0.0, {}, {}}; }
    static SettingValue never() { return {Kind::Never, 0, {}, {}}; }
    static SettingValue ofTime(const QDateTime& time) { return {Kind::Time, 0, time, {}}; }
    static SettingValue now() { return ofTime({}); }
    static SettingValue typed(const QString& text) { return {Kind::Typed, 0, {}, text}; }

    friend bool operator==(const SettingValue&, const SettingValue&) = default;
};

// The clock's text on the line and in the window: "06.12.2026 07:45".
QString clockText(const QDateTime& time);

// The value field of the setting's command, after the word and its blank:
// a list item's number as its leading characters ("2 ", "10"), a flag or
// the key mask after a sign position (" 1"), never as "aus", a time as the
// clock's text; typed text as a field holds it, of a list's text only its
// leading characters.
QString valueField(const Setting& setting, const SettingValue& value);

// The value as the command line prints and takes it: "2", "never", "1", the time, the text.
QString valueText(const SettingValue& value);

// What the setting takes, in the user's language: "a whole number of 50 ms steps".
QString takesText(const Setting& setting);

// The value NAME=VALUE gives, checked against the setting's form before
// anything is sent; otherwise why not, saying what the setting takes. A
// range that only the device knows is the device's to refuse.
std::variant<SettingValue, QString> parsedValue(const Setting& setting, QStringView text);

// The one reading of a value the device reported (the text after the colon).
// Throws the overflow failure for a list position or key mask beyond 16 bits.
SettingValue reportedValue(const Setting& setting, const QString& text);

// Whether a report shows the value sent: a switch-off time of 0 is never.
bool reportShows(const Setting& setting, const SettingValue& sent, const SettingValue& reported);

// A value the device reported: its text after the colon and its one reading.
struct ReportedSetting {
    const Setting* setting = nullptr;
    QString text;
    SettingValue value;
};

// What the device reported in one read-back, by setting, in the read-back's order.
struct DeviceSettings {
    QList<ReportedSetting> values;
    // The report for the setting of that name; nullptr when none came.
    const ReportedSetting* find(QStringView name) const;
    // The text reported for the setting of that name; empty when none came.
    QString text(QStringView name) const;
};

// One setting to send and the value to send it with.
struct SettingChange {
    const Setting* setting = nullptr;
    SettingValue value;
};
