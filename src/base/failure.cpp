#include "base/failure.h"

Failure::Failure(int number, QString description)
    : number(number), description(std::move(description)), utf8(this->description.toUtf8())
{
}

const char* Failure::what() const noexcept
{
    return utf8.constData();
}

Failure invalidPropertyValue()
{
    return {FailureNumber::InvalidPropertyValue, QStringLiteral("Invalid property value")};
}

Failure overflowFailure()
{
    return {FailureNumber::Overflow, QStringLiteral("Overflow")};
}

Failure invalidArgument()
{
    return {FailureNumber::InvalidArgument, QStringLiteral("Invalid procedure call or argument")};
}

Failure typeMismatch()
{
    return {FailureNumber::TypeMismatch, QStringLiteral("Type mismatch")};
}

Failure dialogCancelled()
{
    return {FailureNumber::DialogCancelled, QStringLiteral("Cancel was selected.")};
}

Failure portNotOpen()
{
    return {FailureNumber::PortNotOpen, QStringLiteral("Operation valid only when the port is open")};
}
