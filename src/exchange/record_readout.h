#pragma once

class DeviceLink;
struct ExchangeResult;

// "Read out records" has the core copy the device's stored records into
// the records file named on the page; "Erase records" erases them in the
// device after asking. The read-out's end is shown in a box.
class RecordReadout {
public:
    explicit RecordReadout(DeviceLink& link);

    void LeseErfassungen_Click();
    void LoescheErfassungen_Click();

private:
    void showResult(const ExchangeResult& result) const;

    DeviceLink& link;
};
