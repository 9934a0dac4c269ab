#include "cli/shelf_request.h"

#include "platform/port_names.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

namespace {
const QString program = QStringLiteral("tagorix");
const QString portPlaceholder = QStringLiteral("{port}");

struct CommandForm {
    QString name;
    ShelfCommand command;
    QString arguments; // for the usage line; empty: none
};

const QList<CommandForm>& commandForms()
{
    static const QList<CommandForm> forms{
        {QStringLiteral("info"), ShelfCommand::Info, {}},
        {QStringLiteral("set"), ShelfCommand::Set, QStringLiteral("NAME=VALUE... | --from FILE")},
        {QStringLiteral("read-records"), ShelfCommand::ReadRecords, QStringLiteral("FILE")},
        {QStringLiteral("erase-records"), ShelfCommand::EraseRecords, QStringLiteral("--yes")},
        {QStringLiteral("load-codes"), ShelfCommand::LoadCodes, QStringLiteral("FILE")},
        {QStringLiteral("read-codes"), ShelfCommand::ReadCodes, {}},
        {QStringLiteral("erase-codes"), ShelfCommand::EraseCodes, QStringLiteral("--yes")},
        {QStringLiteral("read-id"), ShelfCommand::ReadId, {}},
        {QStringLiteral("scan"), ShelfCommand::Scan, {}},
        {QStringLiteral("monitor"), ShelfCommand::Monitor, {}},
    };
    return forms;
}

QString helpText(const QCommandLineParser& parser)
{
    QString text =
        QStringLiteral("Usage: %1 [--port COMn|n|PATH]... [--json] [--quiet] [--wait SECONDS] COMMAND [ARGUMENTS]\n")
            .arg(program);
    QString rest = parser.helpText();
    rest.remove(0, rest.indexOf(u'\n') + 1);
    text += rest + QStringLiteral("\nCommands:\n");
    for (const CommandForm& form : commandForms())
        text += QStringLiteral("  ") + form.name + (form.arguments.isEmpty() ? QString() : u' ' + form.arguments) + u'\n';
    return text + QStringLiteral("\nSee tagorix(1) for what each does and the exit statuses.\n");
}

std::optional<PortTarget> shelfPort(const QString& text, const SettingsStore& settings)
{
    if (const std::optional<int> number = portNumberFrom(text))
        return portTarget(*number, settings);
    if (text.contains(u'/') || text.contains(u'\\'))
        return PortTarget{text, QFileInfo(text).absoluteFilePath()};
    return std::nullopt;
}

// One device under two names (a by-id link and ttyUSB0) is one device.
bool sameDevice(const QString& path, const QString& otherPath)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return path == otherPath || (!device.isEmpty() && device == QFileInfo(otherPath).canonicalFilePath());
}

EarlyExit fileError(const QString& message)
{
    return {ExitStatus::FileFailed, QStringLiteral("%1: %2\n").arg(program, message)};
}
} // namespace

QString fileNamePart(const PortTarget& port)
{
    QString part = port.name;
    for (const QString& prefix : {QStringLiteral("\\\\.\\"), QStringLiteral("/dev/")})
        if (part.startsWith(prefix))
            part.remove(0, prefix.size());
    part.replace(u'/', u'-').replace(u'\\', u'-');
    return part;
}

QString ShelfRequest::fileFor(const PortTarget& port) const
{
    return QString(file).replace(portPlaceholder, fileNamePart(port));
}

