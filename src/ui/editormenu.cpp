#include "editormenu.h"

#include "editorwindow.h"

#include <QActionGroup>
#include <QMenuBar>

namespace zantrel {

EditorMenu buildEditorMenu(EditorWindow* window) {
    EditorMenu out;
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* menu = bar->addMenu(EditorWindow::tr("Menu"));
    auto add = [&out](QMenu* m, const QString& text, QKeySequence key) {
        QAction* a = m->addAction(text);
        a->setShortcut(key);
        out.commands << a;
        return a;
    };
    QObject::connect(add(menu, EditorWindow::tr("New prototype..."), Qt::CTRL | Qt::Key_N),
                     &QAction::triggered, window, &EditorWindow::newPrototype);
    QObject::connect(add(menu, EditorWindow::tr("Open .PRO ..."), Qt::Key_F2), &QAction::triggered,
                     window, &EditorWindow::openWithDialog);
    out.recent = menu->addMenu(EditorWindow::tr("Recent"));
    QObject::connect(add(menu, EditorWindow::tr("Save .PRO"), Qt::Key_F3), &QAction::triggered,
                     window, &EditorWindow::save);
    QObject::connect(add(menu, EditorWindow::tr("Save .PRO As ..."), Qt::Key_F4),
                     &QAction::triggered, window, &EditorWindow::saveAs);
    QObject::connect(add(menu, EditorWindow::tr("Prototypes..."), Qt::Key_F5), &QAction::triggered,
                     window, &EditorWindow::prototypesRequested);

    out.edit = bar->addMenu(EditorWindow::tr("Edit"));

    QMenu* options = bar->addMenu(EditorWindow::tr("Options"));
    // The numeric format is switched by the header panel's radio buttons; the menu only
    // mirrors it, so the submenu, its items and their keys stay disabled.
    QMenu* format = options->addMenu(EditorWindow::tr("Numeric Format"));
    format->setEnabled(false);
    auto* group = new QActionGroup(format);
    out.hex = format->addAction(EditorWindow::tr("HEX"));
    out.hex->setShortcut(Qt::Key_F12);
    out.dec = format->addAction(EditorWindow::tr("DEC"));
    out.dec->setShortcut(Qt::Key_F11);
    for (QAction* a : {out.hex, out.dec}) {
        a->setCheckable(true);
        a->setEnabled(false);
        group->addAction(a);
    }
    out.hex->setChecked(true);
    QAction* tree = out.tree = add(options, EditorWindow::tr("Tree"), Qt::Key_F1);
    tree->setCheckable(true);
    // The check mark follows the window, not the click.
    QObject::connect(tree, &QAction::triggered, window, [window, tree] {
        tree->setChecked(!tree->isChecked());
        window->toggleTree();
    });

    QAction* exit = bar->addAction(EditorWindow::tr("Exit"));
    exit->setShortcut(Qt::Key_F10);
    QObject::connect(exit, &QAction::triggered, window, &QWidget::close);
    out.commands << exit;
    return out;
}

} // namespace zantrel
