#include "exchange/file_paths.h"

#include "base/failure.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

namespace {
// The patterns stay out of the translations.
QString csvFilter(const QString& description)
{
    return description + QStringLiteral("|*.csv|") + FilePaths::tr("All files") + QStringLiteral("|*.*");
}
} // namespace

FilePaths::FilePaths(DeviceLink& link)
    : link(link)
{
    const Form1& form = link.form();
    link.on(form.PfadLadenWaehlen, &QAbstractButton::clicked, [this] { PfadLadenWaehlen_Click(); });
    link.on(form.PfadSpeichernWaehlen, &QAbstractButton::clicked, [this] { PfadSpeichernWaehlen_Click(); });
}

void FilePaths::PfadLadenWaehlen_Click()
{
    choosePath(DialogKind::Open, tr("Select CSV file for opening"), csvFilter(tr("CSV files (*.csv)")),
               link.form().PfadLaden);
}

void FilePaths::PfadSpeichernWaehlen_Click()
{
    choosePath(DialogKind::Save, tr("Select CSV file for saving"), csvFilter(tr("CSV file (*.csv)")),
               link.form().PfadSpeichern);
}

void FilePaths::choosePath(DialogKind kind, const QString& title, const QString& filter, QLineEdit* target)
{
    Dialogs& dialogs = link.platform().dialogs;
    try {
        // The path is taken as chosen: no extension is added, nothing is checked.
        target->setText(kind == DialogKind::Open ? dialogs.chooseFileToOpen(title, filter)
                                                 : dialogs.chooseFileToSave(title, filter, Replacing::Silently));
    } catch (const Failure& failure) {
        // Cancel is a choice not made, not a failure.
        if (failure.number != FailureNumber::DialogCancelled)
            dialogs.message(failure.description + QString::number(failure.number));
    }
}
