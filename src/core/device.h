#pragma once

#include "base/failure.h"
#include "core/data_exchange.h"
#include "core/device_commands.h"
#include "core/device_settings.h"
#include "core/exchange_result.h"
#include "core/handshake.h"
#include "core/read_back.h"
#include "core/reply_dispatch.h"
#include "core/running_exchange.h"
#include "core/told_signals.h"

#include <QObject>
#include <QString>

class Clock;
class SerialPort;

// The protocol with one device on one serial port, below any window: the
// receive path, the hand-shake and read-back, every command, and the data
// exchange. It signals what happened, at once and on the calling stack
// (direct connections), so that a face shows a box at the same point of a
// flow as the design does. It neither opens nor closes the port: the
// connection (DeviceConnection) does.
class Device : public QObject {
    Q_OBJECT
public:
    Device(SerialPort& port, Clock& clock);
    ~Device() override;

    SerialPort& port() const { return serialPort; }
    Clock& clock() const { return timeSource; }
    ReplyDispatch& replies() { return dispatch; }
    RunningExchange& exchange() { return running; }
    Handshake& handshake() { return shake; }
    DeviceCommands& commands() { return deviceCommands; }
    DataExchange& data() { return dataExchange; }

    // Writes the text as one command line (see commandLine). Throws the
    // port's failure, e.g. when the port is closed.
    void send(const QString& text) const;

    // Where listeners connected with listen() hand back their failures.
    ListenerFailures& listenerFailures() { return handedBack; }

signals:
    // The device answered the hand-shake; the read-back starts.
    void connected();
    // One setting of the read-back, as it came.
    void settingRead(const ReportedSetting& value);
    // A read-back query was answered with a line that is not its value
    // ("Error"); the read-back waits on, as a later value still continues it.
    void readBackAnswered(const Setting& setting, const QString& answer);
    // The read-back's last reply came: every value the device reported.
    void readBackDone(const DeviceSettings& settings);
    void identifierRead(const QString& identifier);
    void registerRead(const QString& value);
    // The reply to "STA".
    void statisticsRead(qint64 customCodes, qint64 records);
    // The custom-code load is about to send the line of that number, of
    // the lines the file holds.
    void codeLineStarting(qint64 lineNumber, qint64 fileLines);
    // That line of the custom-code file is empty: it goes out as an empty code.
    void codeLineEmpty(qint64 lineNumber);
    // A record is in the file.
    void recordWritten(qint64 written, qint64 announced);
    void exchangeFinished(const ExchangeResult& result);
    // Every non-empty line the device sent, before it is handled.
    void lineHeard(const QString& line);
    // A failure ended the handling of what the device sent. Told last of
    // all: what its listeners throw is dropped.
    void failed(const Failure& failure);

private:
    SerialPort& serialPort;
    Clock& timeSource;
    ReplyDispatch dispatch;
    RunningExchange running;
    ReadBack readBack;
    Handshake shake;
    DeviceCommands deviceCommands;
    DataExchange dataExchange;
    ListenerFailures handedBack;
};
