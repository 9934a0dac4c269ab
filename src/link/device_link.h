#pragma once

#include "link/page_gate.h"
#include "link/reply_dispatch.h"
#include "link/running_exchange.h"

#include <QString>
#include <functional>

struct Failure;
struct Form1;
struct Platform;

// What every page needs to talk to the device: the window model, the
// platform, sending one command line, and the receive path to register its
// reply handling with.
class DeviceLink {
public:
    DeviceLink(Form1& form, Platform& platform);

    Form1& form() const { return formRef; }
    Platform& platform() const { return platformRef; }
    ReplyDispatch& replies() { return dispatch; }
    RunningExchange& exchange() { return running; }
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
    ReplyDispatch dispatch;
    PageGate gate;
    RunningExchange running;
};
