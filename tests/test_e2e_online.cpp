// The Online, Control and Barcode pages end to end: the real window on the
// real serial layer, connected with its Connect toggle to the simulated
// device on a pseudo-terminal, paced like a 38400 baud line.

#include "test_online_pages.h"

#include "form/controls.h"
#include "support/linux_tools.h"
#include "support/sim_session.h"

#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

namespace {

constexpr int replyTimeoutMs = 10'000;

// The real window, connected to the simulated device like a user does it.
struct ConnectedTool {
    SimSession device{DeviceOptions{.baudRate = 38400}};
    RealPlatform real;
    MainWindow window{real.platform};

    Form1& form() { return window.form(); }

    bool connect()
    {
        setListIndex(form().Port, device.portNumber() - 1);
        QTest::mouseClick(form().Connect, Qt::LeftButton);
        // Connected once the read-back's last reply has ended its reply mode.
        return QTest::qWaitFor(
            [this] {
                return form().Connect->text() == QStringLiteral("Connected")
                    && form().ReplyMode == ReplyModes::EchoOnly;
            },
            replyTimeoutMs);
    }

    void click(QAbstractButton* button) { clickOnItsPage(form(), button); }

    // Clicks the button and returns the first reply line, or "no reply".
    QString exchange(QAbstractButton* button)
    {
        form().Zeile->clear();
        click(button);
        if (!QTest::qWaitFor([this] { return !form().Zeile->text().isEmpty(); }, replyTimeoutMs))
            return QStringLiteral("no reply");
        return form().Zeile->text();
    }

    int timesReceived(const QByteArray& line) { return int(device.state().commandsReceived.count(line)); }
};

// The device's hexadecimal form of a 16-byte block holding the text.
QString blockHex(const QByteArray& text)
{
    return QString::fromLatin1((text + QByteArray(16 - text.size(), '\0')).toHex().toUpper());
}

} // namespace

class OnlineEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    // Every case talks to the simulated device on a pseudo-terminal.
    void initTestCase() { SKIP_UNLESS_LINUX("a pseudo-terminal"); }
    void continuousReadingShowsFreshIdentifiersUntilUnchecked();
    void aBlockWrittenAsTextOrAsHexReadsBackTheSame();
    void theDisplayShowsTheTextAndTheOtherControlsReachTheDevice();
    void aRegisterWriteThenReadShowsTheNewValue();
};

