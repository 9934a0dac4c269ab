#pragma once

#include "cli/shelf_request.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

// How one port's command ended.
struct PortOutcome {
    int status = ExitStatus::Done;
    // Why it failed, as one stable word for scripts ("port-busy", "lost",
    // "interrupted", ...); empty when it did not.
    QString error;
    // The port's one result line, without the port's name.
    QString result;
    // What the device sent that comes before it on standard output: info's
    // values, the custom codes, each the device's own bytes, one per character.
    QStringList lines;
    // read-records -: the records file's bytes, for standard output.
    QByteArray data;
    // Records in the file or lines acknowledged, of those announced or sent.
    std::optional<qint64> done;
    std::optional<qint64> total;
    QString file;
    bool erased = false;
    // The command's own fields for --json.
    QJsonObject json;

    static PortOutcome of(int status, const QString& result, const QString& error = {})
    {
        PortOutcome outcome;
        outcome.status = status;
        outcome.result = result;
        outcome.error = error;
        return outcome;
    }
};

// The one JSON object of every ending, success, refusal or interruption alike:
// "port", "command", "status", "error", "done", "total", "file", "erased" and
// "result", null where they do not apply, then the command's own fields.
QJsonObject endingJson(const QString& port, const QString& command, const PortOutcome& outcome);
