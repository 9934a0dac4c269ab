#include "config/config_commands.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "core/device.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

ConfigCommands::ConfigCommands(DeviceLink& link)
    : link(link)
{
    Form1& f = link.form();
    const auto onClick = [this](QAbstractButton* button, void (ConfigCommands::*handler)()) {
        this->link.on(button, &QAbstractButton::clicked, [this, handler] { (this->*handler)(); });
    };
    onClick(f.SetzeZeit, &ConfigCommands::SetzeZeit_Click);
    onClick(f.OfftimeSetzen, &ConfigCommands::OfftimeSetzen_Click);
    onClick(f.ReadtimeoutSetzen, &ConfigCommands::ReadtimeoutSetzen_Click);
    onClick(f.FdxcodeSetzen, &ConfigCommands::FdxcodeSetzen_Click);
    onClick(f.EnBeeperSetzen, &ConfigCommands::EnBeeperSetzen_Click);
    onClick(f.BetriebsartSetzen, &ConfigCommands::BetriebsartSetzen_Click);
    onClick(f.MenuSetzen, &ConfigCommands::MenuSetzen_Click);
    onClick(f.TagSetzen, &ConfigCommands::TagSetzen_Click);
    onClick(f.SpracheSetzen, &ConfigCommands::SpracheSetzen_Click);
    // Run on every change of the value, also when the read-back sets it.
    link.on(f.Check_Offtime, &QAbstractButton::toggled, [this] { Check_Offtime_Click(); });
}

void ConfigCommands::sendSetting(QStringView name, const SettingValue& value) const
{
    link.clearOutput();
    link.device().commands().set(*settingNamed(name), value);
}

void ConfigCommands::sendSettingQuietly(QStringView name, const SettingValue& value) const
{
    try {
        sendSetting(name, value);
    } catch (const Failure&) {
    }
}

void ConfigCommands::SetzeZeit_Click()
{
    try {
        sendSetting(u"clock", SettingValue::typed(link.form().Zeit->text()));
    } catch (const Failure& failure) {
        link.showFailure(failure);
    }
}

// The fields' texts go as typed, of a list's text its leading characters:
// the device reads from them what it reads.
void ConfigCommands::OfftimeSetzen_Click()
{
    sendSettingQuietly(u"switch-off-time", SettingValue::typed(link.form().Offtime->text()));
}

void ConfigCommands::ReadtimeoutSetzen_Click()
{
    sendSettingQuietly(u"read-timeout", SettingValue::typed(link.form().Readtimeout->text()));
}

void ConfigCommands::FdxcodeSetzen_Click()
{
    sendSettingQuietly(u"fdx-code", SettingValue::typed(link.form().FDXCode->currentText()));
}

void ConfigCommands::EnBeeperSetzen_Click()
{
    sendSettingQuietly(u"beeper", SettingValue::ofFlag(checkValue(link.form().EnBeeper) == 1));
}

void ConfigCommands::BetriebsartSetzen_Click()
{
    sendSettingQuietly(u"mode", SettingValue::typed(link.form().Betriebsart->currentText()));
}

void ConfigCommands::MenuSetzen_Click()
{
    sendSettingQuietly(u"menu", SettingValue::ofNumber(menuMask()));
}

void ConfigCommands::TagSetzen_Click()
{
    sendSettingQuietly(u"tag-type", SettingValue::typed(link.form().Tagtyp->currentText()));
}

void ConfigCommands::SpracheSetzen_Click()
{
    sendSettingQuietly(u"language", SettingValue::typed(link.form().Sprache->currentText()));
}

int ConfigCommands::menuMask() const
{
    // F6 to F8 have no bit on the device.
    const QList<QCheckBox*> keys = link.form().menuKeys();
    int mask = 0;
    for (int bit = 0; bit < keys.size(); ++bit)
        if (checkValue(keys.at(bit)) == 1)
            mask |= 1 << bit;
    return mask;
}

void ConfigCommands::Check_Offtime_Click()
{
    Form1& f = link.form();
    const bool never = checkValue(f.Check_Offtime) == 1;
    // The device's word for "never switch off".
    f.Offtime->setText(never ? valueField(*settingNamed(u"switch-off-time"), SettingValue::never())
                             : QStringLiteral("0"));
    f.Offtime->setEnabled(!never);
}
