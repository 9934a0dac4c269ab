#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class ShelfCommand {
    Info, Set, ReadRecords, EraseRecords, LoadCodes, ReadCodes, EraseCodes, ReadId, Scan, Monitor, Send, Ports, Help
};

// One command of tagorix, as its help tells it: the summary and the options
// in English, translated by commandHelp.
struct CommandForm {
    QString name;
    ShelfCommand command;
    QString arguments;   // after the name in the usage line; empty: none
    QString summary;     // what it does, in a sentence or a few
    QStringList options; // its own options, "--erase" with a line on what it does
    QString example;     // one command line
    bool usesPort = true;
};

const QList<CommandForm>& commandForms();
const CommandForm* commandNamed(QStringView name);
QStringList commandNames();

// The program's usage line, and the list of commands, for --help.
QString programUsage();
QString commandList();
// One command's help: its usage, what it does, its options (for info and set,
// every setting with what it takes) and an example.
QString commandHelp(const CommandForm& form);

// The known name nearest to a mistyped one, when it is near enough to be
// what was meant: "swich-off-time" -> "switch-off-time".
std::optional<QString> nearestName(const QString& given, const QStringList& known);
// " (did you mean 'switch-off-time'?)", or nothing.
QString suggestion(const QString& given, const QStringList& known);
// " (did you mean 'NAME'?)".
QString didYouMean(const QString& name);
