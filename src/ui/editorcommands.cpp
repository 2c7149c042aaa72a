// The editor window's commands on the open prototype: each is the document controller's.
#include "editorwindow.h"

#include "documentcontroller.h"
#include "newprototypedialog.h"
#include "proto/document.h"
#include "recentmenu.h"

#include <QFileInfo>

namespace zantrel {

void EditorWindow::showTypePage(int type) {
    if (m_controller) // not while the window is being built
        m_controller->showTypePage(type);
}

TypePage* EditorWindow::typePage() const {
    return m_controller->typePage();
}

void EditorWindow::updateValidity() {
    if (m_controller) // not while the window is being built
        m_controller->updateValidity();
}

bool EditorWindow::fieldsValid() const {
    return m_doc->isValid();
}

void EditorWindow::newPrototype() {
    askNewPrototype(m_app, *m_controller, *m_doc, this);
}

void EditorWindow::openWithDialog() {
    m_controller->openWithDialog();
}

void EditorWindow::openFromTree(const QString& path) {
    m_controller->openPath(path);
}

bool EditorWindow::openRequested(const QString& path) {
    return m_controller->openPath(path);
}

void EditorWindow::openRecent(const QString& path) {
    if (!m_controller->openPath(path) && !QFileInfo::exists(path))
        m_recent->remove(path);
}

void EditorWindow::openFromGame(const QString& relative) {
    if (m_controller)
        m_controller->openGameFile(relative);
}

void EditorWindow::save() {
    m_controller->save();
}

void EditorWindow::saveAs() {
    m_controller->saveAs();
}

void EditorWindow::refreshDescription() {
    if (m_controller) // not while the window is being built
        m_controller->refreshDescription();
}

} // namespace zantrel
