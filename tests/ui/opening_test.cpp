// Opening a prototype the usual ways besides the open dialog: named on the command line,
// dropped on the window, from the Recent menu; the question every way asks while there are
// unsaved changes; and where an installed editor keeps its settings and finds its pictures.
#include "datwriter/datwriter.h"
#include "settings/settingsfile.h"
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "ui/filetreewindow.h"
#include "ui/loadingwindow.h"
#include "ui/recentmenu.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

const QString kOpenQuestion =
    QString::fromUtf8("Изменения не сохранены. Вы действительно хотите открыть файл?");

// Settings whose check passes on the sources folder the game data set writes.
void writePassingSettings(ShellFixture& f) {
    f.folder.write("zantrel.ini", "[File]\nF2Path=" + f.folder.file("Game").toUtf8() +
                                      "\nSource=" + f.folder.file("Source").toUtf8() +
                                      "\nUseSource=1\n[Image]\nOptimize=0\n[Other]\n"
                                      "File1=scripts.lst\n");
}

std::unique_ptr<QMimeData> urls(const QList<QUrl>& list) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(list);
    return data;
}

QPoint titleBar(EditorWindow* w) {
    return centreOf(w, "Image3");
}

// The Recent menu's entry, chosen with the mouse: "Menu" in the menu bar, "Recent", the entry.
void chooseRecent(EditorWindow* w, int entry) {
    QMenuBar* bar = w->menuBar();
    QAction* top = bar->actions().value(0);
    ASSERT_TRUE(top && top->menu());
    clickAt(w, bar->mapTo(w, bar->actionGeometry(top).center()));
    QMenu* menu = top->menu();
    ASSERT_TRUE(waitFor([&] { return menu->isVisible(); }));
    QAction* recent = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == "Recent")
            recent = a;
    ASSERT_TRUE(recent && recent->menu());
    clickAt(menu, menu->actionGeometry(recent).center());
    QMenu* items = recent->menu();
    ASSERT_TRUE(waitFor([&] { return items->isVisible(); }));
    ASSERT_LT(entry, items->actions().size());
    clickAt(items, items->actionGeometry(items->actions()[entry]).center());
}

QListWidgetItem* entry(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.last();
}

void doubleClickEntry(QListWidget* list, const QString& text) {
    QListWidgetItem* item = entry(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    list->scrollToItem(item);
    doubleClickAt(list->viewport(), list->visualItemRect(item).center());
}

QStringList recentTexts(EditorWindow* w) {
    QStringList out;
    for (QAction* top : w->menuBar()->actions())
        for (QAction* a : top->menu() ? top->menu()->actions() : QList<QAction*>())
            if (a->text() == "Recent")
                for (QAction* item : a->menu()->actions())
                    out << item->text();
    return out;
}

QByteArray recentSection(const QStringList& files) {
    QByteArray text = "[Recent]\n";
    for (int i = 0; i < files.size(); ++i)
        text += "File" + QByteArray::number(i + 1) + "=" + files[i].toUtf8() + "\n";
    return text;
}

} // namespace

TEST(CommandLine, TheFileOpensOnceTheCheckHasPassed) {
    const struct {
        const char* name;
        bool present;
    } cases[] = {{"a prototype", true}, {"a missing file", false}};
    for (const auto& c : cases) {
        ShellFixture f(false);
        writeGameData(f.folder);
        writePassingSettings(f);
        const QString file = f.folder.file("protos/wall.pro");
        if (c.present)
            f.folder.write("protos/wall.pro", makePrototype(3, 36));
        f.shell.fileToOpen = file;
        f.create();
        EXPECT_TRUE(f.shell.editor->document().path().isEmpty()) << "not before the check";
        f.shell.loading->show();
        f.shell.loading->startCheck();
        ASSERT_TRUE(waitFor([&] { return f.shell.editor->isVisible(); })) << c.name;
        if (c.present) {
            EXPECT_EQ(f.prompter.texts(), QStringList()) << c.name;
            EXPECT_EQ(f.shell.editor->document().path(), file) << c.name;
            EXPECT_EQ(f.shell.editor->windowTitle(), "Zantrel - " + file) << c.name;
        } else {
            EXPECT_EQ(f.prompter.texts(), QStringList({"File not found\n" + file})) << c.name;
            EXPECT_TRUE(f.shell.editor->document().path().isEmpty()) << c.name;
        }
        EXPECT_TRUE(f.shell.editor->isVisible()) << c.name;
        EXPECT_TRUE(f.shell.fileToOpen.isEmpty()) << "opened once: " << c.name;
    }
}

