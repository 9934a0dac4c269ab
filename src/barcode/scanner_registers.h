#pragma once

#include <QString>

class DeviceLink;
struct Form1;

// The Barcode page: read and write one register of the scanner engine,
// chosen from the register catalogue by its three-digit number (the core
// takes it from the item's text). The value the core reads lands in BCWert.
class ScannerRegisters {
public:
    explicit ScannerRegisters(DeviceLink& link);

    void BCLesen_Click();
    void BCSetzen_Click();

private:
    DeviceLink& link;
    Form1& form;
};
