#include "core/platform.h"
#include "ui/editorwindow.h"
#include "ui/filetreewindow.h"
#include "support/gamedata.h"
#include "datwriter/datwriter.h"
#include "support/shellfixture.h"
#include "support/clicks.h"
#include "ui/headerpanel.h"
#include <QLineEdit>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// The editor on screen with the tree docked beside it, as F1 leaves them.
struct Tree : ShellFixture {
    FileTreeWindow* w = shell.tree;
    QComboBox* drives = w->findChild<QComboBox*>("DriveComboBox1");
    QListWidget* folders = w->findChild<QListWidget*>("DirectoryListBox1");
    QListWidget* files = w->findChild<QListWidget*>("FileListBox1");

    Tree() {
        shell.editor->showCentred();
        shell.editor->toggleTree();
    }
    QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? folder.path() : folder.file(relative);
    }
};

QStringList texts(const QListWidget* list, int kind = -1) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (kind < 0 || list->item(i)->data(FileTreeWindow::KindRole).toInt() == kind)
            out << list->item(i)->text();
    return out;
}

QListWidgetItem* entry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.last(); // sub-folders come after the path
}

void doubleClick(QListWidget* list, QPoint at) {
    doubleClickAt(list->viewport(), at);
}

QPoint centreOf(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

} // namespace

TEST(TreeWindow, ListsLieOnTheSkinsSlotsInBlackAndLime) {
    Tree t;
    const struct {
        QWidget* control;
        QRect place;
        const char* accessibleName;
    } controls[] = {
        {t.drives, {18, 10, 121, 19}, "Drive"},
        {t.folders, {18, 48, 121, 241}, "Folders"},
        {t.files, {18, 288, 121, 245}, "Prototype files"},
    };
    for (const auto& c : controls) {
        ASSERT_NE(c.control, nullptr) << c.accessibleName;
        c.control->ensurePolished();
        EXPECT_EQ(c.control->geometry(), c.place) << c.accessibleName;
        EXPECT_EQ(c.control->accessibleName(), c.accessibleName);
        EXPECT_TRUE(c.control->isVisible()) << c.accessibleName;
        EXPECT_EQ(c.control->palette().color(QPalette::Text), QColor(Qt::green));
        EXPECT_EQ(c.control->palette().color(QPalette::Base), QColor(Qt::black));
        EXPECT_LE(c.control->font().pointSizeF(), 8.0) << c.accessibleName;
    }
    EXPECT_FALSE(t.drives->isEditable());
}

TEST(TreeWindow, OnlyPrototypeFilesAreListedSortedWithoutCase) {
    Tree t;
    for (const char* name : {"b.pro", "A.PRO", "c.Pro", "Z.pro", "a.prox", "pro", "x.pro.bak",
                             "pro.txt", ".pro2", "sub/deeper.pro"})
        t.folder.write(name, "x");
    t.folder.mkdir("d.pro"); // a folder, whatever its name
    t.w->setFolder(t.path());
    EXPECT_EQ(texts(t.files), QStringList({"A.PRO", "b.pro", "c.Pro", "Z.pro"}));
    EXPECT_EQ(texts(t.folders, FileTreeWindow::Child), QStringList({"d.pro", "sub"}));
}

