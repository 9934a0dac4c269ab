#pragma once

#include <QString>
#include <functional>

class DeviceLink;

// Failure policies and a confirmation shared by the Data exchange buttons.

// Runs a click's steps; a failure ends them with its description in an
// OK-only box that bears the application title.
void showingFailures(DeviceLink& link, const std::function<void()>& steps);

// Asks "Do you really want to delete all data?"; on Yes clears the output
// box and sends the command. Any failure ends the click silently.
void eraseAfterConfirmation(DeviceLink& link, const QString& command);
