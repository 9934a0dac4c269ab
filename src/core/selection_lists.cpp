#include "core/selection_lists.h"

#include "base/port_number.h"

#include <QCoreApplication>

namespace {
// An item's translation keeps its leading number as it is: the senders
// take those characters for the device.
struct ListTexts {
    Q_DECLARE_TR_FUNCTIONS(SelectionLists)
};
} // namespace

namespace SelectionLists {

QStringList portItems()
{
    QStringList items;
    for (int n = 1; n <= windowPortCount; ++n)
        items << portKey(n);
    return items;
}

QStringList modeItems()
{
    return {ListTexts::tr("0 - read only"), ListTexts::tr("1 - read write"),
            ListTexts::tr("2 - ro with number"), ListTexts::tr("3 - HitagS rw")};
}

QStringList tagTypeItems()
{
    // Only "All" is a word; the rest are the transponders' names.
    return {ListTexts::tr("0 - All"),              QStringLiteral("1 - FDX-B"),      QStringLiteral("2 - Unique"),
            QStringLiteral("3 - Hitag1/S"),        QStringLiteral("4 - Hitag2"),     QStringLiteral("5 - Tiris"),
            QStringLiteral("6 - Q5"),              QStringLiteral("7 - Trovan"),     QStringLiteral("8 - ISO15693"),
            QStringLiteral("9 - I-Code1"),         QStringLiteral("10- ISO14443-A"), QStringLiteral("11- ISO14443-B")};
}

QStringList fdxCodeItems()
{
    return {ListTexts::tr("1 - Hexadecimal"), ListTexts::tr("2 - ISO animal"), ListTexts::tr("3 - ISO industry"),
            QStringLiteral("4 - BDE"),        QStringLiteral("5 - ASCII"),     ListTexts::tr("6 - Hex Invers"),
            ListTexts::tr("7 - Decimal"),     ListTexts::tr("8 - Hex bytewise invers")};
}

QStringList languageItems()
{
    return {ListTexts::tr("0 - German"), ListTexts::tr("1 - English"), ListTexts::tr("2 - French"),
            ListTexts::tr("3 - Polski")};
}

QStringList displayLineItems()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
}

QStringList tabCaptions()
{
    return {ListTexts::tr("Online"), ListTexts::tr("Control"), ListTexts::tr("Configuration"),
            ListTexts::tr("Barcode"), ListTexts::tr("Data exchange")};
}

QStringList scannerRegisterItems()
{
    return {
        ListTexts::tr("001 - UPC-A enable (0/1)"),
        ListTexts::tr("002 - UPC-E enable (0/1)"),
        ListTexts::tr("012 - UPC-E1 enable (0/1)"),
        ListTexts::tr("003 - EAN-13 enable (0/1)"),
        ListTexts::tr("004 - EAN-8 enable (0/1)"),
        ListTexts::tr("083 - Bookland EAN enable (0/1)"),
        ListTexts::tr("016 - Decode UPC/EAN supplementals (0...2)"),
        ListTexts::tr("080 - Decode UPC/EAN supplemantel redundancy (2...20)"),
        ListTexts::tr("040 - UPC-A check digit enable (0/1)"),
        ListTexts::tr("041 - UPC-E check digit enable (0/1)"),
        ListTexts::tr("042 - UPC-E1 check digit enable (0/1)"),
        ListTexts::tr("034 - UPC-A Preamble (0...2)"),
        ListTexts::tr("035 - UPC-E Preamble (0...2)"),
        ListTexts::tr("036 - UPC-E1 Preamble (0...2)"),
        ListTexts::tr("037 - Convert UPC-E to UPC-A enable (0/1)"),
        ListTexts::tr("038 - Convert UPC-E1 to UPC-A enable (0/1)"),
        ListTexts::tr("039 - EAN-8 zero-extend enable (0/1)"),
        ListTexts::tr("224 - Convert EAN-8 to EAN-13 enable (0/1)"),
        ListTexts::tr("077 - UPC/EAN security level (0...3)"),
        ListTexts::tr("085 - UPC/EAN Coupon code enable (0/1)"),
        ListTexts::tr("008 - USS-128 enable (0/1)"),
        ListTexts::tr("014 - UCC/EAN-128 enable (0/1)"),
        ListTexts::tr("084 - ISBT 128 enable (0/1)"),
        ListTexts::tr("000 - Code 39 enable (0/1)"),
        ListTexts::tr("013 - Trioptic Code 39 enable (0/1)"),
        ListTexts::tr("086 - Convert Code 39 to Code 32 enable (0/1)"),
        ListTexts::tr("231 - Code 32 prefix enable (0/1)"),
        ListTexts::tr("018 - Set Length for Code 39 L1 (0...255)"),
        ListTexts::tr("019 - Set Length for Code 39 L2 (0...255)"),
        ListTexts::tr("048 - Code 39 Check Digit verification enable (0/1)"),
        ListTexts::tr("043 - Code 39 Check Digit enable (0/1)"),
        ListTexts::tr("017 - Code 39 Full ASCII conversion enable (0/1)"),
        ListTexts::tr("009 - Code 93 enable (0/1)"),
        ListTexts::tr("026 - Set Length for Code 93 L1 (0...255)"),
        ListTexts::tr("027 - Set Length for Code 93 L2 (0...255)"),
        ListTexts::tr("006 - Interleaved 2of5 enable (0/1)"),
        ListTexts::tr("022 - Set Length for Interleaved 2of5 L1 (0...255)"),
        ListTexts::tr("023 - Set Length for Interleaved 2of5 L2 (0...255)"),
        ListTexts::tr("049 - Interleaved 2of5 Check Digit verification enable (0/1)"),
        ListTexts::tr("044 - Interleaved 2of5 Check Digit enable (0/1)"),
        ListTexts::tr("082 - Convert Interleaved 2of5 to EAN-13 enable (0/1)"),
        ListTexts::tr("005 - Discrete 2of5 enable (0/1)"),
        ListTexts::tr("020 - Set Length for Discrete 2of5 L1 (0...255)"),
        ListTexts::tr("021 - Set Length for Discrete 2of5 L2 (0...255)"),
        ListTexts::tr("007 - Codabar enable (0/1)"),
        ListTexts::tr("024 - Set Length for Codabar L1 (0...255)"),
        ListTexts::tr("025 - Set Length for Codabar L2 (0...255)"),
        ListTexts::tr("054 - CLSI editing enable (0/1)"),
        ListTexts::tr("055 - NOTIS editing (0/1)"),
        ListTexts::tr("011 - MSI Plessey enable (0/1)"),
        ListTexts::tr("030 - Set Length for MSI Plessey L1 (0...255)"),
        ListTexts::tr("031 - Set Length for MSI Plessey L2 (0...255)"),
        ListTexts::tr("050 - MSI Plessey Check Digits (1/2)"),
        ListTexts::tr("046 - MSI Plessey Check Digit enable (0/1)"),
        ListTexts::tr("051 - MSI Plessey Check Digit algorithm (0/1)"),
        ListTexts::tr("191 - Scan angle (100/75/60/45)"),
    };
}

} // namespace SelectionLists
