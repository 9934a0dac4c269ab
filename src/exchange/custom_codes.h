#pragma once

#include <QString>

class DeviceLink;

// Custom codes: "Load custom codes" sends the custom-code file to the device
// line by line, each line acknowledged before the next goes out; "Erase
// custom codes" and "Read out custom codes" send one command each.
class CustomCodes {
public:
    explicit CustomCodes(DeviceLink& link);

    void GeneriereDaten_Click();
    void LoescheDaten_Click();
    void LeseDaten_Click();
    // The device's answer to one "PUT " (reply mode 6).
    void handleAcknowledgement(const QString& line);

    static constexpr int attemptsPerLine = 5;
    static constexpr int pacingMs = 5;

private:
    // Refused: some attempt got an answer, but none was "Ok";
    // Unanswered: no attempt got any answer at all.
    enum class Outcome { Taken, Refused, Unanswered, MemoryFull, CutShort };
    Outcome uploadLine(const QString& data);

    DeviceLink& link;
    // A line came for the "PUT " that is out.
    bool answerCame = false;
};
