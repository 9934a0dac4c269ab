#include "support/caption_fit.h"

#include "form/controls.h"
#include "support/window_harness.h"

#include <QAbstractItemView>
#include <QStyleOption>

namespace {

// How wide a control would have to be to show its caption (or its longest
// list item, a field's text, the bar's percentage) uncut, and how wide it is.
// A control with a text or title of its own that no rule here measures fails
// the check, so that no kind of control passes unmeasured.
QPair<int, int> captionFit(QWidget* w)
{
    const QFontMetrics metrics = w->fontMetrics();
    QStyle* style = w->style();
    if (auto* label = qobject_cast<QLabel*>(w))
        return {metrics.boundingRect(label->text()).width(), label->contentsRect().width()};
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return {box->sizeHint().width(), box->width()};
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return {metrics.horizontalAdvance(button->text()),
                style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width()};
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        list->showPopup();
        const QPair<int, int> fit{list->view()->sizeHintForColumn(0), list->view()->viewport()->width()};
        list->hidePopup();
        return fit;
    }
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        return {tabs->tabRect(tabs->count() - 1).right(), tabs->width()};
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.rect = field->contentsRect();
        option.lineWidth = field->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
        const QMargins margins = field->textMargins();
        constexpr int lineEditMargin = 2; // QLineEdit's own, on either side of the text
        return {metrics.horizontalAdvance(field->text()),
                style->subElementRect(QStyle::SE_LineEditContents, &option, field).width() - margins.left()
                    - margins.right() - 2 * lineEditMargin};
    }
    if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        QStyleOptionProgressBar option;
        option.initFrom(bar);
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.progress = bar->value();
        option.text = bar->text();
        option.textVisible = bar->isTextVisible();
        option.textAlignment = bar->alignment();
        return {option.textVisible ? metrics.horizontalAdvance(bar->text()) : 0,
                style->subElementRect(QStyle::SE_ProgressBarLabel, &option, bar).width()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox groupOption;
        groupOption.initFrom(group);
        groupOption.text = group->title();
        groupOption.lineWidth = 1;
        groupOption.textAlignment = group->alignment();
        groupOption.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &groupOption, QStyle::SC_GroupBoxLabel, group);
        return {title.right() + 1, group->width()};
    }
    // Not measured: fails where there is something to measure.
    const QString text = w->property("text").toString() + w->property("title").toString();
    if (!text.isEmpty())
        qWarning("no fit rule for a %s showing \"%s\"", w->metaObject()->className(), qPrintable(text));
    return {int(text.size()), 0};
}

} // namespace

QStringList cutCaptions(WindowHarness& h)
{
    Form1& f = h.form();
    h.window->show();
    for (QFrame* page : f.pages())
        page->setEnabled(true);
    setBarValue(f.akku, 100); // the widest percentage
    QStringList cut;
    for (int tab = 0; tab < f.Tabulator->count(); ++tab) {
        f.Tabulator->setCurrentIndex(tab);
        for (QWidget* control : h.window->findChildren<QWidget*>()) {
            const auto [needed, available] = control->isVisible() ? captionFit(control) : QPair<int, int>();
            // An editable list's field has no name of its own.
            const QString name = control->objectName().isEmpty() && control->parentWidget()
                ? control->parentWidget()->objectName() + QStringLiteral("'s field")
                : control->objectName();
            if (needed > available)
                cut << QStringLiteral("%1 needs %2, has %3").arg(name).arg(needed).arg(available);
        }
    }
    cut.removeDuplicates();
    return cut;
}

QStringList cutListItems(WindowHarness& h)
{
    h.window->show();
    QStringList cut;
    for (QComboBox* list : h.window->findChildren<QComboBox*>()) {
        if (!list->isEditable())
            continue;
        // Chosen quietly: the window's handlers of a choice are no part of the measure.
        const QSignalBlocker quiet(list);
        const int chosen = list->currentIndex();
        for (int item = 0; item < list->count(); ++item) {
            list->setCurrentIndex(item);
            const auto [needed, available] = captionFit(list->lineEdit());
            if (needed > available)
                cut << QStringLiteral("%1 item %2").arg(list->objectName()).arg(item);
        }
        list->setCurrentIndex(chosen);
    }
    return cut;
}