void OnlineEndToEndTest::continuousReadingShowsFreshIdentifiersUntilUnchecked()
{
    ConnectedTool tool;
    QVERIFY(tool.connect());
    Form1& f = tool.form();
    QStringList shown;
    QList<qint64> shownAtMs;
    QElapsedTimer clock;
    clock.start();
    connect(f.IDAnzeige, &QLineEdit::textChanged, [&](const QString& id) {
        shown << id;
        shownAtMs << clock.elapsed();
    });

    tool.click(f.ReadCont);
    tool.click(f.ReadId);
    // Waits measure real time (QTRY_* counts its steps, which the 500 ms
    // pauses stretch).
    QVERIFY(QTest::qWaitFor([&] { return shown.size() >= 10; }, 30'000));
    tool.click(f.ReadCont);
    QCOMPARE(checkValue(f.ReadCont), 0);

    // The request outstanding when the box was unchecked is still answered
    // and shown; then nothing more is asked.
    QVERIFY(QTest::qWaitFor([&] { return f.ReplyMode == ReplyModes::EchoOnly; }, replyTimeoutMs));
    const int requests = tool.timesReceived("READID");
    const qsizetype shownWhenStopped = shown.size();
    QTest::qWait(2000);
    QCOMPARE(tool.timesReceived("READID"), requests);
    QCOMPARE(shown.size(), shownWhenStopped);
    QCOMPARE(shown.size(), requests);
    QCOMPARE(f.IDAnzeige->text(), shown.constLast());

    QCOMPARE(QSet<QString>(shown.cbegin(), shown.cend()).size(), shown.size());
    // FDX-B in the ISO animal form, the device's default.
    const QRegularExpression isoAnimal(QStringLiteral("^\\d{3} \\d{12}$"));
    for (const QString& id : shown)
        QVERIFY2(isoAnimal.match(id).hasMatch(), qPrintable(id));
    for (int i = 1; i < shownAtMs.size(); ++i)
        QVERIFY2(shownAtMs.at(i) - shownAtMs.at(i - 1) >= 500,
                 qPrintable(QStringLiteral("%1 ms between two identifiers").arg(shownAtMs.at(i) - shownAtMs.at(i - 1))));
    qInfo("%d identifiers in %lld ms", int(shown.size()), shownAtMs.constLast() - shownAtMs.constFirst());
}

void OnlineEndToEndTest::aBlockWrittenAsTextOrAsHexReadsBackTheSame()
{
    ConnectedTool tool;
    QVERIFY(tool.connect());
    Form1& f = tool.form();

    f.BlockAdress->setText(QStringLiteral("4"));
    f.WriteData->setText(QStringLiteral("Tagorix"));
    QCOMPARE(tool.exchange(f.WriteBlock), QStringLiteral("Ok"));
    QCOMPARE(tool.exchange(f.ReadBlock), QStringLiteral("4:Tagorix"));
    tool.click(f.KeyA); // with the default key text
    QCOMPARE(tool.exchange(f.ReadBlockHex), QStringLiteral("4:") + blockHex("Tagorix"));

    f.BlockAdress->setText(QStringLiteral("5"));
    f.WriteData->setText(QString::fromLatin1(QByteArray("Hello, world").toHex()));
    tool.click(f.KeyB);
    QCOMPARE(tool.exchange(f.WriteBlockHex), QStringLiteral("Ok"));
    QCOMPARE(tool.exchange(f.ReadBlockHex), QStringLiteral("5:") + blockHex("Hello, world"));
    QCOMPARE(tool.exchange(f.ReadBlock), QStringLiteral("5:Hello, world"));

    const DeviceState state = tool.device.state();
    QCOMPARE(state.commandsReceived.mid(state.commandsReceived.size() - 6),
             (QList<QByteArray>{"WRITE 4 \"Tagorix\"", "READ 4", "BINREAD 4 A 7D2B40C95E18",
                                "BINWRITE 5 48656c6c6f2c20776f726c64 B 7D2B40C95E18",
                                "BINREAD 5 B 7D2B40C95E18", "READ 5"}));
}

void OnlineEndToEndTest::theDisplayShowsTheTextAndTheOtherControlsReachTheDevice()
{
    ConnectedTool tool;
    QVERIFY(tool.connect());
    Form1& f = tool.form();

    f.DisplayZeile->setCurrentIndex(1);
    f.DisplayText->setText(QStringLiteral("Hello World"));
    QCOMPARE(tool.exchange(f.Display), QStringLiteral("Ok"));
    f.DisplayZeile->setCurrentIndex(2);
    f.DisplayText->setText(QStringLiteral("pasted\r\nbreak"));
    QCOMPARE(tool.exchange(f.Display), QStringLiteral("Ok"));
    DeviceState state = tool.device.state();
    QCOMPARE(state.display.at(1), QByteArray("Hello World"));
    QCOMPARE(state.display.at(2), QByteArray("pasted break"));
    QCOMPARE(state.commandsReceived.constLast(), QByteArray("DISPLAY 3 \"pasted break\""));

    QCOMPARE(tool.exchange(f.Buzzer), QStringLiteral("Ok"));
    QCOMPARE(tool.exchange(f.Keyboard), QStringLiteral("Ok"));
    QCOMPARE(tool.exchange(f.CLS), QStringLiteral("Ok"));
    state = tool.device.state();
    QCOMPARE(state.beeps, 1);
    QCOMPARE(state.keyboardCalls, 1);
    QCOMPARE(state.display.at(1), QByteArray());
    QCOMPARE(f.Ausgabe->toPlainText(), QStringLiteral("Ok\n"));
}

void OnlineEndToEndTest::aRegisterWriteThenReadShowsTheNewValue()
{
    ConnectedTool tool;
    QVERIFY(tool.connect());
    Form1& f = tool.form();
    setListIndex(f.BCRegister, f.BCRegister->findText(QStringLiteral("191 - Scan angle (100/75/60/45)")));

    QCOMPARE(tool.exchange(f.BCLesen), QStringLiteral("191:100"));
    QCOMPARE(f.BCWert->text(), QStringLiteral("100"));

    f.BCWert->setText(QStringLiteral("45"));
    QCOMPARE(tool.exchange(f.BCSetzen), QStringLiteral("Ok"));
    QCOMPARE(f.BCWert->text(), QStringLiteral("45")); // a write's answer is only echoed
    f.BCWert->clear();
    QCOMPARE(tool.exchange(f.BCLesen), QStringLiteral("191:45"));
    QCOMPARE(f.BCWert->text(), QStringLiteral("45"));
    QCOMPARE(f.ReplyMode, ReplyModes::EchoOnly);
}

QTEST_MAIN(OnlineEndToEndTest)
#include "test_e2e_online.moc"
