#pragma once

// What the Data exchange tests share: the window on fakes with the page
// reachable as after connecting, a device that answers from a script, and
// real files in a temporary folder.

#include "support/window_harness.h"

#include <QAbstractButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

struct ExchangePage {
    WindowHarness h;
    QTemporaryDir dir;

    // The page as after connecting: port open, pages enabled, the
    // "Data exchange" tab clicked.
    ExchangePage()
    {
        h.window->show();
        h.fakes.port.open(1);
        for (QFrame* page : h.form().pages())
            page->setEnabled(true);
        QTabBar* tabs = h.form().Tabulator;
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QCOMPARE(tabs->currentIndex(), 4);
    }

    Form1& form() { return h.form(); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QString path(const QString& name) const { return dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // The file's bytes as they are on disk now (read through a handle of its own).
    QByteArray fileBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // The device answers every command line (without its CR) with the bytes
    // `answer` returns, delayMs later; an empty answer sends nothing.
    void answerWith(std::function<QByteArray(const QByteArray& line)> answer, qint64 delayMs = 2)
    {
        h.fakes.port.setDevice([this, answer = std::move(answer), delayMs](const QByteArray& bytes) {
            for (const QByteArray& line : bytes.split('\r')) {
                if (line.isEmpty())
                    continue;
                const QByteArray reply = answer(line);
                if (!reply.isEmpty())
                    h.fakes.port.deliverLater(delayMs, reply);
            }
        });
    }

    QStringList messages() const { return h.fakes.dialogs.texts(); }
    QList<QByteArray> sent() const { return h.sent(); }
};
