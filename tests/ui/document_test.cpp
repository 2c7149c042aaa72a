// Opening and saving prototypes through the editor window, with the header panel and the
// four simple pages.
#include "proto/document.h"
#include "support/editorfixture.h"
#include "ui/editorwindow.h"
#include "ui/flags.h"
#include "ui/headerpanel.h"
#include "ui/simplepages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

using namespace zantrel;

namespace {

using Editor = EditorFixture;

} // namespace

TEST(Document, OpenThenSaveWithoutEditsKeepsEveryByte) {
    const struct {
        int type, length;
    } cases[] = {{0, 61}, {0, 69}, {0, 73}, {0, 81}, {0, 122}, {0, 125}, {0, 129}, {1, 416},
                 {2, 45}, {2, 49}, {3, 36}, {4, 28}, {5, 28},  {2, 12},  {2, 21},  {5, 1000}};
    for (const auto& c : cases) {
        Editor e;
        const QByteArray original = makePrototype(c.type, c.length);
        const QString path = e.write("p.pro", original);
        e.open(path);
        ASSERT_TRUE(e.prompter.messages.empty())
            << c.type << "/" << c.length << ": " << e.prompter.texts().join(" | ").toStdString();
        EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + path);
        EXPECT_FALSE(e.w->alarmOn());
        e.save();
        EXPECT_TRUE(e.prompter.messages.empty()) << c.type << "/" << c.length;
        EXPECT_EQ(fileBytes(path).toHex(), original.toHex()) << c.type << "/" << c.length;
        EXPECT_TRUE(isReadOnly(path));
        e.save(); // a read-only file saves again
        EXPECT_TRUE(e.prompter.messages.empty());
        EXPECT_EQ(fileBytes(path).toHex(), original.toHex());
    }
}

TEST(Document, HeaderShowsInHexAndDecimalAndSavesTheSame) {
    Editor e;
    QByteArray p = makePrototype(2, 49);
    p[2] = char(0x01), p[3] = char(0xF4); // object id 500
    p[8] = char(0xFF);                    // frame type differs from the object type
    const QString path = e.write("s.pro", p);
    e.open(path);
    const struct {
        int box;
        const char* hex;
        const char* dec;
    } rows[] = {{1, "02", "2"},  {2, "01F4", "500"}, {3, "00000064", "100"},     {4, "FF", "255"},
                {11, "00", "0"}, {12, "0002", "2"},  {5, "03000005", "50331653"}};
    for (const auto& r : rows)
        EXPECT_EQ(e.text(r.box), QLatin1String(r.hex)) << r.box;
    EXPECT_EQ(e.text(13), "00002008");
    EXPECT_EQ(e.text(6), "Scenery");
    EXPECT_EQ(e.h->scripts()->currentIndex(), 5);
    EXPECT_EQ(e.h->frames()->currentIndex(), 2);
    e.h->decimalButton()->click();
    for (const auto& r : rows)
        EXPECT_EQ(e.text(r.box), QLatin1String(r.dec)) << r.box;
    EXPECT_EQ(e.text(13), "00002008"); // the flags stay hexadecimal
    EXPECT_FALSE(e.w->alarmOn()) << "a switch of notation changes no value";
    e.h->hexButton()->click();
    for (const auto& r : rows)
        EXPECT_EQ(e.text(r.box), QLatin1String(r.hex)) << r.box;
    EXPECT_FALSE(e.w->alarmOn());
    // Saving in decimal display switches to hexadecimal first and writes the same bytes.
    e.h->decimalButton()->click();
    e.save();
    EXPECT_TRUE(e.h->hexButton()->isChecked());
    EXPECT_EQ(fileBytes(path).toHex(), p.toHex());
}

