#include "cli/shelf_request.h"

#include "cli/commands.h"
#include "cli/port_outcome.h"

#include "platform/port_names.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <variant>

namespace {
struct RequestTexts {
    Q_DECLARE_TR_FUNCTIONS(ShelfRequest)
};

const QString program = QStringLiteral("tagorix");
const QString portPlaceholder = QStringLiteral("{port}");

QString helpText(const QCommandLineParser& parser)
{
    QString rest = parser.helpText();
    rest.remove(0, rest.indexOf(u'\n') + 1);
    return programUsage() + rest + commandList();
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

QString jsonLine(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

// Why bytes are not a profile's text (UTF-8 or ASCII); empty when they are.
QString notText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return RequestTexts::tr("it is UTF-16; save it as UTF-8");
    if (bytes.contains('\0'))
        return RequestTexts::tr("it holds NUL bytes");
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError())
        return RequestTexts::tr("it is not UTF-8");
    return {};
}

// Why a file cannot be read, told without opening it (a named pipe would
// wait for a writer); empty when it can.
QString unreadableFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return RequestTexts::tr("cannot read %1: there is no such file").arg(path);
    if (!file.isFile())
        return RequestTexts::tr("cannot read %1: it is not a file (a folder, a pipe or a device)").arg(path);
    if (!file.isReadable())
        return RequestTexts::tr("cannot read %1: this user may not read it").arg(path);
    return {};
}

// Why the records or codes cannot be written there; empty when they can.
QString unwritableFolder(const QString& file)
{
    const QFileInfo folder(QFileInfo(file).absolutePath());
    if (!folder.exists())
        return RequestTexts::tr("cannot write %1: the folder %2 does not exist").arg(file, folder.filePath());
    if (!folder.isDir() || !folder.isWritable())
        return RequestTexts::tr("cannot write %1: the folder %2 cannot be written").arg(file, folder.filePath());
    return {};
}
} // namespace

bool asksForJson(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--json"));
}

QString fileNamePart(const PortTarget& port)
{
    QString part = port.name;
    // A stable name's last part says which device it is: usb-Maker_Product_Serial-if00-port0.
    if (part.startsWith(QStringLiteral("/dev/serial/")) || !part.startsWith(QStringLiteral("/dev/")))
        part = QFileInfo(part).fileName();
    else
        part.remove(0, 5);
    // What no file system takes, or would read as a folder.
    static const QString unfit = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : part)
        if (unfit.contains(c) || c < u' ')
            c = u'-';
    return part;
}

QString ShelfRequest::fileFor(const PortTarget& port) const
{
    return QString(file)
        .replace(portPlaceholder, fileNamePart(port))
        .replace(QStringLiteral("{date}"), startedAt.toString(QStringLiteral("yyyy-MM-dd")))
        .replace(QStringLiteral("{time}"), startedAt.toString(QStringLiteral("HHmmss")));
}

