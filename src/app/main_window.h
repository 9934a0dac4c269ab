#pragma once

#include "barcode/scanner_registers.h"
#include "config/config_commands.h"
#include "config/reported_settings.h"
#include "core/device_connection.h"
#include "exchange/custom_codes.h"
#include "exchange/file_paths.h"
#include "exchange/record_readout.h"
#include "exchange/statistics.h"
#include "form/form1.h"
#include "link/connection.h"
#include "link/device_link.h"
#include "online/block_access.h"
#include "online/device_controls.h"
#include "online/identification.h"
#include "ports/port_assignment.h"

#include <QWidget>
#include <memory>

struct Platform;

// The one window of the tool, "Tagorix Tool V1.32 Quenfo". It builds every
// control, composes the pages' handling and runs start-up, page switching
// and shut-down.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return f; }
    Device& device() { return core.device(); }
    DeviceConnection& deviceConnection() { return core; }
    DeviceLink& link() { return deviceLink; }
    Connection& connectionHandling() { return *connection; }

    void Form_Load();
    void Tabulator_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void composePages();
    void bringToFront(QFrame* page);
    // The output box's "Save As": its shown text into a file of the user's choice.
    void saveOutput();

    Platform& platform;
    // The protocol below the window; the window's features are its adapters.
    DeviceConnection core;
    Form1 f;
    DeviceLink deviceLink;
    bool unloaded = false;
    // The pages' handling, each wired to its controls and reply mode by its
    // constructor (taking the DeviceLink).
    std::unique_ptr<Connection> connection;
    std::unique_ptr<ConfigCommands> configCommands;
    std::unique_ptr<ReportedSettings> reportedSettings;
    std::unique_ptr<Identification> identification;
    std::unique_ptr<BlockAccess> blockAccess;
    std::unique_ptr<DeviceControls> deviceControls;
    std::unique_ptr<ScannerRegisters> scannerRegisters;
    std::unique_ptr<FilePaths> filePaths;
    std::unique_ptr<Statistics> statistics;
    std::unique_ptr<RecordReadout> recordReadout;
    std::unique_ptr<CustomCodes> customCodes;
    std::unique_ptr<PortAssignment> portAssignment;
};
