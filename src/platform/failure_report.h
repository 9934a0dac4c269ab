#pragma once

#include "base/guarded.h"

#include <functional>

class Dialogs;
struct Failure;

// Shows a trapped failure's description in an OK-only box. The loss of the
// device is not shown here: the connection tells it, once, whatever found it.
void showFailure(Dialogs& dialogs, const Failure& failure);

// The window's sink for failures that reach an entry point: a box, as above.
FailureSink showingIn(Dialogs& dialogs);

// Runs what the event loop started through runGuarded, failures in a box.
void reportingFailures(Dialogs& dialogs, const std::function<void()>& steps);
