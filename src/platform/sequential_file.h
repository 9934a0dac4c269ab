#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

// The window's exchange file handle: one sequential text file at a time,
// written line by line or read line by line, one byte per character.
class SequentialFile {
    Q_DECLARE_TR_FUNCTIONS(SequentialFile)

public:
    // Creates or replaces the file. Throws a failure that names the path,
    // also for anything that is there but is not a regular file.
    void openForWriting(const QString& path);
    // Opens the file for writing as openForWriting does, but leaves what it
    // holds until discardContents(): the path is checked (and a missing file
    // created) before it is known whether anything will replace the contents.
    void openForWritingKeepingContents(const QString& path);
    // Empties the file that is open for writing.
    void discardContents();
    // Throws a failure that names the path, as openForWriting does.
    void openForReading(const QString& path);
    // Closing when nothing is open is harmless.
    void close();
    bool isOpen() const { return file.isOpen(); }

    // Writes the line and CR LF; the line is on disk when this returns. A
    // line that does not fit is cut back whole, and the failure gives the
    // system's reason.
    void writeLine(const QByteArray& line);
    // Writes the bytes as they are, all or nothing, like writeLine.
    void write(const QByteArray& bytes);

    // Makes the bytes the whole file at once: a file that cannot be written
    // completely keeps what it held, and no empty file is left behind.
    static void writeWhole(const QString& path, const QByteArray& bytes);

    bool atEnd() const;
    // The next line without its end. A line ends at CR LF, at a lone CR or
    // at a lone LF; the last line needs no end. A read error throws a
    // failure that names it; the part of the line read before is dropped.
    QByteArray readLine();
    // How many lines readLine() finds in the file at path; 0 when it cannot be read.
    static qint64 lineCount(const QString& path);
    // Puts the file at path, and its folder's entry, on the disk itself: what
    // was written survives a power cut once this returns. Throws a failure
    // that names the path.
    static void syncToDisk(const QString& path);

private:
    void openWithMode(const QString& path, QIODevice::OpenMode mode);
    [[noreturn]] static void throwOpenFailure(const QFileDevice& file, bool forWriting);
    QFile file;
};
