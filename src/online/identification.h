#pragma once

#include <QString>

class DeviceLink;
struct Form1;

// "Read ID" and "Scan barcode" on the Online page, and what a reply line
// means while ReplyMode is Identifier: it is shown in IDAnzeige and, with
// "read continously" checked, the next identifier request follows 500 ms
// later.
class Identification {
public:
    static constexpr int RepeatPauseMs = 500;

    explicit Identification(DeviceLink& link);

    void ReadId_Click();
    void Scan_Click();
    // The core read an identifier (or a barcode).
    void showIdentifier(const QString& identifier);

private:
    // Empties the output box and has the core send the request.
    void request(const QString& command);
    // The same for a click, which ends silently when the port refuses.
    void requestFromClick(const QString& command);

    DeviceLink& link;
    Form1& form;
};
