#pragma once

#include <QString>

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

    // Ticks of the timer within which the device has to answer "ONLINE".
    static constexpr int HandshakeTicks = 5;
    static constexpr int RetryPauseMs = 1000;

private:
    void handshakeReply(const QString& line);
    void handshakeAnswered();
    void openChosenPort();
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
    // How far an exchange that the end of the connection cut short got, until told.
    QString cutShortReport;
};

// What the user reads when the connect toggle fails: the failure's own
// description first, then, where the cause is known, what to do about it.
QString connectFailureText(const Failure& failure);
