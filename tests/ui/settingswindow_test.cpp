// The settings window driven through mouse and keys, with the settings file on disk.
#include "support/clicks.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/picture.h"
#include "ui/settingswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return f.readAll();
}

const QByteArray kIni = "[File]\nF2Path=/games/f2\nSource=/games/src\nUseSource=0\n"
                        "[Image]\nOptimize=1\n[Other]\nFile1=a.lst\nFile2=b.msg\nFile3=\nFile4=d\n";

class SettingsWindowTest : public ::testing::Test {
protected:
    ShellFixture f;
    zantrel::SettingsWindow* w = f.shell.settingsWindow;

    template <typename T> T* get(const char* name) const {
        T* found = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QWidget* pic(const char* name) const { return get<QWidget>(name); }
    QLineEdit* folderEdit(const char* name) const { return get<DirectoryEdit>(name)->edit(); }
    QTableWidget* grid() const { return get<QTableWidget>("StringGrid1"); }

    void writeIni(const QByteArray& text) const { f.folder.write("zantrel.ini", text); }

    // One click on a picture button, at its centre.
    void click(const char* button) const { clickAt(w, centreOf(w, button)); }
    void save() const { click("Image5"); }
    void closeByButton() const { click("Image3"); }

    // The pointer moves over the window with no button down.
    void hover(const char* name) const { QTest::mouseMove(w, centreOf(w, name)); }
    void hoverBackground() const { QTest::mouseMove(w, QPoint(8, 8)); }

    // Mouse moves with no button down, straight to the widget.
    static void hover(QWidget* on, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, on->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(on, &move);
    }

    void showPage(int item) const {
        QListWidget* list = get<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(item)).center());
    }
    void selectRow(int row) const {
        QTableWidget* g = grid();
        const QModelIndex at = g->model()->index(row - 1, 0);
        g->scrollTo(at);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(at).center());
    }
};

TEST_F(SettingsWindowTest, LayoutNamesAndTabOrder) {
    EXPECT_EQ(w->size(), QSize(613, 227));
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->windowTitle(), "Settings");
    const struct {
        const char* name;
        QRect place;
    } places[] = {{"Image1", {0, 0, 613, 227}},    {"ListBox1", {40, 56, 241, 95}},
                  {"Panel1", {328, 42, 257, 140}}, {"Panel2", {328, 42, 257, 140}},
                  {"Panel3", {328, 42, 257, 140}}, {"Image5", {29, 191, 130, 22}},
                  {"Image4", {29, 191, 130, 22}},  {"Image3", {158, 191, 130, 22}},
                  {"Image2", {158, 191, 130, 22}}, {"Image6", {132, 160, 52, 15}},
                  {"Image7", {132, 160, 52, 15}}};
    for (const auto& p : places)
        EXPECT_EQ(get<QWidget>(p.name)->geometry(), p.place) << p.name;
    QStringList items;
    for (int k = 0; k < get<QListWidget>("ListBox1")->count(); ++k)
        items << get<QListWidget>("ListBox1")->item(k)->text();
    EXPECT_EQ(items, QStringList({"Files", "Images", "Other ", "Language"}));
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), "Path To Source File:");
    EXPECT_EQ(pic("Image5")->accessibleName(), "Save settings");
    EXPECT_EQ(pic("Image3")->accessibleName(), "Close settings");
    EXPECT_EQ(pic("Image6")->accessibleName(), "Restore defaults");
    EXPECT_TRUE(get<QRadioButton>("RadioButton2")->isChecked());

    // Tab order: every focusable control, named, in the order it is laid out.
    QStringList chain;
    QWidget* at = get<QWidget>("ListBox1");
    do {
        if (at->focusPolicy() & Qt::TabFocus)
            chain << at->accessibleName();
        at = at->nextInFocusChain();
    } while (at != get<QWidget>("ListBox1"));
    const QStringList expected = {"Settings pages",
                                  "Restore defaults",
                                  "Fallout folder",
                                  "Browse for the Fallout folder",
                                  "Sources folder",
                                  "Browse for the sources folder",
                                  "Specify another folder for sources",
                                  "Image size x1/2 (faster)",
                                  "Image size x1 (slower)",
                                  "Files, path to source file",
                                  "File to add",
                                  "Add file",
                                  "Remove file",
                                  "Language",
                                  "Code page of the game's texts",
                                  "Save settings",
                                  "Close settings"};
    EXPECT_EQ(chain.mid(0, expected.size()), expected);
}

