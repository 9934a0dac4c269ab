#include "platform/qt_dialogs.h"

#include "base/failure.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

QString toQtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& patterns = parts.at(i + 1);
        QStringList qtPatterns;
        for (const QString& pattern : patterns.split(u';'))
            // "*.*" means every file where every name has an extension; on
            // Linux it would hide the names without a dot.
            qtPatterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        entries << (description.contains(u'(') ? description
                                               : description + QStringLiteral(" (") + qtPatterns.join(u' ') + u')');
    }
    return entries.join(QStringLiteral(";;"));
}

namespace {

QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title, const QString& filter,
                   Replacing replacing = Replacing::Silently)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(mode);
    // The open dialog does not insist on an existing file; the load reports a missing one.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(toQtFileFilter(filter));
    // The read-out replaces an existing file by design, without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, replacing == Replacing::Silently);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        throw dialogCancelled();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::chooseFileToOpen(const QString& title, const QString& filter)
{
    return chooseFile(parent, QFileDialog::AcceptOpen, title, filter);
}

QString QtDialogs::chooseFileToSave(const QString& title, const QString& filter, Replacing replacing)
{
    return chooseFile(parent, QFileDialog::AcceptSave, title, filter, replacing);
}

int QtDialogs::runModal(QDialog& dialog)
{
    return dialog.exec();
}

MessageAnswer QtDialogs::showMessage(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}
