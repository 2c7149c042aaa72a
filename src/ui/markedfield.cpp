#include "markedfield.h"

#include "accessibility.h"
#include "redmark.h"

#include <QLineEdit>
#include <QTabWidget>

namespace zantrel {

namespace {

QLineEdit* search(QWidget* w, QStringList& tabs) {
    if (auto* pages = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i) || !pages->isTabEnabled(i))
                continue;
            if (QLineEdit* box = search(pages->widget(i), tabs)) {
                tabs.prepend(withoutMnemonic(pages->tabText(i)));
                return box;
            }
        }
        return nullptr;
    }
    for (QObject* child : w->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isHidden())
            continue;
        auto* box = qobject_cast<QLineEdit*>(widget);
        if (box && isMarked(box))
            return box;
        if (QLineEdit* inner = search(widget, tabs))
            return inner;
    }
    return nullptr;
}

} // namespace

MarkedField findMarkedField(QWidget* root) {
    QStringList tabs;
    MarkedField found;
    found.box = search(root, tabs);
    found.tabs = tabs.join(QStringLiteral(" / "));
    return found;
}

void showMarkedField(const MarkedField& field) {
    if (!field.box)
        return;
    // Each tab widget on the way up shows the page that holds the box.
    for (QWidget* w = field.box->parentWidget(); w; w = w->parentWidget())
        if (auto* pages = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < pages->count(); ++i)
                if (pages->widget(i)->isAncestorOf(field.box))
                    pages->setCurrentIndex(i);
    field.box->setFocus();
}

} // namespace zantrel
