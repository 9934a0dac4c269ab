#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class DeviceLink;
struct ConnectionEnding;
struct Failure;

// The Connect toggle and its boxes: pressed opens the chosen port through
// the core's connection, released ends it; the window's 500 ms timer drives
// the hand-shake's time-out and shows the clock.
class Connection {
    Q_DECLARE_TR_FUNCTIONS(Connection)
public:
    // Starts the window's 500 ms timer.
    explicit Connection(DeviceLink& link);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Whether the next toggle change is the program's own release.
    bool ignoresNextClick() const { return IgnoreConnectClick; }

    // The toggle changed: pressed connects, released disconnects.
    void Connect_Click();
    // Every 500 ms: the hand-shake time-out with its retry, and the clock text.
    void Timer1_Timer();

    // Shows the box of a port whose device does not exist, given the port
    // number and the box's text; it may offer more than a plain box, e.g.
    // to assign a device to the port. Without one, the plain box.
    using MissingDeviceBox = std::function<void(int portNumber, const QString& text)>;
    void setMissingDeviceBox(MissingDeviceBox box) { missingDeviceBox = std::move(box); }

private:
    int chosenPortNumber() const;
    void reportConnectFailure(const Failure& failure);
    void showConnecting();
    void showOpened();
    void showRetrying(const QString& cutShort);
    void showEnded(const ConnectionEnding& ending);
    void showFailure(const QString& text, const QString& advice = {});
    void releaseToggle();
    void reportAndRelease(const QString& text);

    DeviceLink& link;
    bool showingFailure = false;
    bool IgnoreConnectClick = false; // the next Connect click is the program's own release
    MissingDeviceBox missingDeviceBox;
    // How far an exchange that the end of the connection cut short got, until told.
    QString cutShortReport;
};
