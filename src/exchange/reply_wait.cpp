#include "exchange/reply_wait.h"

#include "platform/clock.h"

#include <algorithm>

namespace {
constexpr int sliceMs = 1;
}

bool waitForReply(Clock& clock, WaitBound bound, const std::function<bool()>& answered)
{
    clock.doEvents();
    if (answered())
        return true;
    for (int poll = 0; poll < bound.polls; ++poll) {
        for (int slept = 0; slept < bound.stepMs; slept += sliceMs) {
            clock.pause(std::min(sliceMs, bound.stepMs - slept));
            clock.doEvents();
            if (answered())
                return true;
        }
    }
    return false;
}
