#include "core/reply_dispatch.h"

#include "base/failure.h"
#include "base/latin1.h"
#include "platform/serial_port.h"

#include <QScopeGuard>
#include <algorithm>

ReplyDispatch::ReplyDispatch(SerialPort& port, FailureHandler onFailure)
    : port(port), onFailure(std::move(onFailure)), showReceived([](const QString&) {}), showLine([](const QString&) {})
{
}

void ReplyDispatch::registerHandler(int mode, LineHandler handler)
{
    handlers[mode] = std::move(handler);
}

void ReplyDispatch::MSComm1_OnComm()
{
    try {
        const QByteArray chunk = port.readAll();
        takeChunk(chunk);
        if (!chunk.isEmpty())
            showReceived(fromDeviceBytes(chunk));
        handleLines();
    } catch (const Failure& failure) {
        // The current line is lost; complete lines still buffered are
        // handled at the next receive event.
        onFailure(failure);
    }
}

void ReplyDispatch::takeChunk(const QByteArray& chunk)
{
    QByteArray& buffer = rxBuffer;
    // Whoever emptied the buffer since the last event also emptied what was searched.
    searchedUpTo = std::min(searchedUpTo, std::max<qsizetype>(buffer.size() - 1, 0));
    buffer += chunk;
    if (skippingLongLine) {
        const qsizetype end = buffer.indexOf("\r\n");
        searchedUpTo = 0;
        if (end < 0) {
            // Keep a trailing CR: its LF may come with the next chunk.
            buffer = buffer.endsWith('\r') ? QByteArray("\r") : QByteArray();
            return;
        }
        buffer.remove(0, end + 2);
        skippingLongLine = false;
    }
}

void ReplyDispatch::handleLines()
{
    cutLines();
    QByteArray& buffer = rxBuffer;
    // No line end within reach: the line is too long to be a reply.
    if (buffer.size() > MaxLineLength + 1) {
        const bool trailingCr = buffer.endsWith('\r');
        buffer = trailingCr ? QByteArray("\r") : QByteArray();
        searchedUpTo = 0;
        skippingLongLine = true;
        ++droppedLines;
    }
}

void ReplyDispatch::cutLines()
{
    QByteArray& buffer = rxBuffer;
    // Lines are taken by position and the handled ones removed in one go when
    // this run ends, so a chunk of many lines costs time in proportion to its
    // bytes. A handler may process events and so run this again, nested: the
    // positions are members, and the nested run leaves them right for this one.
    bool failed = true;
    const auto removeHandled = qScopeGuard([&] {
        buffer.remove(0, handledUpTo);
        handledUpTo = 0;
        // Without a line end left, only bytes still to come can complete one.
        searchedUpTo = failed ? 0 : std::max<qsizetype>(buffer.size() - 1, 0);
    });
    while (true) {
        const qsizetype end = buffer.indexOf("\r\n", std::max(searchedUpTo, handledUpTo));
        if (end < 0)
            break;
        const qsizetype start = handledUpTo;
        handledUpTo = end + 2;
        searchedUpTo = handledUpTo;
        if (end - start > MaxLineLength) {
            ++droppedLines;
            continue;
        }
        if (end == start)
            continue;
        const QString line = fromDeviceBytes(buffer.mid(start, end - start));
        showLine(line);
        dispatch(line);
    }
    failed = false;
}

void ReplyDispatch::dispatch(const QString& line)
{
    if (lineObserver)
        lineObserver(line);
    const auto handler = handlers.find(ReplyMode);
    if (handler != handlers.end())
        handler->second(line);
}

void ReplyDispatch::startAfresh()
{
    rxBuffer.clear();
    skippingLongLine = false;
}
