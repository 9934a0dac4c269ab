#include "app/window_access.h"

#include "core/selection_lists.h"
#include "form/form1.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QKeySequence>
#include <QShortcut>
#include <algorithm>

namespace {

const char* const pageProperty = "tagorixPage";

// Qt exposes a QFrame as a "frame", which Orca takes for a window of its
// own: finding it inactive, it drops every focus event inside it. A page is
// exposed as a grouping instead. Factories installed later are asked first,
// so this one, installed once the application exists, comes before Qt's own.
QAccessibleInterface* pageAsGrouping(const QString& className, QObject* object)
{
    if (className != QLatin1String("QFrame") || !object->property(pageProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Grouping);
}

// On Linux Qt names a list by its current text ("COM1") and ignores its
// accessible name; a screen reader takes the name from a label that has the
// list as its buddy, which for a list without a caption is not shown.
// A field entered with Tab selects all its text. Empty, it still reports a
// selection and a caret move before it reports the focus; Orca then takes
// the field as focused without a word and stays silent at the focus itself.
// An empty field is therefore entered as by a click, which selects nothing.
class EmptyFieldEntry : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && event->type() == QEvent::FocusIn && field->text().isEmpty()) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                QFocusEvent entry(QEvent::FocusIn, Qt::OtherFocusReason);
                QCoreApplication::sendEvent(field, &entry);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void nameListWithoutCaption(QComboBox* list, const QString& name)
{
    auto* label = new QLabel(name, list->parentWidget());
    label->setObjectName(list->objectName() + QStringLiteral("Name"));
    label->setBuddy(list);
    label->hide();
}

void setName(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    // An editable list takes the focus in its edit field, which is what a
    // screen reader announces.
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(name);
}

bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// Rows from top to bottom, each row from left to right. A control joins the
// row of the control above it while its vertical centre lies within that
// control's height.
QList<QWidget*> readingOrder(QList<QWidget*> controls)
{
    auto byTop = [](QWidget* a, QWidget* b) { return a->y() < b->y(); };
    auto byLeft = [](QWidget* a, QWidget* b) { return a->x() < b->x(); };
    std::stable_sort(controls.begin(), controls.end(), byTop);
    for (auto rowStart = controls.begin(); rowStart != controls.end();) {
        const int rowBottom = (*rowStart)->geometry().bottom();
        auto rowEnd = std::find_if(rowStart, controls.end(),
                                   [&](QWidget* w) { return w->geometry().center().y() > rowBottom; });
        std::stable_sort(rowStart, rowEnd, byLeft);
        rowStart = rowEnd;
    }
    return controls;
}

// A page's controls in reading order; the controls framed by a group box
// are read as a column of their own after the rest of the page.
QList<QWidget*> pageOrder(const QFrame* page)
{
    QList<QWidget*> open;
    QList<QList<QWidget*>> framed;
    const QList<QGroupBox*> groups = page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!takesTabFocus(control))
            continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](QGroupBox* g) { return g->geometry().contains(control->geometry()); });
        if (group == groups.end()) {
            open << control;
            continue;
        }
        framed.resize(groups.size());
        framed[group - groups.begin()] << control;
    }
    QList<QWidget*> order = readingOrder(open);
    for (const QList<QWidget*>& column : framed)
        order << readingOrder(column);
    return order;
}

void stepTab(const Form1& f, int step)
{
    QTabBar* tabs = f.Tabulator;
    const int count = tabs->count();
    if (count == 0)
        return;
    // The page that goes behind is hidden, which would send the focus on to
    // the output box: it goes to the tab strip instead.
    QWidget* focus = QApplication::focusWidget();
    const QList<QFrame*> pages = f.pages();
    const bool onPage = focus && std::any_of(pages.begin(), pages.end(), [&](QFrame* p) { return p->isAncestorOf(focus); });
    tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
    if (onPage)
        tabs->setFocus(Qt::TabFocusReason);
}

} // namespace

