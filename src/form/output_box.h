#pragma once

#include <QPlainTextEdit>

// The output box: a protocol monitor that echoes every received character.
// Appending costs the same however long the text has grown, and shows what
// rewriting the whole text would show, also when a CR LF pair is split
// between two chunks.
class OutputBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OutputBox(QWidget* parent = nullptr);

    // Empties the box and redraws it at once.
    void clearAndRedraw();
    // Replaces the whole text and redraws it at once.
    void replaceAndRedraw(const QString& text);
    // Appends received characters unchanged, scrolls to the end and redraws.
    void appendReceived(const QString& chunk);

private:
    void redraw();
    bool endsWithCarriageReturn = false;
    int revisionAfterAppend = -1;
};