TEST(Document, ScriptAndFrameBoxesFollowTheListsBothWays) {
    Editor e;
    QByteArray p = makePrototype(3, 36);
    e.open(e.write("w.pro", p));
    // FFFFFFFF and FFFF select "<NONE>" and become -1 in decimal display, and back.
    e.edit(5)->setText("FFFFFFFF");
    e.edit(12)->setText("FFFF");
    EXPECT_EQ(e.h->scripts()->currentText(), "<NONE>");
    EXPECT_EQ(e.h->frames()->currentText(), "<NONE>");
    e.h->decimalButton()->click();
    EXPECT_EQ(e.text(5), "-1");
    EXPECT_EQ(e.text(12), "-1");
    e.h->hexButton()->click();
    EXPECT_EQ(e.text(5), "FFFFFFFF");
    EXPECT_EQ(e.text(12), "FFFF"); // FFFFFFFF shortened by its own handling
    // A script at or past the list's end selects "<NONE>"; in decimal -2 selects entry 2 for
    // the script (made positive) but "<NONE>" for the frame.
    e.edit(5)->setText("0000000A");
    EXPECT_EQ(e.h->scripts()->currentIndex(), 10);
    e.h->decimalButton()->click();
    e.edit(5)->setText("-2");
    e.edit(12)->setText("-2");
    EXPECT_EQ(e.h->scripts()->currentIndex(), 2);
    EXPECT_EQ(e.h->frames()->currentText(), "<NONE>");
    // Picking in the lists writes the boxes, in either display.
    e.pick(e.h->scripts(), 10);
    EXPECT_EQ(e.text(5), "-1");
    e.h->hexButton()->click();
    e.pick(e.h->scripts(), 10);
    EXPECT_EQ(e.text(5), "FFFFFFFF");
    e.pick(e.h->frames(), 3);
    EXPECT_EQ(e.text(12), "0003");
    e.pick(e.h->scripts(), 4);
    EXPECT_EQ(e.text(5), "03000004"); // a scenery script that was none takes type 3
    EXPECT_TRUE(e.w->alarmOn());
}

TEST(Document, TypingIntoTheObjectIdProposesTheTextId) {
    Editor e;
    e.open(e.write("w.pro", makePrototype(3, 36)));
    e.edit(2)->setFocus();
    e.edit(2)->selectAll();
    QStringList seen;
    QObject::connect(e.edit(3), &QLineEdit::textChanged, [&seen](const QString& t) { seen << t; });
    QTest::keyClicks(e.edit(2), "0005");
    EXPECT_EQ(e.text(3), "000001F4");
    EXPECT_EQ(seen, QStringList({"00000000", "000001F4"})); // 0, 00, 000 all give 0
    e.h->decimalButton()->click();
    e.edit(2)->setFocus();
    e.edit(2)->selectAll();
    QTest::keyClicks(e.edit(2), "5");
    EXPECT_EQ(e.text(3), "500");
    // The program's own changes propose nothing.
    e.edit(3)->setText("7");
    e.w->setFocus();
    e.edit(2)->setText("9");
    EXPECT_EQ(e.text(3), "7");
}

TEST(Document, HexDisplayAcceptsHexDigitsOnly) {
    Editor e;
    e.open(e.write("w.pro", makePrototype(3, 36)));
    e.edit(3)->setFocus();
    e.edit(3)->selectAll();
    QTest::keyClicks(e.edit(3), "a1g-z2");
    EXPECT_EQ(e.text(3), "A12");
    e.edit(2)->setFocus();
    e.edit(2)->selectAll();
    QTest::keyClicks(e.edit(2), "123456");
    EXPECT_EQ(e.text(2), "1234"); // at most four typed digits
}

TEST(Document, SaveAsToANewAndToAnExistingName) {
    Editor e;
    const QByteArray p = makePrototype(2, 45);
    const QString path = e.write("a.pro", p);
    e.open(path);
    e.edit(3)->setText("000000C8");
    const QString fresh = e.folder.file("fresh.pro");
    e.prompter.fileAnswers.push_back(fresh);
    QTest::keyClick(e.w, Qt::Key_F4);
    QByteArray expected = p;
    expected[7] = char(0xC8);
    EXPECT_EQ(fileBytes(fresh).toHex(), expected.toHex());
    EXPECT_EQ(fileBytes(path).toHex(), p.toHex());
    EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + fresh);
    EXPECT_EQ(e.w->findChild<QLabel*>("Label20")->text(), "fresh.pro");
    EXPECT_TRUE(isReadOnly(fresh));
    // Onto an existing (longer) file: the document replaces it, not merged into its bytes.
    const QString other = e.write("other.pro", QByteArray(300, char(0x77)));
    e.prompter.fileAnswers.push_back(other);
    QTest::keyClick(e.w, Qt::Key_F4);
    EXPECT_EQ(fileBytes(other).toHex(), expected.toHex());
    // Later saves go to the new name.
    e.edit(3)->setText("0000012C");
    e.save();
    EXPECT_EQ(quint8(fileBytes(other)[7]), 0x2C);
    EXPECT_EQ(quint8(fileBytes(fresh)[7]), 0xC8);
    EXPECT_TRUE(e.prompter.fileRequests.back().startsWith("save " + fresh));
    // Cancelling the dialog changes nothing.
    QTest::keyClick(e.w, Qt::Key_F4);
    EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + other);
}

