#include "app/main_window.h"

#include "core/selection_lists.h"
#include "app/window_access.h"
#include "app/window_controls.h"
#include "app/window_scaling.h"
#include "base/failure.h"
#include "base/number_text.h"
#include "form/controls.h"
#include "platform/failure_report.h"
#include "platform/platform.h"
#include "platform/port_names.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>

namespace {
const QString configSection = chosenPortSection;
const QString savePathKey = QStringLiteral("SavePath");
const QString loadPathKey = QStringLiteral("LoadPath");

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QWidget(parent), platform(platform),
      core(platform.port, platform.clock, HandshakeRetry::reopening(), showingIn(platform.dialogs)),
      f(core.device().replies().ReplyMode, core.device().data().file()), deviceLink(f, platform, core)
{
    buildControls();
    composePages();
    Form_Load();
    deviceLink.pages().update();
    widenListPopups(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    // The pictures live in this static library; make sure they are linked in.
    Q_INIT_RESOURCE(app);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tagorix Tool V1.32 Quenfo"));
    const FontScale scale = FontScale::of(font());
    setFixedSize(scale.size({529, 473}));
    // Both pictures come with a double-size variant for high-density screens.
    setWindowIcon(QIcon(QStringLiteral(":/tagorix/icon.png")));
    buildWindowControls(this, f);
    nameControls(f);
    makeKeyboardFriendly(this, f);
    chainTabOrder(this, f);
    const QList<QFrame*> pages = f.pages();
    scaleToFont(this, QList<QWidget*>(pages.begin(), pages.end()), scale);
    makeRoomForCaptions(this, QList<QWidget*>(pages.begin(), pages.end()));
    // The logo fills its place, enlarged with the font, in as many pixels as
    // the screen shows there.
    const QSize logoSize(200, 36);
    const qreal logoZoom = qreal(f.Picture1->width()) / logoSize.width();
    f.Picture1->setScaledContents(true);
    f.Picture1->setPixmap(
        QIcon(QStringLiteral(":/tagorix/logo.png")).pixmap(logoSize, devicePixelRatioF() * logoZoom));
    deviceLink.pages().update();
    deviceLink.on(f.Port, &QComboBox::currentIndexChanged, [this] { deviceLink.pages().update(); });
    bringToFront(f.FrameOnline);
    deviceLink.on(f.Tabulator, &QTabBar::currentChanged, [this] { Tabulator_Click(); });
    addPageSwitchKeys(this, f);
    deviceLink.on(f.Ausgabe, &OutputBox::saveAsRequested, [this] { saveOutput(); });
}

void MainWindow::saveOutput()
{
    try {
        const QString path =
            platform.dialogs.chooseFileToSave(tr("Save As"),
                                              tr("Text files (*.txt)") + QStringLiteral("|*.txt|")
                                                  + tr("All files") + QStringLiteral("|*.*"),
                                              Replacing::AfterAsking);
        SequentialFile::writeWhole(path, f.Ausgabe->shownBytes());
    } catch (const Failure& failure) {
        if (failure.number != FailureNumber::DialogCancelled)
            platform.dialogs.message(failure.description, MessageIcon::Critical);
    }
}

void MainWindow::composePages()
{
    connection = std::make_unique<Connection>(deviceLink);
    configCommands = std::make_unique<ConfigCommands>(deviceLink);
    reportedSettings = std::make_unique<ReportedSettings>(deviceLink);
    identification = std::make_unique<Identification>(deviceLink);
    blockAccess = std::make_unique<BlockAccess>(deviceLink);
    deviceControls = std::make_unique<DeviceControls>(deviceLink);
    scannerRegisters = std::make_unique<ScannerRegisters>(deviceLink);
    filePaths = std::make_unique<FilePaths>(deviceLink);
    statistics = std::make_unique<Statistics>(deviceLink);
    recordReadout = std::make_unique<RecordReadout>(deviceLink);
    customCodes = std::make_unique<CustomCodes>(deviceLink);
#ifndef Q_OS_WIN // where COMn always opens \\.\COMn, there is nothing to assign
    portAssignment = std::make_unique<PortAssignment>(f, platform);
    connection->setMissingDeviceBox([this](int portNumber, const QString& text) {
        portAssignment->offerAfterMissingDevice(portNumber, text);
    });
#endif
}

void MainWindow::Form_Load()
{
    f.Port->addItems(SelectionLists::portItems());
    f.Betriebsart->addItems(SelectionLists::modeItems());
    f.Tagtyp->addItems(SelectionLists::tagTypeItems());
    f.FDXCode->addItems(SelectionLists::fdxCodeItems());
    f.Sprache->addItems(SelectionLists::languageItems());
    f.DisplayZeile->addItems(SelectionLists::displayLineItems());
    for (QComboBox* list : {f.Betriebsart, f.Tagtyp, f.FDXCode, f.Sprache})
        setListIndex(list, -1);
    f.DisplayZeile->setCurrentIndex(-1);
    f.DisplayZeile->setEditText(QStringLiteral("1"));

    const QStringList captions = SelectionLists::tabCaptions();
    {
        const QSignalBlocker quiet(f.Tabulator);
        for (const QString& caption : captions)
            f.Tabulator->addTab(caption);
        f.Tabulator->setCurrentIndex(0);
    }

    f.BCRegister->addItems(SelectionLists::scannerRegisterItems());
    setListIndex(f.BCRegister, -1);

    setListIndex(f.Port, chosenPortPosition(platform.settings));
    f.PfadSpeichern->setText(platform.settings.get(configSection, savePathKey, QString()));
    f.PfadLaden->setText(platform.settings.get(configSection, loadPathKey, QString()));
}

void MainWindow::Tabulator_Click()
{
    const int position = f.Tabulator->currentIndex() + 1;
    const QList<QFrame*> pages = f.pages();
    if (position >= 1 && position <= pages.size())
        bringToFront(pages.at(position - 1));
}

void MainWindow::bringToFront(QFrame* page)
{
    // The pages behind are hidden as well, so that neither Tab nor a screen
    // reader reaches their controls.
    page->show();
    page->raise();
    for (QFrame* other : f.pages()) {
        if (other != page)
            other->hide();
    }
}

void MainWindow::Form_Unload()
{
    if (unloaded)
        return;
    unloaded = true;

    if (platform.port.isOpen()) {
        // The device is told goodbye; a port that fails here must not keep
        // the settings from being saved.
        try {
            core.end();
        } catch (const Failure&) {
        }
    }
    core.device().data().closeFile();
    try {
        platform.settings.save(configSection, chosenPortKey, signPosition(f.Port->currentIndex()));
        platform.settings.save(configSection, savePathKey, f.PfadSpeichern->text());
        platform.settings.save(configSection, loadPathKey, f.PfadLaden->text());
    } catch (const Failure& failure) {
        // Told twice: the box may never be seen when the session itself is ending.
        qWarning("%s", qUtf8Printable(failure.description));
        platform.dialogs.message(failure.description, MessageIcon::Exclamation);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    runGuarded(showingIn(platform.dialogs), [this] { Form_Unload(); });
    event->accept();
}
