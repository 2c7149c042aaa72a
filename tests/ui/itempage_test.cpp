// The "Items" page through the editor window: generated items, inventory lists, palettes and
// frame files in temporary game folders; what is shown, painted and saved.
#include "support/gamedata.h"
#include "support/shellfixture.h"
#include "ui/editorwindow.h"
#include "ui/headerpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

const QRgb grey = qRgb(128, 128, 128);
const QRgb red = qRgb(252, 0, 0);
const QRgb green = qRgb(0, 252, 0);

QByteArray solid(int w, int h, char index) {
    return makeFrame(w, h, QByteArray(w * h, index));
}

// An item record: type Key, material Metal, volume 20, weight 5, price 100, inventory picture
// 07 05 0003, with marker byte 0 and bytes 25..27 AB CD EF; then the given changes.
QByteArray item(std::initializer_list<std::pair<int, const char*>> changes = {}, int length = 60) {
    QByteArray p = makePrototype(0, length);
    const QByteArray body = QByteArray::fromHex("00ABCDEF0000000500000006000000010000001400000005"
                                                "0000006407050003");
    p.replace(24, body.size(), body);
    for (const auto& [offset, hex] : changes) {
        const QByteArray b = QByteArray::fromHex(hex);
        p.replace(offset, b.size(), b);
    }
    return p.left(length);
}

