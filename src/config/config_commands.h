#pragma once

#include <QString>

class DeviceLink;

// The Configuration page: one button per device setting, each sending its
// command word with the value of its control, and the switch-off box that
// turns the time field into "aus".
class ConfigCommands {
public:
    explicit ConfigCommands(DeviceLink& link);

    void SetzeZeit_Click();
    void OfftimeSetzen_Click();
    void ReadtimeoutSetzen_Click();
    void FdxcodeSetzen_Click();
    void EnBeeperSetzen_Click();
    void BetriebsartSetzen_Click();
    void MenuSetzen_Click();
    void TagSetzen_Click();
    void SpracheSetzen_Click();
    void Check_Offtime_Click();

    // The menu function keys F1 to F5 as one number, F1 the lowest bit.
    int menuMask() const;

private:
    // Empties the output box and writes word, one space, argument.
    // Throws the port's failure.
    void sendSetting(const QString& word, const QString& argument) const;
    // The same, ending silently on a failure.
    void sendSettingQuietly(const QString& word, const QString& argument) const;

    DeviceLink& link;
};
