#pragma once

#include <QString>

class DeviceLink;
struct Form1;

// The Barcode page: read and write one register of the scanner engine,
// chosen from the register catalogue by its three-digit number. A read
// arms ReplyMode RegisterValue; the answer's value lands in BCWert.
class ScannerRegisters {
public:
    explicit ScannerRegisters(DeviceLink& link);

    void BCLesen_Click();
    void BCSetzen_Click();
    // The handling of one reply line in the register value mode.
    void showRegisterValue(const QString& line);

private:
    // "BARCODE " and the register number: the first three characters of
    // the chosen catalogue item.
    QString registerCommand() const;

    DeviceLink& link;
    Form1& form;
};
