#pragma once

#include "platform/dialogs.h"

class QWidget;

// "CSV files (*.csv)|*.csv|All files|*.*" -> "CSV files (*.csv);;All files (*)"
QString toQtFileFilter(const QString& filter);

class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget* window) { parent = window; }

    QString chooseFileToOpen(const QString& title, const QString& filter) override;
    QString chooseFileToSave(const QString& title, const QString& filter, Replacing replacing) override;
    int runModal(QDialog& dialog) override;

protected:
    MessageAnswer showMessage(const QString& text, const QString& title, MessageIcon icon,
                              MessageButtons buttons) override;

private:
    QWidget* parent = nullptr;
};
