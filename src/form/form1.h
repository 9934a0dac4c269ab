#pragma once

#include "core/reply_dispatch.h"
#include "form/output_box.h"
#include "platform/sequential_file.h"

#include <QAction>
#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <cstdint>

// The main window as the handlers see it: every control under its own name.
// The window builds the controls; its adapters work on them through this model.
struct Form1 {
    // The window's texts are translated in its name: Form1::tr("Read ID").
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    // What the window shows of the protocol's state, read-only: the core owns it.
    Form1(const std::int16_t& replyMode, const SequentialFile& exchangeFile)
        : ReplyMode(replyMode), ExchangeFile(exchangeFile)
    {
    }
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Outside the pages.
    QComboBox* Port = nullptr;
    QPushButton* portDevices = nullptr; // beside the list: which device each port opens (none on Windows)
    QAction* assignDevice = nullptr;    // the list's context menu: the same, when the ports are assignable
    QPushButton* Connect = nullptr; // checkable: a check box drawn as a push button
    QLabel* Label14 = nullptr;
    QProgressBar* akku = nullptr;
    QLabel* Picture1 = nullptr;
    QLineEdit* Zeile = nullptr; // hidden
    QTabBar* Tabulator = nullptr;
    OutputBox* Ausgabe = nullptr;

    // The five pages.
    QFrame* FrameOnline = nullptr;
    QFrame* FrameControls = nullptr;
    QFrame* FrameConfig = nullptr;
    QFrame* FrameBarcode = nullptr;
    QFrame* FrameUebertragen = nullptr;

    // Page "Online".
    QPushButton* ReadId = nullptr;
    QPushButton* Scan = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* IDAnzeige = nullptr;
    QCheckBox* ReadCont = nullptr;
    QPushButton* ReadBlock = nullptr;
    QPushButton* WriteBlock = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* WriteData = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* BlockAdress = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* BlockEndAdress = nullptr;
    QPushButton* ReadBlockHex = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Key = nullptr;
    QPushButton* WriteBlockHex = nullptr;
    QCheckBox* KeyA = nullptr;
    QCheckBox* KeyB = nullptr;

    // Page "Control".
    QPushButton* Buzzer = nullptr;
    QPushButton* Keyboard = nullptr;
    QPushButton* CLS = nullptr;
    QPushButton* Display = nullptr;
    QComboBox* DisplayZeile = nullptr; // editable
    QLineEdit* DisplayText = nullptr;

    // Page "Configuration".
    QLabel* Label1 = nullptr;
    QLineEdit* Zeit = nullptr;
    QPushButton* SetzeZeit = nullptr;
    QLabel* Text_TagTyp = nullptr;
    QComboBox* Tagtyp = nullptr; // selection only
    QPushButton* TagSetzen = nullptr;
    QLabel* Text_Offtime = nullptr;
    QLineEdit* Offtime = nullptr;
    QLabel* Label9 = nullptr;
    QCheckBox* Check_Offtime = nullptr;
    QPushButton* OfftimeSetzen = nullptr;
    QLabel* Text_Readtimeout = nullptr;
    QLineEdit* Readtimeout = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* ReadtimeoutSetzen = nullptr;
    QLabel* Text_FdxCode = nullptr;
    QComboBox* FDXCode = nullptr; // editable
    QPushButton* FdxcodeSetzen = nullptr;
    QCheckBox* EnBeeper = nullptr;
    QPushButton* EnBeeperSetzen = nullptr;
    QLabel* Label15 = nullptr;
    QComboBox* Betriebsart = nullptr; // editable
    QPushButton* BetriebsartSetzen = nullptr;
    QLabel* Label16 = nullptr;
    QComboBox* Sprache = nullptr; // editable
    QPushButton* SpracheSetzen = nullptr;
    QGroupBox* Frame1 = nullptr; // drawn behind the menu boxes only
    QCheckBox* MENU_F1 = nullptr;
    QCheckBox* MENU_F2 = nullptr;
    QCheckBox* MENU_F3 = nullptr;
    QCheckBox* MENU_F4 = nullptr;
    QCheckBox* MENU_F5 = nullptr;
    QCheckBox* MENU_F6 = nullptr;
    QCheckBox* MENU_F7 = nullptr;
    QCheckBox* MENU_F8 = nullptr;
    QPushButton* MenuSetzen = nullptr;

    // Page "Barcode".
    QLabel* Label6 = nullptr;
    QComboBox* BCRegister = nullptr; // editable
    QLabel* Label7 = nullptr;
    QLineEdit* BCWert = nullptr;
    QPushButton* BCLesen = nullptr;
    QPushButton* BCSetzen = nullptr;

    // Page "Data exchange".
    QPushButton* LeseErfassungen = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* PfadSpeichern = nullptr;
    QPushButton* PfadSpeichernWaehlen = nullptr;
    QPushButton* LoescheErfassungen = nullptr;
    QPushButton* GeneriereDaten = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* PfadLaden = nullptr;
    QPushButton* PfadLadenWaehlen = nullptr;
    QPushButton* LoescheDaten = nullptr;
    QPushButton* LeseDaten = nullptr;
    QPushButton* Statistik = nullptr;
    QLineEdit* OutStatistik = nullptr;

    // What the next reply line means (ReplyModes), and the exchange file.
    const std::int16_t& ReplyMode;
    const SequentialFile& ExchangeFile;

    QList<QFrame*> pages() const
    {
        return {FrameOnline, FrameControls, FrameConfig, FrameBarcode, FrameUebertragen};
    }

    // The menu function keys that the device knows, F1 (value 1) to F5 (value 16).
    QList<QCheckBox*> menuKeys() const { return {MENU_F1, MENU_F2, MENU_F3, MENU_F4, MENU_F5}; }
};
