#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class DeviceLink;
struct Form1;

// Transponder blocks on the Online page: read and write as text (READ,
// WRITE) or as hexadecimal digits with an optional key type and key
// (BINREAD, BINWRITE). The device's answers are only echoed; ReplyMode is
// left as it is, so an earlier request still waiting gets the first answer.
class BlockAccess {
    Q_DECLARE_TR_FUNCTIONS(BlockAccess)

public:
    explicit BlockAccess(DeviceLink& link);

    void ReadBlock_Click();
    void WriteBlock_Click();
    void ReadBlockHex_Click();
    void WriteBlockHex_Click();
    // The two key type boxes exclude each other; both may be unchecked.
    void KeyA_Click();
    void KeyB_Click();

private:
    // False, after telling the user, when no block number is given.
    bool blockSelected() const;
    void showInputError(const QString& text) const;
    // Has the core send; a port that refuses ends the click silently, as
    // it does for every other sender on the page.
    void sendQuietly(const std::function<void()>& send) const;

    DeviceLink& link;
    Form1& form;
};
