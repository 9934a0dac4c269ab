// tagorix's command line: its parser and its completion, on arguments made
// from the input. The input is fields separated by NUL bytes: the first is
// the port the window chose last (the settings' Config/Port), the others are
// the arguments after the program's name, the last of them also the word
// the completion completes. Each input runs in a folder of its own that
// holds a profile (profile.txt), a custom-code file (codes.csv) and a folder
// (records), so that file names can meet files.
//
// Checked: no crash, hang or sanitizer report; a command line that is taken
// names a known command, at least one port (ports: none), no device twice,
// --wait and --quiet-time in their ranges, for set something to set, for
// the file commands a file and for send a text; one that ends early is help
// (0), a usage error (2) or a file that cannot be read (4), and its JSON, if
// any, one object; a setting's value that the completion offers for the last
// argument after set is one that set takes.

#include "cli/completion.h"
#include "cli/shelf_request.h"
#include "platform/fake/fake_serial_devices.h"
#include "platform/fake/memory_settings_store.h"

#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cstdint>

namespace {

// The folder, made once; the target works in it while it runs an input, and
// leaves it after, as libFuzzer reads its corpus by the paths it was given.
const QString& folderWithFiles()
{
    static const QString path = [] {
        startCoreApplication();
        static QTemporaryDir folder;
        const QDir files(folder.path());
        check(folder.isValid() && files.mkdir(QStringLiteral("records")));
        QFile profile(files.filePath(QStringLiteral("profile.txt")));
        check(profile.open(QIODevice::WriteOnly) && profile.write("beeper=1\nswitch-off-time=never\n# a comment\n") > 0);
        QFile codes(files.filePath(QStringLiteral("codes.csv")));
        check(codes.open(QIODevice::WriteOnly) && codes.write("1;2;3\r\n4;5;6\r\n") > 0);
        return folder.path();
    }();
    return path;
}

void checkTaken(const ShelfRequest& request)
{
    const CommandForm* form = commandNamed(request.commandName);
    check(form && form->command == request.command);
    check(request.command == ShelfCommand::Ports ? request.ports.isEmpty() : !request.ports.isEmpty());
    for (qsizetype i = 0; i < request.ports.size(); ++i)
        for (qsizetype j = i + 1; j < request.ports.size(); ++j)
            check(request.ports.at(i).path != request.ports.at(j).path);
    check(request.waitSeconds >= 1 && request.waitSeconds <= maxWaitSeconds);
    check(request.quietTimeMs >= 1 && request.quietTimeMs <= maxWaitSeconds * 1000);
    check(!request.erase || request.command == ShelfCommand::ReadRecords);
    switch (request.command) {
    case ShelfCommand::Set:
        check(!request.changes.isEmpty());
        for (const SettingChange& change : request.changes)
            check(change.setting && change.setting->form != SettingForm::ReportOnly);
        break;
    case ShelfCommand::ReadRecords:
    case ShelfCommand::LoadCodes:
    case ShelfCommand::ReadCodes:
        check(!request.file.isEmpty());
        break;
    case ShelfCommand::Send:
        check(!request.text.isEmpty());
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString before = QDir::currentPath();
    check(QDir::setCurrent(folderWithFiles()));
    const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
    const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    MemorySettingsStore settings;
    settings.values.insert(QStringLiteral("Config/Port"), QString::fromLocal8Bit(fields.constFirst()));
    settings.values.insert(QStringLiteral("Ports/COM2"), QStringLiteral("/dev/ttyUSB1"));
    settings.values.insert(QStringLiteral("Ports/COM40"), QStringLiteral("records"));
    QStringList arguments{QStringLiteral("tagorix")};
    for (qsizetype i = 1; i < fields.size(); ++i)
        arguments << QString::fromLocal8Bit(fields.at(i));

    const ShelfCommandLine line = parseShelfCommandLine(arguments, settings);
    if (line.exit) {
        const int status = line.exit->exitCode;
        check(status == 0 || status == ExitStatus::Usage || status == ExitStatus::FileFailed);
        check(!line.exit->text.isEmpty());
        check(line.json.isEmpty() || (line.json.endsWith(u'\n') && QJsonDocument::fromJson(line.json.toUtf8()).isObject()));
    } else {
        checkTaken(line.request);
    }

    FakeSerialDevices devices;
    devices.devices << SerialDeviceInfo{QStringLiteral("/dev/ttyUSB1"),
                                        QStringLiteral("/dev/serial/by-id/usb-Tagorix_Collector_TX42-if00-port0"),
                                        {}, {}, {}, {}, {}};
    completionsFor(arguments, arguments.size() - 1, settings, devices);
    const QStringList setting{arguments.constFirst(), QStringLiteral("set"), arguments.constLast()};
    for (const QString& word : completionsFor(setting, 2, settings, devices).words)
        check(word.startsWith(u'-') || word.endsWith(u'=') || settingChange(word).index() == 0);
    return 0;
}
