#pragma once

#include <QString>

class DeviceLink;
struct SettingValue;

// The Configuration page: one button per device setting, each handing its
// control's text to the core's command, and the switch-off box that turns
// the time field into "aus".
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
    // Empties the output box and has the core send the setting of that
    // name with the value the controls give; throws the port's failure.
    void sendSetting(QStringView name, const SettingValue& value) const;
    // The same, ending silently on a failure.
    void sendSettingQuietly(QStringView name, const SettingValue& value) const;

    DeviceLink& link;
};
