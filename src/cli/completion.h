#pragma once

#include "options/command_options.h"

#include <QString>
#include <QStringList>

class SerialDevices;
class SettingsStore;

// What may stand in one word of a tagorix command line, for the shells'
// completion scripts: the program's own commands, options, settings and
// ports, so that the scripts hold no list of their own.
struct Completion {
    // The words that fit, each whole and starting with the word typed so far.
    QStringList words;
    // The word is a file name: the shell adds the file names that fit.
    bool fileNames = false;

    // As the scripts read it: "files" or "words" on the first line, then one
    // word a line.
    QString text() const;
};

// The completions of words[current] (the program's name is words[0]; an
// index past the end is a new, empty word). Only the settings' port map is
// read, and the devices present are asked for only where a port goes.
Completion completionsFor(const QStringList& words, qsizetype current, const SettingsStore& settings,
                          const SerialDevices& devices);

// The option the scripts call, first on the command line: tagorix --complete CWORD WORD...
inline const QString completeOption = QStringLiteral("--complete");

// tagorix --complete CWORD WORD... (the arguments after --complete): the
// completion text on standard output, or a usage error.
EarlyExit completeCommandLine(const QStringList& arguments, const SettingsStore& settings,
                              const SerialDevices& devices);
