#include "editormenu.h"

#include "editorwindow.h"

#include <QActionGroup>
#include <QMenuBar>

namespace zantrel {

EditorMenu buildEditorMenu(EditorWindow* window) {
    EditorMenu out;
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
    auto add = [&out](QMenu* m, const QString& text, QKeySequence key) {
        QAction* a = m->addAction(text);
        a->setShortcut(key);
        out.commands << a;
        return a;
    };
    QObject::connect(add(menu, QStringLiteral("Open .PRO ..."), Qt::Key_F2), &QAction::triggered,
                     window, &EditorWindow::openWithDialog);
    out.recent = menu->addMenu(QStringLiteral("Recent"));
    QObject::connect(add(menu, QStringLiteral("Save .PRO"), Qt::Key_F3), &QAction::triggered,
                     window, &EditorWindow::save);
    QObject::connect(add(menu, QStringLiteral("Save .PRO As ..."), Qt::Key_F4), &QAction::triggered,
                     window, &EditorWindow::saveAs);

    out.edit = bar->addMenu(QObject::tr("Edit"));

    QMenu* options = bar->addMenu(QStringLiteral("Options"));
    // The numeric format is switched by the header panel's radio buttons; the menu only
    // mirrors it, so the submenu, its items and their keys stay disabled.
    QMenu* format = options->addMenu(QStringLiteral("Numeric Format"));
    format->setEnabled(false);
    auto* group = new QActionGroup(format);
    out.hex = format->addAction(QStringLiteral("HEX"));
    out.hex->setShortcut(Qt::Key_F12);
    out.dec = format->addAction(QStringLiteral("DEC"));
    out.dec->setShortcut(Qt::Key_F11);
    for (QAction* a : {out.hex, out.dec}) {
        a->setCheckable(true);
        a->setEnabled(false);
        group->addAction(a);
    }
    out.hex->setChecked(true);
    QAction* tree = out.tree = add(options, QStringLiteral("Tree"), Qt::Key_F1);
    tree->setCheckable(true);
    // The check mark follows the window, not the click.
    QObject::connect(tree, &QAction::triggered, window, [window, tree] {
        tree->setChecked(!tree->isChecked());
        window->toggleTree();
    });

    QAction* exit = bar->addAction(QStringLiteral("Exit"));
    exit->setShortcut(Qt::Key_F10);
    QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
    out.commands << exit;
    return out;
}

} // namespace zantrel
