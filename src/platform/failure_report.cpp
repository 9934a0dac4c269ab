#include "platform/failure_report.h"

#include "base/failure.h"
#include "platform/dialogs.h"

void showFailure(Dialogs& dialogs, const Failure& failure)
{
    if (failure.number != FailureNumber::PortLost)
        dialogs.message(failure.description);
}

FailureSink showingIn(Dialogs& dialogs)
{
    return [&dialogs](const Failure& failure) { showFailure(dialogs, failure); };
}

void reportingFailures(Dialogs& dialogs, const std::function<void()>& steps)
{
    runGuarded(showingIn(dialogs), steps);
}