TEST(Document, RefusedSavesWriteNothing) {
    Editor e;
    // Nothing open yet.
    e.save();
    QTest::keyClick(e.w, Qt::Key_F4);
    ASSERT_EQ(e.prompter.messages.size(), 2u);
    EXPECT_EQ(e.prompter.messages[0].title, "Error!");
    EXPECT_EQ(e.prompter.messages[0].text, "Cannot save file. Please check marked fields");
    EXPECT_TRUE(e.prompter.fileRequests.empty());

    // An object type of 10 is unknown: its header alone is shown, and saving it unchanged
    // writes back its own bytes, never the first file's.
    const QString good = e.write("good.pro", makePrototype(2, 45));
    e.open(good);
    QByteArray bad = makePrototype(2, 45);
    bad[0] = 10;
    const QString badPath = e.write("bad.pro", bad);
    e.prompter.messages.clear();
    e.open(badPath);
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.prompter.messages[0].text,
              "Unknown object type 10: only the header is shown\n" + badPath);
    e.save();
    EXPECT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(fileBytes(badPath), bad);
}

TEST(Document, UnreadableFilesAndUnwritablePlacesAreReported) {
    Editor e;
    const QByteArray p = makePrototype(4, 28);
    const QString path = e.write("t.pro", p);
    e.open(path);
    e.edit(3)->setText("000000C8");
    // A file that cannot be read (the changes given up to open it) leaves the open document
    // as it was, still saveable.
    e.open(e.folder.file("missing.pro"));
    ASSERT_EQ(e.prompter.messages.size(), 2u);
    EXPECT_EQ(e.prompter.messages[0].kind, "confirm");
    EXPECT_EQ(e.prompter.messages[1].text, "File not found\n" + e.folder.file("missing.pro"));
    EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + path);
    EXPECT_TRUE(e.w->alarmOn());
    // Save As into a folder that does not exist reports it and creates nothing.
    e.prompter.fileAnswers.push_back(e.folder.file("nowhere/t.pro"));
    QTest::keyClick(e.w, Qt::Key_F4);
    ASSERT_EQ(e.prompter.messages.size(), 3u);
    EXPECT_TRUE(e.prompter.messages[2].text.startsWith("File not found"));
    EXPECT_TRUE(e.w->alarmOn());
    EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + path);
    e.save();
    EXPECT_EQ(quint8(fileBytes(path)[7]), 0xC8);
    EXPECT_EQ(fileBytes(path).size(), 28); // the untouched script past the end is not written
}

TEST(Document, DescriptionAndSizeOnTheSimplePages) {
    Editor e;
    const struct {
        int type;
        int length;
        const char* memo;
        const char* size;
        const char* name;
    } cases[] = {{2, 49, "Memo1", "Edit10", "scen"},
                 {3, 36, "Memo3", "Edit14", "wall"},
                 {4, 28, "Memo4", "Edit15", "tile"},
                 {5, 28, "Memo5", "Edit16", "misc"}};
    for (const auto& c : cases) {
        e.open(e.write(QString("p%1.pro").arg(c.type), makePrototype(c.type, c.length)));
        EXPECT_EQ(e.w->pageControl()->currentIndex(), c.type);
        EXPECT_TRUE(e.w->pageControl()->isTabEnabled(c.type));
        EXPECT_FALSE(e.w->pageControl()->isTabEnabled(c.type == 2 ? 3 : 2));
        EXPECT_EQ(e.w->findChild<QLineEdit*>(c.size)->text(), QString("%1 bytes").arg(c.length));
        // A misc object has no script; a tile keeps its script at 20.
        const QString scriptLine = c.type == 5 ? "<NONE>" : "Script number 5";
        EXPECT_EQ(e.w->findChild<QPlainTextEdit*>(c.memo)->toPlainText(),
                  QString("Name: %1 1 \nScript description: %2").arg(c.name, scriptLine));
    }
    // Other pages keep their texts; "<NONE>" picked as script shows "<NONE>".
    EXPECT_EQ(e.w->findChild<QLineEdit*>("Edit10")->text(), "49 bytes");
    e.pick(e.h->scripts(), 10);
    EXPECT_EQ(e.w->findChild<QPlainTextEdit*>("Memo5")->toPlainText(),
              "Name: misc 1 \nScript description: <NONE>");
    // A text id no message has gives "<NONE>"; a refresh button refreshes the loaded type.
    e.edit(3)->setText("00000065");
    e.w->findChild<QPushButton*>("Button8")->click();
    EXPECT_EQ(e.w->findChild<QPlainTextEdit*>("Memo5")->toPlainText(),
              "Name: <NONE>\nScript description: <NONE>");
    // Items show no description (opening one asks first: the text id was changed).
    e.open(e.write("i.pro", makePrototype(0, 61)));
    EXPECT_EQ(e.w->pageControl()->currentIndex(), 0);
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.prompter.messages[0].kind, "confirm");
}

