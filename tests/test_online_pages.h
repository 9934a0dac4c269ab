#pragma once

// What the tests of the Online, Control and Barcode pages share: a window
// whose pages are usable, clicks as a user makes them, and a small device
// that answers what the window sends.

#include "support/window_harness.h"

#include <QAbstractButton>
#include <QTest>
#include <functional>

// The state after connecting: the port open and every page enabled.
inline void openPages(WindowHarness& h)
{
    h.fakes.port.open(1);
    for (QFrame* page : h.form().pages())
        page->setEnabled(true);
}

// Every page enabled while the port stays closed, as after a failed
// re-connect.
inline void enablePagesWithPortClosed(WindowHarness& h)
{
    for (QFrame* page : h.form().pages())
        page->setEnabled(true);
}

inline QAbstractButton* buttonNamed(WindowHarness& h, const QString& name)
{
    auto* button = h.window->findChild<QAbstractButton*>(name);
    if (!button)
        qFatal("no button %s", qPrintable(name));
    return button;
}

// Clicks the tab of the page that holds the widget, then the widget itself.
inline void clickOnItsPage(WindowHarness& h, QAbstractButton* button)
{
    const QList<QFrame*> pages = h.form().pages();
    int tab = -1;
    for (int i = 0; i < pages.size(); ++i)
        if (pages.at(i)->isAncestorOf(button))
            tab = i;
    QTabBar* tabs = h.form().Tabulator;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

inline void clickOnItsPage(WindowHarness& h, const QString& buttonName)
{
    clickOnItsPage(h, buttonNamed(h, buttonName));
}

// A device that answers each complete command line after a delay in
// virtual time, and remembers when each line came and what the output box
// showed at that moment.
struct ScriptedDevice {
    using Answer = std::function<QByteArray(const QByteArray& line)>;

    ScriptedDevice(WindowHarness& h, Answer answer, qint64 delayMs = 20)
        : h(h), answer(std::move(answer)), delayMs(delayMs)
    {
        h.fakes.port.setDevice([this](const QByteArray& bytes) { take(bytes); });
    }
    ~ScriptedDevice() { h.fakes.port.setDevice({}); }

    QList<QByteArray> lines;
    QList<qint64> lineTimes;
    QStringList outputAtLine;

private:
    void take(const QByteArray& bytes)
    {
        pending += bytes;
        qsizetype end;
        while ((end = pending.indexOf('\r')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            lines << line;
            lineTimes << h.fakes.clock.elapsedMs();
            outputAtLine << h.form().Ausgabe->toPlainText();
            const QByteArray reply = answer(line);
            if (!reply.isEmpty())
                h.fakes.port.deliverLater(delayMs, reply);
        }
    }

    WindowHarness& h;
    Answer answer;
    qint64 delayMs;
    QByteArray pending;
};

// Answers every request with a fresh identifier: ID1, ID2, ...
inline ScriptedDevice::Answer freshIdentifiers()
{
    return [count = 0](const QByteArray&) mutable {
        return QByteArray("ID") + QByteArray::number(++count) + "\r\n";
    };
}
