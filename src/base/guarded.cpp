#include "base/guarded.h"

#include "base/failure.h"

#include <exception>

void runGuarded(const FailureSink& sink, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Failure& failure) {
        sink(failure);
    } catch (const std::exception& other) {
        sink(Failure(0, QString::fromLocal8Bit(other.what())));
    }
}

std::function<void()> guarded(FailureSink sink, std::function<void()> handler)
{
    return [sink = std::move(sink), handler = std::move(handler)] { runGuarded(sink, handler); };
}
