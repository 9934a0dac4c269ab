#include "exchange/page_actions.h"

#include "base/failure.h"
#include "core/exchange_result.h"
#include "link/device_link.h"
#include "platform/platform.h"

#include <QCoreApplication>

namespace {
struct PageActionTexts {
    Q_DECLARE_TR_FUNCTIONS(PageActions)
};
} // namespace

void showingFailures(DeviceLink& link, const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const Failure& failure) {
        link.showFailure(failure);
    }
}

void eraseAfterConfirmation(DeviceLink& link, const std::function<void()>& erase)
{
    try {
        const MessageAnswer answer =
            link.platform().dialogs.message(PageActionTexts::tr("Do you really want to delete all data?"),
                                            MessageIcon::Question, MessageButtons::YesNo,
                                            //: Title of the question before erasing
                                            PageActionTexts::tr("Delete"));
        if (answer != MessageAnswer::Yes)
            return;
        link.clearOutput();
        erase();
    } catch (const Failure&) {
    }
}

void showExchangeResult(DeviceLink& link, const ExchangeResult& result)
{
    using Outcome = ExchangeResult::Outcome;
    if (result.text.isEmpty())
        return;
    MessageIcon icon = MessageIcon::Exclamation;
    if (result.outcome == Outcome::Done)
        icon = MessageIcon::Information;
    else if (result.outcome == Outcome::DeviceError || result.outcome == Outcome::Stalled)
        icon = MessageIcon::None;
    link.platform().dialogs.message(result.text, icon);
}
