#pragma once

#include <QStringList>

struct WindowHarness;

// Shows the window with every page usable and the bar at its widest value,
// brings each page to the front and measures every visible control: those
// that cut their text, as "name needs N, has M".
QStringList cutCaptions(WindowHarness& h);

// Every item of each editable list chosen in turn: those its field cuts, as
// "Betriebsart item 3".
QStringList cutListItems(WindowHarness& h);
