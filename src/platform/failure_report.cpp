#include "platform/failure_report.h"

#include "base/failure.h"
#include "platform/dialogs.h"

void showFailure(Dialogs& dialogs, const Failure& failure)
{
    if (failure.number != FailureNumber::PortLost)
        dialogs.message(failure.description);
}

void reportingFailures(Dialogs& dialogs, const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const Failure& failure) {
        showFailure(dialogs, failure);
    }
}
