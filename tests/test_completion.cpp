#include "cli/completion.h"
#include "platform/fake/fake_serial_devices.h"
#include "platform/fake/memory_settings_store.h"
#include "support/linux_tools.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString byId = QStringLiteral("/dev/serial/by-id/usb-Tagorix_Collector_TX42-if00-port0");
} // namespace

class CompletionTest : public QObject {
    Q_OBJECT
private slots:
    // The words typed after "tagorix", the last one being completed.
    void completesFromTheProgramsOwnTables_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<bool>("fileNames");
        QTest::newRow("command") << QStringList{"se"} << "set send" << false;
        QTest::newRow("a new word: every command") << QStringList{"--json", "help", "i"} << "info" << false;
        QTest::newRow("an option's value is no command") << QStringList{"--wait", "5", "r"}
                                                         << "read-records read-codes read-id" << false;
        QTest::newRow("unknown command") << QStringList{"bogus", ""} << "" << false;
        QTest::newRow("options before the command: none of a command's own") << QStringList{"--q"} << "--quiet"
                                                                             << false;
        QTest::newRow("the command's own") << QStringList{"send", "X", "--q"} << "--quiet --quiet-time" << false;
        QTest::newRow("another command's own") << QStringList{"info", "--er"} << "" << false;
        QTest::newRow("setting name") << QStringList{"set", "beep"} << "beeper=" << false;
        QTest::newRow("given and report-only names left out") << QStringList{"set", "beeper=1", "b"} << "" << false;
        QTest::newRow("list") << QStringList{"set", "tag-type=1"} << "tag-type=1 tag-type=10 tag-type=11" << false;
        QTest::newRow("flag") << QStringList{"set", "beeper="} << "beeper=0 beeper=1" << false;
        QTest::newRow("key mask") << QStringList{"set", "menu=3"} << "menu=3 menu=30 menu=31" << false;
        QTest::newRow("switch-off time") << QStringList{"set", "switch-off-time="} << "switch-off-time=never" << false;
        QTest::newRow("clock") << QStringList{"set", "clock="} << "clock=now" << false;
        QTest::newRow("any number") << QStringList{"set", "read-timeout="} << "" << false;
        QTest::newRow("COMn mapped beyond the window's") << QStringList{"-p", "COM2"} << "COM2 COM20" << false;
        QTest::newRow("joined to the option") << QStringList{"--port=COM2"} << "--port=COM2 --port=COM20" << false;
        QTest::newRow("a list of ports, none twice") << QStringList{"--port", "COM20,COM2"} << "COM20,COM2" << false;
        QTest::newRow("stable name, or a path") << QStringList{"--port", "/dev/serial/"} << byId << true;
        QTest::newRow("records file") << QStringList{"read-records", "--erase", ""} << "" << true;
        QTest::newRow("one file only") << QStringList{"load-codes", "codes.csv", ""} << "" << false;
        QTest::newRow("profile") << QStringList{"--from", "pro"} << "" << true;
    }
    void completesFromTheProgramsOwnTables()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, offered);
        QFETCH(bool, fileNames);
        MemorySettingsStore settings;
        settings.values.insert(QStringLiteral("Ports/COM20"), QStringLiteral("/dev/ttyUSB7"));
        FakeSerialDevices devices;
        devices.devices << SerialDeviceInfo{QStringLiteral("/dev/ttyUSB7"), byId, {}, {}, {}, {}, {}};
        const Completion completion =
            completionsFor(QStringList{QStringLiteral("tagorix")} + typed, typed.size(), settings, devices);
        QCOMPARE(completion.words.join(u' '), offered);
        QCOMPARE(completion.fileNames, fileNames);
    }

    // bash runs the installed script against the built program, with the
    // words split as bash splits them (at "=").
    void bashCompletesWithTheScript_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("reply");
        QTest::newRow("command") << QStringList{"se"} << "set send";
        QTest::newRow("setting") << QStringList{"set", "beep"} << "beeper=";
        QTest::newRow("value after =") << QStringList{"set", "tag-type", "=", "1"} << "1 10 11";
        QTest::newRow("file name") << QStringList{"load-codes", "co"} << "codes.csv";
    }
    void bashCompletesWithTheScript()
    {
        SKIP_UNLESS_LINUX("bash and its bash-completion");
        QFETCH(QStringList, words);
        QFETCH(QString, reply);
        // As bash sets them before it calls the function.
        const QString script = QStringLiteral(
            "source /usr/share/bash-completion/bash_completion && source \"$1\" || exit 3\n"
            "shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1))\n"
            "COMP_LINE=\"${COMP_WORDS[*]}\"; COMP_LINE=${COMP_LINE// = /=}; COMP_POINT=${#COMP_LINE}\n"
            "_tagorix \"$1\" \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD-1]}\"\n"
            "echo \"${COMPREPLY[*]}\"\n");
        QTemporaryDir folder;
        QFile codes(folder.filePath(QStringLiteral("codes.csv")));
        QVERIFY(codes.open(QIODevice::WriteOnly));
        QProcess bash;
        bash.setWorkingDirectory(folder.path());
        bash.start(QStringLiteral("bash"), QStringList{QStringLiteral("-c"), script, QStringLiteral("bash"),
                                                       QStringLiteral(TAGORIX_BASH_COMPLETION),
                                                       QStringLiteral(TAGORIX_CLI_PROGRAM)} + words);
        QVERIFY(bash.waitForFinished(10'000));
        QVERIFY2(bash.exitCode() == 0, bash.readAllStandardError().constData());
        QCOMPARE(QString::fromLocal8Bit(bash.readAllStandardOutput()).trimmed(), reply);
    }
};

QTEST_GUILESS_MAIN(CompletionTest)
#include "test_completion.moc"