TEST(Drop, OneLocalPrototypeIsTakenAnythingElseRefused) {
    EditorFixture e;
    const QString wall = e.write("wall.pro", makePrototype(3, 36));
    const QString upper = e.write("TILE.PRO", makePrototype(4, 37));
    const QString text = e.write("notes.txt", "x");
    const struct {
        const char* name;
        QList<QUrl> urls;
        QString opens; // empty: refused
    } cases[] = {
        {"a prototype", {QUrl::fromLocalFile(wall)}, wall},
        {"in capitals", {QUrl::fromLocalFile(upper)}, upper},
        {"another kind of file", {QUrl::fromLocalFile(text)}, ""},
        {"two prototypes", {QUrl::fromLocalFile(wall), QUrl::fromLocalFile(upper)}, ""},
        {"not on this machine", {QUrl("https://example.org/wall.pro")}, ""},
        {"no file at all", {}, ""},
    };
    for (const auto& c : cases) {
        const auto data = urls(c.urls);
        // Sent to the window itself, as a drop over its skin arrives.
        QDragEnterEvent enter(titleBar(e.w), Qt::CopyAction | Qt::MoveAction, data.get(),
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e.w, &enter);
        EXPECT_EQ(enter.isAccepted(), !c.opens.isEmpty()) << c.name;
        if (c.opens.isEmpty())
            continue;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction) << "never a move: " << c.name;
        QDropEvent drop(QPointF(titleBar(e.w)), Qt::CopyAction | Qt::MoveAction, data.get(),
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(e.w, &drop);
        EXPECT_TRUE(drop.isAccepted()) << c.name;
        EXPECT_TRUE(waitFor([&] { return e.w->document().path() == c.opens; })) << c.name;
        EXPECT_TRUE(e.w->fieldsValid()) << c.name;
    }
    EXPECT_EQ(e.prompter.texts(), QStringList());
}

TEST(Drop, APrototypeOverABoxOpensTextStillGoesIntoIt) {
    EditorFixture e;
    e.open(e.write("wall.pro", makePrototype(3, 36)));
    const QString tile = e.write("tile.pro", makePrototype(4, 37));
    QLineEdit* box = e.edit(2);
    const QPoint at = box->mapTo(e.w, box->rect().center());
    const QString was = box->text();
    const auto file = urls({QUrl::fromLocalFile(tile)});
    file->setText(tile); // file managers offer the name as text too
    EXPECT_TRUE(dropAt(e.w, at, file.get()));
    ASSERT_TRUE(waitFor([&] { return e.w->document().path() == tile; }));
    EXPECT_EQ(box->text(), was) << "the file's name is not typed into the box";

    QMimeData words;
    words.setText("123");
    EXPECT_TRUE(dropAt(e.w, at, &words)) << "the box takes text as before";
    EXPECT_FALSE(dropAt(e.w, titleBar(e.w), &words)) << "the window takes no text";
    EXPECT_EQ(e.prompter.texts(), QStringList());
}

TEST(UnsavedChanges, EveryWayOfOpeningAsksFirst) {
    enum Way { Dialog, Tree, GameData, Recent, Dropped, CommandLine };
    const struct {
        const char* name;
        Way way;
    } ways[] = {{"open dialog", Dialog}, {"tree window", Tree}, {"game data", GameData},
                {"recent menu", Recent}, {"drop", Dropped},     {"command line", CommandLine}};
    for (const auto& c : ways) {
        for (bool yes : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (yes ? " yes" : " no"));
            EditorFixture e;
            e.folder.write("Game/master.dat", buildDat({{"proto\\scenery\\00000001.pro",
                                                         makePrototype(2, 49), true}}));
            const QString other = c.way == GameData
                                      ? e.folder.file("Game/data/proto/scenery/00000001.pro")
                                      : e.write("protos/other.pro", makePrototype(2, 49));
            if (c.way == Recent)
                e.open(other); // into the list
            const QString first = e.write("first.pro", makePrototype(3, 36));
            e.open(first);
            ASSERT_EQ(e.w->document().path(), first);
            QLineEdit* box = e.edit(3);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "000000C8");
            ASSERT_TRUE(e.w->alarmOn());
            e.prompter.messages.clear();
            e.prompter.fileRequests.clear();
            e.prompter.confirmAnswers = {yes};

            switch (c.way) {
            case Dialog:
                e.open(other);
                break;
            case Tree:
            case GameData:
                e.w->toggleTree();
                if (c.way == Tree) {
                    e.shell.tree->setFolder(e.folder.file("protos"));
                } else {
                    auto* drives = e.shell.tree->findChild<QComboBox*>("DriveComboBox1");
                    drives->setCurrentIndex(0);
                    emit drives->activated(0);
                    doubleClickEntry(e.shell.tree->findChild<QListWidget*>("DirectoryListBox1"),
                                     "scenery");
                }
                doubleClickEntry(e.shell.tree->findChild<QListWidget*>("FileListBox1"),
                                 QFileInfo(other).fileName());
                break;
            case Recent:
                chooseRecent(e.w, 1);
                break;
            case Dropped:
                EXPECT_TRUE(dropAt(e.w, titleBar(e.w), urls({QUrl::fromLocalFile(other)}).get()));
                QTest::qWait(50); // the drop is answered before the file opens
                break;
            case CommandLine:
                e.shell.fileToOpen = other;
                emit e.shell.loading->checkPassed();
                break;
            }

            ASSERT_EQ(e.prompter.messages.size(), 1u);
            EXPECT_EQ(e.prompter.messages[0].kind, "confirm");
            EXPECT_EQ(e.prompter.messages[0].title, "Confirm");
            EXPECT_EQ(e.prompter.messages[0].text, kOpenQuestion);
            if (yes) {
                EXPECT_EQ(e.w->document().path(), other);
                EXPECT_FALSE(e.w->alarmOn());
            } else {
                EXPECT_EQ(e.w->document().path(), first);
                EXPECT_TRUE(e.w->alarmOn());
                EXPECT_EQ(box->text(), "000000C8");
                EXPECT_TRUE(e.prompter.fileRequests.empty()) << "no dialog after No";
            }
        }
    }
}

