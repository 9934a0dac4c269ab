#include "app/window_access.h"

#include "form/form1.h"

#include <QKeySequence>
#include <QShortcut>
#include <algorithm>

namespace {

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

void stepTab(QTabBar* tabs, int step)
{
    const int count = tabs->count();
    if (count > 0)
        tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
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
        name.remove(QLatin1Char(':'));
        setName(field, name);
    }
    f.Offtime->setAccessibleDescription(f.Label9->text());
    f.Readtimeout->setAccessibleDescription(f.Label12->text());

    setName(f.Port, QStringLiteral("Port"));
    setName(f.IDAnzeige, QStringLiteral("ID or barcode"));
    setName(f.DisplayZeile, QStringLiteral("Display line"));
    setName(f.DisplayText, QStringLiteral("Display text"));
    setName(f.OutStatistik, f.Statistik->text());
    setName(f.PfadSpeichernWaehlen, QStringLiteral("Choose the file to save in"));
    setName(f.PfadLadenWaehlen, QStringLiteral("Choose the file to read from"));
    setName(f.Ausgabe, QStringLiteral("Output"));
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
    QTabBar* tabs = f.Tabulator;
    const QList<QPair<QKeySequence, int>> keys{
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step = step] { stepTab(tabs, step); });
    }
}
