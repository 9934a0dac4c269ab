#include "app/window_scaling.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QFont>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {
// The design font's width of the 52 letters and its line height.
constexpr double designLettersWidth = 385.0625;
constexpr double designLineHeight = 13.96875;

int scaled(int designed, double factor)
{
    return static_cast<int>(std::lround(designed * factor));
}

void scaleWidget(QWidget* widget, FontScale scale)
{
    const QRect r = widget->geometry();
    const int left = scaled(r.left(), scale.across);
    const int top = scaled(r.top(), scale.down);
    // Scaling both edges keeps neighbours that touch in design touching.
    widget->setGeometry(left, top, scaled(r.left() + r.width(), scale.across) - left,
                        scaled(r.top() + r.height(), scale.down) - top);
    if (widget->testAttribute(Qt::WA_SetFont)) {
        QFont font = widget->font();
        font.setPointSizeF(font.pointSizeF() * scale.down);
        widget->setFont(font);
    }
}

// How much wider a label or a check box would have to be for its caption.
int missingWidth(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->fontMetrics().boundingRect(label->text()).width() - label->contentsRect().width();
    if (auto* box = qobject_cast<const QCheckBox*>(control))
        return box->sizeHint().width() - box->width();
    return 0;
}

// The free room on the control's left and right, on the rows it covers.
QPair<int, int> freeRoom(const QWidget* control)
{
    const QRect r = control->geometry();
    int left = 0;
    int right = control->parentWidget()->width();
    for (const QWidget* other : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect o = other->geometry();
        if (other == control || other->isHidden() || o.top() > r.bottom() || o.bottom() < r.top())
            continue;
        if (o.contains(r)) {
            // A frame drawn behind it: its inside is the limit.
            const int frame = qobject_cast<const QGroupBox*>(other) ? 2 : 0;
            left = std::max(left, o.left() + frame);
            right = std::min(right, o.right() + 1 - frame);
        } else if (o.left() > r.right()) {
            right = std::min(right, o.left());
        } else if (o.right() < r.left()) {
            left = std::max(left, o.right() + 1);
        }
    }
    return {std::max(0, r.left() - left), std::max(0, right - r.right() - 1)};
}

void makeRoomForCaption(QWidget* control)
{
    int missing = missingWidth(control);
    if (missing <= 0)
        return;
    const auto [leftRoom, rightRoom] = freeRoom(control);
    QRect r = control->geometry();
    // A label grows away from the field it stands in front of first; a
    // check box keeps its box where it is.
    auto* label = qobject_cast<QLabel*>(control);
    if (label) {
        const int leftward = std::min(missing, leftRoom);
        r.setLeft(r.left() - leftward);
        missing -= leftward;
    }
    const int rightward = std::min(missing, rightRoom);
    r.setRight(r.right() + rightward);
    missing -= rightward;
    control->setGeometry(r);
    if (missing <= 0)
        return;
    auto* box = qobject_cast<QCheckBox*>(control);
    const QString caption = label ? label->text() : box->text();
    const QString elided = control->fontMetrics().elidedText(caption, Qt::ElideRight,
                                                             control->fontMetrics().horizontalAdvance(caption) - missing);
    control->setToolTip(caption);
    label ? label->setText(elided) : box->setText(elided);
}
} // namespace

FontScale FontScale::of(const QFont& font)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(letters) / designLettersWidth,
            metrics.height() / designLineHeight};
}

QSize FontScale::size(QSize designed) const
{
    return {scaled(designed.width(), across), scaled(designed.height(), down)};
}

void scaleToFont(QWidget* window, const QList<QWidget*>& containers, FontScale scale)
{
    if (scale.across == 1.0 && scale.down == 1.0)
        return;
    for (QWidget* parent : QList<QWidget*>{window} + containers) {
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            scaleWidget(child, scale);
    }
}

void widenListPopups(QWidget* window)
{
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QAbstractItemView* view = list->view();
        int needed = view->sizeHintForColumn(0) + 2 * view->frameWidth();
        if (list->count() > list->maxVisibleItems())
            needed += view->verticalScrollBar()->sizeHint().width();
        view->setMinimumWidth(needed);
    }
}

void makeRoomForCaptions(QWidget* window, const QList<QWidget*>& containers)
{
    for (QWidget* parent : QList<QWidget*>{window} + containers) {
        for (QWidget* control : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isHidden())
                makeRoomForCaption(control);
        }
    }
}