TEST(UnsavedChanges, WithoutChangesNothingIsAsked) {
    EditorFixture e;
    e.open(e.write("first.pro", makePrototype(3, 36)));
    e.open(e.write("second.pro", makePrototype(3, 36)));
    EXPECT_TRUE(
        dropAt(e.w, titleBar(e.w),
               urls({QUrl::fromLocalFile(e.write("third.pro", makePrototype(2, 49)))}).get()));
    ASSERT_TRUE(waitFor([&] { return e.w->document().fileName() == "third.pro"; }));
    EXPECT_EQ(e.prompter.texts(), QStringList());
}

TEST(InstalledEditor, SettingsInTheUsersFolderPicturesFromTheDataFolder) {
    QStandardPaths::setTestModeEnabled(true); // the test's configuration folder, not the user's
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString settings = QDir(config).filePath("zantrel.ini");
    for (bool installed : {false, true}) {
        SCOPED_TRACE(installed ? "installed" : "portable");
        QFile::remove(settings);
        ShellFixture f(false);
        int quits = 0;
        f.shell.quit = [&quits] { ++quits; };
        const QString program = installed ? f.folder.mkdir("usr/bin") : f.folder.path();
        const QString data = f.folder.file("usr/share/zantrel");
        if (installed)
            f.folder.mkdir("usr/share/zantrel");
        f.shell.programFolder = program;
        f.create();
        EXPECT_EQ(f.shell.dataFolder, installed ? data : QString());
        EXPECT_EQ(f.shell.settingsPath, installed ? settings : f.folder.file("zantrel.ini"));

        // A first start without a game: the defaults, the sources folder beside the settings.
        f.shell.loading->show();
        f.shell.loading->startCheck();
        ASSERT_TRUE(waitFor([&] { return quits == 1; }));
        EXPECT_EQ(readini(f.shell.settingsPath).sourcesFolder,
                  QFileInfo(f.shell.settingsPath).path() + "/Source");
        EXPECT_EQ(QFileInfo::exists(QDir(program).filePath("zantrel.ini")), !installed);

        // The critter preview's pictures lie below the data folder, or the start folder.
        f.shell.settings = writeGameData(f.folder); // also images/notav.bmp below the start
        const QString pictures = installed ? data : f.folder.path();
        QFile::remove(f.folder.file("images/notav.bmp"));
        QImage green(20, 20, QImage::Format_RGB32);
        green.fill(Qt::green);
        QDir().mkpath(pictures + "/images");
        ASSERT_TRUE(green.save(pictures + "/images/notav.bmp", "BMP"));
        f.prompter.messages.clear();
        f.shell.editor->showCentred();
        f.prompter.fileAnswers.push_back(f.folder.write("c.pro", makePrototype(1, 416)));
        QTest::keyClick(f.shell.editor, Qt::Key_F2);
        EXPECT_EQ(f.prompter.texts(), QStringList());
        const QPixmap shown = f.shell.editor->findChild<QLabel*>("Image1")->pixmap();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(shown.toImage().pixelColor(0, 0), QColor(Qt::green));
    }
    QFile::remove(settings);
    QStandardPaths::setTestModeEnabled(false);
}

