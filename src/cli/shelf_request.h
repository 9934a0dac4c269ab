#pragma once

#include "cli/setting_change.h"
#include "options/command_options.h"
#include "platform/port_names.h"

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

// The port in a file name: "COM3", "ttyUSB0", "pts-4".
QString fileNamePart(const PortTarget& port);

enum class ShelfCommand { Info, Set, ReadRecords, EraseRecords, LoadCodes, ReadCodes, EraseCodes, ReadId, Scan, Monitor };

// What the command line asks for, checked.
struct ShelfRequest {
    ShelfCommand command = ShelfCommand::Info;
    QString commandName;
    QList<PortTarget> ports;
    bool json = false;
    bool quiet = false;
    int waitSeconds = 10;
    QList<SettingChange> changes; // set
    QString file;                 // read-records, load-codes; may hold {port}

    // The file for a port, {port} replaced.
    QString fileFor(const PortTarget& port) const;
    bool severalPorts() const { return ports.size() > 1; }
};

struct ShelfCommandLine {
    ShelfRequest request;
    std::optional<EarlyExit> exit;
};

// tagorix [--port COMn|n|PATH]... [--json] [--quiet] [--wait SECONDS] COMMAND [ARGUMENTS].
// Without --port, the port chosen last in the window. A COMn port opens the
// device the settings name for it, as in the window; a relative path is
// taken from the current folder.
ShelfCommandLine parseShelfCommandLine(const QStringList& arguments, const SettingsStore& settings);
