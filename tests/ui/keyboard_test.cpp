// The windows used from the keyboard alone: the Tab walk against the layout, the picture
// buttons pressed with Space and Enter, the settings window opened, saved and closed.
#include "support/accesstree.h"
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "ui/filetreewindow.h"
#include "ui/picturebutton.h"
#include "ui/settingswindow.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

struct Keyboard : EditorFixture {
    PictureButton* button(QWidget* window, const char* name) {
        return window->findChild<PictureButton*>(QLatin1String(name));
    }
    QWidget* focus() { return QApplication::focusWidget(); }
    void press(Qt::Key k) { QTest::keyClick(focus(), k); }
    // Tab until the control named so has the focus; false when the walk goes round without it.
    bool tabTo(const QString& name) {
        for (int k = 0; k < 300 && focus(); ++k) {
            if (focus()->accessibleName() == name)
                return true;
            press(Qt::Key_Tab);
        }
        return false;
    }
    bool shown(QWidget* window, const char* name) {
        return window->findChild<QWidget*>(QLatin1String(name))->isVisible();
    }
    QString walkFault(QWidget* window, QWidget* first) {
        const QList<QWidget*> walk = tabWalk(first);
        if (walk.size() < 2)
            return "the walk does not move from " + describe(first);
        return readingOrderFault(window, walk);
    }
};

TEST(Keyboard, TheSettingsWindowIsOpenedSavedAndClosedWithKeysAlone) {
    Keyboard k;
    QFile::remove(k.shell.settingsPath);
    SettingsWindow* settings = k.shell.settingsWindow;
    ASSERT_EQ(k.focus(), static_cast<QWidget*>(k.h->openButton()))
        << "the default button has the keyboard first";
    ASSERT_TRUE(k.tabTo("Settings"));
    k.press(Qt::Key_Space);
    ASSERT_TRUE(settings->isVisible());
    ASSERT_TRUE(settings->isActiveWindow());
    ASSERT_NE(k.focus(), nullptr);
    EXPECT_TRUE(settings->isAncestorOf(k.focus()));

    // Tick or untick "Specify another folder for sources", then Save with Enter: the pressed
    // picture shows while the key is down, and the window closes when it comes up.
    ASSERT_TRUE(k.tabTo("Specify another folder for sources"));
    const bool useSources = !static_cast<QCheckBox*>(k.focus())->isChecked();
    k.press(Qt::Key_Space);
    ASSERT_TRUE(k.tabTo("Save settings"));
    QTest::keyPress(k.focus(), Qt::Key_Return);
    EXPECT_TRUE(k.shown(settings, "Image4"));
    EXPECT_TRUE(settings->isVisible());
    QTest::keyRelease(k.focus(), Qt::Key_Return);
    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(QFile(k.shell.settingsPath).open(QIODevice::ReadOnly));
    EXPECT_EQ(k.shell.settings.useSources, useSources ? "1" : "0");

    // Back in the editor, on the settings button: Enter opens them again, Close shuts them.
    EXPECT_TRUE(k.w->isEnabled());
    EXPECT_EQ(k.focus(), k.button(k.w, "Image15"));
    k.press(Qt::Key_Return);
    ASSERT_TRUE(settings->isVisible());
    ASSERT_TRUE(k.tabTo("Close settings"));
    k.press(Qt::Key_Space);
    EXPECT_FALSE(settings->isVisible());
    EXPECT_TRUE(k.prompter.fileRequests.empty()) << "Enter on a picture button opens nothing";
    EXPECT_TRUE(k.prompter.messages.empty());
}

