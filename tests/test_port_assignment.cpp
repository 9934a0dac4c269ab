// The assignment of serial devices to the window's ports, on fakes.

#include "ports/port_assignment_dialog.h"
#include "support/linux_tools.h"
#include "support/window_harness.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString adapterById = QStringLiteral("/dev/serial/by-id/usb-Maker_UART_A1B2-if00-port0");

SerialDeviceInfo usbAdapter()
{
    return {QStringLiteral("/dev/ttyUSB0"), adapterById, QStringLiteral("USB UART"), QStringLiteral("Maker"),
            QStringLiteral("A1B2"), 0x0403, 0x6001};
}

SerialDeviceInfo builtInPort()
{
    return {QStringLiteral("/dev/ttyS2"), {}, QStringLiteral("16550A"), {}, {}, {}, {}};
}

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
    return cells;
}

template <typename Widget>
Widget* part(const QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s in the dialog", name);
    return widget;
}

// What the port opens now, in full (the label shows what fits).
QString opensNow(const QDialog& dialog)
{
    return part<QLabel>(dialog, "opensNow")->accessibleName();
}

} // namespace

class PortAssignmentTest : public QObject {
    Q_OBJECT
private slots:
    void listsEveryDeviceWithWhatItIsAssignedTo()
    {
        SKIP_UNLESS_LINUX("the port mapping in section \"Ports\"");
        FakePlatform fakes;
        fakes.devices.devices = {usbAdapter(), builtInPort()};
        fakes.settings.values.insert(QStringLiteral("Ports/COM2"), adapterById);
        PortAssignmentDialog dialog(fakes.platform, 3);

        const auto* table = part<QTableWidget>(dialog, "devices");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(rowTexts(table, 0), (QStringList{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("COM2"), adapterById,
                                                  QStringLiteral("USB UART"), QStringLiteral("Maker"),
                                                  QStringLiteral("A1B2"), QStringLiteral("0403:6001")}));
        // By default COM3 opens /dev/ttyS2; no stable name, no USB ids.
        QCOMPARE(rowTexts(table, 1), (QStringList{QStringLiteral("/dev/ttyS2"), QStringLiteral("COM3"), {},
                                                  QStringLiteral("16550A"), {}, {}, {}}));
        QVERIFY(opensNow(dialog).startsWith(QStringLiteral("COM3 opens the default /dev/ttyS2")));
    }

