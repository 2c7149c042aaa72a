#include "support/clicks.h"
#include "support/gamedata.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/filetreewindow.h"
#include "ui/headerpanel.h"
#include "ui/loadingwindow.h"
#include "ui/picture.h"
#include "ui/settingswindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QWidget* picture(QWidget* w, const char* name) {
    return w->findChild<QWidget*>(name);
}

// An editor window on screen, as the loading window leaves it.
struct Editor : ShellFixture {
    EditorWindow* w;
    Editor() : w(shell.editor) {
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    void key(Qt::Key k) { QTest::keyClick(w, k); }
    void press(const char* name) { pressAt(w, centreOf(w, name)); }
    void release(const char* name) { releaseAt(w, centreOf(w, name)); }
    bool shown(const char* name) { return picture(w, name)->isVisible(); }
    // A wall prototype opened through the open dialog.
    void opened() {
        prompter.fileAnswers.push_back(folder.write("w.pro", makePrototype(3, 36)));
        key(Qt::Key_F2);
        ASSERT_TRUE(w->document().isOpened());
    }
};

} // namespace

TEST(EditorWindow, FrameMenuAndStartState) {
    Editor e;
    EXPECT_EQ(e.w->centralWidget()->size(), QSize(815, 572));
    EXPECT_TRUE(e.w->windowFlags() & Qt::FramelessWindowHint);
    const struct {
        const char* name;
        QRect place;
        bool visible;
    } pictures[] = {
        {"Image3", {0, 0, 815, 532}, true},     {"Image9", {0, 532, 815, 40}, true},
        {"Image5", {48, 5, 81, 22}, true},      {"Image7", {48, 5, 81, 22}, false},
        {"Image15", {540, 5, 135, 22}, true},   {"Image14", {540, 5, 135, 22}, false},
        {"Image8", {678, 5, 18, 22}, true},     {"Image4", {704, 5, 76, 22}, true},
        {"Image6", {704, 5, 76, 22}, false},    {"Image10", {180, 542, 23, 20}, true},
        {"Image11", {180, 542, 23, 20}, false},
    };
    for (const auto& p : pictures) {
        QWidget* pic = picture(e.w, p.name);
        ASSERT_NE(pic, nullptr) << p.name;
        EXPECT_EQ(pic->geometry(), p.place) << p.name;
        EXPECT_EQ(pic->isVisible(), p.visible) << p.name;
        EXPECT_FALSE(pic->accessibleName().isEmpty()) << p.name;
    }
    EXPECT_EQ(picture(e.w, "Image8")->toolTip(), "Minimize");
    EXPECT_EQ(e.w->findChild<QLabel*>("Label19")->text(), "Status Bar");
    EXPECT_EQ(e.w->back()->geometry(), QRect(58, 50, 710, 449));
    QTabWidget* pages = e.w->pageControl();
    EXPECT_FALSE(pages->isEnabled());
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "About");
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    EXPECT_EQ(tabs,
              QStringList({"Items", "Critters", "Scenery", "Walls", "Tiles", "Misc", "About"}));

    QStringList items;
    for (QAction* top : e.w->menuBar()->actions()) {
        items << top->text();
        if (top->menu())
            for (QAction* a : top->menu()->actions()) {
                items << "  " + a->text() + " " + a->shortcut().toString();
                if (a->menu())
                    for (QAction* b : a->menu()->actions())
                        items << "    " + b->text() + " " + b->shortcut().toString() +
                                     (b->isChecked() ? " checked" : "") +
                                     (b->isEnabled() ? "" : " disabled");
            }
    }
    EXPECT_EQ(items, QStringList({"Menu", "  New prototype... Ctrl+N", "  Open .PRO ... F2",
                                  "  Recent ", "  Save .PRO F3", "  Save .PRO As ... F4",
                                  "  Prototypes... F5", "Edit", "  Undo Ctrl+Z",
                                  "  Redo Ctrl+Shift+Z", "   ", "  Name and Description... Ctrl+D",
                                  "Options", "  Numeric Format ", "    HEX F12 checked disabled",
                                  "    DEC F11 disabled", "  Tree F1", "Exit"}));
}

