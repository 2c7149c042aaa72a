// What assistive technology is told of the windows, read through Qt's accessibility interfaces
// as the AT-SPI bridge reads them: names, values, hidden tabs and the picture buttons' press.
#include "support/accesstree.h"
#include "support/editorfixture.h"
#include "ui/filetreewindow.h"
#include "ui/picturebutton.h"
#include "ui/prototypeswindow.h"
#include "ui/settingswindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

struct Accessible : EditorFixture {
    Accessible() { folder.write("Source/inven.lst", "inv0.frm\r\ninv1.frm\r\n"); }
    void openType(int type) {
        static const int lengths[] = {60, 416, 49, 36, 28, 36};
        open(write(QStringLiteral("t%1.pro").arg(type), makePrototype(type, lengths[type])));
    }
    template <typename T = QWidget> T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }
    QTabWidget* tabs(const char* name) { return in<QTabWidget>(w, name); }
    // Every visible interactive control without a name, or named by what it holds.
    static QStringList unnamed(QWidget* window) {
        QStringList faults;
        for (const AccessibleControl& c : visibleControls(window))
            if (c.name.trimmed().isEmpty() || c.name == c.value)
                faults << c.path + " named \"" + c.name + "\" holding \"" + c.value + "\"";
        return faults;
    }
};

// Every page of every window, as each type of prototype shows it, with its inner tabs.
TEST(Accessibility, EveryVisibleControlIsNamedAndNotByItsValue) {
    Accessible a;
    EXPECT_EQ(Accessible::unnamed(a.w), QStringList()) << "before a prototype is open";
    int checked = 0;
    for (int type = 0; type <= 5; ++type) {
        a.openType(type);
        ASSERT_EQ(a.w->document().type(), type);
        QTabWidget* inner = type == 0   ? a.tabs("PageControl3")
                            : type == 1 ? a.tabs("PageControl2")
                                        : nullptr;
        for (int tab = 0; tab < (inner ? inner->count() : 1); ++tab) {
            if (inner && !inner->isTabVisible(tab))
                continue;
            if (inner)
                inner->setCurrentIndex(tab);
            EXPECT_EQ(Accessible::unnamed(a.w), QStringList()) << "type " << type << " tab " << tab;
            checked += int(visibleControls(a.w).size());
        }
    }
    QTest::keyClick(a.w, Qt::Key_F1);
    EXPECT_EQ(Accessible::unnamed(a.shell.tree), QStringList());
    QTest::keyClick(a.w, Qt::Key_F5);
    EXPECT_EQ(Accessible::unnamed(a.shell.prototypes), QStringList());
    checked += int(visibleControls(a.shell.prototypes).size());
    SettingsWindow* settings = a.shell.settingsWindow;
    settings->show();
    for (int page = 0; page < 4; ++page) {
        a.in<QListWidget>(settings, "ListBox1")->setCurrentRow(page);
        EXPECT_EQ(Accessible::unnamed(settings), QStringList()) << "settings page " << page;
        checked += int(visibleControls(settings).size());
    }
    EXPECT_GT(checked, 400) << "the walk reached the pages' controls";
}

TEST(Accessibility, ComboBoxesAreNamedByTheirCaptionAndValuedByTheirEntry) {
    Accessible a;
    a.openType(1);
    QTest::keyClick(a.w, Qt::Key_F1);
    const struct {
        QWidget* window;
        const char* box;
        const char* name;
        const char* value;
    } boxes[] = {
        {a.w, "ComboBox2", "Frame", "cri2,11,1"},
        {a.w, "ComboBox1", "Script", "s5.int      "},
        {a.w, "ComboBox3", "Body type", "400"},
        {a.w, "ComboBox4", "Kill type", "1450"},
        {a.w, "ComboBox5", "Gender (base)", "Male"},
        {a.shell.tree, "DriveComboBox1", "Drive", "Game data"},
    };
    a.shell.tree->setGameFolder(QString());
    for (const auto& b : boxes) {
        auto* box = a.in<QComboBox>(b.window, b.box);
        ASSERT_NE(box, nullptr) << b.box;
        QAccessibleInterface* i = accessibleOf(box);
        EXPECT_EQ(i->role(), QAccessible::ComboBox) << b.box;
        EXPECT_EQ(i->text(QAccessible::Name), b.name) << b.box;
        EXPECT_EQ(i->text(QAccessible::Value), b.value) << b.box;
        ASSERT_NE(i->textInterface(), nullptr) << b.box;
        EXPECT_EQ(i->textInterface()->text(0, i->textInterface()->characterCount()), b.value)
            << "the text the AT-SPI bridge passes on: " << b.box;
        // The list and, for a box one can type in, the typing box, named as the box.
        ASSERT_EQ(i->childCount(), box->isEditable() ? 2 : 1) << b.box;
        EXPECT_EQ(i->child(0)->object(), box->view());
        EXPECT_EQ(i->indexOfChild(i->child(0)), 0);
        if (box->isEditable()) {
            EXPECT_EQ(i->child(1)->object(), box->lineEdit());
            EXPECT_EQ(i->child(1)->text(QAccessible::Name), b.name) << b.box;
            EXPECT_EQ(i->indexOfChild(i->child(1)), 1);
        }
    }
    // Typing a number the list lacks: the value is what was typed.
    auto* body = a.in<QComboBox>(a.w, "ComboBox3");
    body->lineEdit()->setText("777");
    EXPECT_EQ(accessibleOf(body)->text(QAccessible::Value), "777");
    // The press action opens the list and closes it again.
    QAccessibleActionInterface* actions = accessibleOf(body)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(body->view()->isVisible());
    EXPECT_TRUE(accessibleOf(body)->state().expanded);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_FALSE(body->view()->isVisible());
}

