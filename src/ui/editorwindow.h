#pragma once

#include "app.h"
#include "proto/document.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QLabel;
class QTabWidget;
class QTimer;
class QUndoStack;

namespace zantrel {

class DocumentController;
class HeaderPanel;
class TypePage;
class Picture;
class PictureButton;
class RecentMenu;
class SimplePages;

// The skinned, borderless editor window: its frame pictures and picture buttons, the menu
// and its function keys, the unsaved-changes indicator and the close confirmation. The
// editor area is the panel "back".
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(AppContext& app);
    ~EditorWindow() override;

    static constexpr int kClientWidth = 815;
    static constexpr int kClientHeight = 572;

    // The document's modified mark, which the lamp follows.
    bool alarmOn() const;
    // The open prototype's undo history: one step per change of the user.
    QUndoStack* history() const;
    QAction* undoAction() const { return m_undoAction; }
    QAction* redoAction() const { return m_redoAction; }

    void toggleTree();     // shows or hides the tree window
    void settingsClosed(); // the settings window gives the editor back
    void showCentred();

    // Opening and saving the document, carried out by its controller.
    void newPrototype();   // New prototype: the dialog, then the new one is open
    void openWithDialog(); // Open: the open dialog, then openfile
    void save();           // Save
    void saveAs();         // Save As
    void refreshDescription();
    void openFromTree(const QString& path);
    void openFromGame(const QString& relative); // a prototype of the game's view
    // A file named from outside: on the command line or dropped on the window. Asks first
    // while there are unsaved changes; false when nothing was opened.
    bool openRequested(const QString& path);
    // A pick in the Recent menu; a file that is gone leaves the list.
    void openRecent(const QString& path);

    const Document& document() const { return *m_doc; }
    // The document may be saved: it opened completely and no field is marked red.
    bool fieldsValid() const;
    HeaderPanel* header() const { return m_header; }
    SimplePages* simplePages() const { return m_simple; }
    TypePage* itemPage() const { return m_itemPage.get(); }
    TypePage* critterPage() const { return m_critterPage.get(); }
    // The page with fields of its own for the open prototype's type, if any.
    TypePage* typePage() const;
    // Validity anew: the prototype opened completely and no field of its page is red.
    void updateValidity();

    // The window the tree button shows, hides and keeps docked on the left.
    void setDockedWindow(QWidget* window) { m_dockedWindow = window; }

    // Dragging, shared with the tree window's background.
    void dragPress(QPoint at);
    void dragMove(QPoint at);
    void dragRelease();
    void dockTree();

    QAction* treeAction() const { return m_treeAction; }
    RecentMenu* recentMenu() const { return m_recent; }
    // The menu commands with keys, for the tree window to offer too.
    QList<QAction*> commandActions() const { return m_commands; }
    QWidget* back() const { return m_back; }
    QTabWidget* pageControl() const { return m_pages; }

signals:
    void settingsRequested();
    void prototypesRequested(); // "Prototypes...": the game's objects beside the editor
    void closed();              // the user confirmed: the program ends

protected:
    void closeEvent(QCloseEvent* event) override;
    // Undo and redo keys go to the history, not to the box that has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void buildHistoryActions(QMenu* edit);
    void takeEdit();                       // a control was changed by the user
    void buildFrame(QWidget* client);      // the skin's pictures and title bar buttons
    void buildStatusBar(QWidget* client);  // the file name, the caption and the lamp
    void buildEditorArea(QWidget* client); // "back" and the page control
    void buildPages();
    void showTypePage(int type);
    void showError(const QString& text, const QString& path = QString());
    void setCaption();
    void blink();
    void showModified(bool modified);
    void loadCursor();
    QRect desktop() const;

    AppContext& m_app;
    bool m_dragging = false;
    bool m_treeDragging = false;
    QPoint m_pressPoint;
    bool m_blinkPhase = false;
    bool m_treeHiddenByMinimize = false;
    QWidget* m_dockedWindow = nullptr;
    QPointer<QWidget> m_focusBeforeSettings; // given the focus back when the settings close

    QAction* m_treeAction = nullptr;
    QMenu* m_recentItems = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    RecentMenu* m_recent = nullptr;
    QList<QAction*> m_commands;
    QAction* m_hexAction = nullptr;
    QAction* m_decAction = nullptr;
    QTimer* m_blinkTimer = nullptr;
    QWidget* m_back = nullptr;
    QTabWidget* m_pages = nullptr;
    Document* m_doc = nullptr;
    DocumentController* m_controller = nullptr;
    HeaderPanel* m_header = nullptr;
    SimplePages* m_simple = nullptr;
    std::unique_ptr<TypePage> m_itemPage;
    std::unique_ptr<TypePage> m_critterPage;
    QLabel* m_fileNameLabel = nullptr;
    QFrame* m_minimizeBevel = nullptr;
    PictureButton* m_closeButton = nullptr;
    PictureButton* m_treeButton = nullptr;
    PictureButton* m_settingsButton = nullptr;
    Picture* m_steadyLamp = nullptr; // unsaved-changes indicator
    Picture* m_blinkLamp = nullptr;
};

} // namespace zantrel
