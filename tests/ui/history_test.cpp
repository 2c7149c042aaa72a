// The undo history through the window: typing, clicks, picks and a kind change taken back
// and done again with the keys, the lamp following, and the watched file.
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"
#include "ui/editorwindow.h"
#include "ui/headerpanel.h"

#include "proto/records.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

#include <utility>

namespace {

using zantrel::recordLength;

// A prototype of the type whose kind (items, scenery) is the one given.
QByteArray prototype(int type, int kind = -1) {
    QByteArray p = makePrototype(type, type == 1 ? 416 : recordLength(type, kind));
    if (kind >= 0)
        for (int i = 0; i < 4; ++i)
            p[32 + i] = char(i == 3 ? kind : 0);
    return p;
}

struct History : EditorFixture {
    QString path;
    QByteArray opened;
    void openProto(const QByteArray& bytes) {
        opened = bytes;
        path = write("p.pro", bytes);
        open(path);
        ASSERT_TRUE(w->document().isOpened());
    }
    template <typename T = QWidget> T* find(const char* name) {
        return w->findChild<T*>(QLatin1String(name));
    }
    void undo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }
    void redo(bool y) {
        if (y)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                            Qt::ControlModifier | Qt::ShiftModifier);
    }
};

} // namespace

TEST(History, TypingInABoxOfEachPageIsOneStepTakenBackAndDoneAgain) {
    const struct {
        int type, kind;
        const char* box;
        const char* typed;
        const char* name; // what the menu names the step
    } cases[] = {
        {3, -1, "Edit3", "00000200", "Object ID x 100"},
        {1, -1, "Edit17", "7", "Strength (base)"},
        {0, 0, "Edit116", "1234", "Price"},
        {2, 5, "SceneryLightRadius", "3", "Light radius"},
        {3, -1, "WallLightRadius", "4", "Light radius"},
        {5, -1, "MiscLightRadius", "2", "Light radius"},
    };
    for (const auto& c : cases) {
        History e;
        e.openProto(prototype(c.type, c.kind));
        auto* box = e.find<QLineEdit>(c.box);
        ASSERT_TRUE(box) << c.box;
        const QString before = box->text();
        EXPECT_FALSE(e.w->undoAction()->isEnabled()) << c.box;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, c.typed);
        EXPECT_TRUE(e.w->alarmOn()) << c.box;
        EXPECT_EQ(e.w->history()->count(), 1) << c.box; // the run of typing merged
        EXPECT_EQ(e.w->undoAction()->text(), QString("Undo ") + c.name) << c.box;
        e.undo();
        EXPECT_EQ(box->text(), before) << c.box;
        EXPECT_FALSE(e.w->alarmOn()) << c.box; // back at the state opened
        EXPECT_EQ(e.w->redoAction()->text(), QString("Redo ") + c.name) << c.box;
        e.redo(c.type != 3);
        EXPECT_EQ(box->text(), c.typed) << c.box;
        EXPECT_TRUE(e.w->alarmOn()) << c.box;
        e.undo();
        e.save(); // nothing changed: the same bytes
        EXPECT_TRUE(e.prompter.messages.empty())
            << c.box << e.prompter.texts().join("|").toStdString();
        EXPECT_EQ(fileBytes(e.path).toHex(), e.opened.toHex()) << c.box;
    }
}

// An undo redraws the fields the document says it changed: a box it did not touch keeps what
// the user left in it, even a text that does not convert yet.
TEST(History, AnUndoLeavesTheBoxesItDidNotChangeAsTheyWere) {
    const struct {
        int type, kind;
        const char* left; // typed first, not a value yet
        const char* leftText;
        const char* box; // typed next, then taken back
        const char* typed;
    } cases[] = {
        {1, -1, "Edit105", "abc", "Edit17", "7"},
        {0, 0, "Edit115", "heavy", "Edit116", "1234"},
        {3, -1, "WallLightRadius", "x", "WallLightIntensityPercent", "5"},
    };
    for (const auto& c : cases) {
        History e;
        e.openProto(prototype(c.type, c.kind));
        auto* left = e.find<QLineEdit>(c.left);
        auto* box = e.find<QLineEdit>(c.box);
        ASSERT_TRUE(left && box) << c.box;
        const QString before = box->text();
        for (const auto& [edit, text] : {std::pair{left, c.leftText}, std::pair{box, c.typed}}) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        ASSERT_EQ(e.w->history()->count(), 1) << c.box;
        e.undo();
        EXPECT_EQ(box->text(), before) << c.box;
        EXPECT_EQ(left->text(), c.leftText) << c.left;
    }
}