TEST_F(SettingsWindowTest, ShowReloadsTheFileAndForgetsUnsavedChanges) {
    writeIni(kIni);
    w->show();
    EXPECT_EQ(folderEdit("DirectoryEdit1")->text(), "/games/f2");
    EXPECT_EQ(folderEdit("DirectoryEdit2")->text(), "/games/src");
    EXPECT_FALSE(get<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(get<QWidget>("DirectoryEdit2")->isEnabled());
    EXPECT_TRUE(get<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(w->gridRows(), QStringList({"a.lst", "b.msg"})) << "the list ends at its gap";

    showPage(2);
    folderEdit("DirectoryEdit1")->clear();
    QTest::keyClicks(folderEdit("DirectoryEdit1"), "/elsewhere");
    closeByButton();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(contents(f.shell.settingsPath), kIni);

    w->show();
    EXPECT_EQ(folderEdit("DirectoryEdit1")->text(), "/games/f2");
    EXPECT_EQ(get<QListWidget>("ListBox1")->currentRow(), 0);
    EXPECT_TRUE(get<QFrame>("Panel1")->isVisible());
    EXPECT_FALSE(get<QFrame>("Panel3")->isVisible());
}

TEST_F(SettingsWindowTest, ListTurnsThePages) {
    w->show();
    for (int item : {2, 1, 0, 2}) {
        showPage(item);
        EXPECT_EQ(get<QFrame>("Panel1")->isVisible(), item == 0) << item;
        EXPECT_EQ(get<QFrame>("Panel2")->isVisible(), item == 1) << item;
        EXPECT_EQ(get<QFrame>("Panel3")->isVisible(), item == 2) << item;
        if (item == 2) {
            EXPECT_EQ(w->focusWidget(), grid());
        }
    }
}

TEST_F(SettingsWindowTest, AddAndRemoveFiles) {
    const QString empty = "File field is empty. Unable to add.";
    const QString none = "No file selected. Unable to remove.";
    const struct {
        const char* name;
        QStringList rows;
        int select; // grid row clicked first, 0 for none
        const char* button;
        const char* typed;
        QStringList after;
        QString message;
    } cases[] = {
        {"add fills the one empty row", {""}, 0, "xpButton1", "x.lst", {"x.lst"}, {}},
        {"add appends", {"a", "b"}, 1, "xpButton1", "c", {"a", "b", "c"}, {}},
        {"add to no rows", {}, 0, "xpButton1", "a", {"a"}, {}},
        {"add nothing", {"a"}, 0, "xpButton1", "", {"a"}, empty},
        {"remove the one row empties it", {"a"}, 1, "xpButton2", "", {""}, {}},
        {"remove the one empty row", {""}, 1, "xpButton2", "", {""}, none},
        {"remove row 2 of 4", {"a", "b", "c", "d"}, 2, "xpButton2", "", {"a", "c", "d"}, {}},
        {"remove the first", {"a", "b"}, 1, "xpButton2", "", {"b"}, {}},
        {"remove the last", {"a", "b", "c"}, 3, "xpButton2", "", {"a", "b"}, {}},
        {"remove from no rows", {}, 0, "xpButton2", "", {}, {}},
    };
    w->show();
    showPage(2);
    for (const auto& c : cases) {
        f.prompter.messages.clear();
        SettingsForm form = w->form();
        form.rows = c.rows;
        w->setForm(form);
        if (c.select > 0)
            selectRow(c.select);
        QTest::keyClicks(get<QLineEdit>("Edit1"), c.typed);
        QTest::mouseClick(get<QPushButton>(c.button), Qt::LeftButton);
        EXPECT_EQ(w->gridRows(), c.after) << c.name;
        EXPECT_EQ(get<QLineEdit>("Edit1")->text(), "") << c.name;
        ASSERT_EQ(f.prompter.messages.size(), c.message.isEmpty() ? 0u : 1u) << c.name;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(f.prompter.messages[0].title, "Error") << c.name;
            EXPECT_EQ(f.prompter.messages[0].text, c.message) << c.name;
        }
    }
    // The row selected before the list was reloaded shorter is gone: nothing is removed.
    SettingsForm form = w->form();
    form.rows = QStringList{"a", "b", "c"};
    w->setForm(form);
    selectRow(3);
    form.rows.clear();
    w->setForm(form);
    form.rows = QStringList{"a", "b"};
    w->setForm(form);
    QTest::mouseClick(get<QPushButton>("xpButton2"), Qt::LeftButton);
    EXPECT_EQ(w->gridRows(), QStringList({"a", "b"}));
}

TEST_F(SettingsWindowTest, DefaultsThenCloseWritesNothing) {
    writeIni(kIni);
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile ini(f.shell.settingsPath);
        ASSERT_TRUE(ini.open(QIODevice::ReadWrite));
        ASSERT_TRUE(ini.setFileTime(old, QFileDevice::FileModificationTime));
    }
    w->show();
    hover("Image6");
    EXPECT_TRUE(pic("Image7")->isVisible());
    hoverBackground();
    EXPECT_TRUE(pic("Image6")->isVisible());
    EXPECT_FALSE(pic("Image7")->isVisible());
    hover("Image6");
    const QPoint defaultsButton = centreOf(w, "Image6");
    pressAt(w, defaultsButton);
    EXPECT_TRUE(pic("Image6")->isVisible());
    EXPECT_FALSE(pic("Image7")->isVisible());
    EXPECT_EQ(w->gridRows().size(), 2) << "the defaults come on release";
    releaseAt(w, defaultsButton);

    const SettingsForm defaults = defaultSettingsForm(f.shell.programFolder);
    EXPECT_EQ(w->gridRows(), defaultCheckedFiles());
    EXPECT_EQ(folderEdit("DirectoryEdit1")->text(), defaults.gameFolder);
    EXPECT_EQ(folderEdit("DirectoryEdit2")->text(), defaults.sourcesFolder);
    EXPECT_TRUE(get<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(get<QWidget>("DirectoryEdit2")->isEnabled());
    EXPECT_TRUE(get<QRadioButton>("RadioButton2")->isChecked());

    pressAt(w, centreOf(w, "Image3"));
    EXPECT_TRUE(pic("Image2")->isVisible());
    releaseAt(w, centreOf(w, "Image3"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(pic("Image2")->isVisibleTo(w));
    EXPECT_EQ(contents(f.shell.settingsPath), kIni);
    EXPECT_EQ(QFileInfo(f.shell.settingsPath).lastModified(), old);
}

TEST_F(SettingsWindowTest, DefaultsThenSaveWritesThemAndRereads) {
    writeIni(kIni);
    w->show();
    hover("Image6");
    click("Image6");
    pressAt(w, centreOf(w, "Image5"));
    EXPECT_TRUE(pic("Image4")->isVisible());
    releaseAt(w, centreOf(w, "Image5"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(pic("Image5")->isVisibleTo(w));

    const SettingsForm defaults = defaultSettingsForm(f.shell.programFolder);
    const Settings onDisk = readini(f.shell.settingsPath);
    EXPECT_EQ(onDisk.files, defaultCheckedFiles());
    EXPECT_EQ(onDisk.gameFolder, defaults.gameFolder);
    EXPECT_EQ(onDisk.sourcesFolder, QDir(f.shell.programFolder).filePath("Source"));
    EXPECT_EQ(onDisk.useSources, "1");
    EXPECT_EQ(onDisk.imageSize, "0");
    EXPECT_EQ(f.shell.settings.fileCount, 15) << "saving reads the file back";
}

TEST_F(SettingsWindowTest, ChoicesSaveTheirKeys) {
    const struct {
        const char* name;
        QByteArray ini;
        const char* click;
        bool sourcesEnabled;
        const char* line;
    } cases[] = {
        {"sources off", "[File]\nUseSource=1\n", "CheckBox1", false, "UseSource=0"},
        {"sources on", "[File]\nUseSource=0\n", "CheckBox1", true, "UseSource=1"},
        {"half size", "[File]\nUseSource=1\n[Image]\nOptimize=0\n", "RadioButton1", true,
         "Optimize=1"},
        {"full size", "[File]\nUseSource=1\n[Image]\nOptimize=1\n", "RadioButton2", true,
         "Optimize=0"},
    };
    for (const auto& c : cases) {
        writeIni(c.ini);
        w->show();
        showPage(QByteArray(c.click).startsWith("Radio") ? 1 : 0);
        // On the indicator: a radio button answers only there and on its text.
        QTest::mouseClick(get<QAbstractButton>(c.click), Qt::LeftButton, {}, QPoint(6, 10));
        EXPECT_EQ(get<QWidget>("DirectoryEdit2")->isEnabled(), c.sourcesEnabled) << c.name;
        save();
        EXPECT_FALSE(w->isVisible()) << c.name;
        EXPECT_TRUE(contents(f.shell.settingsPath).contains(c.line)) << c.name;
    }
}

// The language page: the choice shows the file's key, a key press picks another, and saving
// writes it after the file names (nothing for the program's own texts).
TEST_F(SettingsWindowTest, LanguageIsChosenOnItsPageAndKept) {
    const struct {
        QByteArray ini;
        const char* shown;
        Qt::Key key;
        const char* line; // what saving leaves in [Other]
    } cases[] = {
        {"[Other]\nFile1=a.lst\n", "Original (English and Russian)", Qt::Key_Down,
         "File1=a.lst\nLanguage=en\n"},
        {"[Other]\nFile1=a.lst\nLanguage=en\n", "English", Qt::Key_Up, "File1=a.lst\n"},
        {"[Other]\nLanguage=xx\nFile1=a.lst\n", "xx", Qt::Key_Tab, "File1=a.lst\nLanguage=xx\n"},
    };
    for (const auto& c : cases) {
        writeIni(c.ini);
        w->show();
        showPage(3);
        auto* box = get<QComboBox>("ComboBox1");
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->currentText(), c.shown);
        EXPECT_EQ(w->gridRows(), QStringList({"a.lst"})) << "the language is no file";
        box->setFocus();
        QTest::keyClick(box, c.key);
        save();
        EXPECT_TRUE(contents(f.shell.settingsPath).endsWith(c.line))
            << c.shown << ": " << contents(f.shell.settingsPath).constData();
    }
}

// The code page of the game's texts: the file's key shown whatever its letter case, a name
// this program does not offer kept, and the game's language (no key) by default.
TEST_F(SettingsWindowTest, CodePageIsChosenOnTheLanguagePageAndKept) {
    const struct {
        QByteArray ini;
        const char* shown;
        Qt::Key key;
        const char* line; // what saving leaves in [Text]; empty: no CodePage key
    } cases[] = {
        {"[Other]\nFile1=a.lst\n", "From the game's language", Qt::Key_Down,
         "CodePage=windows-1250"},
        {"[Text]\nCodePage=Windows-1251\n", "Windows-1251", Qt::Key_Up, "CodePage=windows-1250"},
        {"[Text]\nCodePage=windows-1250\n", "Windows-1250", Qt::Key_Up, ""},
        {"[Text]\nCodePage=cp999\n", "cp999", Qt::Key_Tab, "CodePage=cp999"},
    };
    for (const auto& c : cases) {
        writeIni(c.ini);
        w->show();
        showPage(3);
        auto* box = get<QComboBox>("ComboBox2");
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(box->currentText(), c.shown);
        box->setFocus();
        QTest::keyClick(box, c.key);
        save();
        const QByteArray saved = contents(f.shell.settingsPath);
        EXPECT_EQ(saved.contains("CodePage="), *c.line != 0)
            << c.shown << ": " << saved.constData();
        EXPECT_TRUE(saved.contains(c.line)) << c.shown << ": " << saved.constData();
        EXPECT_EQ(f.shell.settings.codePage, QString(c.line).section('=', 1)) << c.shown;
    }
}

TEST_F(SettingsWindowTest, BrowseFillsTheFolderBox) {
    const QString start = QDir::toNativeSeparators(QFileInfo(QDir::currentPath()).absolutePath());
    const struct {
        const char* box;
        QString answer; // empty: the user cancels
        QString after;
    } cases[] = {
        {"DirectoryEdit1", "/picked/f2", QDir::toNativeSeparators("/picked/f2")},
        {"DirectoryEdit1", "", "/old"},
        {"DirectoryEdit2", "/picked/src", QDir::toNativeSeparators("/picked/src")},
    };
    writeIni("[File]\nUseSource=1\n");
    w->show();
    for (const auto& c : cases) {
        folderEdit(c.box)->setText("/old");
        f.prompter.fileRequests.clear();
        f.prompter.fileAnswers = {c.answer};
        QTest::mouseClick(get<DirectoryEdit>(c.box)->browseButton(), Qt::LeftButton);
        EXPECT_EQ(f.prompter.fileRequests,
                  std::vector<QString>({"folder Select Your Fallout Directory: " + start}));
        EXPECT_EQ(folderEdit(c.box)->text(), c.after) << c.box;
    }
}

TEST_F(SettingsWindowTest, FailedSaveReportsAndStaysOpen) {
    const struct {
        const char* name;
        std::function<QString()> prepare; // returns the settings file to use
    } cases[] = {
        // Faults that hold for root as well as for anyone.
        {"a file where the folder should be",
         [&] { return f.folder.write("plain", kIni) + "/zantrel.ini"; }},
        {"missing folder", [&] { return f.folder.file("gone/zantrel.ini"); }},
        {"a folder in the way", [&] { return f.folder.mkdir("zantrel.ini"); }},
    };
    for (const auto& c : cases) {
        f.prompter.messages.clear();
        f.shell.settingsPath = c.prepare();
        const QByteArray before = contents(f.shell.settingsPath);
        w->show();
        save();
        ASSERT_EQ(f.prompter.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.prompter.messages[0].title, "Error") << c.name;
        EXPECT_TRUE(f.prompter.messages[0].text.endsWith("\n" + f.shell.settingsPath)) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
        EXPECT_TRUE(pic("Image5")->isVisible()) << c.name;
        EXPECT_EQ(contents(f.shell.settingsPath), before) << c.name;
        w->hide();
    }
}

TEST_F(SettingsWindowTest, EveryWayOutGivesTheEditorBack) {
    const struct {
        const char* name;
        std::function<void()> leave;
    } cases[] = {
        {"close button", [&] { closeByButton(); }},
        {"save button", [&] { save(); }},
        {"window system", [&] { w->close(); }},
        {"Escape", [&] { QTest::keyClick(w, Qt::Key_Escape); }},
    };
    EditorWindow* editor = f.shell.editor;
    QWidget* settingsButton = editor->findChild<QWidget*>("Image15");
    ASSERT_NE(settingsButton, nullptr);
    for (const auto& c : cases) {
        clickAt(editor, centreOf(editor, "Image15"));
        ASSERT_TRUE(w->isVisible()) << c.name;
        ASSERT_FALSE(editor->isEnabled()) << c.name;
        c.leave();
        EXPECT_FALSE(w->isVisible()) << c.name;
        EXPECT_TRUE(editor->isEnabled()) << c.name;
        EXPECT_FALSE(settingsButton->isHidden()) << c.name;
    }
}

TEST_F(SettingsWindowTest, CentredOnceThenDraggedByTheBackground) {
    w->show();
    const QPoint centre = w->screen()->availableGeometry().center();
    EXPECT_LE((w->geometry().center() - centre).manhattanLength(), 2);
    const QPoint start = w->pos();

    QWidget* back = pic("Image1");
    QTest::mousePress(back, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(back, QPoint(30, 25));
    EXPECT_EQ(w->pos(), start + QPoint(20, 15));
    QTest::mouseMove(back, QPoint(5, 10));
    EXPECT_EQ(w->pos(), start + QPoint(15, 15));
    QTest::mouseRelease(back, Qt::LeftButton, {}, QPoint(5, 10));
    hover(back, QPoint(100, 100));
    EXPECT_EQ(w->pos(), start + QPoint(15, 15)) << "no drag after the release";

    w->hide();
    w->show();
    EXPECT_EQ(w->pos(), start + QPoint(15, 15)) << "centred on the first show only";
}

} // namespace