ShelfCommandLine parseShelfCommandLine(const QStringList& arguments, const SettingsStore& settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs one command on one or more Tagorix data collectors at once, from scripts."));
    addStandardOptions(parser);
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        QStringLiteral("The port: COM1 to COM255 or 1 to 255 (as the window names them), or a device path. Give "
                       "it more than once, or as COM1,COM2, to run on several ports at the same time."),
        QStringLiteral("COMn|PATH"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("One JSON object per port."));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         QStringLiteral("No progress on the terminal."));
    const QCommandLineOption waitOption(
        QStringLiteral("wait"),
        QStringLiteral("How long the device may take to answer the connection, an identifier or a barcode "
                       "(default 10)."),
        QStringLiteral("SECONDS"), QStringLiteral("10"));
    const QCommandLineOption yesOption(QStringLiteral("yes"), QStringLiteral("Confirms an erase."));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("set: the profile to apply."),
                                        QStringLiteral("FILE"));
    parser.addOptions({portOption, jsonOption, quietOption, waitOption, yesOption, fromOption});

    ShelfCommandLine line;
    const auto usage = [&line](const QString& message) {
        line.exit = usageError(program, message);
        return line;
    };
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        line.exit = EarlyExit{0, helpText(parser)};
        return line;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        line.exit = EarlyExit{0, QStringLiteral("%1 %2\n").arg(program, programVersion())};
        return line;
    }

    ShelfRequest& request = line.request;
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usage(QStringLiteral("no command given"));
    request.commandName = positional.takeFirst();
    const auto form = std::find_if(commandForms().cbegin(), commandForms().cend(),
                                   [&](const CommandForm& f) { return f.name == request.commandName; });
    if (form == commandForms().cend())
        return usage(QStringLiteral("no command '%1'").arg(request.commandName));
    request.command = form->command;
    request.json = parser.isSet(jsonOption);
    request.quiet = parser.isSet(quietOption);

    bool waitOk = false;
    request.waitSeconds = parser.value(waitOption).toInt(&waitOk);
    if (!waitOk || request.waitSeconds < 1)
        return usage(QStringLiteral("--wait takes a whole number of seconds, not '%1'").arg(parser.value(waitOption)));

    QStringList portTexts;
    for (const QString& value : parser.values(portOption))
        portTexts << value.split(u',');
    // Only no --port at all means the window's port: an empty one (a script's
    // unset variable) must not reach another device.
    if (!parser.isSet(portOption))
        portTexts << portKey(std::max(0, chosenPortPosition(settings)) + 1);
    for (const QString& text : portTexts) {
        const std::optional<PortTarget> port = shelfPort(text.trimmed(), settings);
        if (!port)
            return usage(QStringLiteral("--port takes COM1 to COM255, 1 to 255 or a device path, not '%1'").arg(text));
        for (const PortTarget& other : request.ports)
            if (sameDevice(other.path, port->path))
                return usage(other.name == port->name
                                 ? QStringLiteral("%1 is given twice").arg(port->name)
                                 : QStringLiteral("%1 and %2 are the same device").arg(other.name, port->name));
        request.ports << *port;
    }

    const bool erases = request.command == ShelfCommand::EraseRecords || request.command == ShelfCommand::EraseCodes;
    if (parser.isSet(yesOption) && !erases)
        return usage(QStringLiteral("--yes belongs to erase-records and erase-codes"));
    if (erases && !parser.isSet(yesOption))
        return usage(QStringLiteral("%1 erases the device's store: add --yes to do it").arg(request.commandName));
    if (parser.isSet(fromOption) && request.command != ShelfCommand::Set)
        return usage(QStringLiteral("--from belongs to set"));

    switch (request.command) {
    case ShelfCommand::Set:
        if (parser.isSet(fromOption)) {
            if (!positional.isEmpty())
                return usage(QStringLiteral("set takes either --from FILE or NAME=VALUE, not both"));
            QFile profile(parser.value(fromOption));
            if (!profile.open(QIODevice::ReadOnly | QIODevice::Text)) {
                line.exit = fileError(QStringLiteral("cannot read %1: %2").arg(profile.fileName(), profile.errorString()));
                return line;
            }
            auto changes = profileChanges(QString::fromUtf8(profile.readAll()));
            if (changes.index() == 1)
                return usage(QStringLiteral("%1: %2").arg(profile.fileName(), std::get<1>(changes)));
            request.changes = std::get<0>(changes);
        } else {
            for (const QString& assignment : positional) {
                auto change = settingChange(assignment);
                if (change.index() == 1)
                    return usage(std::get<1>(change));
                request.changes << std::get<0>(change);
            }
        }
        if (request.changes.isEmpty())
            return usage(QStringLiteral("set has nothing to set"));
        return line;
    case ShelfCommand::ReadRecords:
    case ShelfCommand::LoadCodes:
        if (positional.size() != 1)
            return usage(QStringLiteral("%1 takes one file").arg(request.commandName));
        request.file = positional.constFirst();
        // Two ports writing one records file would mix their records.
        if (request.severalPorts() && !request.file.contains(portPlaceholder)
            && request.command == ShelfCommand::ReadRecords)
            return usage(QStringLiteral("with several ports, the file name needs {port}, e.g. records-{port}.csv"));
        return line;
    default:
        if (!positional.isEmpty())
            return usage(QStringLiteral("unexpected argument '%1'").arg(positional.constFirst()));
        return line;
    }
}
