#pragma once

#include "base/failure.h"

#include <QObject>
#include <optional>
#include <utility>

// The core tells what happened through signals, on the caller's stack. A
// failure must not leave a slot, so a listener whose reaction fails hands the
// failure back, and the core raises it where the signal was told, as if its
// own handling had failed there.
class ListenerFailures {
public:
    void handBack(const Failure& failure)
    {
        if (!pending)
            pending = failure;
    }
    // Throws what a listener handed back since the signal, once.
    void raise()
    {
        if (!pending)
            return;
        const Failure failure = *pending;
        pending.reset();
        throw failure;
    }

private:
    std::optional<Failure> pending;
};

// Connects a listener to a signal of the core; context ends the connection
// with its own life. What the listener throws is handed back to the sender.
template <typename Sender, typename... Params, typename Listener>
QMetaObject::Connection listen(Sender& sender, void (Sender::*signal)(Params...), const QObject* context,
                               Listener listener)
{
    return QObject::connect(&sender, signal, context,
                            [&sender, listener = std::move(listener)](Params... values) {
                                try {
                                    listener(values...);
                                } catch (const Failure& failure) {
                                    sender.listenerFailures().handBack(failure);
                                }
                            });
}

// Tells the signal and raises what a listener handed back.
template <typename Sender, typename... Params, typename... Args>
void tell(Sender& sender, void (Sender::*signal)(Params...), Args&&... values)
{
    (sender.*signal)(std::forward<Args>(values)...);
    sender.listenerFailures().raise();
}
