#include "accesstree.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <QHash>
#include <QRect>

#include <algorithm>
#include <limits>

namespace {

bool interactive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

QString step(QAccessibleInterface* i) {
    if (auto* w = qobject_cast<QWidget*>(i->object()))
        return describe(w);
    return i->text(QAccessible::Name);
}

void collect(QAccessibleInterface* at, const QString& path, std::vector<AccessibleControl>& out) {
    if (!at || at->state().invisible)
        return;
    const QString here = path.isEmpty() ? step(at) : path + '/' + step(at);
    if (interactive(at->role()))
        out.push_back({here, at->text(QAccessible::Name), accessibleValue(at), int(at->role())});
    // A list's items are its value, not controls of their own.
    if (at->role() == QAccessible::List || at->role() == QAccessible::Table)
        return;
    for (int k = 0; k < at->childCount(); ++k)
        collect(at->child(k), here, out);
}

QWidget* childOnTheWayTo(QWidget* container, QWidget* w) {
    while (w && w->parentWidget() != container)
        w = w->parentWidget();
    return w;
}

bool overlap(int aStart, int aEnd, int bStart, int bEnd) {
    return std::max(aStart, bStart) <= std::min(aEnd, bEnd);
}

// b is read after a going by rows: on a lower row, or further right on the same row.
bool nextByRows(const QRect& a, const QRect& b) {
    return b.top() > a.bottom() ||
           (overlap(a.top(), a.bottom(), b.top(), b.bottom()) && b.left() > a.left());
}

// b is read after a going by columns: in a column further right, or lower in the same column
// (starting where a starts or right of it, not in a wider column that a is part of).
bool nextByColumns(const QRect& a, const QRect& b) {
    return b.left() > a.right() ||
           (b.left() >= a.left() && b.left() <= a.right() && b.top() > a.top());
}

// Whether the places from "from" on split into blocks one below the other (the first below
// aboveBottom), each read by rows or by columns: a row of boxes over two columns of them.
bool inBlocks(const QList<QRect>& r, qsizetype from, int aboveBottom,
              QHash<QPair<qsizetype, int>, bool>& known) {
    if (from == r.size())
        return true;
    const QPair<qsizetype, int> key(from, aboveBottom);
    if (auto it = known.constFind(key); it != known.cend())
        return it.value();
    bool rows = true;
    bool columns = true;
    int bottom = std::numeric_limits<int>::min();
    bool found = false;
    for (qsizetype to = from; to < r.size() && !found; ++to) {
        if (to > from) {
            rows = rows && nextByRows(r[to - 1], r[to]);
            columns = columns && nextByColumns(r[to - 1], r[to]);
        }
        if ((!rows && !columns) || r[to].top() <= aboveBottom)
            break;
        bottom = std::max(bottom, r[to].bottom());
        found = inBlocks(r, to + 1, bottom, known);
    }
    known.insert(key, found);
    return found;
}

QString names(const QList<QWidget*>& ws) {
    QStringList out;
    for (QWidget* w : ws)
        out << describe(w);
    return out.join(", ");
}

} // namespace

QString describe(const QWidget* widget) {
    if (!widget)
        return "(none)";
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    if (!widget->accessibleName().isEmpty())
        return '"' + widget->accessibleName() + '"';
    return widget->metaObject()->className();
}

QAccessibleInterface* accessibleOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString accessibleValue(QAccessibleInterface* control) {
    if (QAccessibleTextInterface* text = control->textInterface())
        return text->text(0, text->characterCount());
    if (control->role() == QAccessible::List || control->role() == QAccessible::Table) {
        // Qt reports an item view's name as its value: what it holds is its selected item.
        for (int k = 0; k < control->childCount(); ++k)
            if (QAccessibleInterface* item = control->child(k); item && item->state().selected)
                return item->text(QAccessible::Name);
        return QString();
    }
    if (control->role() == QAccessible::PageTabList) {
        for (int k = 0; k < control->childCount(); ++k)
            if (QAccessibleInterface* tab = control->child(k); tab && tab->state().selected)
                return tab->text(QAccessible::Name);
    }
    return control->text(QAccessible::Value);
}

std::vector<AccessibleControl> visibleControls(QWidget* window) {
    std::vector<AccessibleControl> out;
    collect(accessibleOf(window), QString(), out);
    return out;
}

QList<QWidget*> tabWalk(QWidget* start, int limit) {
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> walk{QApplication::focusWidget()};
    while (--limit > 0) {
        QWidget* at = QApplication::focusWidget();
        if (!at)
            break;
        QTest::keyClick(at, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == walk.first() || next == at)
            break;
        walk << next;
    }
    return walk;
}

QString readingOrderFault(QWidget* container, const QList<QWidget*>& walk) {
    QList<QWidget*> children;
    QList<QList<QWidget*>> inside; // what the walk reaches below each child
    for (QWidget* w : walk) {
        QWidget* child = childOnTheWayTo(container, w);
        if (!child)
            return describe(w) + " is not inside " + describe(container);
        if (children.isEmpty() || children.last() != child) {
            if (children.contains(child))
                return "the walk leaves " + describe(child) + " and comes back to it (" +
                       names(walk) + ")";
            children << child;
            inside << QList<QWidget*>();
        }
        if (w != child)
            inside.last() << w;
    }
    QList<QRect> places;
    for (QWidget* child : children)
        places << child->geometry();
    QHash<QPair<qsizetype, int>, bool> known;
    if (!inBlocks(places, 0, std::numeric_limits<int>::min(), known))
        return "in " + describe(container) + " the walk goes " + names(children) +
               ", not by rows or columns";
    for (qsizetype k = 0; k < children.size(); ++k)
        if (!inside[k].isEmpty())
            if (QString fault = readingOrderFault(children[k], inside[k]); !fault.isEmpty())
                return fault;
    return QString();
}