TEST(Keyboard, SpaceAndEnterHoldThePressedPictureUntilTheKeyComesUp) {
    Keyboard k;
    PictureButton* close = k.button(k.w, "Image4");
    k.prompter.confirmAnswers = {false, false};
    size_t asked = 0;
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Enter}) {
        close->setFocus(Qt::TabFocusReason);
        QTest::keyPress(close, key);
        EXPECT_TRUE(k.shown(k.w, "Image6")) << key;
        EXPECT_EQ(k.prompter.messages.size(), asked) << key;
        QTest::keyRelease(close, key);
        EXPECT_FALSE(k.shown(k.w, "Image6")) << key;
        EXPECT_EQ(k.prompter.messages.size(), ++asked) << key;
    }
    // The tree button latches as a press of the mouse does, and the tree's own close button
    // gives its picture back.
    PictureButton* tree = k.button(k.w, "Image5");
    tree->setFocus(Qt::TabFocusReason);
    k.press(Qt::Key_Space);
    EXPECT_TRUE(k.shell.tree->isVisible());
    EXPECT_TRUE(k.shown(k.w, "Image7"));
    PictureButton* treeClose = k.button(k.shell.tree, "Image2");
    QApplication::setActiveWindow(k.shell.tree);
    treeClose->setFocus(Qt::TabFocusReason);
    QTest::keyClick(treeClose, Qt::Key_Return);
    EXPECT_FALSE(k.shell.tree->isVisible());
    EXPECT_FALSE(k.shown(k.w, "Image7"));
    EXPECT_TRUE(k.prompter.fileRequests.empty()) << "Enter on a picture button opens nothing";
}

// The dots of the mark along the top of what is shown.
int markDots(QWidget* shown, const QColor& mark) {
    const QImage face = shown->grab().toImage();
    int dots = 0;
    for (int x = 0; x < face.width(); ++x)
        dots += face.pixelColor(x, 1) == mark ? 1 : 0;
    return dots;
}

TEST(Keyboard, TheFocusedPictureButtonWearsAMarkInTheThemesColour) {
    Keyboard k;
    const struct {
        QWidget* window;
        const char* button;
        QColor mark;
    } buttons[] = {{k.w, "Image15", QColor(0x6e, 0xf0, 0x8a)},
                   {k.w, "Image4", QColor(0x6e, 0xf0, 0x8a)},
                   {k.shell.settingsWindow, "Image5", QColor(Qt::green)}};
    for (const auto& b : buttons) {
        PictureButton* button = k.button(b.window, b.button);
        b.window->show();
        QApplication::setActiveWindow(b.window);
        EXPECT_EQ(button->focusMarkColor(), b.mark) << b.button;
        EXPECT_EQ(markDots(button, b.mark), 0) << b.button;
        button->setFocus(Qt::TabFocusReason);
        EXPECT_GT(markDots(button, b.mark), button->width() / 4) << b.button;
        button->clearFocus();
        EXPECT_EQ(markDots(button, b.mark), 0) << b.button;
    }
    // Latched, the pressed picture lies over the tree button and wears the mark itself.
    QApplication::setActiveWindow(k.w);
    PictureButton* tree = k.button(k.w, "Image5");
    tree->setFocus(Qt::TabFocusReason);
    k.press(Qt::Key_Space);
    QApplication::setActiveWindow(k.w); // as the window system leaves it: the tree is a side window
    ASSERT_TRUE(tree->hasFocus());
    QWidget* pressed = k.w->findChild<QWidget*>("Image7");
    ASSERT_TRUE(pressed->isVisible());
    EXPECT_GT(markDots(pressed, tree->focusMarkColor()), tree->width() / 4);

    // A click leaves the focus where it was: the mouse takes no keyboard focus.
    QWidget* open = k.h->openButton();
    open->setFocus();
    k.prompter.confirmAnswers.push_back(false);
    QTest::mouseClick(k.button(k.w, "Image4"), Qt::LeftButton);
    EXPECT_EQ(k.prompter.messages.size(), 1u);
    EXPECT_EQ(k.focus(), open);
}

TEST(Keyboard, F6TakesTheKeyboardToTheTreeWindowAndBack) {
    Keyboard k;
    k.press(Qt::Key_F6);
    EXPECT_TRUE(k.w->isActiveWindow()) << "no tree window shown: nothing happens";
    k.press(Qt::Key_F1);
    ASSERT_TRUE(k.shell.tree->isVisible());
    // The window system leaves the keyboard with the editor (the tree is shown without
    // activating); the test platform activates every window it shows.
    QApplication::setActiveWindow(k.w);
    k.press(Qt::Key_F6);
    EXPECT_TRUE(k.shell.tree->isActiveWindow());
    // The folder list takes the keyboard at once: Down moves in it.
    auto* folders = k.shell.tree->findChild<QListWidget*>("DirectoryListBox1");
    EXPECT_EQ(k.focus(), folders);
    const int row = folders->currentRow();
    ASSERT_GE(row, 0);
    if (folders->count() > row + 1) {
        k.press(Qt::Key_Down);
        EXPECT_EQ(folders->currentRow(), row + 1);
    }
    k.press(Qt::Key_Tab);
    k.press(Qt::Key_Tab);
    EXPECT_EQ(k.focus()->accessibleName(), "Close tree");
    k.press(Qt::Key_F6);
    EXPECT_TRUE(k.w->isActiveWindow());
    k.press(Qt::Key_F6);
    EXPECT_EQ(k.focus()->accessibleName(), "Close tree") << "where the keyboard left it";
}

