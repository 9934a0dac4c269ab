#pragma once

#include "platform/serial_devices.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class QDialogButtonBox;
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // step as a slot: a failure it throws is shown in a box.
    std::function<void()> reporting(void (PortAssignmentDialog::*step)());
    void buildControls();
    void showOpensNow();
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
    QString opensNowText;
    QDialogButtonBox* buttonBox = nullptr;
    QTableWidget* table = nullptr;
    QLineEdit* pathField = nullptr;
    QPushButton* assignButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QTimer poll;
};
