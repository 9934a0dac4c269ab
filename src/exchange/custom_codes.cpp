#include "exchange/custom_codes.h"

#include "base/number_text.h"
#include "core/device.h"
#include "exchange/page_actions.h"
#include "form/form1.h"
#include "link/device_link.h"

CustomCodes::CustomCodes(DeviceLink& link)
    : link(link)
{
    Form1& form = link.form();
    link.on(form.GeneriereDaten, &QAbstractButton::clicked, [this] { GeneriereDaten_Click(); });
    link.on(form.LoescheDaten, &QAbstractButton::clicked, [this] { LoescheDaten_Click(); });
    link.on(form.LeseDaten, &QAbstractButton::clicked, [this] { LeseDaten_Click(); });
    // Drawn with the echo of the answer, which redraws at once, or with the
    // events the wait processes; a redraw of its own for every line made
    // the load measurably slower.
    listen(link.device(), &Device::codeLineStarting, form.GeneriereDaten, [&form](qint64 lineNumber, qint64) {
        //: Progress of the load: the line of the custom-code file being sent
        form.Ausgabe->setPlainText(tr("Dataset %1").arg(signPosition(lineNumber)) + u' ');
    });
    listen(link.device(), &Device::exchangeFinished, form.GeneriereDaten,
           [this](const ExchangeResult& result) { showResult(result); });
}

void CustomCodes::GeneriereDaten_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.device().data().loadCodes(link.form().PfadLaden->text());
    });
}

void CustomCodes::showResult(const ExchangeResult& result) const
{
    if (result.exchange == ExchangeResult::Exchange::CustomCodes)
        showExchangeResult(link, result);
}

void CustomCodes::LoescheDaten_Click()
{
    eraseAfterConfirmation(link, [this] { link.device().data().eraseCodes(); });
}

void CustomCodes::LeseDaten_Click()
{
    showingFailures(link, [this] {
        link.clearOutput();
        link.device().data().readCodes();
    });
}