TEST(Document, EnterOpensAndEnablesTheDescriptionButtons) {
    Editor e;
    std::vector<QPushButton*> buttons;
    for (const char* name : {"Button4", "Button6", "Button7", "Button8"})
        buttons.push_back(e.w->findChild<QPushButton*>(name));
    EXPECT_EQ(buttons[3]->text(), "Refresh Misc Description");
    for (QPushButton* b : buttons)
        EXPECT_TRUE(b->testAttribute(Qt::WA_ForceDisabled));
    e.prompter.fileAnswers.push_back(e.write("w.pro", makePrototype(3, 36)));
    e.edit(1)->setFocus();
    QTest::keyClick(e.w->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(e.text(6), "Wall");
    for (QPushButton* b : buttons) // enabled, though on pages not shown
        EXPECT_FALSE(b->testAttribute(Qt::WA_ForceDisabled)) << b->objectName().toStdString();
    EXPECT_TRUE(e.w->pageControl()->isEnabled());
    EXPECT_TRUE(e.edit(1)->isEnabled());
}

TEST(Document, FlagsFollowTheFileAndEveryOpenClearsThem) {
    Editor e;
    QByteArray p = makePrototype(2, 45);
    p[20] = char(0x08); // Flag 14 at position 2
    e.open(e.write("a.pro", p));
    CommonFlags* flags = e.h->flags();
    EXPECT_TRUE(flags->box(28)->isChecked());
    EXPECT_TRUE(flags->box(11)->isChecked()); // 00002008: position 8 is "8"
    e.open(e.write("b.pro", makePrototype(2, 45)));
    EXPECT_FALSE(flags->box(28)->isChecked());
    EXPECT_FALSE(e.w->alarmOn());
    flags->box(13)->click(); // its bit joins the "8" standing at position 8
    EXPECT_EQ(e.text(13), "00002009");
    EXPECT_TRUE(e.w->alarmOn());
    e.save();
    EXPECT_EQ(quint8(fileBytes(e.folder.file("b.pro"))[23]), 0x09);
}

// A hexadecimal number typed with fewer digits than its box shows is the number it reads as
// ("2" in the frame number is frame 2), not its digit pairs moved about.
TEST(Document, AShortHexNumberSavesAsTheNumberTyped) {
    const struct {
        int box;
        const char* typed;
        int offset;
        const char* saved; // the field's bytes after the save
    } cases[] = {{12, "2", 10, "0002"}, {12, "1F4", 10, "01f4"}, {3, "64", 4, "00000064"},
                 {2, "7", 2, "0007"},   {4, "5", 8, "05"},       {5, "3000005", 28, "03000005"}};
    for (const auto& c : cases) {
        Editor e;
        const QString path = e.write("s.pro", makePrototype(2, 49));
        e.open(path);
        QLineEdit* box = e.edit(c.box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        e.save();
        EXPECT_TRUE(e.prompter.texts().isEmpty()) << e.prompter.texts().join('|').toStdString();
        const int width = int(std::strlen(c.saved)) / 2;
        EXPECT_EQ(fileBytes(path).mid(c.offset, width).toHex(), c.saved) << c.box << c.typed;
    }
}
