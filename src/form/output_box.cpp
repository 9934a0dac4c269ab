#include "form/output_box.h"

#include "base/latin1.h"

#include <QAction>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

const int OutputBox::MaxLines = 100'000;
const int OutputBox::DisplayLineLength = 1024;
const int OutputBox::ImmediateRedrawIntervalMs = 40;

OutputBox::OutputBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // A caret while read-only, so the box can be read line by line with the
    // arrow keys (and a screen reader follows it).
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setMaximumBlockCount(MaxLines);

    setContextMenuPolicy(Qt::ActionsContextMenu);
    copy = addMenuAction(tr("Copy"), "copyAction");
    copy->setEnabled(false);
    connect(this, &QPlainTextEdit::copyAvailable, copy, &QAction::setEnabled);
    connect(copy, &QAction::triggered, this, &QPlainTextEdit::copy);
    selectEverything = addMenuAction(tr("Select All"), "selectAllAction");
    connect(selectEverything, &QAction::triggered, this, &QPlainTextEdit::selectAll);
    clearing = addMenuAction(tr("Clear"), "clearAction");
    connect(clearing, &QAction::triggered, this, &OutputBox::clearAndRedraw);
    saveAs = addMenuAction(tr("Save As…"), "saveAsAction");
    connect(saveAs, &QAction::triggered, this, &OutputBox::saveAsRequested);
}

QAction* OutputBox::addMenuAction(const QString& text, const char* name)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    addAction(action);
    return action;
}

void OutputBox::clearAndRedraw()
{
    clear();
    endsWithCarriageReturn = false;
    endsWithDisplayBreak = false;
    redraw();
}

void OutputBox::replaceAndRedraw(const QString& text)
{
    setPlainText(text);
    endsWithCarriageReturn = text.endsWith(u'\r');
    revisionAfterAppend = document()->revision();
    redraw();
}

void OutputBox::appendReceived(const QString& chunk)
{
    if (chunk.isEmpty())
        return;
    QStringView text(chunk);
    // The document turns CR LF into one line break, and so a CR at the end
    // of the last chunk already made the break that this LF belongs to.
    const bool untouched = document()->revision() == revisionAfterAppend;
    if (untouched && endsWithCarriageReturn && text.startsWith(u'\n'))
        text = text.mid(1);
    if (!untouched)
        endsWithDisplayBreak = false;

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!text.isEmpty())
        cursor.insertText(withDisplayBreaks(text));
    endsWithCarriageReturn = chunk.endsWith(u'\r');
    revisionAfterAppend = document()->revision();

    // Caret to the end, which scrolls the box to its last line.
    setTextCursor(cursor);
    ensureCursorVisible();
    redraw();
}

QString OutputBox::withDisplayBreaks(QStringView text)
{
    // A full line is broken at once, not when the next character comes:
    // text inserted at the end of a line makes the box lay that line out
    // again. A line end right after such a break is the break itself.
    qsizetype column = document()->lastBlock().length() - 1;
    QString shown;
    shown.reserve(text.size() + text.size() / DisplayLineLength + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lineEnd = c == u'\r' || c == u'\n';
        if (endsWithDisplayBreak && lineEnd) {
            endsWithDisplayBreak = false;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        endsWithDisplayBreak = false;
        shown += c;
        column = lineEnd ? 0 : column + 1;
        if (column == DisplayLineLength) {
            shown += u'\n';
            column = 0;
            endsWithDisplayBreak = true;
        }
    }
    return shown;
}

QByteArray OutputBox::shownBytes() const
{
    // The raw text keeps every character (plain text would turn a no-break
    // space into a blank); blocks are separated by the paragraph separator.
    QByteArray bytes = toDeviceBytes(document()->toRawText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n")));
    return bytes;
}

void OutputBox::redraw()
{
    // Painting every received chunk at once took a good part of a paced
    // exchange's time; a chunk soon after a redraw is painted at the next
    // processing of events, or before the window blocks (Clock::pause).
    if (sinceRedraw.isValid() && sinceRedraw.elapsed() < ImmediateRedrawIntervalMs) {
        viewport()->update();
        return;
    }
    viewport()->repaint();
    sinceRedraw.start();
}
