// The files the programs read line by line: a profile (set --from) and a
// custom-code file (the load). The input is the profile, and the custom-code
// file too; but when its first byte is 0xF0 or above, 64 KiB less 1 to 16
// bytes of "x" (its low bits and 1) stand before the rest in the custom-code
// file, so that line ends fall where its readers' buffers end. The file is
// in memory (/dev/shm) where there is one: a disk's writes cost more than
// the rest.
//
// Checked: no crash or sanitizer report;
// - the profile's changes are each of a setting that can be set, one per
//   setting, and the lines info prints for them (name=value) read back as
//   the same changes; a profile refused names its line;
// - the custom-code file gives as many lines up to its end as lineCount
//   counts, none holding a CR or LF, together every byte but the line ends;
//   each line as the load sends it has no ";", and turns back into the line
//   where the line had no "|".

#include "base/latin1.h"
#include "cli/setting_change.h"
#include "core/data_exchange.h"
#include "platform/sequential_file.h"

#include "fuzz_support.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QByteArray codesFileFrom(const QByteArray& input)
{
    if (input.isEmpty() || quint8(input.front()) < 0xF0)
        return input;
    return QByteArray((1 << 16) - 1 - (input.front() & 0x0F), 'x') + input.mid(1);
}

void checkProfile(const QByteArray& bytes)
{
    const auto read = profileChanges(QString::fromUtf8(bytes));
    if (read.index() == 1) {
        check(std::get<1>(read).startsWith(QStringLiteral("line ")));
        return;
    }
    const QList<SettingChange>& changes = std::get<0>(read);
    QString printed;
    for (qsizetype i = 0; i < changes.size(); ++i) {
        check(changes.at(i).setting && changes.at(i).setting->form != SettingForm::ReportOnly);
        for (qsizetype j = i + 1; j < changes.size(); ++j)
            check(changes.at(i).setting != changes.at(j).setting);
        printed += changeText(changes.at(i)) + u'\n';
    }
    const auto again = profileChanges(printed);
    check(again.index() == 0 && std::get<0>(again).size() == changes.size());
    for (qsizetype i = 0; i < changes.size(); ++i)
        check(std::get<0>(again).at(i).setting == changes.at(i).setting
              && std::get<0>(again).at(i).value == changes.at(i).value);
}

void checkCodes(const QString& path, const QByteArray& bytes)
{
    SequentialFile file;
    file.openForReading(path);
    qint64 lines = 0;
    QByteArray joined;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        check(!line.contains('\r') && !line.contains('\n'));
        joined += line;
        ++lines;
        const QString code = customCodeFromFileLine(fromDeviceBytes(line));
        check(!code.contains(u';'));
        check(line.contains('|') || customCodeFileLine(code) == fromDeviceBytes(line));
    }
    check(lines == SequentialFile::lineCount(path));
    check(joined == QByteArray(bytes).replace('\r', QByteArray()).replace('\n', QByteArray()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startCoreApplication();
    static QTemporaryDir* folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? new QTemporaryDir(QStringLiteral("/dev/shm/fuzz_file_readers-XXXXXX"))
                                      : new QTemporaryDir;
    const QString path = folder->filePath(QStringLiteral("codes"));

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    checkProfile(input);
    const QByteArray codes = codesFileFrom(input);
    QFile written(path);
    check(written.open(QIODevice::WriteOnly | QIODevice::Truncate) && written.write(codes) == codes.size());
    written.close();
    checkCodes(path, codes);
    return 0;
}
