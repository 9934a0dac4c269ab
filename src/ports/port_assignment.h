#pragma once

#include <QObject>
#include <QString>

class QAction;
struct Form1;
struct Platform;

// The port list's way to the devices: the button beside the list and the
// list's context menu open the assignment dialog for the chosen port, a
// connect that finds no device offers it, and each item's tooltip names
// the device that port opens.
class PortAssignment : public QObject {
    Q_OBJECT
public:
    PortAssignment(Form1& f, Platform& platform);

    // The assignment dialog for COMn, modal; the tooltips follow the change.
    void open(int portNumber);
    // The box of a connect that found no device, asking whether to open the
    // dialog for that port.
    void offerAfterMissingDevice(int portNumber, const QString& text);
    void updateTooltips();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openForChosenPort();
    void followChosenPort();

    Form1& f;
    Platform& platform;
    QAction* assignAction = nullptr;
};
