#include "link/read_back.h"

#include "base/number_text.h"
#include "form/controls.h"
#include "form/form1.h"
#include "link/device_link.h"
#include "platform/platform.h"

#include <iterator>

// In the order the chain asks; each reply leads to the next query.
const ReadBack::Query ReadBack::queries[] = {
    {QLatin1StringView("TAGTYP"), &ReadBack::fillTagType},
    {QLatin1StringView("OFF"), &ReadBack::fillSwitchOffTime},
    {QLatin1StringView("TIMEOUT"), &ReadBack::fillReadTimeout},
    {QLatin1StringView("FDXCODE"), &ReadBack::fillFdxCode},
    {QLatin1StringView("ENBEEP"), &ReadBack::fillBuzzerEnable},
    {QLatin1StringView("MODE"), &ReadBack::fillMode},
    {QLatin1StringView("MENU"), &ReadBack::fillMenuKeys},
    {QLatin1StringView("LANGUAGE"), &ReadBack::fillLanguage},
    {QLatin1StringView("AKKU"), &ReadBack::fillBattery},
};
const int ReadBack::queryCount = static_cast<int>(std::size(queries));

ReadBack::ReadBack(DeviceLink& link)
    : link(link)
{
}

void ReadBack::start()
{
    link.platform().clock.pause(SettlingMs);
    ask(0);
}

void ReadBack::ask(int query) const
{
    link.send(queries[query].keyword);
}

void ReadBack::takeReply(const QString& line)
{
    for (int i = 0; i < queryCount; ++i) {
        const Query& query = queries[i];
        const QString prefix = query.keyword + u':';
        // A keyword with nothing after its colon is no reply.
        if (!line.startsWith(prefix) || line.size() <= prefix.size())
            continue;
        (this->*query.fill)(line.mid(prefix.size()));
        if (i + 1 < queryCount) {
            link.platform().clock.pause(QueryGapMs);
            ask(i + 1);
        } else {
            link.form().ReplyMode = ReplyModes::EchoOnly;
        }
        return;
    }
}

// A list position the list does not have is skipped; the chain goes on.
static void selectReported(QComboBox* list, int position)
{
    skipRejectedValue([&] { setListIndex(list, position); });
}

void ReadBack::fillTagType(const QString& value)
{
    selectReported(link.form().Tagtyp, leadingInt16(value));
}

void ReadBack::fillSwitchOffTime(const QString& value)
{
    Form1& f = link.form();
    // Only the first character counts: "0" and "05" both mean "never".
    const bool never = value.startsWith(u'0');
    // The box first: its own handling rewrites the time text, which must
    // end up showing what the device reported.
    setCheckValue(f.Check_Offtime, never ? 1 : 0);
    f.Offtime->setText(never ? QStringLiteral("aus") : value);
}

void ReadBack::fillReadTimeout(const QString& value)
{
    link.form().Readtimeout->setText(value);
}

void ReadBack::fillFdxCode(const QString& value)
{
    // The device counts the formats from 1, the list from 0.
    selectReported(link.form().FDXCode, leadingInt16(value) - 1);
}

void ReadBack::fillBuzzerEnable(const QString& value)
{
    setCheckValue(link.form().EnBeeper, leadingNumber(value) == 0 ? 0 : 1);
}

void ReadBack::fillMode(const QString& value)
{
    selectReported(link.form().Betriebsart, leadingInt16(value));
}

void ReadBack::fillMenuKeys(const QString& value)
{
    const int mask = leadingInt16(value);
    const QList<QCheckBox*> keys = link.form().menuKeys();
    for (int bit = 0; bit < keys.size(); ++bit)
        setCheckValue(keys.at(bit), (mask >> bit) & 1);
}

void ReadBack::fillLanguage(const QString& value)
{
    selectReported(link.form().Sprache, leadingInt16(value));
}

void ReadBack::fillBattery(const QString& value)
{
    skipRejectedValue([&] { setBarValue(link.form().akku, leadingNumber(value)); });
}
