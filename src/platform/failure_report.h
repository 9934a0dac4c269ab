#pragma once

#include <functional>

class Dialogs;
struct Failure;

// Shows a trapped failure's description in an OK-only box. The loss of the
// device is not shown here: the connection tells it, once, whatever found it.
void showFailure(Dialogs& dialogs, const Failure& failure);

// Runs what the event loop started (a slot, a timer, a handler); a failure it
// throws is shown as above and the program goes on. An exception that left a
// slot would reach the event loop and end the program.
void reportingFailures(Dialogs& dialogs, const std::function<void()>& steps);
