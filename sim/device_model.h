#pragma once

#include "sim/block_memory.h"
#include "sim/device_options.h"
#include "sim/line_timing.h"
#include "sim/scanner_registers.h"
#include "sim/seeded_random.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <array>
#include <map>
#include <optional>

// Everything the device holds. Public so that tests can set up and inspect it.
struct DeviceState {
    std::map<QByteArray, int> settings; // "TAGTYP", "OFF", ..., "AKKU"
    QDateTime clock;                    // as last set with CLOCK
    QList<QByteArray> records;          // fields separated by "|"
    QList<QByteArray> customCodes;
    BlockMemory blocks;
    std::array<QByteArray, 4> display;  // the four display lines
    int beeps = 0;
    int keyboardCalls = 0;
    bool online = false;                // between ONLINE and DISCONNECT
    QList<QByteArray> commandsReceived; // every command line, without CR
};

// What the device does in answer to bytes from the tool.
struct DeviceOutput {
    QList<Transmission> sends;
    bool dropPending = false;            // what was still to be sent is not sent (DISCONNECT)
    std::optional<qint64> hangUpAtUs;    // the device goes away at this time
};

// The Tagorix device as the tool sees it from the far end of its serial
// line: commands end with CR, replies are lines ended with CR LF, and every
// byte 0..255 passes unchanged. Not thread-safe; the transports serialise
// access.
class DeviceModel {
public:
    // The scanner registers come from the catalogue the window offers.
    DeviceModel(DeviceOptions options, const QStringList& scannerRegisterCatalogue);
    DeviceModel(const DeviceModel&) = delete;
    DeviceModel& operator=(const DeviceModel&) = delete;

    DeviceOptions& options() { return opts; }
    DeviceState& state() { return st; }
    const DeviceState& state() const { return st; }
    SimulatedRegisters& scannerRegisters() { return registers; }

    // Bytes from the tool arriving at nowUs on the device's time line.
    DeviceOutput receive(const QByteArray& bytes, qint64 nowUs);
    // When the device goes away by itself (hangUpAfterMs), if it does.
    std::optional<qint64> hangUpDeadlineUs() const;
    // After a hang-up nothing more is heard from the device.
    bool hungUp() const { return gone; }
    void hangUp() { gone = true; }
    // What the line carries before the tool opens its port. Never ends with a line end.
    QByteArray garbage() const;

    // One command line (without its CR): the reply as complete lines with
    // CR LF, or nothing. The device's decisions only; the line's misbehaviour
    // (silence, delay, pieces, noise) is left to receive().
    QByteArray execute(const QByteArray& line);

    // The line that answers exactly this command line from now on, instead
    // of the device's own answer (for odd replies in tests). Empty: none.
    void setScriptedReply(const QByteArray& commandLine, const QByteArray& replyBytes);

    static QByteArray wordOf(const QByteArray& line);

private:
    struct Command;
    using Handler = QByteArray (DeviceModel::*)(const Command&);
    static const std::map<QByteArray, Handler>& commandTable();

    QByteArray setting(const Command& c);
    QByteArray online(const Command& c);
    QByteArray disconnect(const Command& c);
    QByteArray clockCommand(const Command& c);
    QByteArray readId(const Command& c);
    QByteArray scan(const Command& c);
    QByteArray readBlocks(const Command& c);
    QByteArray writeBlock(const Command& c);
    QByteArray binRead(const Command& c);
    QByteArray binWrite(const Command& c);
    QByteArray beep(const Command& c);
    QByteArray keyboard(const Command& c);
    QByteArray clearScreen(const Command& c);
    QByteArray displayText(const Command& c);
    QByteArray barcodeRegister(const Command& c);
    QByteArray statistics(const Command& c);
    QByteArray getRecords(const Command& c);
    QByteArray deleteData(const Command& c);
    QByteArray putCode(const Command& c);
    QByteArray recCodes(const Command& c);

    void preloadRecords(int count);

    DeviceOptions opts;
    DeviceState st;
    SimulatedRegisters registers;
    LineTiming timing;
    SeededRandom dataRandom;
    SeededRandom errorRandom;
    QByteArray input;
    int commandCount = 0;
    bool gone = false;
    std::map<QByteArray, QByteArray> scripted;
};
