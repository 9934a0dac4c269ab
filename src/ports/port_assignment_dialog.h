#pragma once

#include "platform/serial_devices.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct Platform;

// Which device port COMn opens: every serial device the system reports,
// the ports each is assigned to, and what COMn opens now. The user assigns
// a listed device, types or browses any other path (a pty, /dev/rfcomm0),
// or goes back to the default. Devices plugged in or pulled out show up
// while it is open.
class PortAssignmentDialog : public QDialog {
    Q_OBJECT
public:
    PortAssignmentDialog(Platform& platform, int portNumber, QWidget* parent = nullptr);

    // Reads the devices again and shows any change; runs every PollMs.
    void refreshDevices();
    static constexpr int PollMs = 1000;

private:
    void buildControls();
    void showDevices();
    void showCurrentDevice();
    void takeSelectedDevice();
    void assign();
    void useDefault();
    void browse();
    QString portName() const;
    QString assignedPorts(const SerialDeviceInfo& device) const;

    Platform& platform;
    const int portNumber;
    QList<SerialDeviceInfo> devices;
    QLabel* opensNow = nullptr;
    QTableWidget* table = nullptr;
    QLineEdit* pathField = nullptr;
    QPushButton* assignButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QTimer poll;
};