TEST(TreeWindow, ActivatingFoldersWalksDownAndBackUp) {
    Tree t;
    for (const char* name : {"top.pro", "sub/one.pro", "sub/Two.PRO", "sub/inner/three.pro"})
        t.folder.write(name, "x");
    for (const char* name : {"sub/inner/leaf", "sub/alpha", "sub/Beta", "sub/.hidden"})
        t.folder.mkdir(name);
    t.w->setFolder(t.path());

    // "/" first, then one line per folder down to ours, each one level further in.
    const QStringList parts = t.path().split('/', Qt::SkipEmptyParts);
    ASSERT_EQ(t.folders->count(), parts.size() + 2);
    for (int i = 0; i <= parts.size(); ++i) {
        const QListWidgetItem* line = t.folders->item(i);
        EXPECT_EQ(line->text(), i ? parts[i - 1] : "/");
        EXPECT_EQ(line->data(FileTreeWindow::LevelRole).toInt(), i);
        EXPECT_EQ(line->data(FileTreeWindow::KindRole).toInt(),
                  i == parts.size() ? FileTreeWindow::Current : FileTreeWindow::Ancestor);
        EXPECT_EQ(line->data(FileTreeWindow::PathRole).toString(), "/" + parts.mid(0, i).join('/'));
    }
    EXPECT_EQ(t.folders->item(parts.size() + 1)->data(FileTreeWindow::LevelRole).toInt(),
              parts.size() + 1);

    const QByteArray base = parts.last().toUtf8();
    enum Action { Click, DoubleClick, Enter };
    const struct {
        Action action;
        const char* entry;
        const char* folder; // where we are after it, in the program folder
        QStringList children;
        QStringList files;
    } steps[] = {
        {Click, "sub", "", {"sub"}, {"top.pro"}}, // a single click only selects
        {DoubleClick, "sub", "sub", {"alpha", "Beta", "inner"}, {"one.pro", "Two.PRO"}},
        {Enter, "inner", "sub/inner", {"leaf"}, {"three.pro"}},
        {DoubleClick, "leaf", "sub/inner/leaf", {}, {}},
        {Enter, "sub", "sub", {"alpha", "Beta", "inner"}, {"one.pro", "Two.PRO"}},
        {DoubleClick, base.constData(), "", {"sub"}, {"top.pro"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::string(s.entry) + " " + s.folder);
        QListWidgetItem* item = entry(t.folders, QString::fromUtf8(s.entry));
        ASSERT_NE(item, nullptr);
        if (s.action == Enter) {
            t.folders->setCurrentItem(item);
            QTest::keyClick(t.folders, Qt::Key_Return);
        } else if (s.action == DoubleClick) {
            doubleClick(t.folders, centreOf(t.folders, item));
        } else {
            QTest::mouseClick(t.folders->viewport(), Qt::LeftButton, {}, centreOf(t.folders, item));
            EXPECT_EQ(t.folders->currentItem(), item);
        }
        EXPECT_EQ(t.w->currentFolder(), t.path(s.folder));
        EXPECT_EQ(QDir::currentPath(), t.path(s.folder));
        EXPECT_EQ(texts(t.folders, FileTreeWindow::Current),
                  QStringList{QFileInfo(t.path(s.folder)).fileName()});
        EXPECT_EQ(texts(t.folders, FileTreeWindow::Child), s.children);
        EXPECT_EQ(texts(t.files), s.files);
    }
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(TreeWindow, TheDriveBoxChoosesTheRoot) {
    Tree t;
    const QStringList roots = platform::driveRoots();
    // The game's own view first, then the file system's roots.
    ASSERT_EQ(t.drives->count(), roots.size() + 1);
    EXPECT_EQ(t.drives->itemText(0), "Game data");
    EXPECT_EQ(t.drives->itemText(1), "/");
    EXPECT_EQ(t.drives->currentData().toString(), rootOf(roots, t.path()));
    // The user's picks: the last root (the home folder), then "/" again.
    QTest::keyClick(t.drives, Qt::Key_End);
    EXPECT_EQ(t.folders->item(0)->data(FileTreeWindow::PathRole).toString(), roots.last());
    EXPECT_EQ(t.w->currentFolder(), roots.last());
    QTest::keyClick(t.drives, Qt::Key_Home);
    EXPECT_EQ(t.folders->item(0)->text(), "Game data");
    QTest::keyClick(t.drives, Qt::Key_Down);
    EXPECT_EQ(t.folders->item(0)->text(), "/");
    EXPECT_EQ(t.folders->item(0)->data(FileTreeWindow::KindRole).toInt(), FileTreeWindow::Current);
    EXPECT_EQ(QDir::currentPath(), "/");
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(TreeWindow, ShowingRefreshesTheListsAndAGoneFolderGivesWayToItsParent) {
    Tree t;
    t.folder.write("sub/old.pro", "x");
    t.folder.mkdir("sub/gone");
    t.w->setFolder(t.path("sub"));
    QDir::setCurrent(t.path()); // the process moved elsewhere meanwhile
    t.shell.editor->toggleTree();
    t.folder.write("sub/new.pro", "x");
    ASSERT_TRUE(QDir(t.path("sub/gone")).removeRecursively());
    EXPECT_EQ(texts(t.files), QStringList{"old.pro"});
    t.shell.editor->toggleTree();
    EXPECT_EQ(t.w->currentFolder(), t.path("sub"));
    EXPECT_EQ(texts(t.files), QStringList({"new.pro", "old.pro"}));
    EXPECT_EQ(entry(t.folders, "gone"), nullptr);

    // An entry whose folder went while it was listed: said so, and the list catches up.
    t.folder.mkdir("sub/brief");
    t.w->setFolder(t.path("sub"));
    ASSERT_TRUE(QDir(t.path("sub/brief")).removeRecursively());
    doubleClick(t.folders, centreOf(t.folders, entry(t.folders, "brief")));
    ASSERT_EQ(t.prompter.texts(), QStringList{"Cannot open folder " + t.path("sub/brief")});
    EXPECT_EQ(t.prompter.messages[0].title, "Error");
    EXPECT_EQ(t.w->currentFolder(), t.path("sub"));
    EXPECT_EQ(entry(t.folders, "brief"), nullptr);
}

TEST(TreeWindow, OpeningWithoutASelectedFileDoesNothing) {
    for (bool withFiles : {false, true}) {
        SCOPED_TRACE(withFiles);
        Tree t;
        if (withFiles)
            t.folder.write("a.pro", "x");
        t.w->setFolder(t.path());
        ASSERT_EQ(t.files->count(), withFiles ? 1 : 0);
        doubleClick(t.files, QPoint(60, 200)); // below the entries
        QTest::keyClick(t.files, Qt::Key_Return);
        EXPECT_EQ(t.w->selectedFile(), "");
        EXPECT_TRUE(t.prompter.messages.empty());
        EXPECT_TRUE(t.prompter.fileRequests.empty());
        EXPECT_TRUE(t.shell.editor->document().path().isEmpty());
        EXPECT_EQ(t.shell.editor->windowTitle(), "Zantrel");
    }
}

TEST(TreeWindow, DoubleClickOrEnterOpensTheFileInTheEditor) {
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        Tree t;
        t.shell.settings = writeGameData(t.folder);
        t.folder.write("protos/other.pro", makePrototype(2, 45));
        const QString stone = t.folder.write("protos/stone.pro", makePrototype(2, 45));
        t.w->setFolder(t.path("protos"));
        const QPoint at = centreOf(t.files, entry(t.files, "stone.pro"));
        if (byKey) {
            QTest::mouseClick(t.files->viewport(), Qt::LeftButton, {}, at);
            EXPECT_EQ(t.w->selectedFile(), stone);
            QTest::keyClick(t.files, Qt::Key_Enter);
        } else {
            doubleClick(t.files, at);
        }
        EXPECT_EQ(t.shell.editor->windowTitle(), "Zantrel - " + stone);
        EXPECT_EQ(t.shell.editor->document().path(), stone);
        EXPECT_TRUE(t.shell.editor->fieldsValid());
        EXPECT_EQ(t.prompter.texts(), QStringList());
        EXPECT_TRUE(t.prompter.fileRequests.empty());
    }
}

TEST(TreeWindowRoots, TheLongestContainingRoot) {
    const QStringList roots{"/", "/home/ann", "/media/usb", "/home"};
    const char* const cases[][2] = {
        {"/", "/"},
        {"/etc", "/"},
        {"/home/ann/fallout/proto", "/home/ann"},
        {"/home/anna", "/home"}, // a longer name is no sub-folder
        {"/media/usb2/x", "/"},
        {"/media/usb/", "/media/usb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rootOf(roots, c[0]), c[1]) << c[0];
    EXPECT_EQ(rootOf({"/media/usb"}, "/tmp"), "");
}

TEST(TreeWindow, GameDataListsArchivedPrototypesAndSavesThemLoose) {
    Tree t;
    t.shell.settings = writeGameData(t.folder);
    const QByteArray archived = makePrototype(0, 61);
    const QByteArray loose = makePrototype(0, 61);
    t.folder.write("Game/master.dat",
                   buildDat({{"proto\\items\\00000001.pro", archived, true},
                             {"proto\\items\\00000002.pro", makePrototype(0, 61), false},
                             {"proto\\critters\\00000001.pro", makePrototype(1, 416), true}}));
    t.folder.write("Game/data/proto/items/00000002.pro", loose); // wins over the archive
    t.w->setFolder(t.path());
    const int game = t.drives->findText("Game data");
    ASSERT_EQ(game, 0);
    t.drives->setCurrentIndex(game);
    emit t.drives->activated(game);
    ASSERT_NE(entry(t.folders, "items"), nullptr);
    doubleClick(t.folders, centreOf(t.folders, entry(t.folders, "items")));
    QStringList names;
    for (int i = 0; i < t.files->count(); ++i)
        names << t.files->item(i)->text();
    EXPECT_EQ(names, QStringList({"00000001.pro", "00000002.pro"}));
    EXPECT_TRUE(t.files->item(0)->toolTip().endsWith("master.dat"));

    doubleClick(t.files, centreOf(t.files, entry(t.files, "00000001.pro")));
    const QString target = t.folder.file("Game/data/proto/items/00000001.pro");
    EXPECT_EQ(t.prompter.texts(), QStringList());
    EXPECT_EQ(t.shell.editor->windowTitle(), "Zantrel - " + target);
    ASSERT_TRUE(t.shell.editor->fieldsValid());
    t.shell.editor->header()->edit(3)->setText("000000C8");
    t.shell.editor->save();
    EXPECT_EQ(t.prompter.texts(), QStringList());
    QByteArray expected = archived;
    expected[7] = char(0xC8);
    EXPECT_EQ(fileBytes(target).toHex(), expected.toHex()); // a loose copy, folders made
    t.shell.editor->header()->edit(3)->setText("000000C9");
    t.shell.editor->save(); // now an ordinary file
    expected[7] = char(0xC9);
    EXPECT_EQ(fileBytes(target).toHex(), expected.toHex());
}