struct ItemEditor : ShellFixture {
    EditorWindow* w;
    QString path;
    ItemEditor() : w(shell.editor) {
        shell.settings = writeGameData(folder);
        folder.write("Source/inven.lst", crlf({"ia.frm", "ib.frm", "ic.frm", "id.frm"}));
        QByteArray palette(768, '\0');
        palette[3] = 63; // 1: pure red
        palette[7] = 63; // 2: pure green
        folder.write("Source/color.pal", palette);
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    void art(const QString& kind, const QString& name, const QByteArray& bytes) {
        folder.write("Game/data/art/" + kind + "/" + name, bytes);
    }
    void open(const QByteArray& bytes) {
        QFile::remove(folder.file("i.pro"));
        path = folder.write("i.pro", bytes);
        prompter.fileAnswers.push_back(path);
        QTest::keyClick(w, Qt::Key_F2);
    }
    void save() { QTest::keyClick(w, Qt::Key_F3); }
    template <class T> T* get(const char* name) { return w->findChild<T*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    QComboBox* combo(const char* name) { return get<QComboBox>(name); }
    void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QImage picture(const char* name) { return get<QLabel>(name)->pixmap().toImage(); }
    // The box's background as painted, away from its text.
    QRgb background(const char* name) {
        QLineEdit* e = edit(name);
        return e->grab().toImage().pixel(e->width() - 3, 2);
    }
    QByteArray saved() { return fileBytes(path); }
};

} // namespace

TEST(ItemPage, ShowsCommonStatsWithItsGroupsAndLists) {
    ItemEditor e;
    e.open(item({}, 36));
    ASSERT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join(" | ").toStdString();
    auto* inner = e.get<QTabWidget>("PageControl3");
    QStringList tabs, groups;
    for (int i = 0; i < inner->count(); ++i)
        tabs << inner->tabText(i) + (inner->isTabVisible(i) ? "" : "-");
    // Only the item's own kind (a key here) shows its tab.
    EXPECT_EQ(tabs.join(' '),
              "Common Stats Weapon- Armor- Container- Misc- Ammo- Drug- Key Light && Use");
    for (const QGroupBox* g : inner->widget(0)->findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups.join(' '), "Graphics Item Type Preview");
    const struct {
        const char* box;
        const char* entries;
    } lists[] = {{"ComboBox9", "Armor Container Drug Weapon Ammo Misc Key"},
                 {"ComboBox10", "Glass Metal Plastic Wood Dirt Stone Cement Leather"},
                 {"ComboBox8", "ia.frm ib.frm ic.frm id.frm <NONE>"},
                 {"ComboBox7", "<---- Use Frame ID"}};
    for (const auto& l : lists) {
        QStringList entries;
        for (int i = 0; i < e.combo(l.box)->count(); ++i)
            entries << e.combo(l.box)->itemText(i);
        EXPECT_EQ(entries.join(' '), l.entries);
    }
    EXPECT_FALSE(e.combo("ComboBox7")->isEnabled());
    EXPECT_TRUE(e.get<QPushButton>("xpButton1")->isEnabled());
    EXPECT_EQ(e.get<QCheckBox>("CheckBox43")->text(), "Hidden Item");
    EXPECT_EQ(e.edit("Edit118")->text(), "36 bytes");
}

TEST(ItemPage, FillsEveryFieldFromTheRecord) {
    // Bytes 32 .. 55, and what the boxes show: type, material, volume, weight, price,
    // frame shift, the inventory entry ("" for none).
    const struct {
        const char* body;
        const char* shown;
    } cases[] = {
        {"000000060000000100000014000000050000006407050003", "Key|Metal|20|5|100|5|id.frm"},
        {"000000030000000700000000FFFFFFFFFFFFFFFF00FF0004", "Weapon|Leather|0|-1|-1|-1|<NONE>"},
        // Values the lists cannot show leave their box without a selection.
        {"000000070000000880000000000000050000006407000005", "||-2147483648|5|100|0|"},
        {"00000006000000010000001400000005000000FFFFFFFFFF", "Key|Metal|20|5|255|-1|"},
    };
    for (const auto& c : cases) {
        ItemEditor e;
        e.open(item({{32, c.body}}));
        QStringList shown = {e.combo("ComboBox9")->currentText(),
                             e.combo("ComboBox10")->currentText()};
        for (const char* name : {"Edit113", "Edit115", "Edit116", "Edit114"})
            shown << e.edit(name)->text();
        shown << e.combo("ComboBox8")->currentText();
        EXPECT_EQ(shown.join('|'), QString(c.shown));
        EXPECT_FALSE(e.w->alarmOn());
    }
}

TEST(ItemPage, HiddenMarkerIsTheByteEightAndKeepsTheRestOfItsWord) {
    const struct {
        const char* word;
        bool checked;
        const char* afterClick;
    } cases[] = {{"08ABCDEF", true, "00ABCDEF"},
                 {"09ABCDEF", false, "08ABCDEF"},
                 {"88ABCDEF", false, "08ABCDEF"},
                 {"00ABCDEF", false, "08ABCDEF"}};
    for (const auto& c : cases) {
        ItemEditor e;
        const QByteArray original = item({{24, c.word}});
        e.open(original);
        auto* box = e.get<QCheckBox>("CheckBox43");
        EXPECT_EQ(box->isChecked(), c.checked) << c.word;
        e.save(); // untouched: the stored byte, whatever it is
        EXPECT_EQ(e.saved().toHex(), original.toHex()) << c.word;
        box->click();
        EXPECT_TRUE(e.w->alarmOn());
        e.save();
        EXPECT_EQ(e.saved().mid(24, 4).toHex().toUpper(), QByteArray(c.afterClick)) << c.word;
    }
}

TEST(ItemPage, SavesWhatTheUserChangedAndKeepsTheRest) {
    // The item's stored field (offset, hex), what the user sets (a list position or a text)
    // and what saving then writes; an untouched save first keeps every byte.
    const struct {
        int at;
        const char* stored;
        const char* control;
        const char* input;
        const char* written; // at the stored field's offset
    } cases[] = {
        {36, "00000001", "ComboBox10", "7", "00000007"},
        {40, "00000014", "Edit113", "70000", "00011170"},
        {44, "00000005", "Edit115", "-1", "FFFFFFFF"},
        {48, "00000064", "Edit116", "0x10", "00000010"},
        {52, "07050003", "Edit114", "-1", "07FF0003"},
        {52, "07050003", "Edit114", "255", "07FF0003"},
        {52, "07050003", "ComboBox8", "1", "07050001"},
        // No picture is the game's all-ones art id; the frame shift is kept.
        {52, "07050003", "ComboBox8", "4", "FF05FFFF"},
        {52, "FFFFFFFF", "ComboBox8", "0", "07FF0000"},
        // Values the lists cannot show stay until another entry is picked.
        {36, "00000010", "ComboBox10", "2", "00000002"},
        {52, "6F050032", "ComboBox8", "2", "07050002"},
    };
    for (const auto& c : cases) {
        ItemEditor e;
        const QByteArray original = item({{c.at, c.stored}});
        e.open(original);
        e.save();
        EXPECT_EQ(e.saved().toHex(), original.toHex()) << c.stored;
        if (QByteArray(c.control).startsWith("ComboBox"))
            e.pick(e.combo(c.control), QByteArray(c.input).toInt());
        else
            e.edit(c.control)->setText(c.input);
        EXPECT_TRUE(e.w->alarmOn());
        e.save();
        ASSERT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join(" | ").toStdString();
        EXPECT_EQ(e.saved().toHex(), item({{c.at, c.written}}).toHex()) << c.control << c.input;
    }
}

TEST(ItemPage, OutOfRangeFieldsTurnRedAndStopTheSave) {
    const struct {
        const char* edit;
        const char* text;
        bool red;
    } cases[] = {
        {"Edit113", "-1", true},          {"Edit113", "0", false},  {"Edit116", "-1", true},
        {"Edit116", "2147483647", false}, {"Edit114", "-2", true},  {"Edit114", "-1", false},
        {"Edit114", "255", false},        {"Edit114", "256", true}, {"Edit115", "-1", false},
    };
    for (const auto& c : cases) {
        ItemEditor e;
        const QByteArray original = item();
        e.open(original);
        const QRgb normal = e.background(c.edit);
        e.edit(c.edit)->setText(c.text);
        EXPECT_EQ(e.background(c.edit), c.red ? qRgb(255, 0, 0) : normal) << c.edit << c.text;
        EXPECT_EQ(e.w->fieldsValid(), !c.red);
        e.save();
        if (c.red) {
            ASSERT_EQ(e.prompter.messages.size(), 1u);
            EXPECT_EQ(e.prompter.messages[0].title, "Error!");
            EXPECT_TRUE(e.prompter.messages[0].text.startsWith(
                QStringLiteral("Cannot save file. Please check marked fields\n\nFirst marked "
                               "field: \"%1\" on the tab \"Items / Common Stats\".")
                    .arg(e.edit(c.edit)->accessibleName())))
                << e.prompter.messages[0].text.toStdString();
            EXPECT_EQ(e.saved().toHex(), original.toHex());
            // An unfinished text is not judged; a number in range clears the mark.
            for (const char* unfinished : {"-", ""}) {
                e.edit(c.edit)->setText(unfinished);
                EXPECT_EQ(e.background(c.edit), qRgb(255, 0, 0));
            }
            e.edit(c.edit)->setText("7");
            EXPECT_EQ(e.background(c.edit), normal);
            EXPECT_TRUE(e.w->fieldsValid());
        } else {
            EXPECT_TRUE(e.prompter.messages.empty()) << c.edit << c.text;
            EXPECT_NE(e.saved().toHex(), original.toHex()) << c.edit << c.text;
        }
        EXPECT_EQ(e.edit("zeroedit")->text(), "0");
    }
}

TEST(ItemPage, TextsThatAreNotNumbersAreReportedAndNothingIsWritten) {
    ItemEditor e;
    const QByteArray original = item();
    e.open(original);
    // Volume and Price report at once; their mark stays.
    e.edit("Edit113")->setText("-3");
    e.edit("Edit113")->setText("12a");
    EXPECT_EQ(e.prompter.texts(), QStringList({"'12a' is not a valid integer value"}));
    EXPECT_EQ(e.background("Edit113"), qRgb(255, 0, 0));
    e.edit("Edit113")->setText("12");
    // Weight and Frame Shift report at saving, the first in saving order, with nothing
    // written though other fields changed.
    e.prompter.messages.clear();
    e.edit("Edit116")->setText("1");
    e.edit("Edit115")->setText("heavy");
    e.edit("Edit114")->setText("x");
    EXPECT_TRUE(e.prompter.messages.empty());
    e.save();
    EXPECT_EQ(e.prompter.texts(), QStringList({"'x' is not a valid integer value"}));
    EXPECT_EQ(e.saved().toHex(), original.toHex());
}

TEST(ItemPage, InventoryPictureFollowsTheListAndTheGameFolder) {
    ItemEditor e;
    e.art("inven", "id.frm", solid(4, 4, 1));
    e.art("inven", "ib.frm", solid(4, 4, 2));
    e.folder.write("Source/ib.frm", solid(4, 4, 1)); // the pictures never come from here
    e.open(item());                                  // index 3: the fourth line, id.frm
    auto* box = e.combo("ComboBox8");
    const QByteArray noPicture = item({{52, "FFFFFFFF"}});
    const struct {
        std::function<void()> act;
        QRgb centre;
    } steps[] = {
        {[] {}, red},
        {[&] { e.pick(box, 0); }, grey}, // ia.frm does not exist: no picture of another item
        {[&] { e.pick(box, 1); }, green},
        {[&] { e.pick(box, 4); }, grey}, // "<NONE>"
        {[&] { QTest::keyClicks(box->lineEdit(), "ID.FRM"); }, red},
        {[&] { QTest::keyClicks(box->lineEdit(), "x"); }, grey}, // no entry of that name
        {[&] { e.open(noPicture); }, grey},
    };
    int n = 0;
    for (const auto& s : steps) {
        box->lineEdit()->clear();
        s.act();
        EXPECT_EQ(e.picture("Image13").pixel(77, 57), s.centre) << "step " << n++;
    }
    // Only the question before the last opening, the picks being unsaved changes.
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.prompter.messages[0].kind, "confirm");
}

