#include "base/failure.h"
#include "core/command_line.h"
#include "platform/fake/fake_platform.h"
#include "platform/port_names.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_settings_store.h"
#include "platform/sequential_file.h"
#include "support/file_size_limit.h"
#include "support/linux_tools.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int failureNumberOf(const std::function<void()>& action, QString* description = nullptr)
{
    try {
        action();
    } catch (const Failure& failure) {
        if (description)
            *description = failure.description;
        return failure.number;
    }
    return 0;
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void writtenLinesEndWithCrLfAndAreOnDiskAtOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("records.csv");
        writeBytes(path, "old content that must go\r\n");
        SequentialFile file;
        file.openForWriting(path);
        QCOMPARE(fileBytes(path), QByteArray());
        file.writeLine("1;2;3");
        QCOMPARE(fileBytes(path), QByteArray("1;2;3\r\n"));
        QByteArray high;
        for (int c = 0x80; c <= 0xFF; ++c)
            high += char(c);
        file.writeLine(high);
        file.writeLine("");
        QCOMPARE(fileBytes(path), QByteArray("1;2;3\r\n") + high + "\r\n\r\n");
        file.close();
        file.close(); // harmless
    }

    void readingEndsALineAtCrLfCrOrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("codes.csv");
        writeBytes(path, "a;b\r\nc\rd\ne\r\n\r\n\nlast");
        SequentialFile file;
        file.openForReading(path);
        QList<QByteArray> lines;
        while (!file.atEnd())
            lines << file.readLine();
        QCOMPARE(lines, QList<QByteArray>({"a;b", "c", "d", "e", "", "", "last"}));
    }

    // The load's progress counts the lines as its reading finds them.
    void theLineCountIsWhatReadingFinds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("lines");
        QTest::newRow("every kind of end") << QByteArray("a;b\r\nc\rd\ne\r\n\r\n\nlast") << qint64(7);
        QTest::newRow("CR only") << QByteArray("x;1\r").repeated(29) << qint64(29);
        QTest::newRow("one ended line") << QByteArray("x\r\n") << qint64(1);
        QTest::newRow("empty") << QByteArray() << qint64(0);
        QTest::newRow("CR LF across a read") << QByteArray(65535, 'x') + "\r\ny" << qint64(2);
    }
    void theLineCountIsWhatReadingFinds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("codes.csv");
        writeBytes(path, bytes);
        SequentialFile file;
        file.openForReading(path);
        qint64 read = 0;
        for (; !file.atEnd(); ++read)
            file.readLine();
        QCOMPARE(read, lines);
        QCOMPARE(SequentialFile::lineCount(path), lines);
    }

    void aFinalLineEndAddsNoEmptyLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("codes.csv");
        writeBytes(path, "x\r\n");
        SequentialFile file;
        file.openForReading(path);
        QCOMPARE(file.readLine(), QByteArray("x"));
        QVERIFY(file.atEnd());
    }

    void openFailuresNameTheProblemAndThePath()
    {
        QTemporaryDir dir;
        SequentialFile file;
        QString text;
        const QString missingFolder = dir.filePath("no/such/folder/records.csv");
        QCOMPARE(failureNumberOf([&] { file.openForWriting(missingFolder); }, &text), FailureNumber::PathNotFound);
        QVERIFY(text.contains(missingFolder));
        QCOMPARE(failureNumberOf([&] { file.openForReading(dir.filePath("missing.csv")); }, &text),
                 FailureNumber::FileNotFound);
        QVERIFY(text.contains("missing.csv"));
        QCOMPARE(failureNumberOf([&] { file.openForWriting(QString()); }), FailureNumber::BadFileName);
        QCOMPARE(failureNumberOf([&] { file.openForWriting(dir.path()); }), FailureNumber::FileAccessError);
        QVERIFY(!file.isOpen());
        QCOMPARE(failureNumberOf([&] { file.writeLine("x"); }), FailureNumber::BadFileName);

        SKIP_UNLESS_LINUX("a named pipe and /dev/full");
        // The far end is held open, so that opening the pipe would succeed
        // instead of waiting: only the refusal keeps it shut.
        const QString pipe = dir.filePath("pipe.csv");
        const HeldFifo fifo(pipe);
        QVERIFY(fifo.isOpen());
        QCOMPARE(failureNumberOf([&] { file.openForReading(pipe); }, &text), FailureNumber::FileAccessError);
        QVERIFY(text.contains("not a regular file"));
        QCOMPARE(failureNumberOf([&] { file.openForWriting(pipe); }), FailureNumber::FileAccessError);
        QCOMPARE(failureNumberOf([&] { file.openForWriting("/dev/full"); }), FailureNumber::FileAccessError);
        QVERIFY(!file.isOpen());
    }

    void aFullDiskIsReportedOnTheLineThatDidNotFitAndNoPartOfItStays()
    {
        SKIP_UNLESS_LINUX("a file-size limit");
        QTemporaryDir dir;
        const QString path = dir.filePath("records.csv");
        SequentialFile file;
        file.openForWriting(path);
        file.writeLine("1;2;3");
        QString text;
        int number = 0;
        {
            const FileSizeLimit limit(10);
            number = failureNumberOf([&] { file.writeLine("4;5;6"); }, &text);
        }
        QCOMPARE(number, FailureNumber::DiskFull);
        QVERIFY2(text.contains(path) && text.contains(qt_error_string(EFBIG)), qPrintable(text));
        QCOMPARE(fileBytes(path), QByteArray("1;2;3\r\n"));
    }

    void aReadErrorIsNoEndOfLine()
    {
        SKIP_UNLESS_LINUX("/proc/self/mem");
        // The first page of a process's memory is never mapped: reading it fails.
        SequentialFile file;
        file.openForReading("/proc/self/mem");
        QString text;
        QCOMPARE(failureNumberOf([&] { file.readLine(); }, &text), FailureNumber::DeviceIoError);
        QVERIFY2(text.contains(qt_error_string(EIO)), qPrintable(text));
    }

    void settingsKeepLeadingBlanksAndEmptyTexts()
    {
#ifndef Q_OS_WIN
        // Each test program has per-user folders of its own (support/private_settings.cpp).
        const QString expected = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                 + "/Tagorix/Tagorix.conf";
        QVERIFY2(expected.startsWith(QDir::tempPath() + "/tagorix-test-"), qPrintable(expected));
#endif
        {
            QtSettingsStore store;
            store.save("Config", "Port", " 0");
            store.save("Config", "SavePath", "");
            store.save("Config", "LoadPath", "/home/user/my codes;1.csv");
            store.save("Ports", "COM7", "/dev/pts/9");
        }
#ifdef Q_OS_WIN
        QVERIFY2(QtSettingsStore().fileName().startsWith("\\HKEY_CURRENT_USER\\"), qPrintable(QtSettingsStore().fileName()));
#else
        QVERIFY2(QFile::exists(expected), qPrintable(expected));
#endif
        QtSettingsStore store;
        QCOMPARE(store.get("Config", "Port", "x"), QStringLiteral(" 0"));
        QCOMPARE(store.get("Config", "SavePath", "x"), QString());
        QCOMPARE(store.get("Config", "LoadPath", "x"), QStringLiteral("/home/user/my codes;1.csv"));
        QCOMPARE(store.get("Config", "Missing", "fallback"), QStringLiteral("fallback"));
#ifdef Q_OS_WIN
        QCOMPARE(devicePathForPort(7, store), QStringLiteral("\\\\.\\COM7")); // COMn is always COMn
#else
        QCOMPARE(devicePathForPort(7, store), QStringLiteral("/dev/pts/9"));
#endif
    }

    void settingsThatCannotBeWrittenAreAFailure()
    {
        SKIP_UNLESS_LINUX("the settings in a file");
        // A folder where the settings file belongs cannot be replaced by a file.
        const QString fileName = QtSettingsStore().fileName();
        QFile::remove(fileName);
        QVERIFY(QDir().mkpath(fileName));
        QString text;
        const int number = failureNumberOf([] { QtSettingsStore().save("Config", "Port", " 1"); }, &text);
        QDir().rmdir(fileName);
        QCOMPARE(number, FailureNumber::FileAccessError);
        QVERIFY2(text.contains(fileName), qPrintable(text));
    }

    void portsWithoutAnEntryAreTheSerialDevices()
    {
        MemorySettingsStore store;
#ifdef Q_OS_WIN
        // The device namespace, which also reaches COM10 and above; an entry changes nothing.
        QCOMPARE(devicePathForPort(1, store), QStringLiteral("\\\\.\\COM1"));
        QCOMPARE(devicePathForPort(16, store), QStringLiteral("\\\\.\\COM16"));
        store.save("Ports", "COM3", "  /dev/serial/by-id/usb-reader  ");
        QCOMPARE(devicePathForPort(3, store), QStringLiteral("\\\\.\\COM3"));
#else
        QCOMPARE(devicePathForPort(1, store), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(devicePathForPort(16, store), QStringLiteral("/dev/ttyS15"));
        store.save("Ports", "COM3", "  /dev/serial/by-id/usb-reader  ");
        QCOMPARE(devicePathForPort(3, store), QStringLiteral("/dev/serial/by-id/usb-reader"));
#endif
    }

    void fileFiltersBecomeQtFilters()
    {
        QCOMPARE(toQtFileFilter("CSV files (*.csv)|*.csv|All files|*.*"),
                 QStringLiteral("CSV files (*.csv);;All files (*)"));
        QCOMPARE(toQtFileFilter("CSV file (*.csv)|*.csv|All files|*.*"),
                 QStringLiteral("CSV file (*.csv);;All files (*)"));
    }

    void commandLinesEndWithOneCarriageReturn()
    {
        QCOMPARE(commandLine("READID"), QByteArray("READID\r"));
        QCOMPARE(commandLine(""), QByteArray("\r"));
        QCOMPARE(commandLine("ENBEEP  1"), QByteArray("ENBEEP  1\r"));
        QCOMPARE(commandLine(QString::fromLatin1("PUT \xE4\xF6\xFC\xFF")), QByteArray("PUT \xE4\xF6\xFC\xFF\r"));
    }

    void lineBreaksInsideACommandCannotSplitIt()
    {
        QCOMPARE(commandLine("DISPLAY 1 \"two\r\nlines\""), QByteArray("DISPLAY 1 \"two lines\"\r"));
        QCOMPARE(commandLine("a\rb\nc\n\rd"), QByteArray("a b c  d\r"));
        QCOMPARE(commandLine("x\r\n\r\ny").count('\r'), 1);
    }

    void aPauseLetsTheDeviceSendButHandlesNoEvent()
    {
        FakePlatform fakes;
        int received = 0;
        fakes.port.setReceiveHandler([&] {
            ++received;
            fakes.port.readAll();
        });
        fakes.port.open(1);
        fakes.port.deliverLater(100, "Ok\r\n");
        fakes.clock.pause(500);
        QCOMPARE(received, 0);
        QCOMPARE(fakes.clock.elapsedMs(), qint64(500));
        fakes.clock.doEvents();
        QCOMPARE(received, 1);
    }

    void timerTicksEvery500msAndOnceLateAfterABlock()
    {
        FakePlatform fakes;
        QList<qint64> ticks;
        fakes.clock.startTimer(500, [&] { ticks << fakes.clock.elapsedMs(); });
        fakes.clock.runFor(1600);
        QCOMPARE(ticks, QList<qint64>({500, 1000, 1500}));
        fakes.clock.pause(1800); // blocked: ticks at 2000..3000 are missed
        fakes.clock.doEvents();
        QCOMPARE(ticks.size(), 4);
        QCOMPARE(ticks.last(), qint64(3400));
        fakes.clock.runFor(200);
        QCOMPARE(ticks.size(), 5);
        QCOMPARE(ticks.last(), qint64(3500));
    }

    void receiveHandlersDoNotNest()
    {
        FakePlatform fakes;
        int depth = 0, deepest = 0, calls = 0;
        fakes.port.setReceiveHandler([&] {
            ++calls;
            deepest = std::max(deepest, ++depth);
            fakes.port.readAll();
            fakes.port.deliver("more");
            if (calls < 3)
                fakes.clock.doEvents(); // a nested event loop, as under a modal box
            --depth;
        });
        fakes.port.open(1);
        fakes.port.deliver("first");
        fakes.clock.doEvents();
        QCOMPARE(deepest, 1);
        QVERIFY(calls >= 2);
    }
};

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
