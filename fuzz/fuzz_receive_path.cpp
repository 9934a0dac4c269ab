// Arbitrary bytes, cut into arbitrary chunks, through the whole receive path
// of the real window in every reply mode.
//
// Input layout: byte 0 picks the reply mode, byte 1 seeds the chunk sizes
// (1 to 256 bytes, as a receive event may well bring), the rest is what the
// device sends. Each chunk is one receive event, and each event's echo lays out
// text in the output box, the bulk of an execution's cost: chunks of up to 256
// rather than 64 bytes run several times as many executions in the same time,
// and still cut the stream at every position over a run.
//
// Checked: no crash or sanitizer report, RxBuffer stays bounded, and every
// complete non-empty line that is not over-long is handed on exactly once,
// in order.

#include "app/main_window.h"
#include "platform/fake/fake_platform.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

namespace {

struct World {
    FakePlatform fakes;
    MainWindow* window = nullptr;
    QStringList handled;

    World()
    {
        window = new MainWindow(fakes.platform);
        window->link().replies().setLineObserver([this](const QString& line) { handled << line; });
    }
};

World& world()
{
    static int argc = 1;
    static char name[] = "fuzz_receive_path";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
    static World* w = new World;
    return *w;
}

QStringList expectedLines(const QByteArray& stream)
{
    QStringList lines;
    qsizetype from = 0;
    while (true) {
        const qsizetype end = stream.indexOf("\r\n", from);
        if (end < 0)
            break;
        const qsizetype length = end - from;
        if (length > 0 && length <= ReplyDispatch::MaxLineLength)
            lines << QString::fromLatin1(stream.mid(from, length));
        from = end + 2;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    World& w = world();
    Form1& f = w.window->form();

    // A fresh session on the same window.
    if (!w.fakes.port.isOpen())
        w.fakes.port.open(1);
    f.RxBuffer.clear();
    f.Ausgabe->clearAndRedraw();
    f.ReplyMode = static_cast<std::int16_t>(data[0] % 7);
    f.RecordsLeft = static_cast<std::int16_t>(data[0] / 7);
    f.ReadCont->setChecked(data[0] & 0x80);
    w.handled.clear();
    w.fakes.dialogs.shown.clear();
    w.fakes.port.written.clear();
    w.fakes.port.writes.clear();

    const QByteArray stream(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    unsigned seed = data[1];
    qsizetype at = 0;
    while (at < stream.size()) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype chunk = 1 + (seed >> 16) % 256;
        w.fakes.port.deliver(stream.mid(at, chunk));
        w.fakes.clock.doEvents();
        at += chunk;
        if (f.RxBuffer.size() > ReplyDispatch::MaxLineLength + 2)
            std::abort();
    }
    // Lines left behind by a failure are handled at the next receive event.
    for (int i = 0; i < 64 && f.RxBuffer.contains("\r\n"); ++i)
        w.window->link().replies().MSComm1_OnComm();
    if (!w.fakes.port.isOpen())
        w.fakes.port.open(1);

    // The fakes never run Qt's event loop, so the widgets' own queued work
    // (scroll bar updates and the like) would pile up over millions of runs.
    QCoreApplication::processEvents();

    // A handler that fails loses its line; count those as handed on too.
    if (w.handled != expectedLines(stream))
        std::abort();
    return 0;
}
