#include "app/window_controls.h"

#include "form/form1.h"

#include <QFont>

namespace {

template <class Widget>
Widget* place(Widget* widget, const char* name, QRect rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    return place(new QPushButton(caption, parent), name, rect);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    return place(new QLabel(caption, parent), name, rect);
}

QLineEdit* textBox(QWidget* parent, const char* name, QRect rect, const QString& text = {})
{
    return place(new QLineEdit(text, parent), name, rect);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, QRect rect)
{
    return place(new QCheckBox(caption, parent), name, rect);
}

QComboBox* list(QWidget* parent, const char* name, bool editable, QRect rect)
{
    auto* combo = place(new QComboBox(parent), name, rect);
    combo->setEditable(editable);
    if (editable) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text is sent as typed: Qt's completer would turn "1" into an item.
        combo->setCompleter(nullptr);
    }
    return combo;
}

QFrame* page(QWidget* parent, const char* name, QRect rect)
{
    auto* frame = place(new QFrame(parent), name, rect);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* brace(QWidget* parent, const char* name, int points, QRect rect)
{
    auto* brace = label(parent, name, QStringLiteral("}"), rect);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(points);
    brace->setFont(font);
    brace->setAlignment(Qt::AlignCenter);
    return brace;
}

void buildOnlinePage(Form1& f)
{
    QWidget* p = f.FrameOnline;
    f.ReadId = button(p, "ReadId", Form1::tr("Read ID"), {8, 8, 105, 25});
    f.Scan = button(p, "Scan", Form1::tr("Scan barcode"), {8, 40, 105, 25});
    f.Label8 = brace(p, "Label8", 36, {116, 0, 24, 72});
    f.IDAnzeige = textBox(p, "IDAnzeige", {144, 24, 210, 21});
    f.ReadCont = checkBox(p, "ReadCont", Form1::tr("read continously"), {366, 24, 145, 21});

    f.ReadBlock = button(p, "ReadBlock", Form1::tr("Read text block"), {8, 80, 105, 25});
    f.WriteBlock = button(p, "WriteBlock", Form1::tr("Write text block"), {8, 112, 105, 25});
    f.Label5 = brace(p, "Label5", 48, {116, 70, 28, 76});
    //: The text to write into the transponder block
    f.Label4 = label(p, "Label4", Form1::tr("Content:"), {148, 84, 56, 17});
    f.WriteData = textBox(p, "WriteData", {206, 82, 305, 21});
    //: Tool tip of the field whose text is written into the block
    f.WriteData->setToolTip(Form1::tr("Daten als Text"));
    //: Block numbers: the first block read or written
    f.Label2 = label(p, "Label2", Form1::tr("from"), {148, 116, 30, 17});
    f.BlockAdress = textBox(p, "BlockAdress", {180, 114, 50, 21});
    //: Block numbers: the last block read
    f.Label3 = label(p, "Label3", Form1::tr("to"), {238, 116, 18, 17});
    f.BlockEndAdress = textBox(p, "BlockEndAdress", {258, 114, 50, 21});

    f.ReadBlockHex = button(p, "ReadBlockHex", Form1::tr("Read Hex"), {8, 150, 105, 25});
    //: The transponder's key, 12 hexadecimal digits
    f.Label13 = label(p, "Label13", Form1::tr("Key:"), {148, 154, 30, 17});
    f.Key = textBox(p, "Key", {180, 152, 130, 21}, QStringLiteral("7D2B40C95E18"));
    f.WriteBlockHex = button(p, "WriteBlockHex", Form1::tr("Write Hex"), {8, 182, 105, 25});
    //: Which of the transponder's two keys the key is
    f.KeyA = checkBox(p, "KeyA", Form1::tr("Key A"), {180, 178, 80, 18});
    f.KeyB = checkBox(p, "KeyB", Form1::tr("Key B"), {180, 198, 80, 18});
}

void buildControlPage(Form1& f)
{
    QWidget* p = f.FrameControls;
    f.Buzzer = button(p, "Buzzer", Form1::tr("Buzzer"), {8, 8, 105, 25});
    f.Keyboard = button(p, "Keyboard", Form1::tr("Keyboard"), {8, 40, 105, 25});
    f.CLS = button(p, "CLS", Form1::tr("Clear Display"), {8, 72, 105, 25});
    f.Display = button(p, "Display", Form1::tr("Show text"), {8, 104, 105, 25});
    f.DisplayZeile = list(p, "DisplayZeile", true, {120, 106, 48, 21});
    f.DisplayText = textBox(p, "DisplayText", {176, 106, 335, 21});
}

void buildConfigPage(Form1& f)
{
    QWidget* p = f.FrameConfig;
    auto row = [](int n) { return 6 + (n - 1) * 30; };
    const int labelX = 8, inputX = 112, buttonX = 252;
    auto setButton = [&](const char* name, const QString& caption, int n) {
        return button(p, name, caption, {buttonX, row(n) - 2, 132, 25});
    };

    f.Label1 = label(p, "Label1", Form1::tr("PC-Time:"), {labelX, row(1) + 2, 100, 17});
    f.Zeit = textBox(p, "Zeit", {inputX, row(1), 132, 21});
    f.SetzeZeit = setButton("SetzeZeit", Form1::tr("Set time"), 1);

    f.Text_TagTyp = label(p, "Text_TagTyp", Form1::tr("Transponder:"), {labelX, row(2) + 2, 100, 17});
    f.Tagtyp = list(p, "Tagtyp", false, {inputX, row(2), 132, 21});
    f.TagSetzen = setButton("TagSetzen", Form1::tr("Set tag type"), 2);

    f.Text_Offtime = label(p, "Text_Offtime", Form1::tr("Switch off time:"), {labelX, row(3) + 2, 100, 17});
    f.Offtime = textBox(p, "Offtime", {inputX, row(3), 52, 21});
    //: Unit after the switch-off time: seconds
    f.Label9 = label(p, "Label9", Form1::tr("s"), {inputX + 55, row(3) + 2, 10, 17});
    //: Check box: the device never switches itself off
    f.Check_Offtime = checkBox(p, "Check_Offtime", Form1::tr("off"), {inputX + 72, row(3), 60, 21});
    f.OfftimeSetzen = setButton("OfftimeSetzen", Form1::tr("Set switch off time"), 3);

    f.Text_Readtimeout = label(p, "Text_Readtimeout", Form1::tr("read timeout:"), {labelX, row(4) + 2, 100, 17});
    f.Readtimeout = textBox(p, "Readtimeout", {inputX, row(4), 52, 21});
    //: Unit after the read time-out: steps of 50 milliseconds
    f.Label12 = label(p, "Label12", Form1::tr("x 50ms"), {inputX + 55, row(4) + 2, 60, 17});
    f.ReadtimeoutSetzen = setButton("ReadtimeoutSetzen", Form1::tr("Set timeout"), 4);

    f.Text_FdxCode = label(p, "Text_FdxCode", Form1::tr("FDX Code:"), {labelX, row(5) + 2, 100, 17});
    f.FDXCode = list(p, "FDXCode", true, {inputX, row(5), 132, 21});
    f.FdxcodeSetzen = setButton("FdxcodeSetzen", Form1::tr("Set FDX code"), 5);

    //: Check box; keep the space at the end
    f.EnBeeper = checkBox(p, "EnBeeper", Form1::tr("Enable buzzer "), {labelX, row(6), 236, 21});
    f.EnBeeperSetzen = setButton("EnBeeperSetzen", Form1::tr("Set enable buzzer"), 6);

    f.Label15 = label(p, "Label15", Form1::tr("Mode:"), {labelX, row(7) + 2, 100, 17});
    f.Betriebsart = list(p, "Betriebsart", true, {inputX, row(7), 132, 21});
    f.BetriebsartSetzen = setButton("BetriebsartSetzen", Form1::tr("Set mode"), 7);

    f.Label16 = label(p, "Label16", Form1::tr("Language:"), {labelX, row(8) + 2, 100, 17});
    f.Sprache = list(p, "Sprache", true, {inputX, row(8), 132, 21});
    f.SpracheSetzen = setButton("SpracheSetzen", Form1::tr("Set language"), 8);

    // The frame is only drawn behind the menu boxes, which belong to the page.
    //: Frame around the function keys the device's menu offers
    f.Frame1 = place(new QGroupBox(Form1::tr("Menu config"), p), "Frame1", {392, 2, 124, 250});
    QCheckBox** menu[] = {&f.MENU_F1, &f.MENU_F2, &f.MENU_F3, &f.MENU_F4,
                          &f.MENU_F5, &f.MENU_F6, &f.MENU_F7, &f.MENU_F8};
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "MENU_F" + QByteArray::number(i + 1);
        //: %1 is the number of the function key (F1 to F8)
        *menu[i] = checkBox(p, name.constData(), Form1::tr("F%1 function").arg(i + 1),
                            {402, 20 + i * 22, 108, 20});
    }
    f.MENU_F6->setEnabled(false);
    f.MENU_F7->setEnabled(false);
    f.MENU_F8->setEnabled(false);
    f.MenuSetzen = button(p, "MenuSetzen", Form1::tr("Set menu"), {402, 200 + 18, 108, 25});
}

