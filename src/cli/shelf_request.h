#pragma once

#include "cli/commands.h"
#include "cli/setting_change.h"
#include "options/command_options.h"
#include "platform/port_names.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class SettingsStore;

// How the program ends: the worst status of all ports.
namespace ExitStatus {
constexpr int Done = 0;
constexpr int DeviceFailed = 1; // no answer, "Error", "Memory full", lost, cut short
constexpr int Usage = usageErrorExitCode;
constexpr int PortFailed = 3;   // the port cannot be opened
constexpr int FileFailed = 4;   // a file cannot be read or written
// A signal ended it: 128 and the signal's number, as a shell reports it
// (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).
constexpr int signalled(int signalNumber) { return 128 + signalNumber; }
} // namespace ExitStatus

// The longest --wait: a day.
constexpr int maxWaitSeconds = 86400;

// The port in a file name: "COM3", "ttyUSB0", "pts-4".
QString fileNamePart(const PortTarget& port);


// What the command line asks for, checked.
struct ShelfRequest {
    ShelfCommand command = ShelfCommand::Info;
    QString commandName;
    QList<PortTarget> ports;
    bool json = false;
    bool quiet = false;
    bool verbose = false;
    int waitSeconds = 10;
    int quietTimeMs = 500; // send
    QString text;          // send
    QList<SettingChange> changes; // set
    // read-records, load-codes, read-codes; may hold {port}, {date} and {time};
    // "-" is standard output.
    QString file;
    bool erase = false;          // read-records --erase
    QDateTime startedAt;         // {date} and {time}

    // The file for a port, {port}, {date} (YYYY-MM-DD) and {time} (HHMMSS) replaced.
    QString fileFor(const PortTarget& port) const;
    bool toStandardOutput() const { return file == QLatin1StringView("-"); }
    bool severalPorts() const { return ports.size() > 1; }
};

struct ShelfCommandLine {
    ShelfRequest request;
    std::optional<EarlyExit> exit;
    // Under --json, the exit's message as the JSON object of every ending, for stdout.
    QString json;
};

// Whether the command line asks for JSON output, known before it is parsed:
// the program then speaks English, so that what scripts read is the same in
// every language, usage errors included.
bool asksForJson(const QStringList& arguments);

// The options of tagorix, for its parser and its completion.
struct ShelfOptions {
    QCommandLineOption port, json, quiet, wait, verbose, quietTime, yes, erase, from;
    // Those, --help and --version: every option the parser takes, in the order --help lists them.
    QList<QCommandLineOption> all() const;
    // Their long names, without "--": "port", "json", ..., "help", "version".
    QStringList longNames() const;
};
const ShelfOptions& shelfOptions();

// tagorix [--port COMn|n|PATH]... [--json] [--quiet] [--wait SECONDS] COMMAND [ARGUMENTS].
// Without --port, the port chosen last in the window. A COMn port opens the
// device the settings name for it, as in the window; a relative path is
// taken from the current folder.
ShelfCommandLine parseShelfCommandLine(const QStringList& arguments, const SettingsStore& settings);
