#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Port names, read and written in one place for the window, the command
// line, the port dialog and the simulator.

// The ports the window offers: COM1 to COM16.
constexpr int windowPortCount = 16;
// The highest COMn the command line and the simulator take (Windows numbers
// its ports up to 255).
constexpr int maxPortNumber = 255;

// The one reading of a port's number: "COM3", "com3" or a bare "3", blanks
// around it allowed; nothing for any other text or a number outside 1..highest.
std::optional<int> portNumberFrom(QStringView text, int highest = maxPortNumber);
// The one way to write it: "COM3" for 3, the port's name and its key in the
// settings' section "Ports".
QString portKey(int portNumber);
