// The Prototypes window on a generated game, driven by keys and clicks: filter, sort, open,
// the marks of a broken list line, and following the catalogue when files are written.
#include "core/files.h"
#include "proto/fieldcodec.h"
#include "support/clicks.h"
#include "support/modgame.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/headerpanel.h"
#include "ui/prototypemodel.h"
#include "ui/prototypeswindow.h"
#include "ui/settingswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// A game of three items with names of their own, a fourth list line naming a missing file,
// and the second item storing another line's id.
struct Prototypes : ShellFixture {
    QString game = writeGameFolder(folder, "Game", 4, 3);
    PrototypesWindow* w = shell.prototypes;

    Prototypes() {
        writeItem(1, 0x00000001, 100);
        writeItem(2, 0x00000009, 200);
        writeItem(3, 0x00000003, 300);
        folder.write("Game/data/proto/items/items.lst",
                     "00000001.pro\r\n00000002.pro ; a comment\r\n00000003.pro\r\nmissing.pro\r\n");
        writeNames("{100}{}{Combat Armor}\r\n{200}{}{Knife}\r\n{300}{}{Stimpak}\r\n");
        shell.settings.gameFolder = game;
        shell.settings.useSources = "0";
        shell.editor->showCentred();
        QApplication::setActiveWindow(shell.editor);
        QTest::keyClick(shell.editor, Qt::Key_F5);
    }
    void writeItem(int n, std::uint32_t id, std::uint32_t textId) const {
        QByteArray bytes = makeCleanPrototype(0, 0);
        setFieldValue(bytes, 0, 4, id);
        setFieldValue(bytes, 4, 4, textId);
        folder.write(QStringLiteral("Game/data/proto/items/%1.pro").arg(n, 8, 10, QChar('0')),
                     bytes);
    }
    void writeNames(const QByteArray& text) const {
        folder.write("Game/data/text/english/game/pro_item.msg", text);
    }
    QTableView* items() const { return w->table(ObjectType::Item); }
    // The rows in view, top to bottom, as "id file name" of the shown columns.
    QStringList shown(int column = PrototypeModel::NameColumn) const {
        QStringList out;
        const QAbstractItemModel* m = items()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, column).data().toString();
        return out;
    }
    void clickHeader(int column) const {
        QHeaderView* header = items()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        clickAt(w, header->viewport()->mapTo(w, at));
    }
    QString opened() const { return shell.editor->document().path(); }
    QString itemFile(const char* name) const {
        return folder.file(QStringLiteral("Game/data/proto/items/") + name);
    }
};

