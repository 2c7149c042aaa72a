// Menu -> New prototype through keys and clicks on a generated game: the new prototype is
// open, listed in the catalogue with its name, its file, list line and message entries as the
// game reads them; a failure, a cancel or keeping unsaved changes leaves every file as it was.
#include "gamedata/listfile.h"
#include "gamedata/messagefile.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"
#include "support/accesstree.h"
#include "support/clicks.h"
#include "support/modgame.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/headerpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// Three prototypes of each type, loose in Game/data; item 3 is a weapon.
struct NewFixture : ShellFixture {
    EditorWindow* w = shell.editor;
    NewFixture() {
        shell.settings.gameFolder = writeGameFolder(folder, "Game", 4, 3);
        shell.settings.useSources = "0";
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    QString data(const QString& relative) const { return folder.file("Game/data/" + relative); }
    void open(const QString& relative) {
        prompter.fileAnswers.push_back(data(relative));
        QTest::keyClick(w, Qt::Key_F2);
    }
    QDialog* ask() {
        QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
        for (QDialog* d : w->findChildren<QDialog*>(QStringLiteral("NewPrototype")))
            if (d->isVisible()) {
                QApplication::setActiveWindow(d);
                return d;
            }
        return nullptr;
    }
    static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    }
    static void type(QDialog* d, const char* box, const QString& text) {
        clickAt(d, centreOf(d, box));
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // Every file of the game with its bytes, and every folder.
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> out;
        QDirIterator it(folder.file("Game"), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            out.insert(path, it.fileInfo().isDir() ? QByteArray("folder") : fileBytes(path));
        }
        return out;
    }
};

} // namespace

TEST(NewPrototypeDialog, CreatesTheObjectAndOpensIt) {
    const struct {
        const char* name;
        bool edited;       // the open weapon has an unsaved change, given up by answering OK
        int downs;         // Down presses in the type box from the open weapon's "Item"
        const char* start; // the radio button clicked
        const char* folder;
        const char* message;
        ObjectType type;
    } cases[] = {
        {"item, a copy of the open weapon as shown", true, 0, "RadioButton1", "items",
         "pro_item.msg", ObjectType::Item},
        {"tile from the defaults", false, 4, "RadioButton2", "tiles", "pro_tile.msg",
         ObjectType::Tile},
    };
    for (const auto& c : cases) {
        NewFixture f;
        f.open("proto/items/00000003.pro");
        ASSERT_EQ(f.w->document().kind(), 3) << c.name;
        const QByteArray onDisk = fileBytes(f.data("proto/items/00000003.pro"));
        if (c.edited) {
            clickAt(f.w, centreOf(f.w, "Edit115")); // the weight
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), "25");
            ASSERT_TRUE(f.w->alarmOn()) << c.name;
        }
        const QByteArray weapon = f.w->document().current();
        f.shell.catalogue.catalogue(); // read before: the new prototype must be told to it
        const QPointer<QDialog> d = f.ask();
        ASSERT_TRUE(d) << c.name;
        f.key(Qt::Key_T, Qt::AltModifier);
        for (int i = 0; i < c.downs; ++i)
            f.key(Qt::Key_Down);
        // The copy is offered for the open prototype's own type and kind alone.
        EXPECT_EQ(d->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isEnabled(),
                  c.type == ObjectType::Item)
            << c.name;
        clickAt(d, boxOf(d, c.start));
        f.type(d, "Edit120", "Rifle");
        f.type(d, "Memo6", "Long.");
        clickAt(d, centreOf(d, "xpButton1"));
        EXPECT_EQ(f.prompter.texts().size(), c.edited ? 1 : 0) << c.name; // the open question
        EXPECT_EQ(fileBytes(f.data("proto/items/00000003.pro")), onDisk) << c.name;
        EXPECT_TRUE(!d || !d->isVisible()) << c.name;

        const std::uint32_t id = std::uint32_t(c.type) << 24 | 4;
        const QString file = QStringLiteral("proto/%1/00000004.pro").arg(c.folder);
        EXPECT_EQ(f.w->document().path(), f.data(file)) << c.name;
        EXPECT_FALSE(f.w->alarmOn()) << c.name;
        EXPECT_EQ(f.w->history()->count(), 0) << c.name;
        QByteArray expected = c.type == ObjectType::Item ? weapon : defaultRecord(int(c.type), 0);
        EXPECT_EQ(c.edited, fieldValue(expected, 44, 4) == 25u) << c.name;
        setFieldValue(expected, 0, 4, id);
        setFieldValue(expected, 4, 4, 400);
        EXPECT_EQ(fileBytes(f.data(file)).toHex(), expected.toHex()) << c.name;
        const ListFile list(fileBytes(f.data(QStringLiteral("proto/%1/%1.lst").arg(c.folder))));
        ASSERT_EQ(list.count(), 4) << c.name;
        EXPECT_EQ(list.name(3), "00000004.pro") << c.name;
        const MessageFile names(
            fileBytes(f.data(QStringLiteral("text/english/game/") + c.message)));
        ASSERT_TRUE(names.find(400) && names.find(401)) << c.name;
        EXPECT_EQ(names.find(400)->text, "Rifle") << c.name;
        EXPECT_EQ(names.find(401)->text, "Long.") << c.name;
        const CatalogueEntry* entry = f.shell.catalogue.catalogue().find(id);
        ASSERT_TRUE(entry) << c.name;
        EXPECT_EQ(entry->name, "Rifle") << c.name;
        EXPECT_EQ(entry->problems, 0) << c.name;
    }
}

