#pragma once

// A small scripted device for the connection, read-back and configuration
// tests: it answers "ONLINE" with "Ok", each query with its stored value,
// and stores what a setting command sends, each answer a little later in
// virtual time.

#include "support/window_harness.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTest>

struct ScriptedDevice {
    struct Line {
        qint64 atMs;
        QByteArray text; // without its CR
    };

    WindowHarness& h;
    bool answersHandshake = true;
    bool answersQueries = true;
    qint64 answerDelayMs = 20;
    QMap<QByteArray, QByteArray> settings{
        {"TAGTYP", "8"}, {"OFF", "300"},  {"TIMEOUT", "20"},   {"FDXCODE", "2"}, {"ENBEEP", "1"},
        {"MODE", "3"},   {"MENU", "21"},  {"LANGUAGE", "1"},   {"AKKU", "57"},
    };
    QList<Line> received;

    explicit ScriptedDevice(WindowHarness& harness)
        : h(harness)
    {
        h.fakes.port.setDevice([this](const QByteArray& bytes) { take(bytes); });
    }

    void take(const QByteArray& bytes)
    {
        for (const QByteArray& line : bytes.split('\r')) {
            if (line.isEmpty())
                continue;
            received << Line{h.fakes.clock.elapsedMs(), line};
            answer(line);
        }
    }

    void answer(const QByteArray& line)
    {
        if (line == "ONLINE") {
            if (answersHandshake)
                h.fakes.port.deliverLater(answerDelayMs, "Ok\r\n");
            return;
        }
        const qsizetype space = line.indexOf(' ');
        if (space < 0) {
            if (answersQueries && settings.contains(line))
                h.fakes.port.deliverLater(answerDelayMs, line + ':' + settings.value(line) + "\r\n");
            return;
        }
        settings.insert(line.left(space), line.mid(space + 1));
    }

    // Times at which the device received the given line.
    QList<qint64> timesOf(const QByteArray& text) const
    {
        QList<qint64> times;
        for (const Line& line : received)
            if (line.text == text)
                times << line.atMs;
        return times;
    }
    QList<QByteArray> lines() const
    {
        QList<QByteArray> texts;
        for (const Line& line : received)
            texts << line.text;
        return texts;
    }
};

// Presses the Connect toggle as a user does.
inline void pressConnect(WindowHarness& h)
{
    QTest::mouseClick(h.form().Connect, Qt::LeftButton);
}

// Connects and lets the hand-shake and the whole read-back run.
inline bool connectAndReadBack(WindowHarness& h)
{
    pressConnect(h);
    return h.fakes.clock.runUntil([&] { return h.form().Connect->text() == Form1::tr("Connected") &&
                                               h.form().ReplyMode == 0; },
                                  10'000);
}