    void assigningStoresTheStableName()
    {
        SKIP_UNLESS_LINUX("the port mapping in section \"Ports\"");
        FakePlatform fakes;
        fakes.devices.devices = {builtInPort(), usbAdapter()};
        PortAssignmentDialog dialog(fakes.platform, 3);
        dialog.show();
        auto* table = part<QTableWidget>(dialog, "devices");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 0)).center());
        QCOMPARE(part<QLineEdit>(dialog, "path")->text(), adapterById);
        QTest::mouseClick(part<QPushButton>(dialog, "assign"), Qt::LeftButton);
        QCOMPARE(fakes.settings.values.value(QStringLiteral("Ports/COM3")), adapterById);
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("COM3"));

        // Typed by its path, a listed device is stored by its stable name too.
        fakes.settings.values.clear();
        part<QLineEdit>(dialog, "path")->clear();
        QTest::keyClicks(part<QLineEdit>(dialog, "path"), QStringLiteral("/dev/ttyUSB0"));
        QTest::mouseClick(part<QPushButton>(dialog, "assign"), Qt::LeftButton);
        QCOMPARE(fakes.settings.values.value(QStringLiteral("Ports/COM3")), adapterById);
    }

    // By keyboard alone: moving in the table takes nothing, Space takes the
    // row, Tab leaves the table, Return in Path assigns what is typed there,
    // and Tab goes round every button, Close included.
    void theKeyboardChoosesAssignsAndReachesEveryButton()
    {
        FakePlatform fakes;
        fakes.devices.devices = {builtInPort(), usbAdapter()};
        PortAssignmentDialog dialog(fakes.platform, 3);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* table = part<QTableWidget>(dialog, "devices");
        auto* path = part<QLineEdit>(dialog, "path");
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Down);
        QVERIFY(path->text().isEmpty());
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(path->text(), adapterById);

        QTest::keyClick(table, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), path);
        path->clear();
        QTest::keyClicks(path, QStringLiteral("/dev/rfcomm7"));
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(fakes.settings.values.value(QStringLiteral("Ports/COM3")), QStringLiteral("/dev/rfcomm7"));
        QVERIFY(table->selectedItems().isEmpty());

        QStringList stops;
        while (stops.size() < 8 && !stops.contains(QStringLiteral("devices"))) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops, (QStringList{"browse", "assign", "useDefault", "close", "devices"}));
    }

    // Refused with the reason: what can never be a serial port. Accepted:
    // a device, and a path that may appear when the device is plugged in.
    void pathsThatCanNeverBeASerialPortAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "/dev" << "/dev is a folder, not a serial port.";
        QTest::newRow("regular file") << "FILE" << "FILE is not a device, so it cannot be a serial port.";
        QTest::newRow("/dev/null") << "/dev/null" << "/dev/null is a memory device, not a serial port.";
        QTest::newRow("terminal device") << "/dev/tty" << "";
        QTest::newRow("not plugged in") << "/dev/serial/by-id/usb-Gone-if00-port0" << "";
    }
    void pathsThatCanNeverBeASerialPortAreRefused()
    {
        SKIP_UNLESS_LINUX("device files");
        QFETCH(QString, path);
        QFETCH(QString, reason);
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ports.txt"));
        QFile(file).open(QIODevice::WriteOnly);
        path.replace(QStringLiteral("FILE"), file);
        reason.replace(QStringLiteral("FILE"), file);

        FakePlatform fakes;
        PortAssignmentDialog dialog(fakes.platform, 3);
        part<QLineEdit>(dialog, "path")->setText(path);
        QTest::mouseClick(part<QPushButton>(dialog, "assign"), Qt::LeftButton);
        QCOMPARE(fakes.dialogs.texts(), reason.isEmpty() ? QStringList() : QStringList{reason});
        QCOMPARE(fakes.settings.values.value(QStringLiteral("Ports/COM3")), reason.isEmpty() ? path : QString());
    }

    void settingsThatCannotBeSavedAreShownAndTheDialogGoesOn()
    {
        FakePlatform fakes;
        fakes.settings.refuseSaving = true;
        PortAssignmentDialog dialog(fakes.platform, 3);
        part<QLineEdit>(dialog, "path")->setText(QStringLiteral("/dev/rfcomm0"));
        QTest::mouseClick(part<QPushButton>(dialog, "assign"), Qt::LeftButton);
        QCOMPARE(fakes.dialogs.texts(), QStringList{QStringLiteral("The settings could not be saved.")});
    }

    void aLongPathNeverMakesTheDialogWiderThanTheScreen()
    {
        SKIP_UNLESS_LINUX("the port mapping in section \"Ports\"");
        FakePlatform fakes;
        const QString path = QStringLiteral("/dev/serial/by-id/") + QString(5000, u'x');
        fakes.settings.values.insert(QStringLiteral("Ports/COM3"), path);
        PortAssignmentDialog dialog(fakes.platform, 3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.frameGeometry().width() <= dialog.screen()->availableGeometry().width());
        QVERIFY(opensNow(dialog).contains(path));
    }

    void useDefaultRemovesTheEntry()
    {
        SKIP_UNLESS_LINUX("the port mapping in section \"Ports\"");
        FakePlatform fakes;
        fakes.settings.values.insert(QStringLiteral("Ports/COM3"), QStringLiteral("/dev/rfcomm0"));
        PortAssignmentDialog dialog(fakes.platform, 3);
        auto* useDefault = part<QPushButton>(dialog, "useDefault");
        QVERIFY(opensNow(dialog).startsWith(QStringLiteral("COM3 opens /dev/rfcomm0")));
        QTest::mouseClick(useDefault, Qt::LeftButton);
        QVERIFY(!fakes.settings.values.contains(QStringLiteral("Ports/COM3")));
        QVERIFY(!useDefault->isEnabled());
    }

    void devicesAppearAndVanishWhileItIsOpen()
    {
        FakePlatform fakes;
        PortAssignmentDialog dialog(fakes.platform, 1);
        dialog.show();
        const auto* table = part<QTableWidget>(dialog, "devices");
        QCOMPARE(table->rowCount(), 0);
        fakes.devices.devices = {usbAdapter()};
        QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 1, 5000);
        fakes.devices.devices.clear();
        QTRY_COMPARE_WITH_TIMEOUT(table->rowCount(), 0, 5000);
    }

    void theButtonAndTheMenuOpenItForTheChosenPortAndTheTooltipFollows()
    {
        SKIP_UNLESS_LINUX("the port mapping in section \"Ports\"");
        WindowHarness h;
        Form1& f = h.form();
        QVERIFY(f.Port->itemData(4, Qt::ToolTipRole).toString().startsWith(QStringLiteral("Opens /dev/ttyS4")));
        f.Port->setCurrentIndex(4);
        // What a screen reader hears when the arrow keys change the port.
        QCOMPARE(f.Port->view()->currentIndex().row(), 4);
        QVERIFY(f.Port->accessibleDescription().startsWith(QStringLiteral("COM5, opens /dev/ttyS4")));
        QStringList titles;
        h.fakes.dialogs.inDialog = [&titles](QDialog& dialog) {
            titles << dialog.windowTitle();
            part<QLineEdit>(dialog, "path")->setText(QStringLiteral("/dev/pts/9"));
            QTest::mouseClick(part<QPushButton>(dialog, "assign"), Qt::LeftButton);
        };
        QTest::mouseClick(f.portDevices, Qt::LeftButton);
        QCOMPARE(h.fakes.settings.values.value(QStringLiteral("Ports/COM5")), QStringLiteral("/dev/pts/9"));
        QVERIFY(f.Port->itemData(4, Qt::ToolTipRole).toString().startsWith(QStringLiteral("Opens /dev/pts/9")));
        QCOMPARE(f.Port->itemText(4), QStringLiteral("COM5"));

        f.Port->setCurrentIndex(6);
        f.Port->actions().constFirst()->trigger();
        QCOMPARE(titles, (QStringList{QStringLiteral("Device for COM5"), QStringLiteral("Device for COM7")}));
    }
};

QTEST_MAIN(PortAssignmentTest)
#include "test_port_assignment.moc"
