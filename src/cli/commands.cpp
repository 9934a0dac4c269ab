#include "cli/commands.h"

#include "core/device_settings.h"
#include "core/selection_lists.h"

#include <algorithm>

namespace {
const QString program = QStringLiteral("tagorix");
const QString commonOptions = QStringLiteral("[--port COMn|n|PATH]... [--json] [--quiet] [--wait SECONDS] [--verbose]");

// Edits (insert, delete, replace, swap two neighbours) from one name to the other.
int editDistance(const QString& a, const QString& b)
{
    QList<QList<int>> d(a.size() + 1, QList<int>(b.size() + 1));
    for (qsizetype i = 0; i <= a.size(); ++i)
        d[i][0] = int(i);
    for (qsizetype j = 0; j <= b.size(); ++j)
        d[0][j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i)
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int replace = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + replace});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

// The choices of a list setting, "0 All, 1 FDX-B, ...", from the window's lists.
QString choices(const Setting& setting)
{
    QStringList items;
    if (setting.name == u"tag-type")
        items = SelectionLists::tagTypeItems();
    else if (setting.name == u"fdx-code")
        items = SelectionLists::fdxCodeItems();
    else if (setting.name == u"mode")
        items = SelectionLists::modeItems();
    else if (setting.name == u"language")
        items = SelectionLists::languageItems();
    for (QString& item : items)
        item = item.section(u'-', 0, 0).trimmed() + u' ' + item.section(u'-', 1).trimmed();
    return items.join(QStringLiteral(", "));
}

QString settingsTable(bool withReportOnly)
{
    QString text = QStringLiteral("\nSettings:\n");
    QList<const Setting*> settings;
    for (const Setting& setting : deviceSettings())
        if (withReportOnly || setting.form != SettingForm::ReportOnly)
            settings << &setting;
    settings << &clockSetting();
    for (const Setting* setting : std::as_const(settings)) {
        text += QStringLiteral("  %1 %2\n").arg(QString(setting->name), -16).arg(setting->takes);
        if (const QString list = choices(*setting); !list.isEmpty())
            text += QStringLiteral("  %1 %2\n").arg(QString(), -16).arg(list);
    }
    return text;
}
} // namespace

