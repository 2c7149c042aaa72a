#pragma once

#include "shell.h"

#include <QMainWindow>
#include <QPoint>

class QAction;
class QFrame;
class QLabel;
class QTabWidget;
class QTimer;

namespace zantrel {

class Picture;

// The skinned, borderless editor window: its frame pictures and picture buttons, the menu
// and its function keys, the unsaved-changes indicator and the close confirmation. The
// editor area is the panel "back".
class TZantrel : public QMainWindow {
    Q_OBJECT
public:
    explicit TZantrel(Shell& shell);

    static constexpr int kClientWidth = 815;
    static constexpr int kClientHeight = 572;

    void setalarm();   // raises the modified mark: the indicator starts blinking
    void clearalarm(); // opening and saving: the indicator stops, steady
    bool alarmOn() const;

    void Tree1Click();         // shows or hides the tree window
    void settingsClosed();     // the settings window gives the editor back
    void treeClosedByButton(); // the tree window's own close button
    void showCentred();

    // The open and save commands; the document behind them comes with the pages.
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Dragging, shared with the tree window's background.
    void dragPress(QPoint at);
    void dragMove(QPoint at);
    void dragRelease();
    void dockTree();

    QAction* treeAction() const { return m_treeAction; }
    // The menu commands with keys, for the tree window to offer too.
    QList<QAction*> commandActions() const { return m_commands; }
    QWidget* back() const { return m_back; }
    QTabWidget* pageControl() const { return m_pages; }
    bool fieldsvalid = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void buildFrame(QWidget* client);
    void Timer2Timer();
    void loadCursor();
    QRect desktop() const;

    Shell& m_shell;
    bool m_dragging = false;
    bool m_treeDragging = false;
    QPoint m_pressPoint;
    bool m_blinkPhase = false;

    QAction* m_treeAction = nullptr;
    QList<QAction*> m_commands;
    QAction* m_hexAction = nullptr;
    QAction* m_decAction = nullptr;
    QTimer* m_timer2 = nullptr;
    QWidget* m_back = nullptr;
    QTabWidget* m_pages = nullptr;
    QFrame* m_bevel7 = nullptr;
    Picture* m_image4 = nullptr; // close
    Picture* m_image6 = nullptr;
    Picture* m_image5 = nullptr; // tree
    Picture* m_image7 = nullptr;
    Picture* m_image10 = nullptr; // unsaved-changes indicator
    Picture* m_image11 = nullptr;
    Picture* m_image14 = nullptr; // settings
    Picture* m_image15 = nullptr;
};

} // namespace zantrel
