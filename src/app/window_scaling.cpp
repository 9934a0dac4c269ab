#include "app/window_scaling.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QWidget>
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
