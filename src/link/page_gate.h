#pragma once

class SerialPort;
struct Form1;

// Decides, in one place, whether the five pages and the port list can be
// used: the pages while the port is open (or while a failed reopen left them
// as they were) and no exchange holds the device; the port list, and the
// assignment of a device to the chosen port, only while no port is open, so
// that the list always shows the port the commands go to and the open port
// is never remapped. Whoever changes one of those facts calls update().
class PageGate {
public:
    PageGate(Form1& form, const SerialPort& port);

    // The connection enabled the pages (true) or closed them (false).
    void setConnectionOpened(bool opened);
    // A read-out or load holds the device.
    void setExchangeRunning(bool running);
    void update();

private:
    Form1& form;
    const SerialPort& port;
    bool connectionOpened = false;
    bool exchangeRunning = false;
};
