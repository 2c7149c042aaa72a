// Prototypes laid out the way the game writes them: script ids with their type byte, tiles
// with their own header, misc objects without a script; and saving against the file on disk.
#include "support/clicks.h"
#include "support/editorfixture.h"
#include "ui/flags.h"
#include "ui/simplepages.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray withWord(QByteArray p, int offset, const char* hex) {
    const QByteArray word = QByteArray::fromHex(hex);
    for (int i = 0; i < word.size(); ++i)
        p[offset + i] = word[i];
    return p;
}

QString description(EditorFixture& e, const char* memo) {
    return e.w->findChild<QPlainTextEdit*>(memo)->toPlainText();
}

} // namespace

TEST(RealFiles, ScriptIdsChooseTheirLineByTheLowBitsAndKeepTheirType) {
    const struct {
        int type, length;
        const char* stored;
        int line;   // selected
        int picked; // then picked
        const char* written;
    } cases[] = {
        {1, 416, "04000005", 5, 2, "04000002"},  {0, 61, "03000002", 2, 7, "03000007"},
        {2, 49, "03000001", 1, 9, "03000009"},   {3, 36, "03000004", 4, 0, "03000000"},
        {1, 416, "FFFFFFFF", 10, 3, "04000003"}, // none: a critter takes type 4
        {2, 49, "FFFFFFFF", 10, 3, "03000003"},  // the others type 3
        {2, 49, "00000006", 6, 1, "00000001"},   // a stored type byte of 0 is kept too
        {2, 49, "04000008", 8, 10, "FFFFFFFF"},  // "<NONE>" picked
        {2, 49, "03FFFFFF", 10, 2, "03000002"},  // a line past the list selects "<NONE>"
    };
    for (const auto& c : cases) {
        EditorFixture e;
        const QByteArray original = withWord(makePrototype(c.type, c.length), 28, c.stored);
        const QString path = e.write("s.pro", original);
        e.open(path);
        ASSERT_TRUE(e.prompter.messages.empty()) << c.stored;
        EXPECT_EQ(e.text(5), c.stored);
        EXPECT_EQ(e.h->scripts()->currentIndex(), c.line) << c.stored;
        if (c.type == 2 && c.line < 10) {
            EXPECT_EQ(description(e, "Memo1"),
                      QString("Name: scen 1 \nScript description: Script number %1").arg(c.line));
        }
        e.save();
        EXPECT_EQ(fileBytes(path).toHex(), original.toHex()) << "untouched: as stored";
        e.pick(e.h->scripts(), c.picked);
        EXPECT_EQ(e.text(5), c.written) << c.stored;
        e.h->decimalButton()->click(); // the decimal display shows the whole word
        const bool none = QLatin1String(c.written) == QLatin1String("FFFFFFFF");
        EXPECT_EQ(e.text(5), none ? QString("-1")
                                  : QString::number(QByteArray(c.written).toUInt(nullptr, 16)));
        e.save();
        EXPECT_EQ(fileBytes(path).toHex(), withWord(original, 28, c.written).toHex()) << c.stored;
    }
}

TEST(RealFiles, TilesKeepFlagsAtTwelveScriptAtTwentyAndMaterialAtTwentyFour) {
    EditorFixture e;
    // As every real tile: flags 0, flags for use 0, no script, material 4.
    const QByteArray tile = withWord(makePrototype(4, 28), 12, "0000000000000000FFFFFFFF00000004");
    const QString path = e.write("t.pro", tile);
    e.open(path);
    ASSERT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join("|").toStdString();
    EXPECT_EQ(e.text(13), "00000000");
    EXPECT_EQ(e.text(5), "FFFFFFFF");
    EXPECT_EQ(e.h->scripts()->currentText(), "<NONE>");
    EXPECT_EQ(description(e, "Memo4"), "Name: tile 1 \nScript description: <NONE>");
    QComboBox* material = e.w->findChild<QComboBox*>("TileMaterial");
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->currentText(), "Dirt");
    EXPECT_EQ(material->count(), 8);

    // A flag box writes the flags word at 12, never the script id.
    clickAt(e.w, boxOf(e.w, "CheckBox10"));
    EXPECT_EQ(e.text(13), "00000010");
    e.pick(material, 5);
    e.save();
    EXPECT_EQ(fileBytes(path).toHex(),
              withWord(tile, 12, "0000001000000000FFFFFFFF00000005").toHex());

    // A material with no name is shown as its number and kept.
    const QByteArray odd = withWord(tile, 24, "00000009");
    e.write("odd.pro", odd);
    e.open(e.folder.file("odd.pro"));
    EXPECT_EQ(material->currentText(), "9");
    e.save();
    EXPECT_EQ(fileBytes(e.folder.file("odd.pro")).toHex(), odd.toHex());
}