TEST(Accessibility, HiddenTabsAreReportedInvisibleAndTabBarsNamedByTheirPages) {
    Accessible a;
    a.openType(0);
    QTabWidget* item = a.tabs("PageControl3");
    ASSERT_GT(item->count(), 1);
    const struct {
        QTabWidget* pages;
        const char* name;
    } bars[] = {{a.tabs("PageControl1"), "Object type pages"},
                {item, "Item pages"},
                {a.tabs("PageControl2"), "Critter pages"}};
    for (const auto& b : bars)
        EXPECT_EQ(accessibleOf(b.pages->tabBar())->text(QAccessible::Name), b.name);

    QAccessibleInterface* bar = accessibleOf(item->tabBar());
    ASSERT_GE(bar->childCount(), item->count());
    auto shownTabs = [&] {
        QStringList shown;
        for (int k = 0; k < bar->childCount(); ++k) {
            QAccessibleInterface* tab = bar->child(k);
            EXPECT_EQ(bar->indexOfChild(tab), k);
            if (tab->role() == QAccessible::PageTab && !tab->state().invisible) {
                EXPECT_FALSE(tab->rect().isEmpty()) << k;
                shown << tab->text(QAccessible::Name);
            } else if (tab->role() == QAccessible::PageTab) {
                EXPECT_TRUE(tab->rect().isEmpty()) << k;
                EXPECT_TRUE(tab->actionInterface()->actionNames().isEmpty()) << k;
            }
        }
        return shown;
    };
    QStringList expected;
    for (int k = 0; k < item->count(); ++k)
        if (item->isTabVisible(k))
            expected << item->tabText(k).replace("&&", "&");
    EXPECT_EQ(shownTabs(), expected);
    EXPECT_LT(expected.size(), item->count()) << "some kind tabs are hidden";

    // A kind tab shown is reported at once, and its press action brings it forward.
    int hidden = 1;
    while (item->isTabVisible(hidden))
        ++hidden;
    item->setTabVisible(hidden, true);
    item->setTabEnabled(hidden, true); // as a kind's tab is shown
    EXPECT_TRUE(shownTabs().contains(item->tabText(hidden)));
    bar->child(hidden)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(item->currentIndex(), hidden);
    EXPECT_TRUE(bar->child(hidden)->state().selected);
    item->setTabVisible(hidden, false);
    EXPECT_FALSE(shownTabs().contains(item->tabText(hidden)));
}

// Each picture button: a named button with the press action, which does what a click does.
TEST(Accessibility, PictureButtonsAreButtonsThatTheirPressActionActivates) {
    Accessible a;
    SettingsWindow* settings = a.shell.settingsWindow;
    FileTreeWindow* tree = a.shell.tree;
    auto* source = a.in<QCheckBox>(settings, "CheckBox1");
    const struct {
        std::function<QWidget*()> window;
        const char* button;
        const char* face; // its pressed or highlighted picture
        const char* name;
        std::function<bool()> done;
    } buttons[] = {
        {[&] { return a.w; }, "Image5", "Image7", "Tree", [&] { return tree->isVisible(); }},
        {[&] { return tree; }, "Image2", "Image3", "Close tree",
         [&] { return !tree->isVisible(); }},
        {[&] { return a.w; }, "Image15", "Image14", "Settings",
         [&] { return settings->isVisible() && !a.w->isEnabled(); }},
        {[&] {
             source->setChecked(false);
             return settings;
         },
         "Image6", "Image7", "Restore defaults", [&] { return source->isChecked(); }},
        {[&] { return settings; }, "Image5", "Image4", "Save settings",
         [&] { return !settings->isVisible() && QFile::exists(a.shell.settingsPath); }},
        {[&] {
             a.w->findChild<PictureButton*>("Image15")->click();
             return settings;
         },
         "Image3", "Image2", "Close settings", [&] { return !settings->isVisible(); }},
        {[&] { return a.w; }, "Image8", nullptr, "Minimize", [&] { return a.w->isMinimized(); }},
        {[&] {
             a.w->showNormal();
             a.prompter.confirmAnswers.push_back(false);
             return a.w;
         },
         "Image4", "Image6", "Close", [&] { return a.prompter.messages.size() == 1; }},
    };
    QFile::remove(a.shell.settingsPath);
    for (const auto& b : buttons) {
        QWidget* window = b.window();
        auto* button = a.in<PictureButton>(window, b.button);
        ASSERT_NE(button, nullptr) << b.name;
        QAccessibleInterface* i = accessibleOf(button);
        EXPECT_EQ(i->role(), QAccessible::Button) << b.name;
        EXPECT_EQ(i->text(QAccessible::Name), b.name);
        EXPECT_TRUE(i->state().focusable) << b.name;
        ASSERT_NE(i->actionInterface(), nullptr) << b.name;
        EXPECT_TRUE(
            i->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
            << b.name;
        if (b.face) {
            // The button's pictures are its look: never reported, whether shown or not.
            QAccessibleInterface* face = accessibleOf(a.in(window, b.face));
            EXPECT_TRUE(face->state().invisible) << b.face;
            EXPECT_TRUE(face->text(QAccessible::Name).isEmpty()) << b.face;
        }
        EXPECT_FALSE(b.done()) << b.name;
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(waitFor(b.done)) << b.name;
    }
    EXPECT_EQ(a.prompter.messages.back().kind, "confirm");
    EXPECT_TRUE(a.w->isVisible()) << "the close was declined";
}

} // namespace
