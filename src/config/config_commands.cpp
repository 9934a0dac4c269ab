#include "config/config_commands.h"

#include "base/failure.h"
#include "base/number_text.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

ConfigCommands::ConfigCommands(DeviceLink& link)
    : link(link)
{
    Form1& f = link.form();
    const auto onClick = [this](QAbstractButton* button, void (ConfigCommands::*handler)()) {
        QObject::connect(button, &QAbstractButton::clicked, button,
                         this->link.reporting([this, handler] { (this->*handler)(); }));
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
    QObject::connect(f.Check_Offtime, &QAbstractButton::toggled, f.Check_Offtime,
                     link.reporting([this] { Check_Offtime_Click(); }));
}

void ConfigCommands::sendSetting(const QString& word, const QString& argument) const
{
    link.clearOutput();
    link.send(word + u' ' + argument);
}

void ConfigCommands::sendSettingQuietly(const QString& word, const QString& argument) const
{
    try {
        sendSetting(word, argument);
    } catch (const Failure&) {
    }
}

void ConfigCommands::SetzeZeit_Click()
{
    try {
        sendSetting(QStringLiteral("CLOCK"), link.form().Zeit->text());
    } catch (const Failure& failure) {
        link.showFailure(failure);
    }
}

void ConfigCommands::OfftimeSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("OFF"), link.form().Offtime->text());
}

void ConfigCommands::ReadtimeoutSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("TIMEOUT"), link.form().Readtimeout->text());
}

void ConfigCommands::FdxcodeSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("FDXCODE"), leadingChars(link.form().FDXCode->currentText(), 2));
}

void ConfigCommands::EnBeeperSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("ENBEEP"), signPosition(checkValue(link.form().EnBeeper)));
}

void ConfigCommands::BetriebsartSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("MODE"), leadingChars(link.form().Betriebsart->currentText(), 1));
}

void ConfigCommands::MenuSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("MENU"), signPosition(menuMask()));
}

void ConfigCommands::TagSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("TAGTYP"), leadingChars(link.form().Tagtyp->currentText(), 2));
}

void ConfigCommands::SpracheSetzen_Click()
{
    sendSettingQuietly(QStringLiteral("LANGUAGE"), leadingChars(link.form().Sprache->currentText(), 2));
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
    // "aus" is how the device reads "never switch off".
    f.Offtime->setText(never ? QStringLiteral("aus") : QStringLiteral("0"));
    f.Offtime->setEnabled(!never);
}
