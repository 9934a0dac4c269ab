#include "config/reported_settings.h"

#include "core/device.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"

namespace {
// A list position the list does not have is skipped; the chain goes on.
void selectReported(QComboBox* list, int position)
{
    skipRejectedValue([&] { setListIndex(list, position); });
}
} // namespace

ReportedSettings::ReportedSettings(DeviceLink& link)
    : link(link)
{
    listen(link.device(), &Device::settingRead, link.form().FrameConfig,
           [this](const ReportedSetting& value) { show(value); });
}

void ReportedSettings::show(const ReportedSetting& value)
{
    Form1& f = link.form();
    const QString name = value.setting->name;
    const int number = static_cast<int>(value.value.number);
    if (name == u"tag-type") {
        selectReported(f.Tagtyp, number);
    } else if (name == u"switch-off-time") {
        const bool never = value.value.kind == SettingValue::Kind::Never;
        // The box first: its own handling rewrites the time text, which must
        // end up showing what the device reported.
        setCheckValue(f.Check_Offtime, never ? 1 : 0);
        f.Offtime->setText(never ? valueField(*value.setting, value.value) : value.text);
    } else if (name == u"read-timeout") {
        f.Readtimeout->setText(value.text);
    } else if (name == u"fdx-code") {
        // The device counts the formats from 1, the list from 0.
        selectReported(f.FDXCode, number - 1);
    } else if (name == u"beeper") {
        setCheckValue(f.EnBeeper, value.value.number == 0 ? 0 : 1);
    } else if (name == u"mode") {
        selectReported(f.Betriebsart, number);
    } else if (name == u"menu") {
        const QList<QCheckBox*> keys = f.menuKeys();
        for (int bit = 0; bit < keys.size(); ++bit)
            setCheckValue(keys.at(bit), (number >> bit) & 1);
    } else if (name == u"language") {
        selectReported(f.Sprache, number);
    } else if (name == u"battery") {
        skipRejectedValue([&] { setBarValue(f.akku, value.value.number); });
    }
}
