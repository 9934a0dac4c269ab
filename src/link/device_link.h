#pragma once

#include "link/page_gate.h"

#include <QObject>
#include <QString>
#include <functional>

class Device;
class DeviceConnection;
class ReplyDispatch;
class RunningExchange;
struct Failure;
struct Form1;
struct Platform;

// What every page's adapter needs: the window model, the platform, the
// protocol core (the connection and its Device) to call, and the gate of the pages.
class DeviceLink {
public:
    // Shows the received characters and the current line in the window,
    // and every failure the core reports in a box.
    DeviceLink(Form1& form, Platform& platform, DeviceConnection& connection);

    Form1& form() const { return formRef; }
    Platform& platform() const { return platformRef; }
    DeviceConnection& connection() const { return connectionRef; }
    Device& device() const;
    ReplyDispatch& replies() const;
    RunningExchange& exchange() const;
    PageGate& pages() { return gate; }

    // Empties the output box and redraws it, as every sender does first.
    void clearOutput() const;
    // A trapped failure in an OK-only box (see showFailure).
    void showFailure(const Failure& failure) const;
    // The handler as an entry point from the event loop: a failure that
    // leaves it is shown in a box (runGuarded) instead of ending the program.
    std::function<void()> reporting(std::function<void()> handler) const;
    // Connects a control's signal to a handler run as above, the control as context.
    template <typename Sender, typename Signal>
    void on(Sender* sender, Signal signal, std::function<void()> handler) const
    {
        QObject::connect(sender, signal, sender, reporting(std::move(handler)));
    }

private:
    Form1& formRef;
    Platform& platformRef;
    DeviceConnection& connectionRef;
    PageGate gate;
};
