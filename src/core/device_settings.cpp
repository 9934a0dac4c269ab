#include "core/device_settings.h"

#include "base/number_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <optional>

namespace {
using L = QLatin1StringView;

// What a setting takes is told in the user's language; the table marks it.
struct SettingTexts {
    Q_DECLARE_TR_FUNCTIONS(Setting)
};

const QString clockFormat = QStringLiteral("dd.MM.yyyy HH:mm");
// The device's word for "never switch off".
const QString neverField = QStringLiteral("aus");
const QString neverText = QStringLiteral("never");

// A whole number of 0 or more, and nothing else but blanks around it.
std::optional<qint64> wholeNumber(QStringView text)
{
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return digits.toLongLong();
}

QString refusal(const Setting& setting, QStringView text)
{
    return SettingTexts::tr("%1 takes %2, not '%3'").arg(setting.name, takesText(setting), text);
}
} // namespace

const QList<Setting>& deviceSettings()
{
    static const QList<Setting> settings{
        {L("tag-type"), L("TAGTYP"), SettingKind::Int16, SettingForm::ListItem, 2, 0, 11,
         L(QT_TRANSLATE_NOOP("Setting", "a transponder type from 0 to 11"))},
        {L("switch-off-time"), L("OFF"), SettingKind::Text, SettingForm::OffTime, 0, 0, 0,
         //: "never" is the value as the user types it: keep it in English.
         L(QT_TRANSLATE_NOOP("Setting", "a whole number of seconds, or never"))},
        {L("read-timeout"), L("TIMEOUT"), SettingKind::Text, SettingForm::WholeNumber, 0, 0, 0,
         L(QT_TRANSLATE_NOOP("Setting", "a whole number of 50 ms steps"))},
        {L("fdx-code"), L("FDXCODE"), SettingKind::Int16, SettingForm::ListItem, 2, 1, 8,
         L(QT_TRANSLATE_NOOP("Setting", "an FDX code format from 1 to 8"))},
        {L("beeper"), L("ENBEEP"), SettingKind::Number, SettingForm::Flag, 0, 0, 1,
         L(QT_TRANSLATE_NOOP("Setting", "0 (off) or 1 (on)"))},
        {L("mode"), L("MODE"), SettingKind::Int16, SettingForm::ListItem, 1, 0, 3,
         L(QT_TRANSLATE_NOOP("Setting", "an operating mode from 0 to 3"))},
        {L("menu"), L("MENU"), SettingKind::Int16, SettingForm::KeyMask, 0, 0, 31,
         L(QT_TRANSLATE_NOOP("Setting",
                             "the sum of its menu keys F1 = 1, F2 = 2, F3 = 4, F4 = 8 and F5 = 16, from 0 to 31"))},
        {L("language"), L("LANGUAGE"), SettingKind::Int16, SettingForm::ListItem, 2, 0, 3,
         L(QT_TRANSLATE_NOOP("Setting", "a language from 0 to 3"))},
        {L("battery"), L("AKKU"), SettingKind::Number, SettingForm::ReportOnly, 0, 0, 100,
         L(QT_TRANSLATE_NOOP("Setting", "nothing: the device reports it"))},
    };
    return settings;
}

const Setting& clockSetting()
{
    static const Setting clock{L("clock"), L("CLOCK"), SettingKind::Text, SettingForm::Time, 0, 0, 0,
                               //: "now" is the value as the user types it: keep it in English. The
                               //: time's digits stand in that order, with the dot, the blank and the colon.
                               L(QT_TRANSLATE_NOOP("Setting", "now, or a time dd.mm.yyyy hh:mm"))};
    return clock;
}

QString takesText(const Setting& setting)
{
    return SettingTexts::tr(QByteArray(setting.takes.data(), setting.takes.size()).constData());
}

const QList<const Setting*>& namedSettings()
{
    static const QList<const Setting*> settings = [] {
        QList<const Setting*> all;
        for (const Setting& setting : deviceSettings())
            all << &setting;
        return all << &clockSetting();
    }();
    return settings;
}

const Setting* settingNamed(QStringView name)
{
    for (const Setting* setting : namedSettings())
        if (setting->name == name)
            return setting;
    return nullptr;
}

