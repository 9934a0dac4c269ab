#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Where a read-out's records go. They come into a file beside the target
// whose name says it is partial, and only a complete read-out is put on the
// disk and renamed into place: an interrupted run leaves an earlier file as
// it was, and the whole records read so far in the partial file. "-" is
// standard output (the records are kept in a temporary file meanwhile).
class RecordsTarget {
    Q_DECLARE_TR_FUNCTIONS(RecordsTarget)
public:
    // neverReplace: an existing file is kept and the records go to the next
    // free name, "records-1.csv", "records-2.csv", ...
    RecordsTarget(const QString& target, bool neverReplace);
    ~RecordsTarget();
    RecordsTarget(const RecordsTarget&) = delete;
    RecordsTarget& operator=(const RecordsTarget&) = delete;

    bool toStandardOutput() const { return target == QLatin1StringView("-"); }
    // The file the read-out writes.
    const QString& partialPath() const { return partial; }
    // Whole records in the partial file (lines ended by CR LF).
    qint64 recordsWritten() const;
    // The read-out is complete: the records are put on the disk and under
    // their name, which is returned. Throws the file's failure.
    QString commit();
    // For standard output: the records read, whole or part; the temporary file goes.
    QByteArray takeRecords();
    // An incomplete read-out: the partial file stays if it holds any record.
    void keepPartOrNothing();

private:
    // Whole records in the partial file, counted up to atMost.
    qint64 countRecords(qint64 atMost) const;

    QString target;
    bool neverReplace;
    QString partial;
};
