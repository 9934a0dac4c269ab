#include "core/device_commands.h"

#include "core/device.h"
#include "core/device_settings.h"
#include "core/quoted_text_command.h"
#include "platform/clock.h"

namespace {
constexpr int registerNumberLength = 3;

QString registerCommand(const QString& registerText)
{
    return QStringLiteral("BARCODE ") + registerText.left(registerNumberLength);
}

QString keyPart(bool keyA, bool keyB, const QString& key)
{
    QString part;
    if (keyA)
        part += QStringLiteral(" A");
    if (keyB)
        part += QStringLiteral(" B");
    if (!key.isEmpty())
        part += u' ' + key;
    return part;
}
} // namespace

const QString DeviceCommands::readIdCommand = QStringLiteral("READID");
const QString DeviceCommands::scanCommand = QStringLiteral("SCAN");

DeviceCommands::DeviceCommands(Device& device)
    : device(device)
{
    device.replies().registerHandler(ReplyModes::Identifier, [this](const QString& line) { showIdentifier(line); });
    device.replies().registerHandler(ReplyModes::RegisterValue,
                                     [this](const QString& line) { showRegisterValue(line); });
}

void DeviceCommands::set(const Setting& setting, const SettingValue& value) const
{
    const bool now = value.kind == SettingValue::Kind::Time && value.time.isNull();
    device.send(setting.keyword + u' ' + valueField(setting, now ? SettingValue::ofTime(device.clock().now()) : value));
}

void DeviceCommands::requestIdentifier(const QString& command) const
{
    // Set before the send: a failed send leaves the mode armed until
    // another sender sets its own.
    device.replies().ReplyMode = ReplyModes::Identifier;
    device.send(command);
}

void DeviceCommands::showIdentifier(const QString& line) const
{
    device.replies().ReplyMode = ReplyModes::EchoOnly;
    tell(device, &Device::identifierRead, line);
}

void DeviceCommands::readBlock(const QString& first, const QString& last) const
{
    QString line = QStringLiteral("READ");
    if (!first.isEmpty()) {
        line += u' ' + first;
        // The end of a range only counts after its start.
        if (!last.isEmpty())
            line += u' ' + last;
    }
    device.send(line);
}

void DeviceCommands::writeBlock(const QString& block, const QString& text) const
{
    device.send(quotedTextCommand(QStringLiteral("WRITE"), block, text));
}

void DeviceCommands::readBlockHex(const QString& block, bool keyA, bool keyB, const QString& key) const
{
    device.send(QStringLiteral("BINREAD ") + block + keyPart(keyA, keyB, key));
}

void DeviceCommands::writeBlockHex(const QString& block, const QString& hexData, bool keyA, bool keyB,
                                   const QString& key) const
{
    device.send(QStringLiteral("BINWRITE ") + block + u' ' + hexData + keyPart(keyA, keyB, key));
}

void DeviceCommands::beep() const
{
    device.send(QStringLiteral("BEEP"));
}

void DeviceCommands::callKeyboard() const
{
    device.send(QStringLiteral("KEYBOARD"));
}

void DeviceCommands::clearDisplay() const
{
    device.send(QStringLiteral("CLS"));
}

void DeviceCommands::display(const QString& line, const QString& text) const
{
    device.send(quotedTextCommand(QStringLiteral("DISPLAY"), line, text));
}

void DeviceCommands::readRegister(const QString& registerText) const
{
    // Armed before the send, as for the identifier.
    device.replies().ReplyMode = ReplyModes::RegisterValue;
    device.send(registerCommand(registerText));
}

void DeviceCommands::writeRegister(const QString& registerText, const QString& value) const
{
    device.send(registerCommand(registerText) + u' ' + value);
}

void DeviceCommands::showRegisterValue(const QString& line) const
{
    device.replies().ReplyMode = ReplyModes::EchoOnly;
    // Everything after the first colon; the whole line when it has none.
    tell(device, &Device::registerRead, line.mid(line.indexOf(u':') + 1));
}
