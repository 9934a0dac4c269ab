#include "exchange/page_actions.h"

#include "base/failure.h"
#include "link/device_link.h"
#include "platform/platform.h"

void showingFailures(DeviceLink& link, const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const Failure& failure) {
        link.showFailure(failure);
    }
}

void eraseAfterConfirmation(DeviceLink& link, const QString& command)
{
    try {
        const MessageAnswer answer =
            link.platform().dialogs.message(QStringLiteral("Do you really want to delete all data?"),
                                            MessageIcon::Question, MessageButtons::YesNo,
                                            QStringLiteral("Delete"));
        if (answer != MessageAnswer::Yes)
            return;
        link.clearOutput();
        link.send(command);
    } catch (const Failure&) {
    }
}
