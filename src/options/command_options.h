#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

// The command lines of the tool and the simulator: --help and --version as
// on any Linux program, and usage errors reported the same way by both.
// Parsing never needs a QCoreApplication, so --help, --version and a wrong
// option end the program before any window (or display) exists.

// How a command line ends the program before it starts its work: the text
// goes to stdout with exit code 0 (help, version), or to stderr with exit
// code 2 (a usage error).
struct EarlyExit {
    int exitCode = 0;
    QString text;
};

inline constexpr int usageErrorExitCode = 2;

// The version both programs report, e.g. "1.32.0".
QString programVersion();

// --help (-h) and --version.
QList<QCommandLineOption> standardOptions();
// Adds them to a parser.
void addStandardOptions(QCommandLineParser& parser);

// Parses arguments (the program's path first). Returns the early exit for
// --help, --version, an unknown option, a missing value or any positional
// argument; nothing when the program is to go on with parser's values.
std::optional<EarlyExit> parseStandardOptions(QCommandLineParser& parser, const QString& program,
                                              const QStringList& arguments);

// A usage error of program: "<program>: <message>" and a pointer to --help.
EarlyExit usageError(const QString& program, const QString& message);

// Writes the text where it belongs and returns the exit code.
int finish(const EarlyExit& exit);

// The program's arguments as Qt strings, read before any application object.
QStringList argumentList(int argc, char* argv[]);

// The tool's own options.
struct ToolOptions {
    // The port list position to select at start (0 is COM1), when given.
    std::optional<int> portPosition;
};

struct ToolCommandLine {
    ToolOptions options;
    std::optional<EarlyExit> exit;
};

// The arguments without the options that QApplication takes itself
// (-style fusion, -session id, -platform xcb, ...), which are Qt's to judge.
QStringList withoutToolkitOptions(const QStringList& arguments);

// tagorix-tool [--port COMn|n] [--help] [--version], and Qt's own options
// left to QApplication.
ToolCommandLine parseToolCommandLine(const QStringList& arguments);

// The list position of "COM3", "com3" or "3"; nothing outside COM1..COM16.
std::optional<int> portPositionOf(const QString& port);
