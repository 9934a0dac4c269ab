#pragma once

#include <QCoreApplication>

class DeviceLink;
struct ExchangeResult;

// Custom codes: "Load custom codes" has the core send the custom-code file
// named on the page line by line, each acknowledged before the next, and
// shows its progress and its end; "Erase custom codes" and "Read out custom
// codes" send one command each.
class CustomCodes {
    Q_DECLARE_TR_FUNCTIONS(CustomCodes)

public:
    explicit CustomCodes(DeviceLink& link);

    void GeneriereDaten_Click();
    void LoescheDaten_Click();
    void LeseDaten_Click();

private:
    void showResult(const ExchangeResult& result) const;

    DeviceLink& link;
};
