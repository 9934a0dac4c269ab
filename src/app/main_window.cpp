#include "app/main_window.h"

#include "platform/platform.h"

#include <QCloseEvent>

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QWidget(parent), platform(platform), deviceLink(f, platform)
{
    buildControls();
    composePages();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    // Built in full by the window layout.
    f.Ausgabe = new OutputBox(this);
    f.Zeile = new QLineEdit(this);
    f.Zeile->hide();
}

void MainWindow::composePages()
{
}

void MainWindow::Form_Load()
{
    f.ReplyMode = ReplyModes::EchoOnly;
}

void MainWindow::Tabulator_Click()
{
}

void MainWindow::Form_Unload()
{
    if (unloaded)
        return;
    unloaded = true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
