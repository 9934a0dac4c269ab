#include "link/reply_dispatch.h"

#include "base/failure.h"
#include "base/latin1.h"
#include "form/form1.h"
#include "platform/platform.h"

void skipRejectedValue(const std::function<void()>& assignment)
{
    try {
        assignment();
    } catch (const Failure& failure) {
        if (failure.number != FailureNumber::InvalidPropertyValue)
            throw;
    }
}

void showFailure(Dialogs& dialogs, const Failure& failure)
{
    if (failure.number != FailureNumber::PortLost)
        dialogs.message(failure.description);
}

ReplyDispatch::ReplyDispatch(Form1& form, Platform& platform)
    : form(form), platform(platform)
{
}

void ReplyDispatch::registerHandler(int mode, LineHandler handler)
{
    handlers[mode] = std::move(handler);
}

void ReplyDispatch::MSComm1_OnComm()
{
    try {
        const QByteArray chunk = platform.port.readAll();
        takeChunk(chunk);
        if (!chunk.isEmpty())
            form.Ausgabe->appendReceived(fromDeviceBytes(chunk));
        handleLines();
    } catch (const Failure& failure) {
        // The current line is lost; complete lines still buffered are
        // handled at the next receive event.
        showFailure(platform.dialogs, failure);
    }
}

void ReplyDispatch::takeChunk(const QByteArray& chunk)
{
    QByteArray& buffer = form.RxBuffer;
    buffer += chunk;
    if (skippingLongLine) {
        const qsizetype end = buffer.indexOf("\r\n");
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
    QByteArray& buffer = form.RxBuffer;
    while (true) {
        const qsizetype end = buffer.indexOf("\r\n");
        if (end < 0)
            break;
        if (end > MaxLineLength) {
            buffer.remove(0, end + 2);
            ++droppedLines;
            continue;
        }
        const QString line = fromDeviceBytes(buffer.left(end));
        buffer.remove(0, end + 2);
        if (line.isEmpty())
            continue;
        form.Zeile->setText(line);
        dispatch(line);
    }
    // No line end within reach: the line is too long to be a reply.
    if (buffer.size() > MaxLineLength + 1) {
        const bool trailingCr = buffer.endsWith('\r');
        buffer = trailingCr ? QByteArray("\r") : QByteArray();
        skippingLongLine = true;
        ++droppedLines;
    }
}

void ReplyDispatch::dispatch(const QString& line)
{
    if (lineObserver)
        lineObserver(line);
    const auto handler = handlers.find(form.ReplyMode);
    if (handler != handlers.end())
        handler->second(line);
}

void ReplyDispatch::startAfresh()
{
    form.RxBuffer.clear();
    skippingLongLine = false;
}