TEST(PrototypesWindow, F5ShowsItBesideTheEditorWithTheKeyboardInTheFilter) {
    Prototypes p;
    ASSERT_TRUE(p.w->isVisible());
    // At the editor's right, or as far right as the screen lets it stand whole.
    const QRect editor = p.shell.editor->frameGeometry();
    const QRect screen = p.shell.editor->screen()->availableGeometry();
    EXPECT_EQ(p.w->frameGeometry().left(),
              qMin(editor.right() + 1, screen.right() + 1 - p.w->frameGeometry().width()));
    EXPECT_EQ(p.w->frameGeometry().top(), editor.top());
    EXPECT_EQ(QApplication::focusWidget(), p.w->filterBox(ObjectType::Item));
    EXPECT_EQ(p.shown(PrototypeModel::IdColumn),
              QStringList({"00000001", "00000002", "00000003", "00000004"}));
    EXPECT_EQ(p.shown(PrototypeModel::SourceColumn),
              QStringList({"data", "data", "data", "(missing)"}));
    EXPECT_EQ(p.shown(PrototypeModel::KindColumn).first(), "Armor");
    EXPECT_FALSE(p.items()->isColumnHidden(PrototypeModel::KindColumn));
    EXPECT_TRUE(p.w->table(ObjectType::Critter)->isColumnHidden(PrototypeModel::KindColumn));
    for (int t = 0; t < kObjectTypeCount; ++t) {
        EXPECT_EQ(p.w->findChild<QTableView*>(QStringLiteral("PrototypeTable%1").arg(t + 1)),
                  p.w->table(ObjectType(t)));
        EXPECT_EQ(p.w->findChild<QLineEdit*>(QStringLiteral("PrototypeFilter%1").arg(t + 1)),
                  p.w->filterBox(ObjectType(t)));
    }
    // Alt and a page's letter shows it, the keyboard in its filter box.
    QTest::keyClick(p.w->filterBox(ObjectType::Item), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(p.w->pages()->currentIndex(), int(ObjectType::Tile));
    EXPECT_EQ(QApplication::focusWidget(), p.w->filterBox(ObjectType::Tile));
    EXPECT_EQ(p.w->model(ObjectType::Tile)->rowCount(), 3);
}

TEST(PrototypesWindow, TypingFiltersByIdFileOrNameInAnyCase) {
    Prototypes p;
    const struct {
        const char* typed;
        QStringList names;
        const char* count;
    } cases[] = {
        {"", {"Combat Armor", "Knife", "Stimpak", ""}, "4 prototypes"},
        {"kni", {"Knife"}, "1 of 4 prototypes"},
        {"ARMOR", {"Combat Armor"}, "1 of 4 prototypes"},
        {"00000003", {"Stimpak"}, "1 of 4 prototypes"}, // the file and the id
        {"0000000", {"Combat Armor", "Knife", "Stimpak", ""}, "4 prototypes"},
        {"missing", {""}, "1 of 4 prototypes"},
        {"a", {"Combat Armor", "Stimpak"}, "2 of 4 prototypes"},
        {"zzz", {}, "0 of 4 prototypes"},
    };
    QLineEdit* filter = p.w->filterBox(ObjectType::Item);
    for (const auto& c : cases) {
        filter->selectAll();
        QTest::keyClick(filter, Qt::Key_Backspace);
        QTest::keyClicks(filter, c.typed);
        EXPECT_EQ(p.shown(), c.names) << c.typed;
        EXPECT_EQ(p.w->findChild<QLabel*>("PrototypeCount1")->text(), c.count) << c.typed;
    }
}

TEST(PrototypesWindow, ClickingAHeaderSortsByItsColumnAndAgainTheOtherWay) {
    Prototypes p;
    const struct {
        int column;
        int read; // the column compared
        QStringList order;
    } cases[] = {
        {PrototypeModel::NameColumn,
         PrototypeModel::NameColumn,
         {"", "Combat Armor", "Knife", "Stimpak"}},
        {PrototypeModel::NameColumn,
         PrototypeModel::NameColumn,
         {"Stimpak", "Knife", "Combat Armor", ""}},
        {PrototypeModel::FileColumn,
         PrototypeModel::FileColumn,
         {"00000001.pro", "00000002.pro", "00000003.pro", "missing.pro"}},
        {PrototypeModel::IdColumn,
         PrototypeModel::IdColumn,
         {"00000001", "00000002", "00000003", "00000004"}},
        {PrototypeModel::SourceColumn,
         PrototypeModel::FileColumn,
         {"missing.pro", "00000001.pro", "00000002.pro", "00000003.pro"}},
        {PrototypeModel::IdColumn,
         PrototypeModel::IdColumn,
         {"00000001", "00000002", "00000003", "00000004"}},
        {PrototypeModel::IdColumn,
         PrototypeModel::IdColumn,
         {"00000004", "00000003", "00000002", "00000001"}},
    };
    for (const auto& c : cases) {
        p.clickHeader(c.column);
        EXPECT_EQ(p.shown(c.read), c.order) << c.column;
    }
}

// Enter in the filter box opens the first row in view, Enter on a row and a double click open
// that row: each through the game's view, as the tree's "Game data" opens it.
TEST(PrototypesWindow, EnterAndDoubleClickOpenTheRowInTheEditor) {
    Prototypes p;
    QLineEdit* filter = p.w->filterBox(ObjectType::Item);
    QTest::keyClicks(filter, "stim");
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(p.opened(), p.itemFile("00000003.pro"));

    // Back in the window, all rows in view: Down goes into them at the row opened last.
    QApplication::setActiveWindow(p.w);
    filter->selectAll();
    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), p.items());
    EXPECT_EQ(p.items()->currentIndex().row(), 2);
    QTest::keyClick(p.items(), Qt::Key_Up);
    QTest::keyClick(p.items(), Qt::Key_Return);
    EXPECT_EQ(p.opened(), p.itemFile("00000002.pro"));

    const QModelIndex first = p.items()->model()->index(0, PrototypeModel::NameColumn);
    doubleClickAt(p.items()->viewport(), p.items()->visualRect(first).center());
    EXPECT_EQ(p.opened(), p.itemFile("00000001.pro"));
    EXPECT_EQ(p.shell.editor->windowTitle(), "Zantrel - " + p.itemFile("00000001.pro"));

    // A line naming a missing file says so and leaves the open prototype as it is.
    const QModelIndex missing = p.items()->model()->index(3, PrototypeModel::NameColumn);
    doubleClickAt(p.items()->viewport(), p.items()->visualRect(missing).center());
    EXPECT_EQ(p.opened(), p.itemFile("00000001.pro"));
    ASSERT_EQ(p.prompter.texts().size(), 1);
    EXPECT_TRUE(p.prompter.texts()[0].contains("missing.pro"))
        << p.prompter.texts()[0].toStdString();
}

