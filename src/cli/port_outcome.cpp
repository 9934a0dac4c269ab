#include "cli/port_outcome.h"

QJsonObject endingJson(const QString& port, const QString& command, const PortOutcome& outcome)
{
    const auto orNull = [](const auto& value, bool present) { return present ? QJsonValue(value) : QJsonValue(); };
    QJsonObject object = outcome.json;
    object.insert(QStringLiteral("port"), orNull(port, !port.isEmpty()));
    object.insert(QStringLiteral("command"), orNull(command, !command.isEmpty()));
    object.insert(QStringLiteral("status"), outcome.status);
    object.insert(QStringLiteral("error"), orNull(outcome.error, !outcome.error.isEmpty()));
    object.insert(QStringLiteral("done"), orNull(outcome.done.value_or(0), outcome.done.has_value()));
    object.insert(QStringLiteral("total"), orNull(outcome.total.value_or(0), outcome.total.has_value()));
    object.insert(QStringLiteral("file"), orNull(outcome.file, !outcome.file.isEmpty()));
    object.insert(QStringLiteral("erased"), outcome.erased);
    object.insert(QStringLiteral("result"), outcome.result);
    return object;
}
