#include "ports/port_assignment.h"

#include "form/form1.h"
#include "platform/failure_report.h"
#include "platform/platform.h"
#include "platform/port_names.h"
#include "ports/device_text.h"
#include "ports/port_assignment_dialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QEvent>

PortAssignment::PortAssignment(Form1& f, Platform& platform)
    : f(f), platform(platform)
{
    assignAction = new QAction(f.Port);
    assignAction->setObjectName(QStringLiteral("assignDevice"));
    f.assignDevice = assignAction;
    f.Port->addAction(assignAction);
    f.Port->setContextMenuPolicy(Qt::ActionsContextMenu);
    // A failure in a slot (settings that cannot be read or saved) is shown;
    // leaving the slot it would end the program.
    auto reporting = [this](void (PortAssignment::*step)()) {
        return [this, step] { reportingFailures(this->platform.dialogs, [this, step] { (this->*step)(); }); };
    };
    connect(assignAction, &QAction::triggered, this, reporting(&PortAssignment::openForChosenPort));
    connect(f.portDevices, &QPushButton::clicked, this, reporting(&PortAssignment::openForChosenPort));
    connect(f.Port, &QComboBox::currentIndexChanged, this, reporting(&PortAssignment::followChosenPort));
    // The items arrive when the window loads; the settings may change behind
    // the window's back (the simulator maps its port), so the tooltips are
    // brought up to date whenever the list opens.
    connect(f.Port->model(), &QAbstractItemModel::rowsInserted, this, reporting(&PortAssignment::updateTooltips));
    f.Port->view()->installEventFilter(this);
    followChosenPort();
}

void PortAssignment::followChosenPort()
{
    const QString port = f.Port->currentText();
    const bool chosen = f.Port->currentIndex() >= 0;
    assignAction->setText(chosen ? tr("Assign a device to %1...").arg(port) : tr("Assign a device..."));
    // Screen readers hear the list by its label ("Port") and its chosen item;
    // the description says what that port opens.
    const QString opens = chosen ? describeDevicePath(devicePathForPort(f.Port->currentIndex() + 1, platform.settings))
                                 : QString();
    f.Port->setAccessibleDescription(chosen ? tr("%1, opens %2").arg(port, opens) : QString());
}

void PortAssignment::openForChosenPort()
{
    if (f.Port->currentIndex() >= 0)
        open(f.Port->currentIndex() + 1);
}

void PortAssignment::open(int portNumber)
{
    PortAssignmentDialog dialog(platform, portNumber, f.Port->window());
    platform.dialogs.runModal(dialog);
    updateTooltips();
    followChosenPort();
}

void PortAssignment::offerAfterMissingDevice(int portNumber, const QString& text)
{
    const QString question = tr("Show the serial devices of this computer, to choose the one %1 opens?")
                                 .arg(portKey(portNumber));
    if (platform.dialogs.message(text + QStringLiteral("\n\n") + question, MessageIcon::None,
                                 MessageButtons::YesNo)
        == MessageAnswer::Yes)
        open(portNumber);
}

void PortAssignment::updateTooltips()
{
    for (int index = 0; index < f.Port->count(); ++index) {
        const QString path = devicePathForPort(index + 1, platform.settings);
        f.Port->setItemData(index, tr("Opens %1").arg(describeDevicePath(path)), Qt::ToolTipRole);
    }
}

bool PortAssignment::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        reportingFailures(platform.dialogs, [this] { updateTooltips(); });
    return QObject::eventFilter(watched, event);
}
