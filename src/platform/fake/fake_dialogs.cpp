#include "platform/fake/fake_dialogs.h"

#include "base/failure.h"

#include <QDialog>

QString FakeDialogs::chooseFileToOpen(const QString& title, const QString& filter)
{
    return choose({false, title, filter});
}

QString FakeDialogs::chooseFileToSave(const QString& title, const QString& filter, Replacing replacing)
{
    return choose({true, title, filter, replacing});
}

QString FakeDialogs::choose(FileRequest request)
{
    fileRequests << std::move(request);
    std::optional<QString> choice;
    if (!chosenFiles.empty()) {
        choice = chosenFiles.front();
        chosenFiles.pop_front();
    }
    if (!choice)
        throw dialogCancelled();
    return *choice;
}

int FakeDialogs::runModal(QDialog& dialog)
{
    dialog.setResult(QDialog::Rejected);
    if (inDialog)
        inDialog(dialog);
    return dialog.result();
}

QStringList FakeDialogs::texts() const
{
    QStringList list;
    for (const auto& box : shown)
        list << box.text;
    return list;
}

MessageAnswer FakeDialogs::showMessage(const QString& text, const QString& title, MessageIcon icon,
                                       MessageButtons buttons)
{
    shown << Shown{text, title, icon, buttons};
    if (whileShown)
        whileShown();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}
