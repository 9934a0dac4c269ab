#include "ports/port_assignment_dialog.h"

#include "base/failure.h"
#include "platform/failure_report.h"
#include "platform/platform.h"
#include "platform/port_names.h"
#include "ports/device_text.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { DeviceColumn, PortsColumn, StableNameColumn, DescriptionColumn, ManufacturerColumn, SerialColumn,
              UsbIdColumn, ColumnCount };

QString usbId(const SerialDeviceInfo& device)
{
    if (!device.vendorId || !device.productId)
        return {};
    return QStringLiteral("%1:%2")
        .arg(*device.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*device.productId, 4, 16, QLatin1Char('0'));
}

} // namespace

PortAssignmentDialog::PortAssignmentDialog(Platform& platform, int portNumber, QWidget* parent)
    : QDialog(parent), platform(platform), portNumber(portNumber)
{
    setObjectName(QStringLiteral("PortAssignmentDialog"));
    setWindowTitle(tr("Device for %1").arg(portName()));
    buildControls();
    refreshDevices();
    showCurrentDevice();
    connect(&poll, &QTimer::timeout, this, reporting(&PortAssignmentDialog::refreshDevices));
    poll.start(PollMs);
}

std::function<void()> PortAssignmentDialog::reporting(void (PortAssignmentDialog::*step)())
{
    // A failure (settings that cannot be saved) is shown; leaving the slot it
    // would end the program.
    return [this, step] { reportingFailures(platform.dialogs, [this, step] { (this->*step)(); }); };
}

void PortAssignmentDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    opensNow = new QLabel(this);
    opensNow->setObjectName(QStringLiteral("opensNow"));
    opensNow->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is elided to the width the dialog has, rather than
    // widening the dialog beyond the screen.
    opensNow->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(opensNow);

    auto* listed = new QLabel(tr("Serial devices of this computer:"), this);
    table = new QTableWidget(0, ColumnCount, this);
    table->setObjectName(QStringLiteral("devices"));
    listed->setBuddy(table);
    table->setHorizontalHeaderLabels({tr("Device"), tr("Assigned to"), tr("Stable name"), tr("Description"),
                                      tr("Manufacturer"), tr("Serial number"), tr("USB id")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table; the arrow keys move in it. Only a choice (a
    // click, a double-click, Return or Space) takes a device into Path.
    table->setTabKeyNavigation(false);
    table->installEventFilter(this);
    layout->addWidget(listed);
    layout->addWidget(table);
    connect(table, &QTableWidget::clicked, this, reporting(&PortAssignmentDialog::takeSelectedDevice));
    connect(table, &QTableWidget::activated, this, reporting(&PortAssignmentDialog::takeSelectedDevice));

    auto* pathRow = new QHBoxLayout;
    auto* pathLabel = new QLabel(tr("&Path:"), this);
    pathField = new QLineEdit(this);
    pathField->setObjectName(QStringLiteral("path"));
    pathField->setPlaceholderText(tr("a listed device, or any other: /dev/pts/3, /dev/rfcomm0"));
    pathLabel->setBuddy(pathField);
    auto* browseButton = new QPushButton(tr("&Browse..."), this);
    browseButton->setObjectName(QStringLiteral("browse"));
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(pathField, 1);
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);
    connect(browseButton, &QPushButton::clicked, this, reporting(&PortAssignmentDialog::browse));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    assignButton = buttons->addButton(tr("&Assign to %1").arg(portName()), QDialogButtonBox::ActionRole);
    assignButton->setObjectName(QStringLiteral("assign"));
    defaultButton = buttons->addButton(tr("Use &default"), QDialogButtonBox::ActionRole);
    defaultButton->setObjectName(QStringLiteral("useDefault"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(assignButton, &QPushButton::clicked, this, reporting(&PortAssignmentDialog::assign));
    connect(defaultButton, &QPushButton::clicked, this, reporting(&PortAssignmentDialog::useDefault));
    connect(pathField, &QLineEdit::returnPressed, this, reporting(&PortAssignmentDialog::assign));
    connect(pathField, &QLineEdit::textChanged, this,
            [this](const QString& text) { assignButton->setEnabled(!text.trimmed().isEmpty()); });
    assignButton->setEnabled(false);
    buttonBox = buttons;

    // Never wider or higher than the screen; at first with room for the
    // window frame.
    const QSize available = screen()->availableGeometry().size();
    setMaximumSize(available);
    resize(QSize(860, 320).boundedTo(available * 0.9));
}

void PortAssignmentDialog::showEvent(QShowEvent* event)
{
    // The button box makes its first enabled button its focus proxy when it
    // is shown, so Tab from the last button lands on the box and so on that
    // button again, never on Close. The dialog is shown after its children.
    buttonBox->setFocusProxy(nullptr);
    QDialog::showEvent(event);
}

bool PortAssignmentDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
        reporting(&PortAssignmentDialog::takeSelectedDevice)();
    return QDialog::eventFilter(watched, event);
}

void PortAssignmentDialog::keyPressEvent(QKeyEvent* event)
{
    // Return assigns in Path (returnPressed) and chooses in the table; a
    // focused button presses itself. No default button takes it over.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PortAssignmentDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    showOpensNow();
}

QString PortAssignmentDialog::portName() const
{
    return portKey(portNumber);
}

void PortAssignmentDialog::refreshDevices()
{
    const QList<SerialDeviceInfo> now = platform.devices.present();
    if (now != devices) {
        devices = now;
        showDevices();
    }
    // A by-id link comes and goes with its device.
    showCurrentDevice();
}

void PortAssignmentDialog::showDevices()
{
    table->clearContents();
    table->setRowCount(int(devices.size()));
    for (int row = 0; row < devices.size(); ++row) {
        const SerialDeviceInfo& device = devices.at(row);
        const QStringList cells{device.path,         assignedPorts(device), device.stableName, device.description,
                                device.manufacturer, device.serialNumber,  usbId(device)};
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    // The row shown as selected is the device that Path names, if listed.
    const QString path = pathField->text().trimmed();
    const auto named = std::find_if(devices.cbegin(), devices.cend(), [&](const SerialDeviceInfo& device) {
        return device.path == path || (!device.stableName.isEmpty() && device.stableName == path);
    });
    if (named != devices.cend()) {
        table->selectRow(int(named - devices.cbegin()));
    } else {
        table->clearSelection();
        table->setCurrentIndex({});
    }
    table->resizeColumnsToContents();
}

QString PortAssignmentDialog::assignedPorts(const SerialDeviceInfo& device) const
{
    QStringList ports;
    for (int number = 1; number <= windowPortCount; ++number) {
        const QString opens = devicePathForPort(number, platform.settings);
        if (opens == device.path || (!device.stableName.isEmpty() && opens == device.stableName))
            ports << portKey(number);
    }
    return ports.join(QStringLiteral(", "));
}

void PortAssignmentDialog::showCurrentDevice()
{
    const QString path = devicePathForPort(portNumber, platform.settings);
    const bool assigned = hasAssignedDevice(portNumber, platform.settings);
    opensNowText = (assigned ? tr("%1 opens %2") : tr("%1 opens the default %2"))
                       .arg(portName(), describeDevicePath(path));
    showOpensNow();
    defaultButton->setEnabled(assigned);
}

void PortAssignmentDialog::showOpensNow()
{
    opensNow->setText(opensNow->fontMetrics().elidedText(opensNowText, Qt::ElideMiddle, opensNow->width()));
    opensNow->setToolTip(opensNowText);
    opensNow->setAccessibleName(opensNowText);
}

void PortAssignmentDialog::takeSelectedDevice()
{
    const int row = table->currentRow();
    if (row >= 0 && row < devices.size())
        pathField->setText(devices.at(row).preferredName());
}

void PortAssignmentDialog::assign()
{
    QString path = pathField->text().trimmed();
    if (path.isEmpty())
        return;
    if (const QString reason = whyNotASerialPort(path); !reason.isEmpty())
        throw Failure(FailureNumber::BadFileName, reason);
    // A listed device typed by its path is stored by its stable name.
    for (const SerialDeviceInfo& device : std::as_const(devices)) {
        if (device.path == path)
            path = device.preferredName();
    }
    platform.settings.save(portsSection, portName(), path);
    showDevices();
    showCurrentDevice();
}

void PortAssignmentDialog::useDefault()
{
    platform.settings.remove(portsSection, portName());
    showDevices();
    showCurrentDevice();
}

void PortAssignmentDialog::browse()
{
    QFileDialog chooser(this, tr("Device for %1").arg(portName()), QStringLiteral("/dev"));
    chooser.setObjectName(QStringLiteral("chooseDevice"));
    // Device files are "system" files, which the dialog hides by default.
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    chooser.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (platform.dialogs.runModal(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        pathField->setText(chooser.selectedFiles().constFirst());
}
