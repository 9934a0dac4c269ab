#pragma once

#include <QString>
#include <functional>

class DeviceLink;
class ReadBack;
struct Failure;

// Opens and closes the connection with the Connect toggle, shakes hands
// with the device ("ONLINE", answer "Ok"), retries while no answer comes,
// and keeps the window's clock text up to date.
class Connection {
public:
    // Starts the window's 500 ms timer and takes the hand-shake and read-back
    // reply mode; the read-back gets every line that is not the answer.
    Connection(DeviceLink& link, ReadBack& readBack);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The toggle changed: pressed connects, released disconnects.
    void Connect_Click();
    // Every 500 ms: the hand-shake time-out with its retry, and the clock text.
    void Timer1_Timer();

    // Shows the box of a port whose device does not exist, given the port
    // number and the box's text; it may offer more than a plain box, e.g.
    // to assign a device to the port. Without one, the plain box.
    using MissingDeviceBox = std::function<void(int portNumber, const QString& text)>;
    void setMissingDeviceBox(MissingDeviceBox box) { missingDeviceBox = std::move(box); }

    // Ticks of the timer within which the device has to answer "ONLINE".
    static constexpr int HandshakeTicks = 5;
    static constexpr int RetryPauseMs = 1000;

private:
    void handshakeReply(const QString& line);
    void handshakeAnswered();
    void openChosenPort();
    int chosenPortNumber() const;
    void reportConnectFailure(const Failure& failure);
    void closeWithGoodbye();
    void startHandshake();
    void showClosed();
    void retry();
    void deviceLost(const Failure& failure);
    void showFailure(const QString& text, const QString& advice = {});
    void releaseToggle();
    void reportAndRelease(const QString& text);

    DeviceLink& link;
    ReadBack& readBack;
    bool showingFailure = false;
    MissingDeviceBox missingDeviceBox;
    // How far an exchange that the end of the connection cut short got, until told.
    QString cutShortReport;
};

// What the user reads when the connect toggle fails: the failure's own
// description first, then, where the cause is known, what to do about it,
// naming the settings file in use and the processes holding a busy port.
QString connectFailureText(const Failure& failure, const QString& settingsFile, const QString& heldBy = {});
