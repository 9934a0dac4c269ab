#include "core/reply_wait.h"

#include "platform/clock.h"

bool waitForReply(Clock& clock, WaitBound bound, const std::function<bool()>& answered)
{
    clock.doEvents();
    double leftMs = double(bound.polls) * bound.stepMs;
    while (!answered()) {
        if (leftMs <= 0)
            return false;
        leftMs -= clock.waitForEvents(leftMs);
    }
    return true;
}
