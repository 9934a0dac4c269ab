#pragma once

#include "core/device_settings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class Device;

// The protocol's rules for a face that waits for the device's answers (the
// command line), where the window sends the same lines and only echoes what
// comes back: a change of settings is answered, then checked by asking for
// each setting changed; an erase is done when "Ok" comes; the custom-code
// read-out is complete when the device has sent as many codes as it holds.
// Each waits at the device's pace and returns early when the port closes.
class ConfirmedCommands {
public:
    explicit ConfirmedCommands(Device& device);

    // How long the device may take to answer, or go quiet in a read-out.
    static constexpr int AnswerMs = 5000;

    // The answer to one command.
    struct Answer {
        enum class Kind { Ok, Refused, None, PortClosed };
        Kind kind = Kind::None;
        QString line; // Refused: what the device answered
    };

    struct SettingsOutcome {
        enum class Kind {
            Taken,      // every change answered and reported back as sent
            Refused,    // the device answered "Error" to a change
            Unanswered, // no answer to a change, or to the question after it
            NotTaken,   // the device reports another value than the one sent
            PortClosed,
        };
        Kind kind = Kind::Taken;
        SettingChange change; // the one that failed
        QString answer;       // Refused: the answer; NotTaken: the value reported
    };
    // Sends each change, its answer awaited before the next, then asks for
    // each setting changed (the clock is not read back) and compares.
    SettingsOutcome applySettings(const QList<SettingChange>& changes);

    Answer eraseRecords();
    Answer eraseCodes();

    struct CodesReadout {
        Answer answer;     // Ok once the count came; else why the read-out did not start
        qint64 held = 0;   // custom codes the device said it holds
        QStringList codes; // every code that came, as it came
    };
    // Asks how many codes the device holds, then for the codes, until that
    // many lines have come or the device is quiet for AnswerMs. Empty codes
    // come as empty lines, which are no lines: they are missing from codes.
    CodesReadout readCodes();

private:
    // Sends (by send) and waits for the device's next line.
    Answer answerTo(const std::function<void()>& send);
    // Waits until done() or the port closes, for at most ms; whether done().
    bool waitFor(int ms, const std::function<bool()>& done);
    bool portClosed() const;

    Device& device;
    QStringList heard;
    QObject listening;
};