TEST(History, AFlagBoxAndAListPickAreStepsOfTheirOwn) {
    History e;
    e.openProto(prototype(2, 5));
    const QString flags = e.text(13);
    clickAt(e.w, boxOf(e.w, "CheckBox1"));
    const QString clicked = e.text(13);
    EXPECT_NE(clicked, flags);
    auto* material = e.find<QComboBox>("SceneryMaterial");
    const int was = material->currentIndex();
    material->setFocus();
    e.pick(material, (was + 1) % material->count());
    EXPECT_EQ(e.w->history()->count(), 2);
    e.undo();
    EXPECT_EQ(material->currentIndex(), was);
    EXPECT_EQ(e.text(13), clicked);
    e.undo();
    EXPECT_EQ(e.text(13), flags);
    EXPECT_FALSE(e.find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(e.w->alarmOn());
    e.redo(true);
    EXPECT_TRUE(e.find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(e.text(13), clicked);
}

TEST(History, AKindChangeIsOneStepThatBringsTheOldKindBack) {
    History e;
    e.openProto(prototype(0, 0)); // armor
    auto* kind = e.find<QComboBox>("ComboBox9");
    kind->setFocus();
    e.pick(kind, 3); // weapon, answered OK
    ASSERT_EQ(e.w->document().current().size(), recordLength(0, 3));
    EXPECT_EQ(e.w->history()->count(), 1);
    e.undo();
    EXPECT_EQ(kind->currentIndex(), 0);
    EXPECT_EQ(e.w->document().current().toHex(), e.opened.toHex());
    EXPECT_FALSE(e.w->alarmOn());
    e.redo(false);
    EXPECT_EQ(kind->currentIndex(), 3);
    EXPECT_EQ(e.w->document().current().size(), recordLength(0, 3));
    e.undo();
    e.save();
    EXPECT_EQ(fileBytes(e.path).toHex(), e.opened.toHex());
}

TEST(History, OpeningStartsANewHistoryAndSavingMarksTheCleanPoint) {
    History e;
    e.openProto(prototype(3));
    e.edit(3)->setFocus();
    e.edit(3)->selectAll();
    QTest::keyClicks(e.edit(3), "00000300");
    e.save();
    EXPECT_FALSE(e.w->alarmOn());
    EXPECT_TRUE(e.w->history()->isClean());
    e.undo(); // before the save: changed again
    EXPECT_TRUE(e.w->alarmOn());
    e.redo(true);
    EXPECT_FALSE(e.w->alarmOn());
    e.prompter.confirmAnswers.push_back(true);
    e.openProto(prototype(5, -1));
    EXPECT_EQ(e.w->history()->count(), 0);
    EXPECT_FALSE(e.w->undoAction()->isEnabled());
}

TEST(History, TheDecimalSwitchChangesNoValue) {
    History e;
    e.openProto(prototype(3));
    e.h->decimalButton()->click();
    e.h->hexButton()->click();
    e.h->decimalButton()->click();
    EXPECT_FALSE(e.w->alarmOn());
    EXPECT_EQ(e.w->history()->count(), 0);
    EXPECT_EQ(e.w->document().current().toHex(), e.opened.toHex());
    // A value typed in decimal is the same value in the document.
    e.edit(3)->setFocus();
    e.edit(3)->selectAll();
    QTest::keyClicks(e.edit(3), "512");
    EXPECT_EQ(e.w->document().current().mid(4, 4).toHex(), "00000200");
}

TEST(History, AFileChangedByAnotherProgramIsAskedAbout) {
    for (const bool reload : {true, false}) {
        History e;
        e.openProto(makePrototype(3, 40)); // four bytes past the record: no field covers them
        e.edit(3)->setFocus();
        e.edit(3)->selectAll();
        QTest::keyClicks(e.edit(3), "00000300");
        e.save(); // our own save is not asked about
        QTest::qWait(50);
        const std::size_t shown = e.prompter.messages.size();
        e.prompter.confirmAnswers.push_back(reload);
        QByteArray changed = fileBytes(e.path);
        changed[38] = char(0x77); // a byte no field covers
        changed[7] = char(0x44);  // the text id
        {
            QFile f(e.path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(changed);
        }
        ASSERT_TRUE(waitFor([&] { return e.prompter.messages.size() > shown; }));
        EXPECT_EQ(e.prompter.messages.back().text,
                  "The file has been changed by another program. Reload it?\n" +
                      QDir::toNativeSeparators(e.path));
        if (reload) {
            EXPECT_EQ(e.text(3), "00000344");
            EXPECT_EQ(e.w->history()->count(), 0);
        } else {
            EXPECT_EQ(e.text(3), "00000300"); // the editor's values stay
            e.edit(3)->selectAll();
            QTest::keyClicks(e.edit(3), "00000301");
            e.save(); // patched onto the file as it is on disk
            QByteArray expected = changed;
            expected[6] = 0x03;
            expected[7] = 0x01;
            EXPECT_EQ(fileBytes(e.path).toHex(), expected.toHex());
        }
    }
}

TEST(History, ARemovedFileIsToldAndSavedAnew) {
    History e;
    e.openProto(prototype(3));
    ASSERT_TRUE(QFile::remove(e.path));
    ASSERT_TRUE(waitFor([&] { return !e.prompter.messages.empty(); }));
    EXPECT_TRUE(e.prompter.messages.back().text.startsWith(
        "The file has been removed by another program."));
    e.save();
    EXPECT_EQ(fileBytes(e.path).toHex(), e.opened.toHex());
}