// However the tree window is opened or closed, it, the "Tree" action's check mark and the
// tree button's latch are one state.
TEST(Keyboard, TheTreeWindowItsActionAndItsButtonStayTogether) {
    Keyboard k;
    FileTreeWindow* tree = k.shell.tree;
    QWidget* latch = k.w->findChild<QWidget*>("Image7"); // the button's pressed picture
    const auto treeButton = [&] { clickAt(k.w, centreOf(k.w, "Image5")); };
    const auto editorKey = [&](Qt::Key key) {
        QApplication::setActiveWindow(k.w); // where the window system leaves the keyboard
        QTest::keyClick(k.w, key);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        bool open;
    } steps[] = {
        {"the button opens it", treeButton, true},
        {"F1 closes it", [&] { editorKey(Qt::Key_F1); }, false},
        {"F1 opens it", [&] { editorKey(Qt::Key_F1); }, true},
        {"the button closes it", treeButton, false},
        {"the button opens it again", treeButton, true},
        {"its close button closes it", [&] { clickAt(tree, centreOf(tree, "Image2")); }, false},
        {"F6 with no tree opens nothing", [&] { editorKey(Qt::Key_F6); }, false},
        {"F1, then F6 to the tree and back",
         [&] {
             editorKey(Qt::Key_F1);
             editorKey(Qt::Key_F6);
             k.press(Qt::Key_F6);
         },
         true},
        {"F6 to the tree, F1 there closes it",
         [&] {
             editorKey(Qt::Key_F6);
             k.press(Qt::Key_F1);
         },
         false},
        {"the button opens it, the window system closes it",
         [&] {
             treeButton();
             tree->close();
         },
         false},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(tree->isVisible(), s.open) << s.step;
        EXPECT_EQ(k.w->treeAction()->isChecked(), s.open) << s.step;
        EXPECT_EQ(latch->isVisible(), s.open) << s.step;
    }
}

// The Tab walk of every window and page against where its controls lie.
TEST(Keyboard, TheTabWalkFollowsTheLayout) {
    Keyboard k;
    QWidget* first = k.button(k.w, "Image5");
    EXPECT_EQ(k.walkFault(k.w, first), "") << "before a prototype is open";
    static const int lengths[] = {60, 416, 49, 36, 28, 36};
    for (int type = 0; type <= 5; ++type) {
        k.open(k.write(QStringLiteral("t%1.pro").arg(type), makePrototype(type, lengths[type])));
        auto* inner = k.w->findChild<QTabWidget*>(type == 0 ? "PageControl3" : "PageControl2");
        for (int tab = 0; tab < (type <= 1 ? inner->count() : 1); ++tab) {
            if (type <= 1 && !inner->isTabVisible(tab))
                continue;
            if (type <= 1)
                inner->setCurrentIndex(tab);
            EXPECT_EQ(k.walkFault(k.w, first), "") << "type " << type << " tab " << tab;
        }
    }
    // Manual flags open the flag word's box to the keyboard.
    k.w->findChild<QCheckBox*>("CheckBox25")->setChecked(true);
    EXPECT_EQ(k.walkFault(k.w, first), "") << "flags set by hand";

    k.press(Qt::Key_F1);
    QApplication::setActiveWindow(k.shell.tree);
    EXPECT_EQ(k.walkFault(k.shell.tree, k.shell.tree->findChild<QWidget*>("DriveComboBox1")), "");

    SettingsWindow* settings = k.shell.settingsWindow;
    settings->show();
    QApplication::setActiveWindow(settings);
    auto* pages = settings->findChild<QListWidget*>("ListBox1");
    for (int page = 0; page < 3; ++page) {
        pages->setCurrentRow(page);
        EXPECT_EQ(k.walkFault(settings, pages), "") << "settings page " << page;
    }
}

} // namespace
