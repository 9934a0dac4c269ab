#include "sim/scanner_registers.h"

SimulatedRegisters::SimulatedRegisters(const QStringList& catalogueItems)
{
    for (const QString& item : catalogueItems) {
        bool isNumber = false;
        const int number = item.left(3).toInt(&isNumber);
        const qsizetype open = item.lastIndexOf(u'(');
        const qsizetype close = item.lastIndexOf(u')');
        if (!isNumber || open < 0 || close < open)
            continue;
        registers.insert_or_assign(number, fromPermittedValues(item.mid(open + 1, close - open - 1)));
    }
}

SimulatedRegisters::Register SimulatedRegisters::fromPermittedValues(const QString& text)
{
    Register r;
    const QStringList range = text.split(QStringLiteral("..."));
    if (range.size() == 2) {
        r.lowest = range.at(0).trimmed().toInt();
        r.highest = range.at(1).trimmed().toInt();
        r.value = r.lowest;
        return r;
    }
    for (const QString& choice : text.split(u'/'))
        r.choices << choice.trimmed().toInt();
    r.value = r.choices.value(0);
    return r;
}

std::optional<int> SimulatedRegisters::value(int number) const
{
    const auto found = registers.find(number);
    if (found == registers.end())
        return std::nullopt;
    return found->second.value;
}

bool SimulatedRegisters::set(int number, int value)
{
    const auto found = registers.find(number);
    if (found == registers.end() || !found->second.permits(value))
        return false;
    found->second.value = value;
    return true;
}
