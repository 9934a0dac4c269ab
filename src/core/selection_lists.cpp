#include "core/selection_lists.h"

#include "base/port_number.h"

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
    return {QStringLiteral("0 - read only"), QStringLiteral("1 - read write"),
            QStringLiteral("2 - ro with number"), QStringLiteral("3 - HitagS rw")};
}

QStringList tagTypeItems()
{
    return {QStringLiteral("0 - All"),       QStringLiteral("1 - FDX-B"),      QStringLiteral("2 - Unique"),
            QStringLiteral("3 - Hitag1/S"),  QStringLiteral("4 - Hitag2"),     QStringLiteral("5 - Tiris"),
            QStringLiteral("6 - Q5"),        QStringLiteral("7 - Trovan"),     QStringLiteral("8 - ISO15693"),
            QStringLiteral("9 - I-Code1"),   QStringLiteral("10- ISO14443-A"), QStringLiteral("11- ISO14443-B")};
}

QStringList fdxCodeItems()
{
    return {QStringLiteral("1 - Hexadecimal"), QStringLiteral("2 - ISO animal"), QStringLiteral("3 - ISO industry"),
            QStringLiteral("4 - BDE"),         QStringLiteral("5 - ASCII"),      QStringLiteral("6 - Hex Invers"),
            QStringLiteral("7 - Decimal"),     QStringLiteral("8 - Hex bytewise invers")};
}

QStringList languageItems()
{
    return {QStringLiteral("0 - German"), QStringLiteral("1 - English"), QStringLiteral("2 - French"),
            QStringLiteral("3 - Polski")};
}

QStringList displayLineItems()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
}

QStringList tabCaptions()
{
    return {QStringLiteral("Online"), QStringLiteral("Control"), QStringLiteral("Configuration"),
            QStringLiteral("Barcode"), QStringLiteral("Data exchange")};
}

QStringList scannerRegisterItems()
{
    return {
        QStringLiteral("001 - UPC-A enable (0/1)"),
        QStringLiteral("002 - UPC-E enable (0/1)"),
        QStringLiteral("012 - UPC-E1 enable (0/1)"),
        QStringLiteral("003 - EAN-13 enable (0/1)"),
        QStringLiteral("004 - EAN-8 enable (0/1)"),
        QStringLiteral("083 - Bookland EAN enable (0/1)"),
        QStringLiteral("016 - Decode UPC/EAN supplementals (0...2)"),
        QStringLiteral("080 - Decode UPC/EAN supplemantel redundancy (2...20)"),
        QStringLiteral("040 - UPC-A check digit enable (0/1)"),
        QStringLiteral("041 - UPC-E check digit enable (0/1)"),
        QStringLiteral("042 - UPC-E1 check digit enable (0/1)"),
        QStringLiteral("034 - UPC-A Preamble (0...2)"),
        QStringLiteral("035 - UPC-E Preamble (0...2)"),
        QStringLiteral("036 - UPC-E1 Preamble (0...2)"),
        QStringLiteral("037 - Convert UPC-E to UPC-A enable (0/1)"),
        QStringLiteral("038 - Convert UPC-E1 to UPC-A enable (0/1)"),
        QStringLiteral("039 - EAN-8 zero-extend enable (0/1)"),
        QStringLiteral("224 - Convert EAN-8 to EAN-13 enable (0/1)"),
        QStringLiteral("077 - UPC/EAN security level (0...3)"),
        QStringLiteral("085 - UPC/EAN Coupon code enable (0/1)"),
        QStringLiteral("008 - USS-128 enable (0/1)"),
        QStringLiteral("014 - UCC/EAN-128 enable (0/1)"),
        QStringLiteral("084 - ISBT 128 enable (0/1)"),
        QStringLiteral("000 - Code 39 enable (0/1)"),
        QStringLiteral("013 - Trioptic Code 39 enable (0/1)"),
        QStringLiteral("086 - Convert Code 39 to Code 32 enable (0/1)"),
        QStringLiteral("231 - Code 32 prefix enable (0/1)"),
        QStringLiteral("018 - Set Length for Code 39 L1 (0...255)"),
        QStringLiteral("019 - Set Length for Code 39 L2 (0...255)"),
        QStringLiteral("048 - Code 39 Check Digit verification enable (0/1)"),
        QStringLiteral("043 - Code 39 Check Digit enable (0/1)"),
        QStringLiteral("017 - Code 39 Full ASCII conversion enable (0/1)"),
        QStringLiteral("009 - Code 93 enable (0/1)"),
        QStringLiteral("026 - Set Length for Code 93 L1 (0...255)"),
        QStringLiteral("027 - Set Length for Code 93 L2 (0...255)"),
        QStringLiteral("006 - Interleaved 2of5 enable (0/1)"),
        QStringLiteral("022 - Set Length for Interleaved 2of5 L1 (0...255)"),
        QStringLiteral("023 - Set Length for Interleaved 2of5 L2 (0...255)"),
        QStringLiteral("049 - Interleaved 2of5 Check Digit verification enable (0/1)"),
        QStringLiteral("044 - Interleaved 2of5 Check Digit enable (0/1)"),
        QStringLiteral("082 - Convert Interleaved 2of5 to EAN-13 enable (0/1)"),
        QStringLiteral("005 - Discrete 2of5 enable (0/1)"),
        QStringLiteral("020 - Set Length for Discrete 2of5 L1 (0...255)"),
        QStringLiteral("021 - Set Length for Discrete 2of5 L2 (0...255)"),
        QStringLiteral("007 - Codabar enable (0/1)"),
        QStringLiteral("024 - Set Length for Codabar L1 (0...255)"),
        QStringLiteral("025 - Set Length for Codabar L2 (0...255)"),
        QStringLiteral("054 - CLSI editing enable (0/1)"),
        QStringLiteral("055 - NOTIS editing (0/1)"),
        QStringLiteral("011 - MSI Plessey enable (0/1)"),
        QStringLiteral("030 - Set Length for MSI Plessey L1 (0...255)"),
        QStringLiteral("031 - Set Length for MSI Plessey L2 (0...255)"),
        QStringLiteral("050 - MSI Plessey Check Digits (1/2)"),
        QStringLiteral("046 - MSI Plessey Check Digit enable (0/1)"),
        QStringLiteral("051 - MSI Plessey Check Digit algorithm (0/1)"),
        QStringLiteral("191 - Scan angle (100/75/60/45)"),
    };
}

} // namespace SelectionLists
