// An object's name and description, edited in their dialog: a save writes the message file
// first (only the two texts change), undo takes an edit back, and a text the game cannot
// hold is refused with the box's name.
#include "support/clicks.h"
#include "support/editorfixture.h"

#include <QDialog>
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
