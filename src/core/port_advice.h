#pragma once

#include "platform/serial_devices.h"

#include <QList>
#include <QString>

struct Failure;

// Why a port could not be opened: by the system's error number the failure
// carries, or, without one, as far as its description tells.
enum class PortTrouble { Unknown, NoPortChosen, NoPermission, NoDevice, InUse, NotSerial };

PortTrouble portTrouble(const Failure& failure);

// "ModemManager (pid 812)", several joined by "and".
QString holdersText(const QList<DeviceHolder>& holders);

// What the user reads when a port cannot be opened: the failure's own
// description first, then, where the cause is known, what to do about it,
// naming the settings file in use and the processes holding a busy port.
QString connectFailureText(const Failure& failure, const QString& settingsFile, const QString& heldBy = {});
