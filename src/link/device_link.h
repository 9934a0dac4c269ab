#pragma once

#include "link/page_gate.h"

#include <QString>
#include <functional>

class Device;
class ReplyDispatch;
class RunningExchange;
struct Failure;
struct Form1;
struct Platform;

// What every page's adapter needs: the window model, the platform, the
// protocol core (Device) to call, and the gate of the pages.
class DeviceLink {
public:
    // Shows the received characters and the current line in the window,
    // and every failure the core reports in a box.
    DeviceLink(Form1& form, Platform& platform, Device& device);

    Form1& form() const { return formRef; }
    Platform& platform() const { return platformRef; }
    Device& device() const { return deviceRef; }
    ReplyDispatch& replies() const;
    RunningExchange& exchange() const;
    PageGate& pages() { return gate; }

    // Writes the text as one command line (see commandLine). Throws the
    // port's failure, e.g. when the port is closed.
    void send(const QString& text) const;
    // Empties the output box and redraws it, as every sender does first.
    void clearOutput() const;
    // A trapped failure in an OK-only box (see showFailure).
    void showFailure(const Failure& failure) const;
    // The handler as a slot: a failure that leaves it is shown in a box
    // (reportingFailures) instead of ending the program.
    std::function<void()> reporting(std::function<void()> handler) const;

private:
    Form1& formRef;
    Platform& platformRef;
    Device& deviceRef;
    PageGate gate;
};
