#pragma once

#include <QString>

class QDialog;

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
// Whether the save dialog asks before the chosen file is replaced.
enum class Replacing { Silently, AfterAsking };

// The title that message boxes without a title of their own bear.
inline const QString applicationTitle = QStringLiteral("Tagorix Tool");

// Modal message boxes and the file dialog.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An empty title shows the application title. With Yes/No, Yes is the
    // default button.
    MessageAnswer message(const QString& text, MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok, const QString& title = {})
    {
        return showMessage(text, title.isEmpty() ? applicationTitle : title, icon, buttons);
    }

    // The chosen path. The filter is a list of description|pattern pairs
    // separated by "|", e.g. "CSV files (*.csv)|*.csv|All files|*.*".
    // Cancel throws the dialog-cancelled failure (32755).
    virtual QString chooseFileToOpen(const QString& title, const QString& filter) = 0;
    virtual QString chooseFileToSave(const QString& title, const QString& filter, Replacing replacing) = 0;
    // Shows a dialog of the program's own modally; its result code.
    virtual int runModal(QDialog& dialog) = 0;

protected:
    virtual MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                                      MessageButtons buttons) = 0;
};
