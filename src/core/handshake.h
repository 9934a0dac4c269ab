#pragma once

#include <QString>
#include <cstdint>

class Device;
class ReadBack;

// The hand-shake on an open port: "ONLINE", answered by exactly "Ok", then
// the read-back. Its time-out is counted in ticks of the 500 ms timer; what
// to do when it runs out (try again, give up) is the face's to decide.
class Handshake {
public:
    Handshake(Device& device, ReadBack& readBack);

    // Sends "ONLINE" and starts the count; a failed send leaves it stopped.
    void start();
    // Sends "ONLINE" again on the same open port, the earlier one perhaps
    // answered late: each gets its "Ok", and only the first of them is the
    // answer, so that a late one does not start the read-back twice.
    void sendAgain();
    // No answer is awaited any more, and replies are only echoed.
    void stop();
    // One tick of the timer. Returns true once, when the answer is overdue.
    bool tick();
    bool isWaiting() const { return ConnectCountdown > 0; }
    std::int16_t countdown() const { return ConnectCountdown; }

    // Ticks of the timer within which the device has to answer "ONLINE".
    static constexpr int HandshakeTicks = 5;

private:
    void sendOnline();
    void takeReply(const QString& line);

    Device& device;
    ReadBack& readBack;
    std::int16_t ConnectCountdown = 0; // timer ticks left for the answer to "ONLINE"
    // "ONLINE"s sent again on this port whose "Ok" is still to come.
    int repeatsOut = 0;
};