TEST(EditorWindow, TreeWindowDocksAndTheButtonsKeepTheirPictures) {
    Editor e;
    ASSERT_EQ(e.w->screen()->geometry().width(), 1024);
    e.key(Qt::Key_F1);
    EXPECT_TRUE(e.shell.tree->isVisible());
    EXPECT_TRUE(e.w->treeAction()->isChecked());
    EXPECT_EQ(e.w->x(), 184);
    EXPECT_EQ(e.shell.tree->x(), 24);
    EXPECT_EQ(e.shell.tree->y(), e.w->y());
    EXPECT_TRUE(e.shown("Image7")); // the button's latch follows the tree however it opens
    e.key(Qt::Key_F1);
    EXPECT_FALSE(e.shell.tree->isVisible());
    EXPECT_FALSE(e.w->treeAction()->isChecked());
    EXPECT_EQ(e.w->x(), (1024 - e.w->width()) / 2);
    EXPECT_TRUE(e.shown("Image5"));

    // The tree button shows its open picture; the tree's own close button restores it.
    e.press("Image5");
    EXPECT_TRUE(e.shown("Image7"));
    EXPECT_TRUE(e.shell.tree->isVisible());
    const QPoint treeClose = centreOf(e.shell.tree, "Image2");
    pressAt(e.shell.tree, treeClose);
    EXPECT_TRUE(picture(e.shell.tree, "Image3")->isVisible());
    releaseAt(e.shell.tree, treeClose); // one click: press and release at one point
    EXPECT_FALSE(e.shell.tree->isVisible());
    EXPECT_FALSE(e.w->treeAction()->isChecked());
    EXPECT_TRUE(e.shown("Image5"));
    EXPECT_FALSE(e.shown("Image7"));
    EXPECT_TRUE(picture(e.shell.tree, "Image2")->isVisibleTo(e.shell.tree));

    // Opened by the button and closed by F1, or closed by the system: one state still.
    e.press("Image5");
    e.key(Qt::Key_F1);
    EXPECT_FALSE(e.shell.tree->isVisible());
    EXPECT_TRUE(e.shown("Image5"));
    EXPECT_FALSE(e.shown("Image7"));
    e.press("Image5");
    e.shell.tree->close();
    EXPECT_FALSE(e.shell.tree->isVisible());
    EXPECT_FALSE(e.w->treeAction()->isChecked());
    EXPECT_FALSE(e.shown("Image7"));
}

