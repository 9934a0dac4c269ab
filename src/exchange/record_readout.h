#pragma once

#include <QString>

class DeviceLink;

// "Read out records" copies the device's stored records into the records
// file; "Erase records" erases them in the device.
class RecordReadout {
public:
    explicit RecordReadout(DeviceLink& link);

    void LeseErfassungen_Click();
    void LoescheErfassungen_Click();
    // One record line as the receive path hands it on (reply mode 3).
    void handleRecordLine(const QString& line);

private:
    QString cutShortText() const;
    // Back to echoing, the file closed with the whole records it holds.
    void endTransfer();
    // The device will send no more: the read-out ends, told why and how far it got.
    void endCutShort(const QString& why);

    DeviceLink& link;
    // The record count of this read-out; -1 before the device has told it.
    qint64 countAnnounced = -1;
};

// The device separates a record's fields with "|", the records file with
// ";". A date dd.mm.yyyy followed directly by a comma and a time becomes
// date, blank, time. A line without "|" stays as it is.
QString recordFileLine(QString deviceLine);