void nameControls(Form1& f)
{
    const QList<QPair<QLabel*, QWidget*>> labelled{
        {f.Label14, f.akku},
        {f.Label4, f.WriteData},
        {f.Label2, f.BlockAdress},
        {f.Label3, f.BlockEndAdress},
        {f.Label13, f.Key},
        {f.Label1, f.Zeit},
        {f.Text_TagTyp, f.Tagtyp},
        {f.Text_Offtime, f.Offtime},
        {f.Text_Readtimeout, f.Readtimeout},
        {f.Text_FdxCode, f.FDXCode},
        {f.Label15, f.Betriebsart},
        {f.Label16, f.Sprache},
        {f.Label6, f.BCRegister},
        {f.Label7, f.BCWert},
        {f.Label10, f.PfadSpeichern},
        {f.Label11, f.PfadLaden},
    };
    for (const auto& [label, field] : labelled) {
        label->setBuddy(field);
        QString name = label->text();
        // French sets a space before the colon.
        name.remove(QLatin1Char(':'));
        setName(field, name.trimmed());
    }
    f.Offtime->setAccessibleDescription(f.Label9->text());
    f.Readtimeout->setAccessibleDescription(f.Label12->text());

    const QString port = Form1::tr("Port");
    setName(f.Port, port);
    nameListWithoutCaption(f.Port, port);
    setName(f.IDAnzeige, Form1::tr("ID or barcode"));
    //: The line of the device's display that the text goes to
    const QString displayLine = Form1::tr("Display line");
    setName(f.DisplayZeile, displayLine);
    nameListWithoutCaption(f.DisplayZeile, displayLine);
    setName(f.DisplayText, Form1::tr("Display text"));
    setName(f.OutStatistik, Form1::tr("Statistic result"));
    setName(f.PfadSpeichernWaehlen, Form1::tr("Choose the file to save in"));
    setName(f.PfadLadenWaehlen, Form1::tr("Choose the file to read from"));
    setName(f.Ausgabe, Form1::tr("Output"));

    QAccessible::installFactory(pageAsGrouping);
    const QList<QFrame*> pages = f.pages();
    const QStringList captions = SelectionLists::tabCaptions();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        pages.at(i)->setProperty(pageProperty, true);
        pages.at(i)->setAccessibleName(captions.value(i));
    }
}

void makeKeyboardFriendly(QWidget* window, const Form1& f)
{
    // Return presses a focused button as Space does.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
    auto* entry = new EmptyFieldEntry(window);
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            field->installEventFilter(entry);
    }
    // Orca reads a closed list's value, and hears it change with the arrow
    // keys, from the selection in its item list, which Qt 6.4 leaves alone
    // until the list opens: the item list follows the list.
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->isEditable())
            QObject::connect(list, &QComboBox::currentIndexChanged, list,
                             [list](int index) { list->view()->setCurrentIndex(list->model()->index(index, 0)); });
    }
    // The battery level is a stop of its own, so that it can be heard with
    // its name: Orca announces a change of the bar's value by the value only.
    f.akku->setFocusPolicy(Qt::TabFocus);
}

void chainTabOrder(QWidget* window, const Form1& f)
{
    const QList<QFrame*> pages = f.pages();
    QList<QWidget*> parts;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (takesTabFocus(child) || pages.contains(qobject_cast<QFrame*>(child)))
            parts << child;
    }
    // The pages lie on top of each other: read them one after the other
    // where the first of them stands.
    parts.removeIf([&](QWidget* w) { return w != f.FrameOnline && pages.contains(qobject_cast<QFrame*>(w)); });

    QList<QWidget*> chain;
    for (QWidget* part : readingOrder(parts)) {
        if (part != f.FrameOnline) {
            chain << part;
            continue;
        }
        for (QFrame* page : pages)
            chain << pageOrder(page);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void addPageSwitchKeys(QWidget* window, const Form1& f)
{
    // Shift+Tab arrives as Backtab; Qt tries Ctrl+Shift+Backtab as
    // Ctrl+Shift+Tab when nothing matches it, while on X11 a shortcut bound
    // to Ctrl+Shift+Backtab is never matched.
    const QList<QPair<QKeySequence, int>> keys{
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, window, [&f, step = step] { stepTab(f, step); });
    }
}
