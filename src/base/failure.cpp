#include "base/failure.h"

#include <QCoreApplication>

namespace {
struct FailureTexts {
    Q_DECLARE_TR_FUNCTIONS(Failure)
};
} // namespace

Failure::Failure(int number, QString description, int systemError)
    : number(number), description(std::move(description)), systemError(systemError),
      utf8(this->description.toUtf8())
{
}

const char* Failure::what() const noexcept
{
    return utf8.constData();
}

Failure invalidPropertyValue()
{
    return {FailureNumber::InvalidPropertyValue, FailureTexts::tr("Invalid property value")};
}

Failure overflowFailure()
{
    return {FailureNumber::Overflow, FailureTexts::tr("Overflow")};
}

Failure invalidArgument()
{
    return {FailureNumber::InvalidArgument, FailureTexts::tr("Invalid procedure call or argument")};
}

Failure typeMismatch()
{
    return {FailureNumber::TypeMismatch, FailureTexts::tr("Type mismatch")};
}

Failure dialogCancelled()
{
    return {FailureNumber::DialogCancelled, FailureTexts::tr("Cancel was selected.")};
}

Failure portNotOpen()
{
    return {FailureNumber::PortNotOpen, FailureTexts::tr("Operation valid only when the port is open")};
}