void buildBarcodePage(Form1& f)
{
    QWidget* p = f.FrameBarcode;
    //: A register of the barcode scanner engine
    f.Label6 = label(p, "Label6", Form1::tr("Register:"), {8, 10, 60, 17});
    f.BCRegister = list(p, "BCRegister", true, {72, 8, 440, 21});
    f.Label7 = label(p, "Label7", Form1::tr("Value:"), {8, 42, 60, 17});
    f.BCWert = textBox(p, "BCWert", {72, 40, 100, 21});
    //: Reads the scanner register
    f.BCLesen = button(p, "BCLesen", Form1::tr("Read"), {72, 72, 100, 25});
    //: Writes the scanner register
    f.BCSetzen = button(p, "BCSetzen", Form1::tr("Write"), {72, 104, 100, 25});
}

void buildExchangePage(Form1& f)
{
    QWidget* p = f.FrameUebertragen;
    auto row = [](int n) { return 8 + (n - 1) * 34; };
    auto action = [&](const char* name, const QString& caption, int n) {
        return button(p, name, caption, {8, row(n), 150, 25});
    };
    f.LeseErfassungen = action("LeseErfassungen", Form1::tr("Read out records"), 1);
    //: The records file the read-out writes
    f.Label10 = label(p, "Label10", Form1::tr("save in:"), {166, row(1) + 4, 66, 17});
    f.PfadSpeichern = textBox(p, "PfadSpeichern", {234, row(1) + 2, 246, 21});
    f.PfadSpeichernWaehlen = button(p, "PfadSpeichernWaehlen", QStringLiteral("..."), {484, row(1) + 1, 27, 23});
    f.LoescheErfassungen = action("LoescheErfassungen", Form1::tr("Erase records"), 2);
    f.GeneriereDaten = action("GeneriereDaten", Form1::tr("Load custom codes"), 3);
    //: The custom-code file the load reads
    f.Label11 = label(p, "Label11", Form1::tr("read from:"), {166, row(3) + 4, 66, 17});
    f.PfadLaden = textBox(p, "PfadLaden", {234, row(3) + 2, 246, 21});
    f.PfadLadenWaehlen = button(p, "PfadLadenWaehlen", QStringLiteral("..."), {484, row(3) + 1, 27, 23});
    f.LoescheDaten = action("LoescheDaten", Form1::tr("Erase custom codes"), 4);
    f.LeseDaten = action("LeseDaten", Form1::tr("Read out custom codes"), 5);
    //: Asks the device how many custom codes and records it holds
    f.Statistik = action("Statistik", Form1::tr("Statistic"), 6);
    f.OutStatistik = textBox(p, "OutStatistik", {168, row(6) + 2, 343, 21});
}

} // namespace

