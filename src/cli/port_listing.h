#pragma once

#include <QList>
#include <QString>

class SerialDevices;
class SettingsStore;

// The COMn that `tagorix ports` lists: the window's COM1 to COM16, and any
// other that the settings map.
QList<int> listedPortNumbers(const SettingsStore& settings);

// `tagorix ports`: what each COMn opens (the window's COM1 to COM16 and any
// other the settings map), the serial devices present with their stable
// name, USB vendor, product and serial number, and which of them are held,
// by which program and pid. As text, or as one JSON object.
QString portListing(const SettingsStore& settings, const SerialDevices& devices, bool json);
