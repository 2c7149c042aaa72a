// An object's name and description, edited in their dialog: a save writes the message file
// first (only the two texts change), undo takes an edit back, a text the game cannot hold is
// refused with the box's name, and a name other prototypes share says so.
#include "gamedata/catalogue.h"
#include "proto/fieldcodec.h"
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "support/modgame.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QUndoStack>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

const char* const kMessages = "Game/data/text/english/game/pro_item.msg";

struct TextsFixture : EditorFixture {
    QString path;
    TextsFixture() {
        folder.write(kMessages,
                     "# items\r\n{100}{}{Knife}\r\n{101}{}{Sharp.}\r\n{200}{}{Rock}\r\n");
        path = write("p.pro", makePrototype(0, 57));
        open(path);
    }
    QDialog* openDialog() {
        clickAt(w, centreOf(w, "xpButton1"));
        for (QDialog* d : w->findChildren<QDialog*>(QStringLiteral("ObjectTexts")))
            if (d->isVisible()) // a closed one waits for its deletion
                return d;
        return nullptr;
    }
    void type(QDialog* d, const QString& name, const QString& description) {
        d->findChild<QLineEdit*>(QStringLiteral("Edit120"))->setText(name);
        d->findChild<QPlainTextEdit*>(QStringLiteral("Memo6"))->setPlainText(description);
        QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("Edit120")), Qt::Key_Return);
        QApplication::setActiveWindow(w); // as the window system does when the dialog goes
    }
};

} // namespace

TEST(ObjectTexts, SavedIntoTheMessageFileAndTakenBackByUndo) {
    TextsFixture e;
    QDialog* d = e.openDialog();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("Edit120"))->text(), "Knife");
    EXPECT_EQ(d->findChild<QPlainTextEdit*>(QStringLiteral("Memo6"))->toPlainText(), "Sharp.");
    e.type(d, QStringLiteral("Big Knife"), QStringLiteral("Very\nsharp."));
    EXPECT_TRUE(e.w->alarmOn());
    e.save();
    EXPECT_TRUE(e.prompter.texts().isEmpty()) << e.prompter.texts().join('|').toStdString();
    EXPECT_EQ(fileBytes(e.folder.file(kMessages)),
              "# items\r\n{100}{}{Big Knife}\r\n{101}{}{Very sharp.}\r\n{200}{}{Rock}\r\n");
    EXPECT_FALSE(e.w->alarmOn());
    e.w->history()->undo();
    EXPECT_TRUE(e.w->alarmOn()); // the saved texts are the new ones
    QDialog* again = e.openDialog();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->findChild<QLineEdit*>(QStringLiteral("Edit120"))->text(), "Knife");
}

TEST(ObjectTexts, TextsTheGameCannotHoldAreRefusedNamingTheBox) {
    const struct {
        const char* name;
        const char* description;
        const char* told;
    } cases[] = {
        {"Kni{fe", "", "\"Name\" may not hold '{' or '}'"},
        {"Knife", "a } b", "\"Description\" may not hold '{' or '}'"},
        {"Kni\nfe", "", "\"Name\" may not hold a line break"},
        {"Нож", "", "\"Name\" holds a character the code page windows-1252 cannot hold"},
    };
    for (const auto& c : cases) {
        TextsFixture e;
        QDialog* d = e.openDialog();
        ASSERT_TRUE(d);
        e.type(d, QString::fromUtf8(c.name), QString::fromUtf8(c.description));
        EXPECT_EQ(e.prompter.texts(), QStringList(c.told)) << c.name;
        EXPECT_TRUE(d->isVisible()) << c.name;
        EXPECT_FALSE(e.w->alarmOn()) << c.name;
    }
}

TEST(ObjectTexts, TheDialogSaysHowManyOtherPrototypesShareTheName) {
    const struct {
        const char* file;
        const char* note; // empty: no note shown
    } cases[] = {
        {"proto/items/00000001.pro",
         "Also the name of 2 other prototypes: changing it renames them too."},
        {"proto/items/00000002.pro",
         "Also the name of 1 other prototype: changing it renames it too."},
        {"proto/items/00000006.pro", ""},
        {"proto/tiles/00000003.pro",
         "Also the name of 5 other prototypes: changing it renames them too."},
    };
    for (const auto& c : cases) {
        ShellFixture s;
        // Six of each type, all at text id 100 but the items 2 and 5 (200) and 6 (600).
        s.shell.settings.gameFolder = writeGameFolder(s.folder, "Game", 4, 6);
        s.shell.settings.useSources = "0";
        for (const auto& [n, textId] : {std::pair{2, 200}, {5, 200}, {6, 600}}) {
            const QString item =
                QStringLiteral("Game/data/proto/items/%1.pro").arg(n, 8, 10, QChar('0'));
            QByteArray bytes = fileBytes(s.folder.file(item));
            setFieldValue(bytes, 4, 4, std::uint32_t(textId));
            s.folder.write(item, bytes);
        }
        EditorWindow* w = s.shell.editor;
        w->showCentred();
        QApplication::setActiveWindow(w);
        s.prompter.fileAnswers.push_back(s.folder.file(QStringLiteral("Game/data/") + c.file));
        QTest::keyClick(w, Qt::Key_F2);
        QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
        QDialog* d = w->findChild<QDialog*>(QStringLiteral("ObjectTexts"));
        ASSERT_TRUE(d && d->isVisible()) << c.file;
        const auto* note = d->findChild<QLabel*>(QStringLiteral("Label120"));
        EXPECT_EQ(note->isVisible() ? note->text() : QString(), QString(c.note)) << c.file;
        EXPECT_TRUE(s.prompter.texts().isEmpty()) << s.prompter.texts().join('|').toStdString();
    }
}

// The scenery page's description box shows a name as soon as it is edited, the file's again
// once the edit is taken back, and the saved one after F3 — the sources folder is in use, so
// the copy written under the patches folder must win over the sources' — as does the
// Prototypes window's catalogue.
TEST(ObjectTexts, TheNameShownFollowsTheEditAndTheSave) {
    EditorFixture e;
    e.folder.write("Game/data/proto/scenery/scenery.lst", "00000001.pro\r\n");
    e.open(e.folder.write("Game/data/proto/scenery/00000001.pro", makePrototype(2, 49)));
    const auto* memo = e.w->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_TRUE(memo);
    const auto shows = [&](const char* name) {
        return memo->toPlainText().startsWith(QStringLiteral("Name: %1 \n").arg(name));
    };
    EXPECT_TRUE(shows("scen 1")) << memo->toPlainText().toStdString();
    QTest::keyClick(e.w, Qt::Key_D, Qt::ControlModifier);
    QDialog* d = e.w->findChild<QDialog*>(QStringLiteral("ObjectTexts"));
    ASSERT_TRUE(d && d->isVisible());
    d->findChild<QLineEdit*>(QStringLiteral("Edit120"))->setText("Vault door");
    QTest::keyClick(d->findChild<QLineEdit*>(QStringLiteral("Edit120")), Qt::Key_Return);
    QApplication::setActiveWindow(e.w);
    EXPECT_TRUE(shows("Vault door")) << memo->toPlainText().toStdString();
    e.w->history()->undo();
    EXPECT_TRUE(shows("scen 1")) << memo->toPlainText().toStdString();
    e.w->history()->redo();
    e.save();
    EXPECT_TRUE(e.prompter.texts().isEmpty()) << e.prompter.texts().join('|').toStdString();
    EXPECT_TRUE(shows("Vault door")) << memo->toPlainText().toStdString();
    const CatalogueEntry* entry = e.shell.catalogue.catalogue().find(0x02000001);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Vault door");
}
