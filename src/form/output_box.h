#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>

class QAction;

// The output box: a protocol monitor that echoes every received character.
// Appending costs the same however long the text has grown, and shows what
// rewriting the whole text would show, also when a CR LF pair is split
// between two chunks.
//
// A monitor runs for days and sees whatever a confused device sends, so the
// box keeps only the newest MaxLines lines, and it breaks a line longer than
// DisplayLineLength characters for display (laying out one ever-growing line
// costs more than quadratic time). Both concern the display only: the receive
// path gets every byte as it came.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static const int MaxLines;
    static const int DisplayLineLength;
    // A redraw at once no more often than this; one sooner is left to the
    // next processing of events.
    static const int ImmediateRedrawIntervalMs;

    explicit OutputBox(QWidget* parent = nullptr);

    // Empties the box and redraws it at once.
    void clearAndRedraw();
    // Replaces the whole text and redraws it at once.
    void replaceAndRedraw(const QString& text);
    // Appends received characters unchanged, scrolls to the end and redraws.
    void appendReceived(const QString& chunk);

    // The text as shown, one byte per character as the device sent it, each
    // shown line ended by CR LF except the last.
    QByteArray shownBytes() const;

    // The context menu: Copy, Select All, Clear and Save As. Save As is
    // handled by whoever owns the file dialogs (saveAsRequested).
    QAction* copyAction() const { return copy; }
    QAction* selectAllAction() const { return selectEverything; }
    QAction* clearAction() const { return clearing; }
    QAction* saveAsAction() const { return saveAs; }

signals:
    void saveAsRequested();

private:
    QAction* addMenuAction(const QString& text, const char* name);
    QString withDisplayBreaks(QStringView text);
    void redraw();
    bool endsWithCarriageReturn = false;
    bool endsWithDisplayBreak = false;
    int revisionAfterAppend = -1;
    QElapsedTimer sinceRedraw;
    QAction* copy = nullptr;
    QAction* selectEverything = nullptr;
    QAction* clearing = nullptr;
    QAction* saveAs = nullptr;
};
