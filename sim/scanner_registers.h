#pragma once

#include <QList>
#include <QStringList>
#include <map>
#include <optional>

// The barcode scanner engine's registers. Built from the register catalogue
// the window offers: each item starts with the register number as three
// digits and ends with its permitted values in parentheses, either a list
// "(0/1)" or a range "(2...20)". A register starts at its first permitted value.
class SimulatedRegisters {
public:
    explicit SimulatedRegisters(const QStringList& catalogueItems);

    int count() const { return static_cast<int>(registers.size()); }
    std::optional<int> value(int number) const;
    // False for an unknown register or a value it does not permit.
    bool set(int number, int value);

private:
    struct Register {
        QList<int> choices;   // a list of permitted values, or
        int lowest = 0;       // a range when choices is empty
        int highest = 0;
        int value = 0;
        bool permits(int v) const { return choices.isEmpty() ? v >= lowest && v <= highest : choices.contains(v); }
    };
    static Register fromPermittedValues(const QString& text);

    std::map<int, Register> registers;
};
