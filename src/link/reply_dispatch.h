#pragma once

#include <QString>
#include <functional>
#include <map>

struct Failure;
struct Form1;
struct Platform;

// The receive path: everything the device sends is echoed into the output
// box, cut into lines at CR LF, and each non-empty line goes to the handling
// that ReplyMode selects. Each feature registers the handling of its mode.
class ReplyDispatch {
public:
    using LineHandler = std::function<void(const QString& line)>;

    // The longest line that is handled. A longer line is not a reply the
    // device sends: it is echoed but otherwise dropped, up to its CR LF, so
    // the buffer stays bounded and later lines are handled as usual.
    static constexpr qsizetype MaxLineLength = 32764;

    ReplyDispatch(Form1& form, Platform& platform);

    void registerHandler(int mode, LineHandler handler);
    // Sees every line just before it is dispatched (tests and fuzzing).
    void setLineObserver(LineHandler observer) { lineObserver = std::move(observer); }
    // Where received characters and the line being handled are shown: the
    // output box and the hidden line field unless replaced (fuzzing the line
    // cutter without their layout cost).
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

    Form1& form;
    Platform& platform;
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

// Runs an assignment to a control; a value the control rejects (the
// invalid-property-value failure) is skipped as if the assignment had worked.
void skipRejectedValue(const std::function<void()>& assignment);