TEST(Recent, OpenedAndSavedFilesNewestFirstTheOtherSectionsUntouched) {
    EditorFixture e;
    writePassingSettings(e);
    const QByteArray before = fileBytes(e.shell.settingsPath);
    const QString a = e.write("a.pro", makePrototype(3, 36));
    const QString b = e.write("b & c.pro", makePrototype(3, 36));
    const QString copy = e.folder.file("copy.pro");
    e.open(a);
    e.open(b);
    e.open(a);
    e.prompter.fileAnswers.push_back(copy);
    QTest::keyClick(e.w, Qt::Key_F4); // Save As
    ASSERT_EQ(e.w->document().path(), copy);
    EXPECT_EQ(recentTexts(e.w),
              QStringList({"&1 " + copy, "&2 " + a, "&3 " + QString(b).replace("&", "&&")}));
    EXPECT_EQ(fileBytes(e.shell.settingsPath), before + "\n" + recentSection({copy, a, b}));
    e.open(b);
    e.save(); // saved: first once more
    EXPECT_EQ(e.w->recentMenu()->files(), QStringList({b, copy, a}));

    QStringList opened;
    for (int i = 0; i < 11; ++i) {
        opened.prepend(e.write(QStringLiteral("m%1.pro").arg(i), makePrototype(2, 49)));
        e.open(opened.first());
    }
    EXPECT_EQ(e.w->recentMenu()->files(), opened.mid(0, 10));
    EXPECT_EQ(recentTexts(e.w).size(), 10);
    EXPECT_TRUE(recentTexts(e.w).last().startsWith("10 "));
    EXPECT_EQ(fileBytes(e.shell.settingsPath), before + "\n" + recentSection(opened.mid(0, 10)));
    EXPECT_EQ(e.prompter.texts(), QStringList());
}

TEST(Recent, TheListOutlivesTheProgramAndOpensFromTheMenu) {
    ShellFixture f;
    f.shell.settings = writeGameData(f.folder);
    writePassingSettings(f);
    const QString a = f.folder.write("a.pro", makePrototype(3, 36));
    const QString b = f.folder.write("b.pro", makePrototype(2, 49));
    f.shell.editor->showCentred();
    for (const QString& file : {a, b}) {
        f.prompter.fileAnswers.push_back(file);
        QTest::keyClick(f.shell.editor, Qt::Key_F2);
    }
    destroyWindows(f.shell);
    f.create(); // the next start
    EXPECT_TRUE(f.shell.editor->document().path().isEmpty());
    EXPECT_EQ(recentTexts(f.shell.editor), QStringList({"&1 " + b, "&2 " + a}));
    f.shell.settings = writeGameData(f.folder);
    f.shell.editor->showCentred();
    chooseRecent(f.shell.editor, 1);
    EXPECT_EQ(f.shell.editor->document().path(), a);
    EXPECT_EQ(f.shell.editor->recentMenu()->files(), QStringList({a, b}));
    EXPECT_EQ(f.prompter.texts(), QStringList());
}

TEST(Recent, AFileThatCannotBeOpenedIsReportedAndLeavesTheListOnlyWhenGone) {
    const struct {
        const char* name;
        bool gone; // else a folder stands in its place
        QString message;
    } cases[] = {{"gone", true, "File not found"}, {"a folder", false, "This is a folder, not a file"}};
    for (const auto& c : cases) {
        EditorFixture e;
        writePassingSettings(e);
        const QString kept = e.write("kept.pro", makePrototype(3, 36));
        const QString lost = e.write("lost.pro", makePrototype(3, 36));
        e.open(lost);
        e.open(kept);
        QFile::remove(lost);
        if (!c.gone)
            e.folder.mkdir("lost.pro");
        e.w->showCentred();
        chooseRecent(e.w, 1);
        EXPECT_EQ(e.prompter.texts(), QStringList({c.message + "\n" + lost})) << c.name;
        EXPECT_EQ(e.w->document().path(), kept) << c.name;
        const QStringList left = c.gone ? QStringList{kept} : QStringList{kept, lost};
        EXPECT_EQ(e.w->recentMenu()->files(), left) << c.name;
        EXPECT_TRUE(fileBytes(e.shell.settingsPath).endsWith(recentSection(left))) << c.name;
    }
}

TEST(Recent, WithoutASettingsFileOrWithOneThatCannotBeWritten) {
    const struct {
        const char* name;
        bool folderInTheWay; // else no settings file yet
        QStringList messages;
    } cases[] = {{"before the first start wrote it", false, {}},
                 {"a folder where it should be", true, {"This is a folder, not a file\n"}}};
    for (const auto& c : cases) {
        EditorFixture e;
        if (c.folderInTheWay)
            e.folder.mkdir("zantrel.ini");
        const QString a = e.write("a.pro", makePrototype(3, 36));
        const QString b = e.write("b.pro", makePrototype(3, 36));
        e.open(a);
        e.open(b);
        // The list works for this run; a failure to keep it is told once.
        EXPECT_EQ(e.w->recentMenu()->files(), QStringList({b, a})) << c.name;
        QStringList expected;
        for (const QString& m : c.messages)
            expected << m + e.shell.settingsPath;
        EXPECT_EQ(e.prompter.texts(), expected) << c.name;
        EXPECT_EQ(QFileInfo(e.shell.settingsPath).isFile(), false) << c.name;
    }
}
