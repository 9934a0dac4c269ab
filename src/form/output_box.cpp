#include "form/output_box.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

OutputBox::OutputBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void OutputBox::clearAndRedraw()
{
    clear();
    endsWithCarriageReturn = false;
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

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!text.isEmpty())
        cursor.insertText(text.toString());
    endsWithCarriageReturn = chunk.endsWith(u'\r');
    revisionAfterAppend = document()->revision();

    // Caret to the end, which scrolls the box to its last line.
    setTextCursor(cursor);
    ensureCursorVisible();
    redraw();
}

void OutputBox::redraw()
{
    viewport()->repaint();
}
