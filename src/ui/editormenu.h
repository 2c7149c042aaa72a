#pragma once

#include <QList>

class QAction;

namespace zantrel {

class EditorWindow;

// The editor window's menu bar, built by buildEditorMenu.
struct EditorMenu {
    QList<QAction*> commands; // the items with keys, in menu order, Exit last
    QAction* hex = nullptr;   // the numeric format, mirrored only
    QAction* dec = nullptr;
    QAction* tree = nullptr;
};

// Fills the window's menu bar: "Menu" (open, save, save as), "Options" (the numeric format
// and "Tree") and "Exit", each with its function key.
EditorMenu buildEditorMenu(EditorWindow* window);

} // namespace zantrel