const QList<CommandForm>& commandForms()
{
    using C = ShelfCommand;
    static const QList<CommandForm> forms{
        {QStringLiteral("info"), C::Info, {},
         QStringLiteral("Prints the settings as the device reports them, one name=value line each, then its "
                        "battery level and how many custom codes and records it holds. What it prints of one port "
                        "is a profile for set --from."),
         {}, QStringLiteral("tagorix --port COM3 info > profile.txt")},
        {QStringLiteral("set"), C::Set, QStringLiteral("NAME=VALUE... | --from FILE"),
         QStringLiteral("Checks each value, sends each setting, each after the device has answered the one before, "
                        "then asks for each setting changed and fails if the device refused it or it did not take."),
         {QStringLiteral("--from FILE  the profile to apply: name=value lines as info prints them")},
         QStringLiteral("tagorix --port COM3 set beeper=0 switch-off-time=never clock=now")},
        {QStringLiteral("read-records"), C::ReadRecords, QStringLiteral("[--erase] FILE"),
         QStringLiteral("Reads the device's records into FILE (- for standard output), through FILE.partial until "
                        "the read-out is complete. {port}, {date} and {time} in FILE stand for the port and the "
                        "start of the run."),
         {QStringLiteral("--erase  once every record is on disk, erase the records on the device")},
         QStringLiteral("tagorix --port COM1,COM2 read-records --erase /srv/records/{port}-{date}.csv")},
        {QStringLiteral("erase-records"), C::EraseRecords, QStringLiteral("--yes"),
         QStringLiteral("Erases the records on the device (\"DEL E\"), done when it answers \"Ok\"."),
         {QStringLiteral("--yes  confirms the erase")}, QStringLiteral("tagorix --port COM3 erase-records --yes")},
        {QStringLiteral("load-codes"), C::LoadCodes, QStringLiteral("FILE"),
         QStringLiteral("Loads the custom codes of FILE (fields separated by \";\", one data set a line) into the "
                        "device, line by line, each acknowledged."),
         {}, QStringLiteral("tagorix --port COM3 load-codes codes.csv")},
        {QStringLiteral("read-codes"), C::ReadCodes, QStringLiteral("[FILE]"),
         QStringLiteral("Writes the custom codes the device holds into FILE (standard output without it) in the "
                        "form load-codes reads, so that a backup loads back as it was."),
         {}, QStringLiteral("tagorix --port COM3 read-codes codes-backup.csv")},
        {QStringLiteral("erase-codes"), C::EraseCodes, QStringLiteral("--yes"),
         QStringLiteral("Erases the custom codes on the device (\"DEL T\"), done when it answers \"Ok\"."),
         {QStringLiteral("--yes  confirms the erase")}, QStringLiteral("tagorix --port COM3 erase-codes --yes")},
        {QStringLiteral("read-id"), C::ReadId, {},
         QStringLiteral("Reads one transponder's identifier, within --wait seconds."), {},
         QStringLiteral("tagorix --port COM3 --wait 30 read-id")},
        {QStringLiteral("scan"), C::Scan, {}, QStringLiteral("Scans one barcode, within --wait seconds."), {},
         QStringLiteral("tagorix --port COM3 scan")},
        {QStringLiteral("monitor"), C::Monitor, {},
         QStringLiteral("Prints every line the device sends, until Ctrl-C."), {},
         QStringLiteral("tagorix --port COM3 monitor")},
        {QStringLiteral("send"), C::Send, QStringLiteral("TEXT"),
         QStringLiteral("Sends TEXT as one command line, as typed, and prints every line that comes back until the "
                        "device is quiet for --quiet-time milliseconds."),
         {QStringLiteral("--quiet-time MS  how long the device may be quiet before the answer counts as whole "
                         "(default 500)")},
         QStringLiteral("tagorix --port COM3 send \"DISPLAY 1 \\\"Hello\\\"\"")},
        {QStringLiteral("ports"), C::Ports, {},
         QStringLiteral("Lists the ports: what each COMn opens, the serial devices present with their stable "
                        "name, USB vendor, product and serial number, and which are held, by which program."),
         {}, QStringLiteral("tagorix ports"), false},
        {QStringLiteral("help"), C::Help, QStringLiteral("[COMMAND]"),
         QStringLiteral("Shows the help of a command, or of the program."), {}, QStringLiteral("tagorix help set"),
         false},
    };
    return forms;
}

const CommandForm* commandNamed(QStringView name)
{
    for (const CommandForm& form : commandForms())
        if (form.name == name)
            return &form;
    return nullptr;
}

QString commandList()
{
    QString text = QStringLiteral("\nCommands:\n");
    for (const CommandForm& form : commandForms())
        text += QStringLiteral("  ") + form.name + (form.arguments.isEmpty() ? QString() : u' ' + form.arguments) + u'\n';
    return text + QStringLiteral("\n'tagorix help COMMAND' shows a command's help; tagorix(1) has the rest and the "
                                 "exit statuses.\n");
}

QString commandHelp(const CommandForm& form)
{
    QString text = QStringLiteral("Usage: %1 %2%3%4\n\n%5\n")
                       .arg(program, form.usesPort ? commonOptions + u' ' : QString(), form.name,
                            form.arguments.isEmpty() ? QString() : u' ' + form.arguments, form.summary);
    if (form.command == ShelfCommand::Set || form.command == ShelfCommand::Info)
        text += settingsTable(form.command == ShelfCommand::Info);
    if (!form.options.isEmpty())
        text += QStringLiteral("\nOptions:\n  ") + form.options.join(QStringLiteral("\n  ")) + u'\n';
    if (form.usesPort)
        text += QStringLiteral("\nThe options of every command: tagorix --help.\n");
    return text + QStringLiteral("\nExample:\n  %1\n").arg(form.example);
}

std::optional<QString> nearestName(const QString& given, const QStringList& known)
{
    std::optional<QString> nearest;
    int best = std::max<int>(2, int(given.size() / 4)) + 1;
    for (const QString& name : known) {
        const int distance = editDistance(given.toLower(), name);
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

QString suggestion(const QString& given, const QStringList& known)
{
    const std::optional<QString> nearest = nearestName(given, known);
    return nearest ? QStringLiteral(" (did you mean '%1'?)").arg(*nearest) : QString();
}
