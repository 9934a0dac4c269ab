#include "ports/port_assignment.h"

#include "form/form1.h"
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
    f.Port->addAction(assignAction);
    f.Port->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(assignAction, &QAction::triggered, this, &PortAssignment::openForChosenPort);
    connect(f.portDevices, &QPushButton::clicked, this, &PortAssignment::openForChosenPort);
    connect(f.Port, &QComboBox::currentIndexChanged, this, &PortAssignment::followChosenPort);
    // The items arrive when the window loads; the settings may change behind
    // the window's back (the simulator maps its port), so the tooltips are
    // brought up to date whenever the list opens.
    connect(f.Port->model(), &QAbstractItemModel::rowsInserted, this, &PortAssignment::updateTooltips);
    f.Port->view()->installEventFilter(this);
    followChosenPort();
}

void PortAssignment::followChosenPort()
{
    const QString port = f.Port->currentText();
    const bool chosen = f.Port->currentIndex() >= 0;
    assignAction->setText(chosen ? QStringLiteral("Assign a device to %1...").arg(port)
                                 : QStringLiteral("Assign a device..."));
    assignAction->setEnabled(chosen);
    f.portDevices->setEnabled(chosen);
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
}

void PortAssignment::offerAfterMissingDevice(int portNumber, const QString& text)
{
    const QString question =
        QStringLiteral("\n\nShow the serial devices of this computer, to choose the one %1 opens?")
            .arg(portKey(portNumber));
    if (platform.dialogs.message(text + question, MessageIcon::None, MessageButtons::YesNo) == MessageAnswer::Yes)
        open(portNumber);
}

void PortAssignment::updateTooltips()
{
    for (int index = 0; index < f.Port->count(); ++index) {
        const QString path = devicePathForPort(index + 1, platform.settings);
        f.Port->setItemData(index, QStringLiteral("Opens %1").arg(describeDevicePath(path)), Qt::ToolTipRole);
    }
}

bool PortAssignment::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        updateTooltips();
    return QObject::eventFilter(watched, event);
}
