// Arbitrary bytes, cut into arbitrary chunks, through the whole receive path
// of the real window in every reply mode: the real handlers run on each line.
// Input layout and expected lines: receive_input.h. Each receive event's echo
// lays out text in the output box, the bulk of an execution's cost; the line
// cutter and the dispatch alone are fuzzed many times faster by
// fuzz_line_cutter.
//
// Checked: no crash or sanitizer report, RxBuffer stays bounded, and every
// complete non-empty line that is not over-long is handed on exactly once,
// in order.

#include "app/main_window.h"
#include "platform/fake/fake_platform.h"
#include "receive_input.h"

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
        QObject::connect(&window->device(), &Device::lineHeard, window, [this](const QString& line) { handled << line; });
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = ReceiveInput::decode(data, size);
    if (!input)
        return 0;
    World& w = world();
    Form1& f = w.window->form();

    // A fresh session on the same window.
    if (!w.fakes.port.isOpen())
        w.fakes.port.open(1);
    Device& device = w.window->device();
    device.replies().startAfresh();
    f.Ausgabe->clearAndRedraw();
    device.replies().ReplyMode = input->replyMode;
    f.ReadCont->setChecked(input->readContinuously);
    w.handled.clear();
    w.fakes.dialogs.shown.clear();
    w.fakes.port.written.clear();
    w.fakes.port.writes.clear();

    for (const QByteArray& chunk : input->chunks()) {
        w.fakes.port.deliver(chunk);
        w.fakes.clock.doEvents();
        if (!rxBufferBounded(device.replies().RxBuffer()))
            std::abort();
    }
    handleLeftoverLines(device.replies(), device.replies().RxBuffer());
    if (!w.fakes.port.isOpen())
        w.fakes.port.open(1);

    // The fakes never run Qt's event loop, so the widgets' own queued work
    // (scroll bar updates and the like) would pile up over millions of runs.
    QCoreApplication::processEvents();

    // A handler that fails loses its line; count those as handed on too.
    if (w.handled != input->expectedLines())
        std::abort();
    return 0;
}