void buildWindowControls(QWidget* window, Form1& f)
{
    // Top row.
#ifdef Q_OS_WIN
    // COMn always opens \\.\COMn: there is no device to choose for a port.
    f.Port = list(window, "Port", false, {8, 9, 95, 22});
#else
    // The list keeps room for "COM16"; the button beside it takes the rest of
    // its old width and the left of Connect, whose right edge stays put.
    f.Port = list(window, "Port", false, {8, 9, 73, 22});
    f.portDevices = button(window, "portDevices", QStringLiteral("..."), {83, 9, 20, 22});
    //: Button beside the port list
    f.portDevices->setAccessibleName(Form1::tr("Port devices"));
    f.portDevices->setToolTip(Form1::tr("Choose the device that the selected port opens"));
#endif
    f.Connect = button(window, "Connect", Form1::tr("Connect"), {105, 7, 81, 26});
    f.Connect->setCheckable(true);
    //: Caption of the battery bar
    f.Label14 = label(window, "Label14", Form1::tr("Power:"), {196, 12, 42, 17});
    f.akku = place(new QProgressBar(window), "akku", {240, 12, 78, 17});
    f.akku->setRange(0, 100);
    f.akku->setValue(0);
    f.akku->setTextVisible(false);
    f.Picture1 = label(window, "Picture1", QString(), {323, 2, 200, 36});
    f.Zeile = textBox(window, "Zeile", {323, 2, 10, 21});
    f.Zeile->hide();

    // Tab strip, the stacked pages inside it and the output box below them.
    f.Tabulator = place(new QTabBar(window), "Tabulator", {4, 44, 521, 26});
    f.Tabulator->setExpanding(false);
    const QRect pageRect(6, 72, 517, 262);
    f.FrameOnline = page(window, "FrameOnline", pageRect);
    f.FrameControls = page(window, "FrameControls", pageRect);
    f.FrameConfig = page(window, "FrameConfig", pageRect);
    f.FrameBarcode = page(window, "FrameBarcode", pageRect);
    f.FrameUebertragen = page(window, "FrameUebertragen", pageRect);

    f.Ausgabe = place(new OutputBox(window), "Ausgabe", {6, 338, 517, 131});
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(9.75);
    f.Ausgabe->setFont(courier);

    buildOnlinePage(f);
    buildControlPage(f);
    buildConfigPage(f);
    buildBarcodePage(f);
    buildExchangePage(f);

    f.DisplayZeile->setEditText(QStringLiteral("1"));
    f.FrameOnline->raise();
}
