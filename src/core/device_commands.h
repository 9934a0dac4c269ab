#pragma once

#include <QString>

class Device;
struct Setting;
struct SettingValue;

// Every command of the configuration, online, control and barcode pages.
// Each sends one line and throws the port's failure when it cannot. A
// setting's value comes typed and the core makes its field; the other texts
// come as the window's fields hold them, and the command takes from them
// what the device reads. Replies are told by the device's signals.
class DeviceCommands {
public:
    explicit DeviceCommands(Device& device);

    // Configuration: the setting's command word and its value field (see
    // valueField); the clock's "now" is the PC's time as it is sent.
    void set(const Setting& setting, const SettingValue& value) const;

    // Online: "READID" or "SCAN", the reply taken as the identifier.
    void requestIdentifier(const QString& command) const;
    void readBlock(const QString& first, const QString& last) const;
    void writeBlock(const QString& block, const QString& text) const;
    void readBlockHex(const QString& block, bool keyA, bool keyB, const QString& key) const;
    void writeBlockHex(const QString& block, const QString& hexData, bool keyA, bool keyB, const QString& key) const;

    // Control.
    void beep() const;
    void callKeyboard() const;
    void clearDisplay() const;
    void display(const QString& line, const QString& text) const;

    // Barcode: the register number is the first three characters of the text.
    void readRegister(const QString& registerText) const;
    void writeRegister(const QString& registerText, const QString& value) const;

    static const QString readIdCommand;
    static const QString scanCommand;

private:
    void showIdentifier(const QString& line) const;
    void showRegisterValue(const QString& line) const;

    Device& device;
};