const ShelfOptions& shelfOptions()
{
    // Made once, after the program has chosen its language.
    static const ShelfOptions options{
        {{QStringLiteral("p"), QStringLiteral("port")},
         RequestTexts::tr("The port: COM1 to COM255 or 1 to 255 (as the window names them), or a device path. "
                          "Give it more than once, or as COM1,COM2, to run on several ports at the same time."),
         QStringLiteral("COMn|PATH")},
        {QStringLiteral("json"), RequestTexts::tr("One JSON object per port.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, RequestTexts::tr("No progress on the terminal.")},
        {QStringLiteral("wait"),
         RequestTexts::tr("How long the device may take to answer the connection, an identifier or a barcode "
                          "(default 10)."),
         QStringLiteral("SECONDS"), QStringLiteral("10")},
        {{QStringLiteral("v"), QStringLiteral("verbose")},
         RequestTexts::tr("Every line on the wire, both ways, with the time, on standard error.")},
        {QStringLiteral("quiet-time"),
         RequestTexts::tr("send: how long the device may be quiet before its answer counts as whole (default 500)."),
         QStringLiteral("MS"), QStringLiteral("500")},
        {QStringLiteral("yes"), RequestTexts::tr("Confirms an erase.")},
        {QStringLiteral("erase"),
         RequestTexts::tr("read-records: once every record is on disk, erase the records on the device.")},
        {QStringLiteral("from"), RequestTexts::tr("set: the profile to apply."), QStringLiteral("FILE")},
    };
    return options;
}

QList<QCommandLineOption> ShelfOptions::all() const
{
    return standardOptions() + QList<QCommandLineOption>{port, json, quiet, wait, verbose, yes, erase, from, quietTime};
}

QStringList ShelfOptions::longNames() const
{
    QStringList names;
    for (const QCommandLineOption& option : all())
        for (const QString& name : option.names())
            if (name.size() > 1)
                names << name;
    return names;
}

ShelfCommandLine parseShelfCommandLine(const QStringList& arguments, const SettingsStore& settings)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        RequestTexts::tr("Runs one command on one or more Tagorix data collectors at once, from scripts."));
    const ShelfOptions& option = shelfOptions();
    parser.addOptions(option.all());

    ShelfCommandLine line;
    line.request.startedAt = QDateTime::currentDateTime();
    // Known before the parser has judged the rest: a usage error is JSON too.
    const bool json = asksForJson(arguments);
    const auto refuse = [&line, json](const EarlyExit& exit, const QString& message, const QString& word) {
        line.exit = exit;
        if (json)
            line.json = jsonLine(endingJson({}, line.request.commandName, PortOutcome::of(exit.exitCode, message, word)));
        return line;
    };
    const auto usage = [&refuse](const QString& message) {
        return refuse(usageError(program, message), message, QStringLiteral("usage"));
    };
    const auto fileError = [&refuse](const QString& message) {
        return refuse(EarlyExit{ExitStatus::FileFailed, QStringLiteral("%1: %2\n").arg(program, message)}, message,
                      QStringLiteral("file-failed"));
    };
    if (!parser.parse(arguments)) {
        QString message = parser.errorText();
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            if (const std::optional<QString> meant = nearestName(unknown.constFirst(), option.longNames()))
                message = (message.endsWith(u'.') ? message.chopped(1) : message)
                    + didYouMean(QStringLiteral("--") + *meant);
        }
        return usage(message);
    }
    const auto help = [&line](const QString& text) {
        line.exit = EarlyExit{0, text};
        return line;
    };
    ShelfRequest& request = line.request;
    QStringList positional = parser.positionalArguments();
    const auto commandFor = [&](const QString& name) -> std::variant<const CommandForm*, ShelfCommandLine> {
        if (const CommandForm* form = commandNamed(name))
            return form;
        return usage(RequestTexts::tr("no command '%1'").arg(name) + suggestion(name, commandNames()));
    };
    if (parser.isSet(QStringLiteral("version")))
        return help(QStringLiteral("%1 %2\n").arg(program, programVersion()));
    // "tagorix --help", "tagorix COMMAND --help", "tagorix help [COMMAND]".
    const bool helpCommand = positional.value(0) == u"help";
    if (parser.isSet(QStringLiteral("help")) || helpCommand) {
        const QString asked = positional.value(helpCommand ? 1 : 0);
        if (asked.isEmpty())
            return help(helpText(parser));
        auto form = commandFor(asked);
        if (form.index() == 1)
            return std::get<1>(form);
        return help(commandHelp(*std::get<0>(form)));
    }
    if (positional.isEmpty())
        return usage(RequestTexts::tr("no command given"));
    request.commandName = positional.takeFirst();
    auto form = commandFor(request.commandName);
    if (form.index() == 1)
        return std::get<1>(form);
    request.command = std::get<0>(form)->command;
    request.verbose = parser.isSet(option.verbose);
    request.json = parser.isSet(option.json);
    request.quiet = parser.isSet(option.quiet);

    bool waitOk = false;
    request.waitSeconds = parser.value(option.wait).toInt(&waitOk);
    if (!waitOk || request.waitSeconds < 1 || request.waitSeconds > maxWaitSeconds)
        return usage(RequestTexts::tr("--wait takes a whole number of seconds from 1 to %1, not '%2'")
                         .arg(QString::number(maxWaitSeconds), parser.value(option.wait)));
    bool quietTimeOk = false;
    request.quietTimeMs = parser.value(option.quietTime).toInt(&quietTimeOk);
    if (!quietTimeOk || request.quietTimeMs < 1 || request.quietTimeMs > maxWaitSeconds * 1000)
        return usage(RequestTexts::tr("--quiet-time takes a whole number of milliseconds from 1 to %1, not '%2'")
                         .arg(QString::number(maxWaitSeconds * 1000), parser.value(option.quietTime)));
    if (parser.isSet(option.quietTime) && request.command != ShelfCommand::Send)
        return usage(RequestTexts::tr("--quiet-time belongs to send"));
    if (request.command == ShelfCommand::Ports) {
        if (!positional.isEmpty() || parser.isSet(option.port))
            return usage(RequestTexts::tr("ports takes no port and no argument: it lists them all"));
        return line;
    }

    QStringList portTexts;
    for (const QString& value : parser.values(option.port))
        portTexts << value.split(u',');
    // Only no --port at all means the window's port: an empty one (a script's
    // unset variable) must not reach another device.
    if (!parser.isSet(option.port))
        portTexts << portKey(std::max(0, chosenPortPosition(settings)) + 1);
    for (const QString& text : portTexts) {
        const std::optional<PortTarget> port = shelfPort(text.trimmed(), settings);
        if (!port)
            return usage(
                RequestTexts::tr("--port takes COM1 to COM255, 1 to 255 or a device path, not '%1'").arg(text));
        for (const PortTarget& other : request.ports)
            if (sameDevice(other.path, port->path))
                return usage(other.name == port->name
                                 ? RequestTexts::tr("%1 is given twice").arg(port->name)
                                 : RequestTexts::tr("%1 and %2 are the same device").arg(other.name, port->name));
        request.ports << *port;
    }

    const bool erases = request.command == ShelfCommand::EraseRecords || request.command == ShelfCommand::EraseCodes;
    if (parser.isSet(option.yes) && !erases)
        return usage(RequestTexts::tr("--yes belongs to erase-records and erase-codes"));
    if (erases && !parser.isSet(option.yes))
        return usage(RequestTexts::tr("%1 erases the device's store: add --yes to do it").arg(request.commandName));
    if (parser.isSet(option.from) && request.command != ShelfCommand::Set)
        return usage(RequestTexts::tr("--from belongs to set"));
    request.erase = parser.isSet(option.erase);
    if (request.erase && request.command != ShelfCommand::ReadRecords)
        return usage(RequestTexts::tr("--erase belongs to read-records"));

    switch (request.command) {
    case ShelfCommand::Set:
        if (parser.isSet(option.from)) {
            if (!positional.isEmpty())
                return usage(RequestTexts::tr("set takes either --from FILE or NAME=VALUE, not both"));
            QFile profile(parser.value(option.from));
            if (const QString why = unreadableFile(profile.fileName()); !why.isEmpty())
                return fileError(why);
            if (!profile.open(QIODevice::ReadOnly | QIODevice::Text))
                return fileError(
                    RequestTexts::tr("cannot read %1: %2").arg(profile.fileName(), profile.errorString()));
            // A profile is a few lines; a larger file was given by mistake.
            constexpr qint64 profileBytes = 1 << 20;
            const QByteArray bytes = profile.read(profileBytes + 1);
            if (bytes.size() > profileBytes)
                return usage(RequestTexts::tr("%1 is too large for a profile").arg(profile.fileName()));
            if (const QString why = notText(bytes); !why.isEmpty())
                return usage(RequestTexts::tr("%1 is not a text file: %2").arg(profile.fileName(), why));
            auto changes = profileChanges(QString::fromUtf8(bytes));
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
            return usage(RequestTexts::tr("set has nothing to set"));
        return line;
    case ShelfCommand::ReadRecords:
    case ShelfCommand::LoadCodes:
    case ShelfCommand::ReadCodes: {
        const bool fileOptional = request.command == ShelfCommand::ReadCodes;
        if (positional.size() > 1 || (positional.isEmpty() && !fileOptional))
            return usage(RequestTexts::tr("%1 takes one file").arg(request.commandName));
        request.file = positional.value(0, QStringLiteral("-"));
        if (request.file.isEmpty())
            return usage(RequestTexts::tr("%1 takes a file name, not an empty one").arg(request.commandName));
        const bool writes = request.command != ShelfCommand::LoadCodes;
        if (request.toStandardOutput() && !writes)
            return usage(RequestTexts::tr("load-codes reads a file, not standard input"));
        // Standard output is no disk for records that leave the device.
        if (request.toStandardOutput() && request.erase)
            return usage(
                RequestTexts::tr("--erase needs a file: the records leave the device only once they are on disk"));
        // Several ports writing one file would mix their lines.
        if (request.severalPorts() && writes && !request.file.contains(portPlaceholder))
            return usage(
                RequestTexts::tr("with several ports, the file name needs {port}, e.g. records-{port}.csv"));
        if (request.toStandardOutput())
            return line;
        // Checked before any port is opened: a run must not fail after the
        // device's connection for want of its file.
        for (const PortTarget& port : std::as_const(request.ports)) {
            const QString file = request.fileFor(port);
            if (writes) {
                if (const QString why = unwritableFolder(file); !why.isEmpty())
                    return fileError(why);
            } else if (const QString why = unreadableFile(file); !why.isEmpty()) {
                return fileError(why);
            }
        }
        return line;
    }
    case ShelfCommand::Send:
        if (positional.size() != 1 || positional.constFirst().isEmpty())
            return usage(RequestTexts::tr("send takes one command line, in quotes when it has blanks"));
        // The bytes as typed, one character each, as the device gets them.
        request.text = QString::fromLatin1(positional.constFirst().toLocal8Bit());
        return line;
    default:
        if (!positional.isEmpty())
            return usage(RequestTexts::tr("unexpected argument '%1'").arg(positional.constFirst()));
        return line;
    }
}
