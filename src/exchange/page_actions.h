#pragma once

#include <functional>

class DeviceLink;
struct ExchangeResult;

// Failure policies, a confirmation and the result box shared by the Data
// exchange buttons.

// Runs a click's steps; a failure ends them with its description in an
// OK-only box that bears the application title.
void showingFailures(DeviceLink& link, const std::function<void()>& steps);

// Asks "Do you really want to delete all data?"; on Yes clears the output
// box and has the command sent. Any failure ends the click silently.
void eraseAfterConfirmation(DeviceLink& link, const std::function<void()>& erase);

// The box that tells how a read-out or a load ended, when there is
// something to tell.
void showExchangeResult(DeviceLink& link, const ExchangeResult& result);
