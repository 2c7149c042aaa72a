#pragma once

#include <QList>

class QAction;
class QMenu;

namespace zantrel {

class EditorWindow;

// The editor window's menu bar, built by buildEditorMenu.
struct EditorMenu {
    QList<QAction*> commands; // the items with keys, in menu order, Exit last
    QAction* hex = nullptr;   // the numeric format, mirrored only
    QAction* dec = nullptr;
    QAction* tree = nullptr;
    QMenu* recent = nullptr; // filled by RecentMenu
    QMenu* edit = nullptr;   // undo and redo, added once the document's history exists
};

// Fills the window's menu bar: "Menu" (new prototype, open, the "Recent" submenu, save, save
// as, the Prototypes window), "Edit"
// (undo, redo), "Options" (the numeric format and "Tree") and "Exit", each with its key.
EditorMenu buildEditorMenu(EditorWindow* window);

} // namespace zantrel
