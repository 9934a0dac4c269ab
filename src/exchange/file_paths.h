#pragma once

#include <QCoreApplication>
#include <QString>

class DeviceLink;
class QLineEdit;

// The two "..." buttons of the Data exchange page: each picks a file in the
// file dialog and puts its full path into its text box.
class FilePaths {
    Q_DECLARE_TR_FUNCTIONS(FilePaths)

public:
    explicit FilePaths(DeviceLink& link);

    void PfadLadenWaehlen_Click();
    void PfadSpeichernWaehlen_Click();

private:
    enum class DialogKind { Open, Save };
    void choosePath(DialogKind kind, const QString& title, const QString& filter, QLineEdit* target);

    DeviceLink& link;
};
