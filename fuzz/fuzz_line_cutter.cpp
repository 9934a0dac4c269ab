// The line cutter and the dispatch alone, on the same inputs as
// fuzz_receive_path but without the window and its text layout, several times
// as many executions a second: the core's dispatch holds the receive buffer
// and the reply mode, the display records what it is given, and a stand-in handler
// per reply mode records each line. The line's first character makes the
// stand-in behave as real handlers may: '!' fails (a trapped failure), '?'
// takes the next receive event while the line is being handled (as under a
// modal box), a digit switches the reply mode for the lines after it.
//
// Checked: no crash or sanitizer report, RxBuffer stays bounded, every byte is
// echoed once, in order, and every complete non-empty line that is not
// over-long is shown and handed on exactly once, in order, to the handler of
// the reply mode in force.

#include "base/failure.h"
#include "core/reply_dispatch.h"
#include "platform/failure_report.h"
#include "platform/fake/fake_platform.h"
#include "fuzz_support.h"
#include "receive_input.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

using HandledLine = std::pair<std::int16_t, QString>;

struct World {
    FakePlatform fakes;
    ReplyDispatch replies{fakes.port, [this](const Failure& failure) { showFailure(fakes.dialogs, failure); }};
    QString echoed;
    QStringList shownLines;
    QList<HandledLine> handled;
    QList<QByteArray> pendingChunks;
    int nesting = 0;

    World()
    {
        replies.setDisplay([this](const QString& text) { echoed += text; },
                           [this](const QString& line) { shownLines << line; });
        fakes.port.open(1);
        fakes.port.setReceiveHandler([this] { replies.MSComm1_OnComm(); });
        for (std::int16_t mode = 0; mode < 7; ++mode)
            replies.registerHandler(mode, [this, mode](const QString& line) { standIn(mode, line); });
    }

    void receiveNext()
    {
        fakes.port.deliver(pendingChunks.takeFirst());
        fakes.clock.doEvents();
        if (!rxBufferBounded(replies.RxBuffer()))
            std::abort();
    }

    void standIn(std::int16_t mode, const QString& line)
    {
        handled << HandledLine{mode, line};
        const QChar first = line.front();
        if (first == u'!')
            throw Failure(FailureNumber::DeviceIoError, QStringLiteral("stand-in failure"));
        if (first == u'?' && nesting < 8 && !pendingChunks.isEmpty()) {
            ++nesting;
            receiveNext();
            --nesting;
        }
        if (first.isDigit())
            replies.ReplyMode = static_cast<std::int16_t>(first.digitValue() % 7);
    }
};

World& world()
{
    startCoreApplication();
    static World* w = new World;
    return *w;
}

// The lines with the reply mode each must reach, following the stand-in's switches.
QList<HandledLine> expectedHandling(const QStringList& lines, std::int16_t mode)
{
    QList<HandledLine> expected;
    for (const QString& line : lines) {
        expected << HandledLine{mode, line};
        if (line.front().isDigit())
            mode = static_cast<std::int16_t>(line.front().digitValue() % 7);
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = ReceiveInput::decode(data, size);
    if (!input)
        return 0;
    World& w = world();

    // A fresh session (the stand-ins never lose the port).
    w.replies.startAfresh();
    w.replies.ReplyMode = input->replyMode;
    w.echoed.clear();
    w.shownLines.clear();
    w.handled.clear();
    w.fakes.dialogs.shown.clear();

    w.pendingChunks = input->chunks();
    while (!w.pendingChunks.isEmpty())
        w.receiveNext();
    handleLeftoverLines(w.replies, w.replies.RxBuffer());

    const QStringList lines = input->expectedLines();
    if (w.echoed != QLatin1StringView(input->stream) || w.shownLines != lines
        || w.handled != expectedHandling(lines, input->replyMode))
        std::abort();
    return 0;
}
