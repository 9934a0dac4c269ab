#pragma once

#include <QSize>

class QFont;
class QWidget;

// The window is laid out in pixels of its design font, the 9-point sans
// serif at 96 dots per inch. Like dialog units, every position and size
// scales with the font in use: across with its average character width,
// down with its line height. With the design font both factors are 1.
struct FontScale {
    double across = 1.0;
    double down = 1.0;

    static FontScale of(const QFont& font);
    QSize size(QSize designed) const;
};

// Scales the geometry of the window's and the given containers' direct
// children, and the fonts that they set themselves, from design pixels.
void scaleToFont(QWidget* window, const QList<QWidget*>& containers, FontScale scale);

// Lets each list's drop-down grow wider than the list where its longest
// item needs it; call once the lists are filled.
void widenListPopups(QWidget* window);

// Where a caption is wider than its label or check box (a translation
// longer than the English text), the control takes the free room beside it
// on its row, up to the next control, the frame drawn behind it or the
// edge: a label to its left first, then to its right; a check box to its
// right. A caption still too long is elided and shown whole in a tool tip.
// Captions that fit, as every English one does, leave the design's
// geometry as it is.
void makeRoomForCaptions(QWidget* window, const QList<QWidget*>& containers);
