#include "cli/completion.h"

#include "cli/commands.h"
#include "cli/port_listing.h"
#include "cli/shelf_request.h"
#include "core/device_settings.h"
#include "platform/serial_devices.h"

#include <algorithm>

namespace {
const QString endOfOptions = QStringLiteral("--");

bool sameOption(const QCommandLineOption& one, const QCommandLineOption& other)
{
    return one.names() == other.names();
}

bool takesValue(const QCommandLineOption& option)
{
    return !option.valueName().isEmpty();
}

// Kept, as the options found are pointed to.
const QList<QCommandLineOption>& everyOption()
{
    static const QList<QCommandLineOption> options = shelfOptions().all();
    return options;
}

const QCommandLineOption* optionNamed(QStringView name)
{
    for (const QCommandLineOption& option : everyOption())
        if (option.names().contains(name))
            return &option;
    return nullptr;
}

// The option whose value is the word after this one: "--port", "-p", or the
// last of compacted short options ("-qp"); in "-pCOM3" and "--port=COM3"
// the value is in the word itself.
const QCommandLineOption* optionBeforeValue(QStringView word)
{
    if (word.startsWith(endOfOptions)) {
        const QCommandLineOption* option = optionNamed(word.mid(2));
        return option && takesValue(*option) ? option : nullptr;
    }
    for (qsizetype at = 1; at < word.size(); ++at)
        if (const QCommandLineOption* option = optionNamed(word.mid(at, 1)); option && takesValue(*option))
            return at == word.size() - 1 ? option : nullptr;
    return nullptr;
}

// "--from" of "--from FILE  the profile to apply".
QString optionOfForm(const QString& formOption)
{
    return formOption.section(u' ', 0, 0);
}

bool ownedBy(const CommandForm& form, const QString& option)
{
    for (const QString& formOption : form.options)
        if (optionOfForm(formOption) == option)
            return true;
    return false;
}

// The options that fit after the command (none known: before it): those of
// every command, and the command's own.
QStringList optionWords(const CommandForm* command)
{
    QStringList words;
    for (const QString& name : shelfOptions().longNames()) {
        const QString word = QStringLiteral("--") + name;
        const bool anyOwns = std::any_of(commandForms().cbegin(), commandForms().cend(),
                                         [&word](const CommandForm& form) { return ownedBy(form, word); });
        if (!anyOwns || (command && ownedBy(*command, word)))
            words << word;
    }
    return words;
}

// The values to offer: every value of a list, a flag or the key mask, never
// of the switch-off time, now of the clock; none where any number goes.
QStringList valueWords(const Setting& setting)
{
    switch (setting.form) {
    case SettingForm::ListItem:
    case SettingForm::KeyMask:
    case SettingForm::Flag: {
        QStringList words;
        for (int value = setting.lowest; value <= setting.highest; ++value)
            words << QString::number(value);
        return words;
    }
    case SettingForm::OffTime:
        return {valueText(SettingValue::never())};
    case SettingForm::Time:
        return {valueText(SettingValue::now())};
    case SettingForm::WholeNumber:
    case SettingForm::ReportOnly:
        break;
    }
    return {};
}

// set's NAME=VALUE: the names not given yet, or the values of the named one.
QStringList assignmentWords(const QString& word, const QStringList& given)
{
    QStringList words;
    if (const qsizetype equals = word.indexOf(u'='); equals >= 0) {
        const QString name = word.left(equals + 1);
        if (const Setting* setting = settingNamed(word.left(equals)))
            for (const QString& value : valueWords(*setting))
                words << name + value;
        return words;
    }
    for (const Setting* setting : namedSettings()) {
        const QString name = setting->name + u'=';
        const bool isGiven = std::any_of(given.cbegin(), given.cend(),
                                         [&name](const QString& assignment) { return assignment.startsWith(name); });
        if (setting->form != SettingForm::ReportOnly && !isGiven)
            words << name;
    }
    return words;
}

// --port's value: a COMn that tagorix ports lists or a device's stable
// name; after a comma, the next port of a list, one not in it yet.
Completion portCompletion(const QString& head, const QString& word, const SettingsStore& settings,
                          const SerialDevices& devices)
{
    const qsizetype listEnd = word.lastIndexOf(u',') + 1;
    const QStringList listed = word.left(listEnd).split(u',');
    QStringList ports;
    for (const int number : listedPortNumbers(settings))
        ports << portKey(number);
    for (const SerialDeviceInfo& device : devices.present())
        if (!device.stableName.isEmpty())
            ports << device.stableName;
    Completion completion;
    for (const QString& port : std::as_const(ports))
        if (!listed.contains(port))
            completion.words << head + word.left(listEnd) + port;
    // A device path being typed (a pty, /dev/ttyUSB0).
    completion.fileNames = word.mid(listEnd).contains(u'/');
    return completion;
}

// The value of an option; head is what stands before it in the word ("--port=").
Completion valueCompletion(const QCommandLineOption& option, const QString& head, const QString& word,
                           const SettingsStore& settings, const SerialDevices& devices)
{
    if (sameOption(option, shelfOptions().port))
        return portCompletion(head, word, settings, devices);
    Completion completion;
    completion.fileNames = sameOption(option, shelfOptions().from);
    return completion;
}

Completion unfiltered(const QStringList& words, qsizetype current, const SettingsStore& settings,
                      const SerialDevices& devices)
{
    const QString word = words.value(current);
    // What the words before this one say: the command, its arguments, and
    // whether this word is an option's value.
    QString commandName;
    QStringList arguments;
    bool optionsEnded = false;
    for (qsizetype at = 1; at < current && at < words.size(); ++at) {
        const QString& given = words.at(at);
        if (!optionsEnded && given == endOfOptions) {
            optionsEnded = true;
        } else if (!optionsEnded && given.size() > 1 && given.startsWith(u'-')) {
            if (const QCommandLineOption* option = optionBeforeValue(given)) {
                if (at + 1 == current)
                    return valueCompletion(*option, {}, word, settings, devices);
                ++at;
            }
        } else if (commandName.isNull()) {
            commandName = given;
        } else {
            arguments << given;
        }
    }
    const CommandForm* command = commandName.isNull() ? nullptr : commandNamed(commandName);
    if (!optionsEnded && word.startsWith(u'-')) {
        if (const qsizetype equals = word.indexOf(u'='); word.startsWith(endOfOptions) && equals > 0) {
            const QCommandLineOption* option = optionNamed(QStringView(word).mid(2, equals - 2));
            return option && takesValue(*option) ? valueCompletion(*option, word.left(equals + 1), word.mid(equals + 1),
                                                                   settings, devices)
                                                 : Completion{};
        }
        return {optionWords(command)};
    }
    if (commandName.isNull())
        return {commandNames()};
    if (!command)
        return {};
    switch (command->command) {
    case ShelfCommand::Help:
        return {arguments.isEmpty() ? commandNames() : QStringList()};
    case ShelfCommand::Set:
        return {assignmentWords(word, arguments)};
    case ShelfCommand::ReadRecords:
    case ShelfCommand::LoadCodes:
    case ShelfCommand::ReadCodes:
        return {{}, arguments.isEmpty()};
    default:
        return {};
    }
}
} // namespace

QString Completion::text() const
{
    QString text = fileNames ? QStringLiteral("files\n") : QStringLiteral("words\n");
    for (const QString& word : words)
        text += word + u'\n';
    return text;
}

Completion completionsFor(const QStringList& words, qsizetype current, const SettingsStore& settings,
                          const SerialDevices& devices)
{
    Completion completion = unfiltered(words, current, settings, devices);
    const QString typed = words.value(current);
    completion.words.removeIf([&typed](const QString& word) { return !word.startsWith(typed); });
    return completion;
}

EarlyExit completeCommandLine(const QStringList& arguments, const SettingsStore& settings,
                              const SerialDevices& devices)
{
    bool isNumber = false;
    const qsizetype current = arguments.value(0).toLongLong(&isNumber);
    if (!isNumber || current < 0)
        return usageError(QStringLiteral("tagorix"),
                          QStringLiteral("%1 takes the index of the word to complete, then the words, not '%2'")
                              .arg(completeOption, arguments.value(0)));
    return {0, completionsFor(arguments.mid(1), current, settings, devices).text()};
}