QString clockText(const QDateTime& time)
{
    return time.toString(clockFormat);
}

QString valueField(const Setting& setting, const SettingValue& value)
{
    using Kind = SettingValue::Kind;
    switch (value.kind) {
    case Kind::Typed:
        return setting.sentChars > 0 ? value.text.left(setting.sentChars) : value.text;
    case Kind::Never:
        return neverField;
    case Kind::Time:
        return clockText(value.time);
    case Kind::Flag:
        return signPosition(value.number != 0 ? 1 : 0);
    case Kind::Number:
        break;
    }
    const auto number = static_cast<qint64>(value.number);
    if (setting.form == SettingForm::KeyMask || setting.form == SettingForm::Flag)
        return signPosition(number);
    // A list item's leading characters: "2 " of "2 - Unique", "10" of "10- ISO14443-A".
    return QString::number(number).leftJustified(setting.sentChars);
}

QString valueText(const SettingValue& value)
{
    using Kind = SettingValue::Kind;
    switch (value.kind) {
    case Kind::Number:
    case Kind::Flag:
        // Every digit: the default six would print 1234567 as 1.23457e+06,
        // which no setting takes back.
        return QString::number(value.number, 'f', QLocale::FloatingPointShortest);
    case Kind::Never:
        return neverText;
    case Kind::Time:
        return value.time.isNull() ? QStringLiteral("now") : clockText(value.time);
    case Kind::Typed:
        break;
    }
    return value.text;
}

std::variant<SettingValue, QString> parsedValue(const Setting& setting, QStringView text)
{
    const QStringView given = text.trimmed();
    const std::optional<qint64> number = wholeNumber(given);
    switch (setting.form) {
    case SettingForm::ListItem:
    case SettingForm::KeyMask:
        if (number && *number >= setting.lowest && *number <= setting.highest)
            return SettingValue::ofNumber(double(*number));
        break;
    case SettingForm::Flag:
        if (number && *number <= 1)
            return SettingValue::ofFlag(*number == 1);
        break;
    case SettingForm::OffTime:
        // "aus", the device's own word, as the window sends it.
        if (given.compare(neverText, Qt::CaseInsensitive) == 0 || given.compare(neverField, Qt::CaseInsensitive) == 0)
            return SettingValue::never();
        [[fallthrough]];
    case SettingForm::WholeNumber:
        if (number)
            return SettingValue::ofNumber(double(*number));
        break;
    case SettingForm::Time: {
        if (given.compare(u"now", Qt::CaseInsensitive) == 0)
            return SettingValue::now();
        const QDateTime time = QDateTime::fromString(given.toString(), clockFormat);
        if (time.isValid())
            return SettingValue::ofTime(time);
        break;
    }
    case SettingForm::ReportOnly:
        break;
    }
    return refusal(setting, given);
}

SettingValue reportedValue(const Setting& setting, const QString& text)
{
    if (setting.kind == SettingKind::Int16)
        return SettingValue::ofNumber(leadingInt16(text));
    switch (setting.form) {
    case SettingForm::Flag:
        return SettingValue::ofFlag(leadingNumber(text) != 0);
    case SettingForm::OffTime:
        // Only the first character counts: "0" and "05" both mean never.
        if (text.startsWith(u'0'))
            return SettingValue::never();
        [[fallthrough]];
    case SettingForm::WholeNumber:
        if (const std::optional<qint64> number = wholeNumber(text))
            return SettingValue::ofNumber(double(*number));
        return SettingValue::typed(text);
    default:
        return SettingValue::ofNumber(leadingNumber(text));
    }
}

bool reportShows(const Setting& setting, const SettingValue& sent, const SettingValue& reported)
{
    if (setting.form == SettingForm::OffTime && sent.kind == SettingValue::Kind::Number && sent.number == 0)
        return reported.kind == SettingValue::Kind::Never;
    return sent == reported;
}

const ReportedSetting* DeviceSettings::find(QStringView name) const
{
    for (const ReportedSetting& value : values)
        if (value.setting->name == name)
            return &value;
    return nullptr;
}

QString DeviceSettings::text(QStringView name) const
{
    const ReportedSetting* value = find(name);
    return value ? value->text : QString();
}