TEST(EditorWindow, DraggingMovesTheWindowAndTheDockedTree) {
    Editor e;
    for (const char* drag : {"Image9", "Image3"}) {
        const QPoint before = e.w->pos();
        QWidget* p = picture(e.w, drag);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 20));
        QMouseEvent move(QEvent::MouseMove, QPointF(110, 25), p->mapToGlobal(QPointF(110, 25)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(p, &move);
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(110, 25));
        EXPECT_EQ(e.w->pos(), before + QPoint(10, 5)) << drag;
    }
    e.key(Qt::Key_F1);
    const QPoint before = e.w->pos();
    QWidget* bg = picture(e.shell.tree, "Image1");
    QTest::mousePress(bg, Qt::LeftButton, {}, QPoint(50, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 60), bg->mapToGlobal(QPointF(30, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bg, &move);
    QTest::mouseRelease(bg, Qt::LeftButton, {}, QPoint(30, 60));
    EXPECT_EQ(e.w->pos(), before + QPoint(-20, 10));
    EXPECT_EQ(e.shell.tree->pos(), e.w->pos() - QPoint(160, 0));
}

TEST(EditorWindow, NumericFormatKeysChangeNothing) {
    Editor e;
    QAction* hex = nullptr;
    QAction* dec = nullptr;
    for (QAction* a : e.w->findChildren<QAction*>()) {
        if (a->text() == "HEX")
            hex = a;
        if (a->text() == "DEC")
            dec = a;
    }
    ASSERT_TRUE(hex && dec);
    e.key(Qt::Key_F11);
    e.key(Qt::Key_F12);
    EXPECT_TRUE(hex->isChecked());
    EXPECT_FALSE(dec->isChecked());
    EXPECT_TRUE(e.prompter.messages.empty());
}

TEST(EditorWindow, EveryCloseRequestAsks) {
    Editor e;
    int quits = 0;
    e.shell.quit = [&quits] { ++quits; };
    e.prompter.confirmAnswers = {false, false, false, true};
    e.key(Qt::Key_F10);
    e.press("Image4");
    EXPECT_TRUE(e.shown("Image6"));
    e.release("Image4"); // at the same point: one click asks
    EXPECT_FALSE(e.shown("Image6"));
    e.w->close();
    EXPECT_TRUE(e.w->isVisible());
    EXPECT_EQ(quits, 0);
    ASSERT_EQ(e.prompter.messages.size(), 3u);
    for (const auto& m : e.prompter.messages) {
        EXPECT_EQ(m.kind, "confirm");
        EXPECT_EQ(m.title, "Confirm");
        EXPECT_EQ(m.text, QString::fromUtf8("Вы действительно хотите выйти?"));
    }
    e.key(Qt::Key_F10); // OK: the loading window closes, and the program with it
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(e.w->isVisible());
}

TEST(EditorWindow, AnEditBlinksTheLampUntilTypedBack) {
    Editor e;
    e.shell.settings = writeGameData(e.folder);
    EXPECT_FALSE(e.w->alarmOn());
    e.opened();
    QLineEdit* textId = e.w->header()->edit(3);
    const QString stored = textId->text();
    textId->selectAll();
    QTest::keyClicks(textId, "00000001");
    EXPECT_TRUE(e.w->alarmOn());
    ASSERT_TRUE(waitFor([&] { return e.shown("Image11"); }, 2500));
    EXPECT_FALSE(e.shown("Image10"));
    ASSERT_TRUE(waitFor([&] { return e.shown("Image10"); }, 2500));
    ASSERT_TRUE(waitFor([&] { return e.shown("Image11"); }, 2500));
    textId->selectAll();
    QTest::keyClicks(textId, stored); // the value the file holds: nothing to save
    EXPECT_FALSE(e.w->alarmOn());
    EXPECT_TRUE(e.shown("Image10"));
    EXPECT_FALSE(e.shown("Image11"));
}

TEST(EditorWindow, SettingsButtonLendsTheWindow) {
    Editor e;
    e.press("Image15");
    EXPECT_TRUE(e.shown("Image14"));
    EXPECT_FALSE(e.w->isEnabled());
    EXPECT_TRUE(e.shell.settingsWindow->isVisible());
    e.shell.settingsWindow->closeWindow();
    EXPECT_TRUE(e.w->isEnabled());
    EXPECT_TRUE(e.shown("Image15"));
    EXPECT_FALSE(e.shown("Image14"));
}

TEST(EditorWindow, NothingToSaveBeforeAPrototypeIsOpen) {
    Editor e;
    e.key(Qt::Key_F3);
    e.key(Qt::Key_F4);
    ASSERT_EQ(e.prompter.messages.size(), 2u);
    for (const auto& m : e.prompter.messages) {
        EXPECT_EQ(m.title, "Error!");
        EXPECT_EQ(m.text, "Cannot save file. Please check marked fields");
    }
    e.key(Qt::Key_F2);
    ASSERT_EQ(e.prompter.fileRequests.size(), 1u);
    EXPECT_TRUE(e.prompter.fileRequests[0].startsWith("open " + QDir::currentPath()));
}

TEST(EditorWindow, MinimiseButtonPressesItsBevel) {
    Editor e;
    auto* bevel = e.w->findChild<QFrame*>("Bevel7");
    e.press("Image8");
    EXPECT_EQ(bevel->frameShadow(), QFrame::Sunken);
    e.release("Image8");
    EXPECT_EQ(bevel->frameShadow(), QFrame::Raised);
    EXPECT_TRUE(e.w->isMinimized());
}

TEST(Shell, WindowsAreCreatedInOrderAndTheStartFolderIsKept) {
    ShellFixture f;
    EXPECT_EQ(f.shell.startFolder, f.folder.path());
    EXPECT_EQ(f.shell.settingsPath, f.folder.file("zantrel.ini"));
    EXPECT_EQ(f.shell.loading->windowTitle(), "Zantrel");
    EXPECT_EQ(f.shell.tree->windowTitle(), "Tree");
    EXPECT_EQ(f.shell.tree->size(), QSize(160, 572));
    EXPECT_EQ(f.shell.loading->size(), QSize(476, 455));
    EXPECT_FALSE(f.shell.editor->isVisible());
    EXPECT_FALSE(f.shell.tree->isVisible());
    EXPECT_FALSE(f.shell.settingsWindow->isVisible());
}

TEST(EditorWindow, TheProgramFoldersCursorIsUsedWhenPresent) {
    for (bool present : {false, true}) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        ShellFixture f(false);
        if (present)
            QFile::copy(QStringLiteral(ZANTREL_SOURCE_DIR "/resources/skins/cursor.cur"),
                        f.folder.file("cursor.cur"));
        f.create();
        f.shell.editor->showCentred();
        QApplication::setActiveWindow(f.shell.editor);
        ASSERT_TRUE(waitFor([&] { return f.shell.editor->isActiveWindow(); }));
        const QCursor* cursor = QApplication::overrideCursor();
        EXPECT_EQ(cursor != nullptr, present);
        if (cursor) {
            EXPECT_EQ(cursor->hotSpot(), QPoint(1, 1));
            EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
        }
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

TEST(EditorWindow, MinimisingTakesTheTreeWindowAlong) {
    Editor e;
    e.key(Qt::Key_F1);
    ASSERT_TRUE(e.shell.tree->isVisible());
    clickAt(e.w, centreOf(e.w, "Image8"));
    EXPECT_TRUE(e.w->isMinimized());
    EXPECT_FALSE(e.shell.tree->isVisible());
    e.w->showNormal();
    EXPECT_TRUE(e.shell.tree->isVisible());
    EXPECT_EQ(e.shell.tree->pos(), e.w->pos() - QPoint(e.shell.tree->width(), 0));
}

TEST(EditorWindow, TheTreeWindowsKeysRestWhileTheSettingsWindowIsOpen) {
    Editor e;
    e.key(Qt::Key_F1);
    clickAt(e.w, centreOf(e.w, "Image15"));
    ASSERT_TRUE(e.shell.settingsWindow->isVisible());
    QApplication::setActiveWindow(e.shell.tree);
    for (Qt::Key k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F10})
        QTest::keyClick(e.shell.tree, k);
    EXPECT_TRUE(e.prompter.messages.empty());
    EXPECT_TRUE(e.prompter.fileRequests.empty());
    e.shell.settingsWindow->closeWindow();
    QApplication::setActiveWindow(e.shell.tree);
    QTest::keyClick(e.shell.tree, Qt::Key_F2);
    EXPECT_EQ(e.prompter.fileRequests.size(), 1u);
}

TEST(EditorWindow, EnterClicksTheFocusedPushButtonAndOpensElsewhere) {
    Editor e;
    e.shell.settings = writeGameData(e.folder);
    e.prompter.fileAnswers.push_back(e.folder.write("w.pro", makePrototype(3, 36)));
    e.key(Qt::Key_Return); // from no button: Open
    ASSERT_EQ(e.prompter.fileRequests.size(), 1u);
    auto* refresh = e.w->findChild<QPushButton*>("Button6");
    ASSERT_TRUE(refresh->isEnabled());
    e.w->header()->edit(3)->setText("00000190");
    refresh->setFocus();
    QTest::keyClick(refresh, Qt::Key_Return);
    EXPECT_EQ(e.prompter.fileRequests.size(), 1u) << "no second open dialog";
    EXPECT_EQ(e.w->findChild<QPlainTextEdit*>("Memo3")->toPlainText(),
              "Name: wall 4 \nScript description: Script number 5");
}

TEST(EditorWindow, LeavingTheObjectIdRefreshesOnlyForAMoveInsideTheWindow) {
    Editor e;
    e.shell.settings = writeGameData(e.folder);
    e.prompter.fileAnswers.push_back(e.folder.write("w.pro", makePrototype(3, 36)));
    e.key(Qt::Key_F2);
    QLineEdit* id = e.w->header()->edit(2);
    auto* memo = e.w->findChild<QPlainTextEdit*>("Memo3");
    const struct {
        Qt::FocusReason reason;
        bool refreshes;
    } cases[] = {{Qt::PopupFocusReason, false},
                 {Qt::MenuBarFocusReason, false},
                 {Qt::ActiveWindowFocusReason, false},
                 {Qt::TabFocusReason, true},
                 {Qt::MouseFocusReason, true}};
    for (const auto& c : cases) {
        memo->setPlainText("stale");
        id->setFocus();
        QFocusEvent out(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(id, &out);
        EXPECT_EQ(memo->toPlainText() != "stale", c.refreshes) << c.reason;
    }
}

TEST(EditorWindow, TheObjectIdLosingTheFocusWhileTheWindowGoesReachesNothing) {
    Editor e;
    e.shell.settings = writeGameData(e.folder);
    e.prompter.fileAnswers.push_back(e.folder.write("w.pro", makePrototype(3, 36)));
    e.key(Qt::Key_F2);
    // Without its message file a refresh shows an error: the prompter sees every refresh.
    ASSERT_TRUE(QFile::remove(e.folder.file("Source/pro_wall.msg")));
    QLineEdit* id = e.w->header()->edit(2);
    id->setFocus();
    e.w->header()->edit(3)->setFocus();
    ASSERT_EQ(e.prompter.messages.size(), 1u) << "a move inside the window refreshes";
    id->setFocus();
    e.prompter.messages.clear();
    // A window system deactivates the window later than the offscreen one: the box can
    // lose the focus while the window's children are being deleted. The title bar picture
    // goes before the header panel does.
    QObject::connect(picture(e.w, "Image3"), &QObject::destroyed, [id] {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(id, &out);
    });
    destroyWindows(e.shell);
    EXPECT_TRUE(e.prompter.messages.empty());
}

TEST(EditorWindow, EditsKeepTheLampBlinkingInItsRhythm) {
    Editor e;
    e.shell.settings = writeGameData(e.folder);
    e.opened();
    QLineEdit* textId = e.w->header()->edit(3);
    textId->selectAll();
    QTest::keyClicks(textId, "0000000");
    ASSERT_TRUE(waitFor([&] { return e.shown("Image11"); }, 2500));
    // Edits arriving faster than the blink must not hold the lamp still.
    QElapsedTimer clock;
    clock.start();
    bool blinkedBack = false;
    for (int digit = 0; clock.elapsed() < 2500 && !blinkedBack; ++digit) {
        textId->setText(QString("0000000%1").arg(1 + digit % 8));
        QTest::qWait(100);
        blinkedBack = e.shown("Image10");
    }
    EXPECT_TRUE(blinkedBack);
}
