#include "cli/commands.h"

#include "core/device_settings.h"
#include "core/selection_lists.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
// The table below holds its texts in English, marked for translation in
// this context; the help translates them as it shows them.
struct HelpTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandHelp)
};

const QString program = QStringLiteral("tagorix");
const QString commonOptions = QStringLiteral("[--port COMn|n|PATH]... [--json] [--quiet] [--wait SECONDS] [--verbose]");

QString translated(const QString& text)
{
    return HelpTexts::tr(text.toUtf8().constData());
}

QString usageLine(const QString& synopsis)
{
    return HelpTexts::tr("Usage: %1").arg(program + u' ' + synopsis) + u'\n';
}

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
    QString text = u'\n' + HelpTexts::tr("Settings:") + u'\n';
    for (const Setting* setting : namedSettings()) {
        if (!withReportOnly && setting->form == SettingForm::ReportOnly)
            continue;
        text += QStringLiteral("  %1 %2\n").arg(QString(setting->name), -16).arg(takesText(*setting));
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
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Prints the settings as the device reports them, one name=value line "
                                          "each, then its battery level and how many custom codes and records it "
                                          "holds. What it prints of one port is a profile for set --from.")),
         {}, QStringLiteral("tagorix --port COM3 info > profile.txt")},
        {QStringLiteral("set"), C::Set, QStringLiteral("NAME=VALUE... | --from FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Checks each value, sends each setting, each after the device has "
                                          "answered the one before, then asks for each setting changed and fails "
                                          "if the device refused it or it did not take.")),
         {QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                           "--from FILE  the profile to apply: name=value lines as info prints "
                                           "them"))},
         QStringLiteral("tagorix --port COM3 set beeper=0 switch-off-time=never clock=now")},
        {QStringLiteral("read-records"), C::ReadRecords, QStringLiteral("[--erase] FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Reads the device's records into FILE (- for standard output), through "
                                          "FILE.partial until the read-out is complete. {port}, {date} and {time} "
                                          "in FILE stand for the port and the start of the run.")),
         {QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                           "--erase  once every record is on disk, erase the records on the "
                                           "device"))},
         QStringLiteral("tagorix --port COM1,COM2 read-records --erase /srv/records/{port}-{date}.csv")},
        {QStringLiteral("erase-records"), C::EraseRecords, QStringLiteral("--yes"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Erases the records on the device (\"DEL E\"), done when it answers "
                                          "\"Ok\".")),
         {QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp", "--yes  confirms the erase"))},
         QStringLiteral("tagorix --port COM3 erase-records --yes")},
        {QStringLiteral("load-codes"), C::LoadCodes, QStringLiteral("FILE"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Loads the custom codes of FILE (fields separated by \";\", one data set "
                                          "a line) into the device, line by line, each acknowledged.")),
         {}, QStringLiteral("tagorix --port COM3 load-codes codes.csv")},
        {QStringLiteral("read-codes"), C::ReadCodes, QStringLiteral("[FILE]"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Writes the custom codes the device holds into FILE (standard output "
                                          "without it) in the form load-codes reads, so that a backup loads back "
                                          "as it was.")),
         {}, QStringLiteral("tagorix --port COM3 read-codes codes-backup.csv")},
        {QStringLiteral("erase-codes"), C::EraseCodes, QStringLiteral("--yes"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Erases the custom codes on the device (\"DEL T\"), done when it answers "
                                          "\"Ok\".")),
         {QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp", "--yes  confirms the erase"))},
         QStringLiteral("tagorix --port COM3 erase-codes --yes")},
        {QStringLiteral("read-id"), C::ReadId, {},
         QStringLiteral(
             QT_TRANSLATE_NOOP("CommandHelp", "Reads one transponder's identifier, within --wait seconds.")),
         {}, QStringLiteral("tagorix --port COM3 --wait 30 read-id")},
        {QStringLiteral("scan"), C::Scan, {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp", "Scans one barcode, within --wait seconds.")), {},
         QStringLiteral("tagorix --port COM3 scan")},
        {QStringLiteral("monitor"), C::Monitor, {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp", "Prints every line the device sends, until Ctrl-C.")), {},
         QStringLiteral("tagorix --port COM3 monitor")},
        {QStringLiteral("send"), C::Send, QStringLiteral("TEXT"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Sends TEXT as one command line, as typed, and prints every line that "
                                          "comes back until the device is quiet for --quiet-time milliseconds.")),
         {QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                           "--quiet-time MS  how long the device may be quiet before the answer "
                                           "counts as whole (default 500)"))},
         QStringLiteral("tagorix --port COM3 send \"DISPLAY 1 \\\"Hello\\\"\"")},
        {QStringLiteral("ports"), C::Ports, {},
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp",
                                          "Lists the ports: what each COMn opens, the serial devices present with "
                                          "their stable name, USB vendor, product and serial number, and which are "
                                          "held, by which program.")),
         {}, QStringLiteral("tagorix ports"), false},
        {QStringLiteral("help"), C::Help, QStringLiteral("[COMMAND]"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandHelp", "Shows the help of a command, or of the program.")), {},
         QStringLiteral("tagorix help set"), false},
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

QStringList commandNames()
{
    QStringList names;
    for (const CommandForm& form : commandForms())
        names << form.name;
    return names;
}

QString programUsage()
{
    return usageLine(commonOptions + QStringLiteral(" COMMAND [ARGUMENTS]"));
}

QString commandList()
{
    QString text = u'\n' + HelpTexts::tr("Commands:") + u'\n';
    for (const CommandForm& form : commandForms())
        text += QStringLiteral("  ") + form.name + (form.arguments.isEmpty() ? QString() : u' ' + form.arguments) + u'\n';
    return text + u'\n'
        + HelpTexts::tr("'%1' shows a command's help; %2 has the rest and the exit statuses.")
              .arg(QStringLiteral("tagorix help COMMAND"), QStringLiteral("tagorix(1)"))
        + u'\n';
}

QString commandHelp(const CommandForm& form)
{
    QString text = usageLine((form.usesPort ? commonOptions + u' ' : QString()) + form.name
                             + (form.arguments.isEmpty() ? QString() : u' ' + form.arguments))
        + u'\n' + translated(form.summary) + u'\n';
    if (form.command == ShelfCommand::Set || form.command == ShelfCommand::Info)
        text += settingsTable(form.command == ShelfCommand::Info);
    if (!form.options.isEmpty()) {
        text += u'\n' + HelpTexts::tr("Options:") + u'\n';
        for (const QString& option : form.options)
            text += QStringLiteral("  ") + translated(option) + u'\n';
    }
    if (form.usesPort)
        text += u'\n' + HelpTexts::tr("The options of every command: %1.").arg(QStringLiteral("tagorix --help"))
            + u'\n';
    return text + u'\n' + HelpTexts::tr("Example:") + QStringLiteral("\n  %1\n").arg(form.example);
}

std::optional<QString> nearestName(const QString& given, const QStringList& known)
{
    std::optional<QString> nearest;
    int best = std::max<int>(2, int(given.size() / 4)) + 1;
    const QString typed = given.toLower();
    for (const QString& name : known) {
        const int distance = editDistance(typed, name);
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
    return nearest ? didYouMean(*nearest) : QString();
}

QString didYouMean(const QString& name)
{
    return u' ' + HelpTexts::tr("(did you mean '%1'?)").arg(name);
}
