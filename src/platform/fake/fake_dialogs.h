#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

// Message boxes and file dialogs that answer from a script and remember
// what they showed.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };
    struct FileRequest {
        bool save;
        QString title;
        QString filter;
        Replacing replacing = Replacing::Silently;
    };

    QList<Shown> shown;
    QList<FileRequest> fileRequests;

    // Answers to Yes/No questions, in order; without one, Yes.
    std::deque<MessageAnswer> answers;
    // Chosen paths, in order; an empty optional cancels.
    std::deque<std::optional<QString>> chosenFiles;
    // Runs while a box is "open" (e.g. to let events through as a modal box does).
    std::function<void()> whileShown;
    // What the "user" does in a dialog run modally, while it is open
    // (accept() it to end with Accepted).
    std::function<void(QDialog&)> inDialog;

    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& filter, Replacing replacing) override;
    int runModal(QDialog& dialog) override;

    QStringList texts() const;

protected:
    MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;

private:
    QString choose(FileRequest request);
};