TEST(PrototypesWindow, AProblemRowIsMarkedAndSaysItsProblemsInItsTooltip) {
    Prototypes p;
    const struct {
        int row;
        const char* tip; // empty: no mark and no tooltip
    } cases[] = {
        {0, ""},
        {1, "Problems:\nits stored id 00000009 is not its line's 00000002"},
        {2, ""},
        {3, "Problems:\nthe file proto/items/missing.pro is missing"},
    };
    const QAbstractItemModel* m = p.items()->model();
    for (const auto& c : cases) {
        for (int column : {int(PrototypeModel::IdColumn), int(PrototypeModel::NameColumn)})
            EXPECT_EQ(m->index(c.row, column).data(Qt::ToolTipRole).toString(), c.tip) << c.row;
        const QModelIndex id = m->index(c.row, PrototypeModel::IdColumn);
        EXPECT_EQ(id.data(Qt::DecorationRole).isValid(), *c.tip != 0) << c.row;
        EXPECT_EQ(id.data(Qt::BackgroundRole).isValid(), *c.tip != 0) << c.row;
    }
}

// Whoever writes a type's files says so to the shared catalogue; the table follows and the
// row the user was on stays current. Saving a prototype in the editor says so itself.
TEST(PrototypesWindow, FollowsTheCatalogueWhenATypeIsWritten) {
    Prototypes p;
    QTest::keyClick(p.w->filterBox(ObjectType::Item), Qt::Key_Down);
    QTest::keyClick(p.items(), Qt::Key_Down);
    p.writeNames("{100}{}{Power Armor}\r\n{200}{}{Switchblade}\r\n{300}{}{Stimpak}\r\n");
    EXPECT_EQ(p.shown(), QStringList({"Combat Armor", "Knife", "Stimpak", ""})) << "not yet told";
    p.shell.catalogue.typeWritten(ObjectType::Item);
    EXPECT_EQ(p.shown(), QStringList({"Power Armor", "Switchblade", "Stimpak", ""}));
    EXPECT_EQ(p.items()->currentIndex().row(), 1);

    // The editor saves the second item under another text id: its row takes that name.
    p.items()->setFocus();
    QTest::keyClick(p.items(), Qt::Key_Return);
    ASSERT_EQ(p.opened(), p.itemFile("00000002.pro"));
    p.shell.editor->header()->edit(3)->setText("0000012C");
    p.shell.editor->save();
    ASSERT_EQ(p.prompter.texts(), QStringList());
    ASSERT_EQ(fieldValue(readFileBytes(p.itemFile("00000002.pro")), 4, 4), 300u);
    EXPECT_EQ(p.shown(), QStringList({"Power Armor", "Stimpak", "Stimpak", ""}));
}

// The code page chosen in the settings window is saved in the settings file, and the names
// are read again in it when the settings close.
TEST(PrototypesWindow, NamesFollowTheCodePageChosenInTheSettings) {
    Prototypes p;
    p.writeNames("{100}{}{\xC0\xF0\xEC\xEE\xF0}\r\n");
    p.folder.write("zantrel.ini", ("[File]\nF2Path=" + p.game + "\nUseSource=0\n").toUtf8());
    p.shell.catalogue.typeWritten(ObjectType::Item);
    EXPECT_EQ(p.shown().first(), "\u00C0\u00F0\u00EC\u00EE\u00F0") << "Windows-1252";

    SettingsWindow* settings = p.shell.settingsWindow;
    const struct {
        int steps; // Down presses from the game's language
        const char* shown;
        const char* line; // in the settings file; empty: no CodePage key
        QString name;
    } cases[] = {
        {2, "Windows-1251", "CodePage=windows-1251", "\u0410\u0440\u043C\u043E\u0440"},
        {0, "From the game's language", "", "\u00C0\u00F0\u00EC\u00EE\u00F0"},
    };
    for (const auto& c : cases) {
        settings->show();
        auto* box = settings->findChild<QComboBox*>("ComboBox2");
        ASSERT_NE(box, nullptr);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int k = 0; k < c.steps; ++k)
            QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentText(), c.shown);
        clickAt(settings, centreOf(settings, "Image5")); // save
        ASSERT_FALSE(settings->isVisible()) << p.prompter.texts().join("; ").toStdString();
        QFile ini(p.shell.settingsPath);
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        const QByteArray saved = ini.readAll();
        EXPECT_EQ(saved.contains("CodePage="), *c.line != 0) << saved.constData();
        EXPECT_TRUE(saved.contains(c.line)) << saved.constData();
        EXPECT_EQ(p.shown().first(), c.name) << c.shown;
    }
}

} // namespace
