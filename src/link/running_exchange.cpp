#include "link/running_exchange.h"

#include "form/form1.h"
#include "platform/serial_port.h"

RunningExchange::RunningExchange(Form1& form, SerialPort& port)
    : form(form), port(port)
{
}

void RunningExchange::begin(Progress newProgress)
{
    progress = std::move(newProgress);
    ended = false;
    untold.clear();
    enablePages(false);
}

void RunningExchange::finish()
{
    if (!isRunning())
        return;
    if (port.isOpen())
        enablePages(true);
    else
        untold = progress();
    progress = {};
}

bool RunningExchange::connectionEnded() const
{
    return ended || !port.isOpen();
}

QString RunningExchange::cutShort()
{
    QString told;
    if (isRunning()) {
        told = progress();
        progress = {};
        ended = true;
    } else {
        told.swap(untold);
    }
    return told;
}

void RunningExchange::enablePages(bool enabled)
{
    for (QFrame* page : form.pages())
        page->setEnabled(enabled);
}
