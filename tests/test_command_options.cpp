#include "options/command_options.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
constexpr int carriesOn = -1;
constexpr int noPort = -1;

// The option names (-p, --port) a help text lists: its lines that start an
// option, two blanks in; wrapped descriptions are indented further.
QStringList helpOptions(const QString& help)
{
    static const QRegularExpression optionLine(QStringLiteral("^  (-\\S.*?)(?:  |$)"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression name(QStringLiteral("--?[a-z][a-z-]*"));
    QStringList names;
    for (const QRegularExpressionMatch& line : optionLine.globalMatch(help))
        for (const QString& column : line.captured(1).split(QStringLiteral(", ")))
            names << name.match(column).captured();
    names.sort();
    return names;
}

// The option names a manual page's OPTIONS section lists: the tag line of
// each .TP paragraph.
QStringList manualOptions(const QString& page)
{
    const qsizetype start = page.indexOf(QStringLiteral("\n.SH OPTIONS\n"));
    const QString section = page.mid(start, page.indexOf(QStringLiteral("\n.SH "), start + 1) - start);
    static const QRegularExpression tagLine(QStringLiteral("^\\.TP\\n(.*)$"), QRegularExpression::MultilineOption);
    static const QRegularExpression name(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    QStringList names;
    for (const QRegularExpressionMatch& tag : tagLine.globalMatch(section)) {
        const QString line = tag.captured(1).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        for (const QRegularExpressionMatch& option : name.globalMatch(line))
            names << option.captured();
    }
    names.sort();
    return names;
}
} // namespace

class CommandOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void toolCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("portPosition");
        QTest::addColumn<QString>("textStart");
        const QString error = QStringLiteral("tagorix-tool: ");
        QTest::newRow("nothing") << QStringList{} << carriesOn << noPort << "";
        QTest::newRow("COM3") << QStringList{"--port", "COM3"} << carriesOn << 2 << "";
        QTest::newRow("number") << QStringList{"--port", "3"} << carriesOn << 2 << "";
        QTest::newRow("lower case, joined") << QStringList{"--port=com16"} << carriesOn << 15 << "";
        QTest::newRow("COM1") << QStringList{"--port", "COM1"} << carriesOn << 0 << "";
        QTest::newRow("COM0") << QStringList{"--port", "COM0"} << 2 << noPort << error + "--port takes COM1";
        QTest::newRow("COM17") << QStringList{"--port", "COM17"} << 2 << noPort << error + "--port takes COM1";
        QTest::newRow("17") << QStringList{"--port", "17"} << 2 << noPort << error + "--port takes COM1";
        QTest::newRow("device path") << QStringList{"--port", "/dev/ttyUSB0"} << 2 << noPort << error + "--port";
        QTest::newRow("no value") << QStringList{"--port"} << 2 << noPort << error + "Missing value";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << noPort << error + "Unknown option";
        QTest::newRow("argument") << QStringList{"COM3"} << 2 << noPort << error + "unexpected argument";
        QTest::newRow("Qt's options") << QStringList{"-style", "fusion", "--port", "3", "-session=1a2b", "-reverse"}
                                      << carriesOn << 2 << "";
        QTest::newRow("Qt's option, then ours wrong") << QStringList{"--style", "fusion", "-bogus"} << 2 << noPort
                                                      << error + "Unknown options: b, o, g, u, s";
        QTest::newRow("help") << QStringList{"-h"} << 0 << noPort << "Usage: tagorix-tool [options]\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << noPort << "tagorix-tool " + programVersion() + "\n";
    }
    void toolCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, portPosition);
        QFETCH(QString, textStart);
        const ToolCommandLine commandLine = parseToolCommandLine(QStringList{"tagorix-tool"} + arguments);
        QCOMPARE(commandLine.exit ? commandLine.exit->exitCode : carriesOn, exitCode);
        QCOMPARE(commandLine.options.portPosition.value_or(noPort), portPosition);
        if (commandLine.exit)
            QVERIFY2(commandLine.exit->text.startsWith(textStart), qPrintable(commandLine.exit->text));
    }

    // Run as installed: no display and no platform plugin chosen.
    void helpListsTheManualPagesOptions_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("page");
        QTest::newRow("tool") << TAGORIX_TOOL_PROGRAM << "tagorix-tool.1";
        QTest::newRow("command line") << TAGORIX_CLI_PROGRAM << "tagorix.1";
#ifdef TAGORIX_SIM_PROGRAM // the simulator is built on Linux only
        QTest::newRow("simulator") << TAGORIX_SIM_PROGRAM << "tagorix-sim.1";
#endif
    }
    void helpListsTheManualPagesOptions()
    {
        QFETCH(QString, program);
        QFETCH(QString, page);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(program, {QStringLiteral("--help")});
        QVERIFY(process.waitForFinished(10'000));
        QCOMPARE(process.exitCode(), 0);
        QFile manual(QStringLiteral(TAGORIX_MAN_DIR "/") + page);
        QVERIFY(manual.open(QIODevice::ReadOnly));

        const QStringList listed = helpOptions(QString::fromLocal8Bit(process.readAllStandardOutput()));
        QVERIFY(listed.contains(QStringLiteral("--version")));
        QCOMPARE(manualOptions(QString::fromUtf8(manual.readAll())).join(u' '), listed.join(u' '));
    }
};

QTEST_GUILESS_MAIN(CommandOptionsTest)
#include "test_command_options.moc"
