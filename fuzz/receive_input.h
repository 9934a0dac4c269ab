#pragma once

// How a fuzz input drives the receive path, shared by the targets so that one
// seed corpus fits them all.
//
// Input layout: byte 0 picks the reply mode (and the records left and the
// continuous-read box from its high bits), byte 1 seeds the chunk sizes (1 to
// 256 bytes, as a receive event may well bring), the rest is what the device
// sends. Each chunk is one receive event.

#include "core/reply_dispatch.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <optional>

struct ReceiveInput {
    std::int16_t replyMode = 0;
    bool readContinuously = false;
    unsigned chunkSeed = 0;
    QByteArray stream;

    static std::optional<ReceiveInput> decode(const std::uint8_t* data, std::size_t size)
    {
        if (size < 2)
            return std::nullopt;
        ReceiveInput input;
        input.replyMode = static_cast<std::int16_t>(data[0] % 7);
        input.readContinuously = data[0] & 0x80;
        input.chunkSeed = data[1];
        input.stream = QByteArray(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
        return input;
    }

    // The stream cut into chunks of 1 to 256 bytes, one per receive event.
    QList<QByteArray> chunks() const
    {
        QList<QByteArray> cut;
        unsigned seed = chunkSeed;
        for (qsizetype at = 0; at < stream.size();) {
            seed = seed * 1103515245u + 12345u;
            const qsizetype length = 1 + (seed >> 16) % 256;
            cut << stream.mid(at, length);
            at += length;
        }
        return cut;
    }

    // Every complete non-empty line that is not over-long, in order: what the
    // receive path must hand on, each exactly once.
    QStringList expectedLines() const
    {
        QStringList lines;
        qsizetype from = 0;
        while (true) {
            const qsizetype end = stream.indexOf("\r\n", from);
            if (end < 0)
                break;
            const qsizetype length = end - from;
            if (length > 0 && length <= ReplyDispatch::MaxLineLength)
                lines << QString::fromLatin1(stream.mid(from, length));
            from = end + 2;
        }
        return lines;
    }
};

// The buffer holds at most one line not yet handed on, with its CR LF.
inline bool rxBufferBounded(const QByteArray& rxBuffer)
{
    return rxBuffer.size() <= ReplyDispatch::MaxLineLength + 2;
}

// Lines left behind by a failed handler are handled at the next receive
// event; runs such events (with nothing new) until none is left.
// Each event handles at least one line, so the count bounds the events.
inline void handleLeftoverLines(ReplyDispatch& replies, const QByteArray& rxBuffer)
{
    for (qsizetype events = rxBuffer.count("\r\n"); events > 0 && rxBuffer.contains("\r\n"); --events)
        replies.MSComm1_OnComm();
}
