#include "options/command_options.h"

#include "base/port_number.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <algorithm>
#include <cstdio>

namespace {
struct OptionTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandOptions)
};

const QString helpName = QStringLiteral("help");
const QString versionName = QStringLiteral("version");
const QString portName = QStringLiteral("port");

// QCommandLineParser's usage line names the executable by its full path (or
// not at all without an application object); ours names the program.
QString helpText(const QCommandLineParser& parser, const QString& program)
{
    QString text = parser.helpText();
    text.remove(0, text.indexOf(u'\n'));
    return OptionTexts::tr("Usage: %1 [options]").arg(program) + text;
}
} // namespace

// The options QApplication and the X11 platform take from the command line
// themselves (QApplication's and QGuiApplication's documentation), with
// whether each takes a value. Two leading dashes are as good as one.
const QList<QPair<QString, bool>> toolkitOptions{
    {QStringLiteral("style"), true},        {QStringLiteral("stylesheet"), true},
    {QStringLiteral("platform"), true},     {QStringLiteral("platformpluginpath"), true},
    {QStringLiteral("platformtheme"), true}, {QStringLiteral("plugin"), true},
    {QStringLiteral("qwindowgeometry"), true}, {QStringLiteral("qwindowicon"), true},
    {QStringLiteral("qwindowtitle"), true}, {QStringLiteral("session"), true},
    {QStringLiteral("display"), true},      {QStringLiteral("geometry"), true},
    {QStringLiteral("name"), true},         {QStringLiteral("title"), true},
    {QStringLiteral("visual"), true},       {QStringLiteral("qmljsdebugger"), true},
    {QStringLiteral("reverse"), false},     {QStringLiteral("widgetcount"), false},
    {QStringLiteral("nograb"), false},      {QStringLiteral("dograb"), false},
    {QStringLiteral("sync"), false},        {QStringLiteral("cmap"), false},
};

QString programVersion()
{
    return QStringLiteral(TAGORIX_VERSION);
}

QList<QCommandLineOption> standardOptions()
{
    // Not addVersionOption(): its -v would clash with the simulator's --verbose.
    return {{{QStringLiteral("h"), helpName}, OptionTexts::tr("Show this help and exit.")},
            {versionName, OptionTexts::tr("Show the version and exit.")}};
}

void addStandardOptions(QCommandLineParser& parser)
{
    parser.addOptions(standardOptions());
}

std::optional<EarlyExit> parseStandardOptions(QCommandLineParser& parser, const QString& program,
                                              const QStringList& arguments)
{
    if (!parser.parse(arguments))
        return usageError(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(program,
                          OptionTexts::tr("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(helpName))
        return EarlyExit{0, helpText(parser, program)};
    if (parser.isSet(versionName))
        return EarlyExit{0, QStringLiteral("%1 %2\n").arg(program, programVersion())};
    return std::nullopt;
}

EarlyExit usageError(const QString& program, const QString& message)
{
    return {usageErrorExitCode,
            QStringLiteral("%1: %2\n").arg(program, message)
                + OptionTexts::tr("Try '%1 --help' for the options.").arg(program) + u'\n'};
}

int finish(const EarlyExit& exit)
{
    std::FILE* stream = exit.exitCode == 0 ? stdout : stderr;
    std::fputs(exit.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exit.exitCode;
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<int> portPositionOf(const QString& port)
{
    const std::optional<int> number = portNumberFrom(port, windowPortCount);
    return number ? std::optional(*number - 1) : std::nullopt;
}

QStringList withoutToolkitOptions(const QStringList& arguments)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(u'-')) {
            rest << argument;
            continue;
        }
        if (argument == QStringLiteral("--")) {
            rest << arguments.mid(i);
            break;
        }
        const QString option = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        const QString name = option.section(u'=', 0, 0);
        const auto known = std::find_if(toolkitOptions.begin(), toolkitOptions.end(),
                                        [&](const QPair<QString, bool>& o) { return o.first == name; });
        if (known == toolkitOptions.end()) {
            rest << argument;
            continue;
        }
        // "-style fusion" takes the next argument as its value, "-style=fusion" not.
        if (known->second && !option.contains(u'='))
            ++i;
    }
    return rest;
}

ToolCommandLine parseToolCommandLine(const QStringList& arguments)
{
    const QString program = QStringLiteral("tagorix-tool");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        OptionTexts::tr("Tests and configures the Tagorix handheld data collector over a serial port."));
    addStandardOptions(parser);
    parser.addOption({portName, OptionTexts::tr("Select this port at start: COM1 to COM16, or 1 to 16."),
                      QStringLiteral("COMn")});

    ToolCommandLine result;
    // QApplication takes its own options from the same command line.
    result.exit = parseStandardOptions(parser, program, withoutToolkitOptions(arguments));
    if (result.exit || !parser.isSet(portName))
        return result;
    const QString port = parser.value(portName);
    result.options.portPosition = portPositionOf(port);
    if (!result.options.portPosition)
        result.exit = usageError(
            program, OptionTexts::tr("--port takes COM1 to COM16 (or 1 to 16), not '%1'").arg(port));
    return result;
}
