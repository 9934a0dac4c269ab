#pragma once

#include <QString>
#include <functional>

class DeviceLink;
struct Form1;

// The Control page: the device's buzzer, keyboard and display. Each button
// sends one command; the answers are only echoed and ReplyMode is left as
// it is.
class DeviceControls {
public:
    explicit DeviceControls(DeviceLink& link);

    void Buzzer_Click();
    void Keyboard_Click();
    void CLS_Click();
    void Display_Click();

private:
    // Empties the output box and sends the line; a port that refuses ends
    // the click silently.
    void sendLine(const std::function<void()>& send) const;

    DeviceLink& link;
    Form1& form;
};
