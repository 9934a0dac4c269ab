#include "link/page_gate.h"

#include "form/form1.h"

#include <QAction>
#include "platform/serial_port.h"

PageGate::PageGate(Form1& form, const SerialPort& port)
    : form(form), port(port)
{
}

void PageGate::setConnectionOpened(bool opened)
{
    connectionOpened = opened;
    update();
}

void PageGate::setExchangeRunning(bool running)
{
    exchangeRunning = running;
    update();
}

void PageGate::update()
{
    const bool pagesUsable = (port.isOpen() || connectionOpened) && !exchangeRunning;
    for (QFrame* page : form.pages())
        page->setEnabled(pagesUsable);
    const bool portFree = !port.isOpen();
    form.Port->setEnabled(portFree);
    const bool assignable = portFree && form.Port->currentIndex() >= 0;
    // Windows has neither: COMn always opens \\.\COMn there.
    if (form.portDevices)
        form.portDevices->setEnabled(assignable);
    if (form.assignDevice)
        form.assignDevice->setEnabled(assignable);
}