TEST(RealFiles, MiscObjectsHaveNoScriptField) {
    EditorFixture e;
    const QByteArray misc = makePrototype(5, 28);
    const QString path = e.write("m.pro", misc);
    e.open(path);
    ASSERT_TRUE(e.prompter.messages.empty());
    EXPECT_EQ(e.text(5), "<NONE>");
    EXPECT_FALSE(e.edit(5)->isEnabled());
    EXPECT_FALSE(e.h->scripts()->isEnabled());
    EXPECT_EQ(e.h->scripts()->currentText(), "<NONE>");
    EXPECT_EQ(description(e, "Memo5"), "Name: misc 1 \nScript description: <NONE>");
    e.h->decimalButton()->click();
    EXPECT_EQ(e.text(5), "<NONE>");
    e.edit(3)->setText("200");
    e.save();
    EXPECT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join("|").toStdString();
    EXPECT_EQ(fileBytes(path).toHex(), withWord(misc, 4, "000000C8").toHex());

    // The next prototype with a script gets its boxes back.
    e.open(e.write("w.pro", makePrototype(3, 36)));
    EXPECT_TRUE(e.edit(5)->isEnabled());
    EXPECT_TRUE(e.h->scripts()->isEnabled());
    EXPECT_EQ(e.text(5), "03000005");
}

TEST(RealFiles, TypingInTheFlagsTextKeepsTheCursorWhereItIs) {
    EditorFixture e;
    e.open(e.write("w.pro", withWord(makePrototype(3, 36), 20, "20000008")));
    clickAt(e.w, boxOf(e.w, "CheckBox25")); // "Set Manually:"
    QLineEdit* flags = e.edit(13);
    ASSERT_TRUE(flags->isEnabled());
    flags->setFocus();
    flags->setCursorPosition(4);
    QTest::keyClick(flags, Qt::Key_Backspace);
    QTest::keyClick(flags, '4');
    EXPECT_EQ(flags->text(), "20040008");
    EXPECT_EQ(flags->cursorPosition(), 4);
    // Undo takes back the run of typing in the box, as the history keeps it.
    QTest::keyClick(flags, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(flags->text(), "20000008");
}

TEST(RealFiles, SavePatchesTheFileOnDiskAndSaveAsWritesTheOpenedBytes) {
    EditorFixture e;
    // Four bytes past the wall's record: no field of the window covers them.
    const QByteArray opened = makePrototype(3, 44);
    const QString path = e.write("w.pro", opened);
    e.open(path);
    e.edit(3)->setText("000000C8");
    // Another program changes a byte outside the fields meanwhile.
    QByteArray onDisk = opened;
    onDisk[37] = char(0x5A);
    e.write("w.pro", onDisk);

    const QString copy = e.folder.file("copy.pro");
    e.prompter.fileAnswers.push_back(copy);
    QTest::keyClick(e.w, Qt::Key_F4);
    EXPECT_EQ(fileBytes(copy).toHex(), withWord(opened, 4, "000000C8").toHex());
    e.open(path);
    e.edit(3)->setText("000000C9");
    e.write("w.pro", withWord(onDisk, 40, "77"));
    e.save();
    EXPECT_EQ(fileBytes(path).toHex(), withWord(withWord(onDisk, 40, "77"), 4, "000000C9").toHex());
}

// Real words combine flags in one digit: a click changes its own bits alone.
TEST(RealFiles, AFlagClickKeepsTheOtherFlagsOfItsDigit) {
    const struct {
        int type, length, offset;
        const char* stored;
        const char* box;
        const char* written;
    } cases[] = {
        {1, 416, 44, "000061E0", "CheckBox33", "000061C0"}, // "Can't be stolen from" off
        {1, 416, 44, "000061E0", "CheckBox36", "000060E0"}, // "Dead body can age" off
        {0, 61, 20, "A0000008", "CheckBox1", "80000008"},   // "Простреливается" off
        {0, 61, 20, "A0000008", "CheckBox11", "A0000000"},  // "На задний план" off
    };
    for (const auto& c : cases) {
        EditorFixture e;
        const QByteArray original = withWord(makePrototype(c.type, c.length), c.offset, c.stored);
        const QString path = e.write("f.pro", original);
        e.open(path);
        if (c.type == 1) {
            auto* inner = e.w->findChild<QTabWidget*>("PageControl2");
            inner->setCurrentWidget(e.w->findChild<QWidget*>("CritterFlagsArea")->parentWidget());
        }
        auto* box = e.w->findChild<QCheckBox*>(c.box);
        ASSERT_TRUE(box && box->isVisible()) << c.box;
        clickAt(e.w, boxOf(e.w, c.box));
        e.save();
        EXPECT_EQ(fileBytes(path).mid(c.offset, 4).toHex().toUpper(), QByteArray(c.written))
            << c.stored << " " << c.box;
    }
}