TEST(NewPrototypeDialog, AFailureACancelOrKeptChangesLeaveTheFilesAsTheyWere) {
    const struct {
        const char* name;
        bool noGame; // no game folder set: no dialog, a message
        bool listIsAFolder;
        bool unsaved;     // the open prototype has changes, kept by answering No
        Qt::Key key;      // pressed in the dialog instead of clicking OK
        const char* told; // the message (its first line), empty for none
        bool stays;       // the dialog is still open
    } cases[] = {
        {"no game folder", true, false, false, Qt::Key_unknown,
         "No game folder is set: a new prototype is added to the game. Choose the Fallout folder "
         "in the settings first.",
         false},
        {"a folder where the list is", false, true, false, Qt::Key_unknown,
         "This is a folder, not a file", true},
        {"Escape", false, false, false, Qt::Key_Escape, "", false},
        {"unsaved changes kept", false, false, true, Qt::Key_unknown,
         "Изменения не сохранены. Вы действительно хотите открыть файл?", true},
    };
    for (const auto& c : cases) {
        NewFixture f;
        f.open("proto/items/00000003.pro");
        if (c.listIsAFolder) {
            QFile::remove(f.data("proto/items/items.lst"));
            f.folder.mkdir("Game/data/proto/items/items.lst");
        }
        if (c.unsaved) {
            HeaderPanel* h = f.w->header();
            clickAt(f.w, h->edit(3)->mapTo(f.w, h->edit(3)->rect().center()));
            h->edit(3)->selectAll();
            QTest::keyClicks(h->edit(3), "00000300");
            ASSERT_TRUE(f.w->alarmOn()) << c.name;
            f.prompter.confirmAnswers.push_back(false);
        }
        const QMap<QString, QByteArray> before = f.files();
        if (c.noGame)
            f.shell.settings.gameFolder.clear();
        const QPointer<QDialog> d = f.ask();
        ASSERT_NE(d.isNull(), !c.noGame) << c.name;
        if (d) {
            f.type(d, "Edit120", "Rifle");
            if (c.key != Qt::Key_unknown)
                f.key(c.key);
            else
                clickAt(d, centreOf(d, "xpButton1"));
        }
        const QString told = f.prompter.texts().join('|');
        EXPECT_EQ(told.section('\n', 0, 0), QString::fromUtf8(c.told)) << c.name;
        EXPECT_EQ(told.endsWith(QStringLiteral("items.lst")), c.listIsAFolder) << c.name;
        EXPECT_EQ(f.files(), before) << c.name;
        EXPECT_EQ(d && d->isVisible(), c.stays) << c.name;
        EXPECT_EQ(f.w->document().path(), f.data("proto/items/00000003.pro")) << c.name;
        EXPECT_EQ(f.w->alarmOn(), c.unsaved) << c.name;
    }
}

TEST(NewPrototypeDialog, EveryControlIsNamedAndTabGoesInReadingOrder) {
    for (int downs : {0, 4}) { // items show the kind box, tiles do not
        NewFixture f;
        const QPointer<QDialog> d = f.ask();
        ASSERT_TRUE(d);
        f.key(Qt::Key_T, Qt::AltModifier);
        for (int i = 0; i < downs; ++i)
            f.key(Qt::Key_Down);
        QStringList faults;
        for (const AccessibleControl& c : visibleControls(d))
            if (c.name.trimmed().isEmpty() || c.name == c.value)
                faults << c.path + " named \"" + c.name + "\"";
        EXPECT_EQ(faults, QStringList()) << downs;
        const QList<QWidget*> walk = tabWalk(d->findChild<QWidget*>(QStringLiteral("ComboBox1")));
        EXPECT_EQ(readingOrderFault(d, walk), QString()) << downs;
        QStringList reached;
        for (QWidget* widget : walk)
            reached << widget->objectName();
        // Nothing open: the copy is not offered, so Tab reaches the defaults' button alone.
        EXPECT_EQ(reached.join(' '), QString(downs ? "ComboBox1 " : "ComboBox1 ComboBox2 ") +
                                         "RadioButton2 Edit120 Memo6 xpButton1 xpButton2");
    }
}