TEST(ItemPage, GroundPictureFollowsTheFrameList) {
    ItemEditor e;
    // A 12-character entry keeps its blanks; the file is found all the same.
    e.folder.write("Source/items.lst",
                   crlf({"ite0.frm", "ite1.frm", "ite2.frm", "ite3.frm      ; spare", "ite4.frm"}));
    e.art("items", "ite2.frm", solid(4, 4, 1));
    e.art("items", "ite3.frm", solid(4, 4, 2));
    e.open(item()); // frame id 2
    QComboBox* frames = e.w->header()->frames();
    const struct {
        int entry;
        QRgb centre;
    } steps[] = {{-1, red}, {0, grey}, {3, green}, {5, grey}, {2, red}}; // ite0.frm is missing
    for (const auto& s : steps) {
        if (s.entry >= 0)
            e.pick(frames, s.entry);
        EXPECT_EQ(e.picture("Image12").pixel(77, 57), s.centre) << s.entry;
    }
    EXPECT_TRUE(e.prompter.messages.empty());
}

TEST(ItemPage, DrawsTheFrameCentredAtTheSizeTheSettingAsks) {
    QByteArray ring(9, char(1));
    ring[4] = 0; // transparent centre
    const struct {
        const char* setting;
        QByteArray frame;
        bool palette;
        QRect placed;
        QRgb colour; // at the placement's top-left
        const char* message;
    } cases[] = {
        {"0", solid(4, 4, 1), true, {76, 56, 4, 4}, red, nullptr},
        {"1", solid(4, 4, 1), true, {77, 57, 2, 2}, red, nullptr},
        {"1", solid(5, 3, 2), true, {77, 58, 3, 2}, green, nullptr},
        {"0", makeFrame(3, 3, ring), true, {77, 57, 3, 3}, red, nullptr},
        {"0", solid(4, 4, 1), false, {76, 56, 4, 4}, qRgb(0, 0, 0), nullptr},
        {"0", solid(0, 4, 1), true, {}, grey, nullptr},
        {"2", solid(4, 4, 1), true, {}, grey, nullptr},
        {"x", solid(4, 4, 1), true, {}, grey, "'x' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        ItemEditor e;
        e.art("inven", "id.frm", solid(20, 20, 2));
        e.art("items", "ite2.frm", solid(20, 20, 2));
        e.open(item());
        ASSERT_EQ(paintedArea(e.picture("Image13")), QRect(68, 48, 20, 20));
        e.art("inven", "id.frm", c.frame);
        e.art("items", "ite2.frm", c.frame);
        if (!c.palette)
            QFile::remove(e.folder.file("Source/color.pal"));
        e.shell.settings.imageSize = c.setting;
        e.open(item());
        for (const char* name : {"Image12", "Image13"}) {
            const QImage img = e.picture(name);
            ASSERT_EQ(img.size(), QSize(157, 117));
            EXPECT_EQ(paintedArea(img), c.placed) << c.setting << " " << name;
            if (c.placed.isValid()) {
                EXPECT_EQ(img.pixel(c.placed.topLeft()), c.colour) << c.setting << " " << name;
            }
        }
        if (c.placed.width() == 3 && c.placed.height() == 3) {
            EXPECT_EQ(e.picture("Image13").pixel(78, 58), grey); // index 0 is not painted
        }
        // A setting both pictures fail on is reported once.
        EXPECT_EQ(e.prompter.texts(), c.message ? QStringList({c.message}) : QStringList());
    }
}

TEST(ItemPage, EachItemRefillsTheInventoryListOnce) {
    ItemEditor e;
    e.open(item());
    e.open(makePrototype(1, 416));
    e.open(item({{52, "07000001"}}));
    auto* box = e.combo("ComboBox8");
    EXPECT_EQ(box->count(), 5);
    EXPECT_EQ(box->findText("<NONE>"), 4);
    EXPECT_EQ(box->currentText(), "ib.frm");
}

TEST(ItemPage, UnreadableInventoryListStopsTheOpening) {
    ItemEditor e;
    QFile::remove(e.folder.file("Source/inven.lst"));
    e.open(item());
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_TRUE(e.prompter.messages[0].text.startsWith("File not found"));
    EXPECT_FALSE(e.w->document().isOpened());
    e.prompter.messages.clear();
    e.save();
    EXPECT_EQ(e.prompter.texts(), QStringList({"Cannot save file. Please check marked fields"}));
}
