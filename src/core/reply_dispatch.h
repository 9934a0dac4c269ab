#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>

struct Failure;
class SerialPort;

// Values of ReplyMode.
namespace ReplyModes {
constexpr std::int16_t EchoOnly = 0;
constexpr std::int16_t Identifier = 1;
constexpr std::int16_t RegisterValue = 2;
constexpr std::int16_t RecordLine = 3;
constexpr std::int16_t HandshakeAndReadBack = 4;
constexpr std::int16_t Statistics = 5;
constexpr std::int16_t Acknowledgement = 6;
} // namespace ReplyModes

// The receive path: everything the device sends is echoed (to the output
// box, or wherever the face shows it), cut into lines at CR LF, and each
// non-empty line goes to the handling that ReplyMode selects. Each part of
// the protocol registers the handling of its mode.
class ReplyDispatch {
public:
    using LineHandler = std::function<void(const QString& line)>;

    // The longest line that is handled. A longer line is not a reply the
    // device sends: it is echoed but otherwise dropped, up to its CR LF, so
    // the buffer stays bounded and later lines are handled as usual.
    static constexpr qsizetype MaxLineLength = 32764;

    using FailureHandler = std::function<void(const Failure& failure)>;

    // A failure that ends a run of the receive event goes to onFailure.
    ReplyDispatch(SerialPort& port, FailureHandler onFailure);

    // What the next reply line means (ReplyModes).
    std::int16_t ReplyMode = ReplyModes::EchoOnly;
    // Received, not yet cut into lines.
    const QByteArray& RxBuffer() const { return rxBuffer; }

    void registerHandler(int mode, LineHandler handler);
    // Sees every line just before it is dispatched (Device tells it as lineHeard).
    void setLineObserver(LineHandler observer) { lineObserver = std::move(observer); }
    // Where received characters and the line being handled are shown:
    // nowhere unless set (the window shows them in the output box and the
    // hidden line field).
    void setDisplay(LineHandler received, LineHandler currentLine)
    {
        showReceived = std::move(received);
        showLine = std::move(currentLine);
    }

    // The receive event: reads what has arrived and handles every complete line.
    void MSComm1_OnComm();

    // Forgets a partial line: what a gone device left is no part of the
    // next connection's first reply.
    void startAfresh();

    // How many lines were dropped for being too long (for the curious).
    int droppedLongLines() const { return droppedLines; }

private:
    void takeChunk(const QByteArray& chunk);
    void handleLines();
    void cutLines();
    void dispatch(const QString& line);

    SerialPort& port;
    FailureHandler onFailure;
    QByteArray rxBuffer;
    std::map<int, LineHandler> handlers;
    LineHandler lineObserver;
    LineHandler showReceived;
    LineHandler showLine;
    bool skippingLongLine = false;
    // Within RxBuffer while lines are being cut: the end of the lines handled,
    // and how far it is known to hold no CR LF.
    qsizetype handledUpTo = 0;
    qsizetype searchedUpTo = 0;
    int droppedLines = 0;
};
