#include "ports/port_assignment_dialog.h"

#include "platform/platform.h"
#include "platform/port_names.h"
#include "ports/device_text.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    setWindowTitle(QStringLiteral("Device for %1").arg(portName()));
    buildControls();
    refreshDevices();
    showCurrentDevice();
    connect(&poll, &QTimer::timeout, this, &PortAssignmentDialog::refreshDevices);
    poll.start(PollMs);
}

void PortAssignmentDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    opensNow = new QLabel(this);
    opensNow->setObjectName(QStringLiteral("opensNow"));
    opensNow->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(opensNow);

    auto* listed = new QLabel(QStringLiteral("Serial devices of this computer:"), this);
    table = new QTableWidget(0, ColumnCount, this);
    table->setObjectName(QStringLiteral("devices"));
    listed->setBuddy(table);
    table->setHorizontalHeaderLabels({QStringLiteral("Device"), QStringLiteral("Assigned to"),
                                      QStringLiteral("Stable name"), QStringLiteral("Description"),
                                      QStringLiteral("Manufacturer"), QStringLiteral("Serial number"),
                                      QStringLiteral("USB id")});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(listed);
    layout->addWidget(table);
    connect(table, &QTableWidget::itemSelectionChanged, this, &PortAssignmentDialog::takeSelectedDevice);

    auto* pathRow = new QHBoxLayout;
    auto* pathLabel = new QLabel(QStringLiteral("&Path:"), this);
    pathField = new QLineEdit(this);
    pathField->setObjectName(QStringLiteral("path"));
    pathField->setPlaceholderText(QStringLiteral("a listed device, or any other: /dev/pts/3, /dev/rfcomm0"));
    pathLabel->setBuddy(pathField);
    auto* browseButton = new QPushButton(QStringLiteral("&Browse..."), this);
    browseButton->setObjectName(QStringLiteral("browse"));
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(pathField, 1);
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);
    connect(browseButton, &QPushButton::clicked, this, &PortAssignmentDialog::browse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    assignButton = buttons->addButton(QStringLiteral("&Assign to %1").arg(portName()), QDialogButtonBox::ActionRole);
    assignButton->setObjectName(QStringLiteral("assign"));
    defaultButton = buttons->addButton(QStringLiteral("Use &default"), QDialogButtonBox::ActionRole);
    defaultButton->setObjectName(QStringLiteral("useDefault"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(assignButton, &QPushButton::clicked, this, &PortAssignmentDialog::assign);
    connect(defaultButton, &QPushButton::clicked, this, &PortAssignmentDialog::useDefault);
    connect(pathField, &QLineEdit::textChanged, this,
            [this](const QString& text) { assignButton->setEnabled(!text.trimmed().isEmpty()); });
    assignButton->setEnabled(false);
    resize(860, 320);
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
    const int selectedRow = table->currentRow();
    const QString selected = selectedRow >= 0 ? table->item(selectedRow, DeviceColumn)->text() : QString();
    const QSignalBlocker quiet(table);
    table->clearContents();
    table->setRowCount(int(devices.size()));
    for (int row = 0; row < devices.size(); ++row) {
        const SerialDeviceInfo& device = devices.at(row);
        const QStringList cells{device.path,         assignedPorts(device), device.stableName, device.description,
                                device.manufacturer, device.serialNumber,  usbId(device)};
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
        if (device.path == selected)
            table->selectRow(row);
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
    opensNow->setText(QStringLiteral("%1 opens %2%3")
                          .arg(portName(), assigned ? QString() : QStringLiteral("the default "),
                               describeDevicePath(path)));
    defaultButton->setEnabled(assigned);
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
    QFileDialog chooser(this, QStringLiteral("Device for %1").arg(portName()), QStringLiteral("/dev"));
    chooser.setObjectName(QStringLiteral("chooseDevice"));
    // Device files are "system" files, which the dialog hides by default.
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    chooser.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (platform.dialogs.runModal(chooser) == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        pathField->setText(chooser.selectedFiles().constFirst());
}
