#pragma once

#include "form/output_box.h"
#include "platform/sequential_file.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <cstdint>

// The main window as the handlers see it: every control under its own name,
// the window's variables and the exchange file handle. The window builds the
// controls; everything else works on them through this model.
struct Form1 {
    // Outside the pages.
    QComboBox* Port = nullptr;
    QPushButton* portDevices = nullptr; // beside the list: which device each port opens
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

    // The window's variables.
    QByteArray RxBuffer;               // received, not yet cut into lines
    std::int16_t ReplyMode = 0;        // what the next reply line means (ReplyModes)
    std::int16_t AckFlag = 0;          // 0 none yet, 1 parsed/"Ok", -1 "Error", -2 "Memory full"
    // Counts wide enough that no device's store overflows them.
    std::int64_t CustomCodeCount = 0;
    std::int64_t RecordCount = 0;
    std::int64_t RecordsLeft = 0;
    std::int16_t ConnectCountdown = 0; // timer ticks left for the answer to "ONLINE"
    bool IgnoreConnectClick = false;   // the next Connect click is the program's own release

    // The exchange file handle, shared by the record read-out and the custom-code load.
    SequentialFile ExchangeFile;

    QList<QFrame*> pages() const
    {
        return {FrameOnline, FrameControls, FrameConfig, FrameBarcode, FrameUebertragen};
    }

    // The menu function keys that the device knows, F1 (value 1) to F5 (value 16).
    QList<QCheckBox*> menuKeys() const { return {MENU_F1, MENU_F2, MENU_F3, MENU_F4, MENU_F5}; }
};

// Values of ReplyMode.
namespace ReplyModes {
constexpr std::int16_t EchoOnly = 0;
constexpr std::int16_t Identifier = 1;
constexpr std::int16_t RegisterValue = 2;
constexpr std::int16_t RecordLine = 3;
constexpr std::int16_t HandshakeAndReadBack = 4;
constexpr std::int16_t Statistics = 5;
constexpr std::int16_t Acknowledgement = 6;
} // namespace ReplyModes
