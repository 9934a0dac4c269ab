#include "exchange/record_readout.h"

#include "core/device.h"
#include "exchange/page_actions.h"
#include "form/form1.h"
#include "link/device_link.h"

RecordReadout::RecordReadout(DeviceLink& link)
    : link(link)
{
    const Form1& form = link.form();
    link.on(form.LeseErfassungen, &QAbstractButton::clicked, [this] { LeseErfassungen_Click(); });
    link.on(form.LoescheErfassungen, &QAbstractButton::clicked, [this] { LoescheErfassungen_Click(); });
    listen(link.device(), &Device::exchangeFinished, form.LeseErfassungen,
           [this](const ExchangeResult& result) { showResult(result); });
}

void RecordReadout::LeseErfassungen_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.device().data().readRecords(link.form().PfadSpeichern->text());
    });
}

void RecordReadout::showResult(const ExchangeResult& result) const
{
    if (result.exchange == ExchangeResult::Exchange::Records)
        showExchangeResult(link, result);
}

void RecordReadout::LoescheErfassungen_Click()
{
    eraseAfterConfirmation(link, [this] { link.device().data().eraseRecords(); });
}
