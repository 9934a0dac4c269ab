#pragma once

#include <QStringList>

// The fixed vocabulary of the window's lists. Each device-setting item
// begins with the number the device uses for that choice.
namespace SelectionLists {
QStringList portItems();           // "COM1" .. "COM16"
QStringList modeItems();           // Betriebsart
QStringList tagTypeItems();        // Tagtyp
QStringList fdxCodeItems();        // FDXCode
QStringList languageItems();       // Sprache
QStringList displayLineItems();    // DisplayZeile
QStringList scannerRegisterItems(); // BCRegister
QStringList tabCaptions();
} // namespace SelectionLists
