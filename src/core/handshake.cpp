#include "core/handshake.h"

#include "core/device.h"
#include "core/read_back.h"

Handshake::Handshake(Device& device, ReadBack& readBack)
    : device(device), readBack(readBack)
{
    device.replies().registerHandler(ReplyModes::HandshakeAndReadBack,
                                     [this](const QString& line) { takeReply(line); });
}

void Handshake::start()
{
    repeatsOut = 0;
    sendOnline();
}

void Handshake::sendAgain()
{
    sendOnline();
    ++repeatsOut;
}

void Handshake::sendOnline()
{
    device.replies().ReplyMode = ReplyModes::HandshakeAndReadBack;
    device.send(QStringLiteral("ONLINE"));
    ConnectCountdown = HandshakeTicks;
}

void Handshake::stop()
{
    device.replies().ReplyMode = ReplyModes::EchoOnly;
    ConnectCountdown = 0;
    readBack.forget();
}

bool Handshake::tick()
{
    if (ConnectCountdown <= 0)
        return false;
    --ConnectCountdown;
    return ConnectCountdown == 0;
}

void Handshake::takeReply(const QString& line)
{
    // Only exactly "Ok" answers; anything else may be a read-back reply.
    if (line != QLatin1StringView("Ok")) {
        readBack.takeReply(line);
        return;
    }
    // The answer to an "ONLINE" sent again after the first answer came: the
    // read-back under way goes on.
    if (ConnectCountdown == 0 && repeatsOut > 0) {
        --repeatsOut;
        return;
    }
    ConnectCountdown = 0;
    tell(device, &Device::connected);
    readBack.start();
}
