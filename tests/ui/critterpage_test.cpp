// The critter page through the editor window: the record's fields in their boxes, saving byte
// for byte, the range marks and what they allow, the tip bars, the type names and the turning
// preview.
#include "proto/critterfields.h"
#include "ui/headerpanel.h"
#include "ui/critterpreview.h"
#include "ui/editorwindow.h"
#include "support/gamedata.h"
#include "support/shellfixture.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

// Body types 400..402 with an entry "0403" that only looks like 403; kill types 1450..1452.
// The first "# Kill Types names" is passed over.
const QByteArray kProtoMsg = crlf({
    "# Prototype messages of the tests",
    "# Kill Types names",
    "{100}{}{Armor}",
    "# Body Types",
    "#",
    "{400}{}{Biped}",
    "{401}{}{Quadruped}",
    "{0403}{}{Padded}",
    "{402}{}{Robot}",
    "#",
    "# Kill Types names",
    "#",
    "{1450}{}{Men}",
    "{1451}{}{Women}",
    "{1452}{}{Super Mutants}",
    "#",
});

const QColor kRed(255, 0, 0);
const QColor kNormal(0x0a, 0x0e, 0x0a);
const QString kCannotSave = QStringLiteral("Cannot save file. Please check marked fields");

// A critter of frame 2 ("cri2") whose record is zero (gender "Male", body 400, kill 1450) but
// for base hit points 300 and action points 10, so that negative bonuses stay in range.
QByteArray critter() {
    QByteArray p = makePrototype(1, 416);
    for (int i = 12; i < 416; ++i)
        if (i < 20 || (i >= 24 && i < 28) || i >= 32)
            p[i] = 0;
    p[78] = 0x01;
    p[79] = 0x2C;
    p[83] = 10;
    return p;
}

QString hex8(int value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0'));
}

std::string hex(const QByteArray& bytes) {
    return bytes.toHex(' ').toStdString();
}

void put(QByteArray& p, int offset, const char* hex) {
    const QByteArray b = QByteArray::fromHex(hex);
    p.replace(offset, b.size(), b);
}

QByteArray bmp(QColor colour) {
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    picture.save(&out, "BMP");
    return bytes;
}

// Facing n is drawn in red 40 * n, the not-available picture in blue.
QColor facingColour(int n) {
    return QColor(40 * n, 0, 0);
}

struct Critters : ShellFixture {
    EditorWindow* w = shell.editor;
    QString path;
    int files = 0;

    Critters() {
        shell.settings = writeGameData(folder);
        folder.write("Source/proto.msg", kProtoMsg);
        folder.write("images/notav.bmp", bmp(Qt::blue)); // as every install has it
        w->showCentred();
        QApplication::setActiveWindow(w);
    }
    QLineEdit* edit(const QString& name) const { return w->findChild<QLineEdit*>(name); }
    QComboBox* combo(const QString& name) const { return w->findChild<QComboBox*>(name); }
    QLabel* label(const QString& name) const { return w->findChild<QLabel*>(name); }
    QString text(const QString& name) const {
        if (QComboBox* c = combo(name))
            return c->currentText();
        return edit(name)->text();
    }
    QTabWidget* inner() const { return w->findChild<QTabWidget*>("PageControl2"); }
    void open(const QByteArray& bytes) {
        path = folder.write(QStringLiteral("c%1.pro").arg(++files), bytes);
        prompter.fileAnswers.push_back(path);
        QTest::keyClick(w, Qt::Key_F2);
    }
    QByteArray save() {
        QTest::keyClick(w, Qt::Key_F3);
        return fileBytes(path);
    }
    void bringForward(QWidget* control) {
        for (int i = 0; i < inner()->count(); ++i)
            if (inner()->widget(i)->isAncestorOf(control))
                inner()->setCurrentIndex(i);
    }
    // Types as the user does: everything selected, then the keys (Backspace for nothing).
    void type(const QString& name, const QString& t) {
        QLineEdit* e = edit(name) ? edit(name) : combo(name)->lineEdit();
        bringForward(e);
        e->setFocus();
        e->selectAll();
        if (t.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, t);
    }
    void pick(const QString& name, const QString& entry) {
        QComboBox* c = combo(name);
        const int at = c->findText(entry);
        c->setCurrentIndex(at);
        emit c->activated(at);
    }
    // The background the user sees at the right end of the box, clear of its text.
    QColor colour(const QString& name) {
        QLineEdit* e = edit(name);
        bringForward(e);
        const QImage shot = e->grab().toImage();
        return shot.pixelColor(shot.width() - 4, shot.height() / 2);
    }
    QString lastMessage() const {
        return prompter.messages.empty() ? QString() : prompter.messages.back().text;
    }
    // Two moves: a move to where the pointer already is raises no event, and the base and
    // extra boxes of a statistic lie at the same place of their tabs.
    void moveOver(QWidget* target, QPoint at) {
        QTest::mouseMove(target, at + QPoint(1, 1));
        QTest::mouseMove(target, at);
    }
    void hover(const QString& name, QPoint at = {}) {
        QWidget* target = edit(name);
        bringForward(target);
        moveOver(target, at.isNull() ? QPoint(target->width() / 2, 5) : at);
    }
    void hoverPage(int tab, QPoint at) {
        inner()->setCurrentIndex(tab);
        moveOver(inner()->widget(tab), at);
    }
    // The facing whose colour Image1 shows; 0 for the not-available picture, -1 for none.
    int shownFacing() const {
        const QPixmap p = label("Image1")->pixmap();
        if (p.isNull())
            return -1;
        const QColor c = p.toImage().pixelColor(0, 0);
        if (c == QColor(Qt::blue))
            return 0;
        for (int n = 1; n <= 6; ++n)
            if (c == facingColour(n))
                return n;
        return -1;
    }
    void drawPictures(const char* name) {
        for (int n = 1; n <= 6; ++n)
            folder.write(QStringLiteral("images/critters/%1_%2.bmp").arg(name).arg(n),
                         bmp(facingColour(n)));
        folder.write("images/notav.bmp", bmp(Qt::blue));
    }
    QPushButton* rotate() const { return w->findChild<QPushButton*>("BitBtn1"); }
    QTimer* timer() const { return w->findChild<QTimer*>("Timer1"); }
};

} // namespace

TEST(CritterPage, BeforeTheFirstOpeningTheBoxesHoldTheirStartTexts) {
    Critters e;
    for (const CritterField& f : critterFields()) {
        if (!e.edit(f.control))
            continue;
        const bool zero = f.tab != CritterTab::General && f.tab != CritterTab::Other;
        const QString start = f.shown == Shown::HexFlags ? "00000000" : zero ? "0" : "";
        EXPECT_EQ(e.text(f.control), start) << f.control;
    }
    EXPECT_EQ(e.text("Edit104"), "Expirience for killing this critter");
    EXPECT_TRUE(e.edit("Edit117")->isHidden());
    EXPECT_EQ(e.label("Panel3")->text(), "Tip Bar! 8)");
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_FALSE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
}

TEST(CritterPage, EveryControlLiesInsideItsTabApartFromTheOthers) {
    Critters e;
    e.open(critter());
    for (int tab = 0; tab < e.inner()->count(); ++tab) {
        QWidget* page = e.inner()->widget(tab);
        e.inner()->setCurrentIndex(tab);
        const QList<QWidget*> all = page->findChildren<QWidget*>();
        QList<QWidget*> shown;
        for (QWidget* c : all)
            if (c->isVisible() && c->parentWidget() && c->focusPolicy() != Qt::NoFocus &&
                !qobject_cast<QLineEdit*>(c->parentWidget()) &&
                !qobject_cast<QComboBox*>(c->parentWidget()))
                shown << c;
        for (QWidget* c : shown) {
            const QRect r(c->mapTo(page, QPoint(0, 0)), c->size());
            EXPECT_TRUE(page->rect().contains(r))
                << c->objectName().toStdString() << " tab " << tab;
            for (QWidget* other : shown) {
                if (other == c || other->isAncestorOf(c) || c->isAncestorOf(other))
                    continue;
                const QRect o(other->mapTo(page, QPoint(0, 0)), other->size());
                EXPECT_FALSE(r.intersects(o))
                    << c->objectName().toStdString() << " / " << other->objectName().toStdString();
            }
        }
    }
}

// Every 4-byte field from offset 48 to 396 in record order, as its box: 5 and 6 are the gender
// boxes. Written out here rather than taken from the page's own table.
const int kRecordBoxes[] = {
    17, 18, 19, 20, 21, 22, 23, 25, 26, 34, 27, 28, 29, 32, 33, 30, 31, 53, 54, 55,  56,  57,
    58, 59, 60, 61, 62, 63, 64, 65, 67, 68, 66, 24, -5, 35, 36, 37, 38, 39, 40, 41,  47,  46,
    52, 45, 44, 43, 50, 51, 48, 49, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,  81,  82,
    83, 84, 42, -6, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102};

TEST(CritterPage, EachFieldIsReadFromItsOffsetAndWrittenBackThere) {
    static_assert(sizeof(kRecordBoxes) / sizeof(int) == (396 - 48) / 4 + 1);
    Critters e;
    QByteArray p = critter();
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i)
        put(p, 48 + 4 * i, qPrintable(hex8(kRecordBoxes[i] < 0 ? 1 : 10 + i)));
    const struct {
        int offset;
        const char* hex;
        const char* box;
        const char* shown;
    } words[] = {{12, "00000007", "Edit105", "7"},        {16, "00010000", "Edit106", "100"},
                 {24, "0000B800", "Edit111", "0000B800"}, {32, "0800001A", "Edit107", "0800001A"},
                 {36, "00000009", "Edit108", "9"},        {40, "0000000B", "Edit109", "11"},
                 {44, "00000022", "Edit112", "00000022"}, {404, "000000C8", "Edit103", "200"},
                 {412, "00000004", "Edit110", "04"}};
    for (const auto& wd : words)
        put(p, wd.offset, wd.hex);
    e.open(p);
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i) {
        const int n = kRecordBoxes[i];
        if (n < 0)
            EXPECT_EQ(e.text(QStringLiteral("ComboBox%1").arg(-n)), "Female");
        else
            EXPECT_EQ(e.text(QStringLiteral("Edit%1").arg(n)), QString::number(10 + i)) << n;
    }
    for (const auto& wd : words)
        EXPECT_EQ(e.text(wd.box), QLatin1String(wd.shown)) << wd.box;

    // New texts go back to the same places: small values so that no pair turns red.
    QByteArray expected = p;
    for (int i = 0; i < int(std::size(kRecordBoxes)); ++i) {
        const int n = kRecordBoxes[i];
        if (n == -5) {
            e.pick("ComboBox5", "Male");
            put(expected, 48 + 4 * i, "00000000");
        } else if (n > 0) {
            e.edit(QStringLiteral("Edit%1").arg(n))->setText(QString::number(i % 5));
            put(expected, 48 + 4 * i, qPrintable(hex8(i % 5)));
        }
    }
    e.edit("Edit103")->setText("65536");
    put(expected, 404, "00010000");
    ASSERT_TRUE(e.w->fieldsValid());
    EXPECT_EQ(hex(e.save()), hex(expected));
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, StoredValuesShowAndComeBackByteForByteWhenLeftAlone) {
    const struct {
        int offset;
        const char* hex;
        const char* box;
        const char* shown;
    } cases[] = {
        {216, "FFFFFFFF", "Edit47", "-1"},
        {216, "FFFFFF00", "Edit47", "-256"},
        {216, "FFFFFF01", "Edit47", "-255"},
        {220, "FFFFFFFF", "Edit46", "-1"}, // longer than the two characters one may type
        {220, "FFFFFFFB", "Edit46", "-5"},
        {12, "FFFFFFFF", "Edit105", "4294967295"}, // no range check: shown, kept
        {16, "00010000", "Edit106", "100"},
        {16, "00008000", "Edit106", "50"},
        {16, "00002000", "Edit106", "12"}, // 12.5: the half goes to the even neighbour
        {16, "00002710", "Edit106", "15"}, // 10000 is no step of its own: kept untouched
        {16, "00000021", "Edit106", "0"},
        {32, "FFFFFFFF", "Edit107", "-1"},
        {32, "0800001A", "Edit107", "0800001A"},
        {412, "00000003", "Edit110", "03"},
        {412, "0000000C", "Edit110", "12"},
        {24, "00002008", "Edit111", "00002008"},
        {44, "00007F22", "Edit112", "00007F22"},
        {184, "00000001", "ComboBox5", "Female"},
        {184, "00000002", "ComboBox5", ""}, // no such entry: nothing selected
        {324, "FFFFFFFF", "ComboBox6", ""},
        {400, "00000001", "ComboBox3", "401"},
        {400, "7F3E2101", "ComboBox3", "401"}, // the bytes before the type are never touched
        {400, "00000003", "ComboBox3", "403"}, // "0403" is not 403: shown as the number
        {400, "000000FF", "ComboBox3", "655"},
        {408, "00000002", "ComboBox4", "1452"},
        {408, "AABBCC09", "ComboBox4", "1459"},
    };
    Critters e;
    for (const auto& c : cases) {
        QByteArray p = critter();
        put(p, c.offset, c.hex);
        e.open(p);
        EXPECT_EQ(e.text(c.box), QLatin1String(c.shown)) << c.box << " " << c.hex;
        EXPECT_EQ(hex(e.save()), hex(p)) << c.box << " " << c.hex;
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    }
    // A whole odd record at once: every shown value that does not give its bytes back.
    QByteArray p = critter();
    for (const auto& c : cases)
        if (c.offset != 184 || QByteArray(c.hex) == "00000002")
            put(p, c.offset, c.hex);
    e.open(p);
    EXPECT_EQ(hex(e.save()), hex(p));
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, TypedTextsSaveTheseBytes) {
    const struct {
        const char* box;
        const char* typed;
        int offset;
        const char* hex; // the bytes from offset on afterwards
    } cases[] = {
        {"Edit47", "-1", 216, "FFFFFFFF"},        {"Edit47", "-99", 216, "FFFFFF9D"},
        {"Edit46", "-99", 220, "FFFFFFF7"}, // "-9": two keys
        {"Edit107", "123456789", 32, "12345678"}, {"Edit103", "12", 404, "0000000C"},
        {"Edit105", "-1", 12, "FFFFFFFF"},        {"Edit105", "$1F", 12, "0000001F"},
        {"Edit106", "33", 16, "0000547B"},        {"Edit106", "100", 16, "00010000"},
        {"Edit106", "50", 16, "00008000"},        {"Edit106", "15", 16, "00002666"},
        {"Edit106", "-1", 16, "FFFFFD71"},        {"Edit107", "-1", 32, "FFFFFFFF"},
        {"Edit107", "1a", 32, "0000001A"},        {"Edit107", "0800001A", 32, "0800001A"},
        {"Edit108", "300", 36, "0000012C"},       {"Edit109", "7", 40, "00000007"},
        {"Edit110", "3", 412, "00000003"},        {"Edit110", "12", 412, "0000000C"},
        {"ComboBox3", "402", 400, "ABCDEF02"},    {"ComboBox3", "655", 400, "ABCDEFFF"},
        {"ComboBox3", "0403", 400, "ABCDEF03"},   {"ComboBox4", "1705", 408, "123456FF"},
        {"ComboBox4", "1451", 408, "12345601"},
    };
    QByteArray base = critter();
    put(base, 400, "ABCDEF00");
    put(base, 408, "12345600");
    for (const auto& c : cases) {
        Critters e;
        e.open(base);
        e.type(c.box, c.typed);
        QByteArray expected = base;
        put(expected, c.offset, c.hex);
        EXPECT_EQ(hex(e.save()), hex(expected)) << c.box << " " << c.typed;
        const QString msg = e.lastMessage();
        // Typing a type number looks its name up at every key; no other message may come.
        EXPECT_TRUE(msg.isEmpty()) << c.box << ": " << msg.toStdString();
    }
    Critters e;
    e.open(base);
    e.pick("ComboBox5", "Female");
    QByteArray expected = base;
    put(expected, 184, "00000001");
    EXPECT_EQ(hex(e.save()), hex(expected));
}

TEST(CritterPage, ATextThatDoesNotConvertStopsTheSaveBeforeAnythingIsWritten) {
    const QString head = QStringLiteral("is not a valid talking head number: type -1 for none, "
                                        "or up to eight hexadecimal digits");
    const struct {
        const char* box;
        const char* typed;
        QString message;
    } cases[] = {
        {"ComboBox3", "399", "'399' is not a valid integer value"},
        {"ComboBox3", "656", "'656' is not a valid integer value"},
        {"ComboBox4", "1449", "'1449' is not a valid integer value"},
        {"ComboBox4", "1706", "'1706' is not a valid integer value"},
        {"ComboBox4", "x", "'x' is not a valid integer value"},
        {"ComboBox3", "", "'' is not a valid integer value"},
        {"Edit107", "xyz", "'xyz' " + head},
        {"Edit107", "", "'' " + head},
        {"Edit107", "-2", "'-2' " + head},
        {"Edit105", "abc", "'abc' is not a valid integer value"},
        {"Edit103", "-", "'-' is not a valid integer value"},
        {"Edit102", "", "'' is not a valid integer value"},
        {"Edit110", "2147483648", "'2147483648' is not a valid integer value"},
        {"Edit106", "6553600",
         "'6553600' is not a valid glow intensity: it must lie within "
         "-3276800 .. 6553599"},
    };
    for (const auto& c : cases) {
        Critters e;
        const QByteArray p = critter();
        e.open(p);
        e.w->header()->edit(3)->setText("000000C8"); // a header field changed too
        e.type(c.box, c.typed);
        e.prompter.messages.clear();
        EXPECT_EQ(hex(e.save()), hex(p)) << c.box << " " << c.typed;
        EXPECT_EQ(e.lastMessage(), c.message) << c.box << " " << c.typed;
        EXPECT_EQ(e.prompter.messages.size(), 1u) << c.box;
    }
}

TEST(CritterPage, PairsAreMarkedRedWhenTheirTotalLeavesTheRange) {
    const struct {
        const char* changed;
        const char* value;
        const char* partner; // nullptr: tested alone
        const char* partnerValue;
        bool red;
    } cases[] = {
        // clang-format off
        {"Edit35", "3", "Edit17", "8", true},
        {"Edit17", "8", "Edit35", "3", true},
        {"Edit35", "2", "Edit17", "8", false},
        {"Edit36", "2", "Edit18", "9", true},
        {"Edit23", "10", "Edit41", "0", false},
        {"Edit41", "-1", "Edit23", "0", true},
        {"Edit47", "999", "Edit25", "1", true},
        {"Edit25", "1", "Edit47", "999", false}, // the base side tests for 0 or more only
        {"Edit47", "998", "Edit25", "1", false},
        {"Edit47", "-5", "Edit25", "5", false},
        {"Edit47", "-6", "Edit25", "5", true},
        {"Edit46", "-2", "Edit26", "1", true},
        {"Edit26", "1", "Edit46", "-1", false},
        {"Edit45", "-9", "Edit27", "9", false},
        {"Edit43", "999", "Edit29", "999", false},
        {"Edit42", "-1", "Edit24", "0", true},
        {"Edit69", "-5", "Edit53", "5", false},
        {"Edit75", "-1", "Edit59", "0", true},
        {"Edit84", "-1", "Edit66", "0", true},
        {"Edit76", "-1", "Edit60", "0", true},
        {"Edit85", "300", nullptr, nullptr, false},
        {"Edit85", "301", nullptr, nullptr, true},
        {"Edit102", "-5", nullptr, nullptr, true},
        {"Edit103", "-1", nullptr, nullptr, true},
        {"Edit103", "999999999", nullptr, nullptr, false},
        // clang-format on
    };
    for (const auto& c : cases) {
        Critters e;
        e.open(critter());
        if (c.partner)
            e.type(c.partner, c.partnerValue);
        e.type(c.changed, c.value);
        const QColor expected = c.red ? kRed : kNormal;
        EXPECT_EQ(e.colour(c.changed), expected) << c.changed << "=" << c.value;
        if (c.partner) {
            EXPECT_EQ(e.colour(c.partner), expected) << c.partner << "=" << c.partnerValue;
        }
        EXPECT_EQ(e.w->fieldsValid(), !c.red) << c.changed;
        EXPECT_EQ(e.text("Edit117"), "0");
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    }
}

TEST(CritterPage, HalfTypedNumbersLeaveTheMarksAndOthersReportOnce) {
    Critters e;
    e.open(critter());
    e.type("Edit17", "8");
    e.type("Edit35", "3");
    ASSERT_EQ(e.colour("Edit17"), kRed);
    for (const char* box : {"Edit35", "Edit17"}) {
        for (const char* half : {"-", ""}) {
            e.type(box, half);
            EXPECT_EQ(e.colour("Edit17"), kRed) << box << " '" << half << "'";
            EXPECT_EQ(e.colour("Edit35"), kRed);
        }
        e.type(box, box == QLatin1String("Edit35") ? "3" : "8");
    }
    EXPECT_TRUE(e.prompter.messages.empty());
    e.edit("Edit35")->setText("ab");
    EXPECT_EQ(e.lastMessage(), "'ab' is not a valid integer value");
    EXPECT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.colour("Edit35"), kRed);
    EXPECT_TRUE(e.w->alarmOn());
}

TEST(CritterPage, SavingWaitsUntilNoFieldIsRed) {
    Critters e;
    const QByteArray p = critter();
    e.open(p);
    e.type("Edit17", "8");
    e.type("Edit35", "3"); // red
    e.type("Edit26", "5"); // another pair, in range
    EXPECT_EQ(e.colour("Edit17"), kRed);
    EXPECT_EQ(hex(e.save()), hex(p));
    ASSERT_EQ(e.prompter.messages.size(), 1u);
    EXPECT_EQ(e.prompter.messages[0].title, "Error!");
    EXPECT_EQ(e.prompter.messages[0].text, kCannotSave);
    e.type("Edit85", "301"); // a skill out of range as well
    e.type("Edit35", "2");
    EXPECT_EQ(hex(e.save()), hex(p));
    EXPECT_EQ(e.prompter.messages.size(), 2u);
    e.type("Edit85", "300");
    QByteArray expected = p;
    put(expected, 48, "00000008");
    put(expected, 80, "00000005");
    put(expected, 188, "00000002");
    put(expected, 328, "0000012C");
    EXPECT_EQ(hex(e.save()), hex(expected));
    EXPECT_EQ(e.prompter.messages.size(), 2u);
    // The next prototype's own values bring the marks up to date.
    e.type("Edit35", "3");
    e.open(critter());
    EXPECT_EQ(e.colour("Edit17"), kNormal);
    EXPECT_TRUE(e.w->fieldsValid());
}

TEST(CritterPage, AFillingThatFailsLeavesTheNewValuesShownAndTheFileUnsaveable) {
    Critters e;
    QByteArray good = critter();
    put(good, 404, "00000010");
    e.open(good);
    ASSERT_TRUE(e.prompter.messages.empty());
    const struct {
        const char* why;
        int offset;
        const char* hex;
        bool dropProtoMsg;
        QString message;
    } cases[] = {
        {"proto.msg missing", 404, "00000020", true,
         "File not found\n" + e.folder.file("Source/proto.msg")},
    };
    for (const auto& c : cases) {
        if (c.dropProtoMsg)
            QFile::remove(e.folder.file("Source/proto.msg"));
        QByteArray p = critter();
        put(p, 404, "00000020");
        put(p, c.offset, c.hex);
        e.prompter.messages.clear();
        e.open(p);
        ASSERT_EQ(e.prompter.messages.size(), 1u) << c.why;
        EXPECT_EQ(e.lastMessage(), c.message) << c.why;
        EXPECT_EQ(e.text("Edit103"), "32") << c.why; // the rest is filled all the same
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
        EXPECT_EQ(e.lastMessage(), kCannotSave) << c.why;
        e.folder.write("Source/proto.msg", kProtoMsg);
    }
    e.open(good);
    e.type("Edit103", "17");
    put(good, 404, "00000011");
    EXPECT_EQ(hex(e.save()), hex(good));
}

TEST(CritterPage, ValuesBeyondTheSignedRangeAreMarkedAndSaveOnceCorrected) {
    const struct {
        const char* why;
        int offset;
        const char* stored;
        const char* box;     // the marked box, corrected by typing
        const char* partner; // marked with it
        const char* typed;
        const char* written;
    } cases[] = {
        {"base hit points of 2^32 - 1", 76, "FFFFFFFF", "Edit25", "Edit47", "40", "00000028"},
        {"extra hit points of 4294967039", 216, "FFFFFEFF", "Edit47", "Edit25", "-5", "FFFFFFFB"},
        {"base strength of 2^31", 48, "80000000", "Edit17", "Edit35", "6", "00000006"},
    };
    for (const auto& c : cases) {
        Critters e;
        QByteArray p = critter();
        put(p, c.offset, c.stored);
        e.open(p);
        EXPECT_TRUE(e.prompter.messages.empty()) << c.why << ": " << e.lastMessage().toStdString();
        EXPECT_EQ(e.colour(c.box), kRed) << c.why;
        EXPECT_EQ(e.colour(c.partner), kRed) << c.why;
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
        EXPECT_EQ(e.lastMessage(), kCannotSave) << c.why;
        e.type(c.box, c.typed);
        EXPECT_EQ(e.colour(c.box), kNormal) << c.why;
        put(p, c.offset, c.written);
        EXPECT_EQ(hex(e.save()), hex(p)) << c.why;
    }
}

TEST(CritterPage, BaseHitPointsOnlyTestTheTotalForZeroOrMore) {
    Critters e;
    e.open(critter());
    e.type("Edit25", "1");
    e.type("Edit47", "999"); // the extra side tests for at most 999 too
    EXPECT_EQ(e.colour("Edit25"), kRed);
    EXPECT_EQ(e.colour("Edit47"), kRed);
    e.type("Edit25", "2"); // the base side does not
    EXPECT_EQ(e.colour("Edit25"), kNormal);
    EXPECT_EQ(e.colour("Edit47"), kNormal);
    EXPECT_TRUE(e.w->fieldsValid());
}

TEST(CritterPage, TypeNamesFollowTheBoxesWithTheirTrailingSpace) {
    Critters e;
    QByteArray p = critter();
    put(p, 400, "00000001");
    put(p, 408, "00000001");
    e.open(p);
    EXPECT_EQ(e.combo("ComboBox3")->count(), 4);
    EXPECT_EQ(e.combo("ComboBox4")->count(), 3);
    EXPECT_EQ(e.text("Edit7"), "Quadruped "); // looked up at the end of the filling
    EXPECT_EQ(e.text("Edit8"), "Women ");
    e.w->clearalarm();
    const struct {
        const char* box;
        const char* entry; // picked when the list has it, else typed
        const char* nameBox;
        const char* name;
    } cases[] = {
        {"ComboBox3", "402", "Edit7", "Robot "},
        {"ComboBox3", "0403", "Edit7", "Padded "},
        {"ComboBox3", "403", "Edit7", "Padded "},
        {"ComboBox3", "65936", "Edit7", "Biped "}, // taken as 16 bits: 400
        {"ComboBox4", "1452", "Edit8", "Super Mutants "},
        {"ComboBox4", "1459", "Edit8", "<NONE>"},
    };
    for (const auto& c : cases) {
        if (e.combo(c.box)->findText(c.entry) >= 0)
            e.pick(c.box, c.entry);
        else
            e.type(c.box, c.entry);
        EXPECT_EQ(e.text(c.nameBox), QLatin1String(c.name)) << c.entry;
    }
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    EXPECT_TRUE(e.w->alarmOn());
}

TEST(CritterPage, DescriptionSizeAndFlagWordsOfTheCritter) {
    Critters e;
    QByteArray p = critter();
    put(p, 24, "0000B800");
    put(p, 44, "00000022");
    e.open(p);
    EXPECT_EQ(e.w->findChild<QPlainTextEdit*>("Memo2")->toPlainText(),
              "Name: crit 1 \nScript description: Script number 5");
    EXPECT_EQ(e.text("Edit9"), "416 bytes");
    auto box = [&e](int n) {
        return e.w->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
    };
    for (int n = 30; n <= 42; ++n)
        EXPECT_EQ(box(n)->isChecked(), n == 30 || n == 31 || n == 32 || n == 33) << n;
    e.bringForward(box(30));
    box(30)->click();
    box(42)->click();
    EXPECT_EQ(e.text("Edit111"), "0000B000");
    EXPECT_EQ(e.text("Edit112"), "00004022");
    put(p, 24, "0000B000");
    put(p, 44, "00004022");
    EXPECT_EQ(hex(e.save()), hex(p));
}

TEST(CritterPage, TipBarsShowTheTotalOfBaseAndExtra) {
    // Base value, extra value, tip text; each statistic's base box first in the record.
    const struct {
        const char* base;
        const char* extra;
        const char* tip;
    } stats[] = {
        {"Edit17", "Edit35", "Total Strength = "},
        {"Edit18", "Edit36", "Total Perception = "},
        {"Edit19", "Edit37", "Total Endurance = "},
        {"Edit20", "Edit38", "Total Charisma = "},
        {"Edit21", "Edit39", "Total Intelligence = "},
        {"Edit22", "Edit40", "Total Agility = "},
        {"Edit23", "Edit41", "Total Luck = "},
        {"Edit25", "Edit47", "Total Hit Points = "},
        {"Edit26", "Edit46", "Total Action Points = "},
        {"Edit27", "Edit45", "Total Unarmed Damage = "},
        {"Edit28", "Edit44", "Total Melee Damage = "},
        {"Edit29", "Edit43", "Total Carry Weight = "},
        {"Edit30", "Edit48", "Total Critical Chance = "},
        {"Edit31", "Edit49", "Total Better Criticals = "},
        {"Edit32", "Edit50", "Total Sequence = "},
        {"Edit33", "Edit51", "Total Healing Rate = "},
        {"Edit34", "Edit52", "Total Armor Class = "},
    };
    Critters e;
    e.open(critter());
    for (int i = 0; i < int(std::size(stats)); ++i) {
        e.edit(stats[i].base)->setText(QString::number(i + 1));
        e.edit(stats[i].extra)->setText(i == 7 ? "-1" : "1");
    }
    for (int i = 0; i < int(std::size(stats)); ++i) {
        const QString total = QLatin1String(stats[i].tip) + QString::number(i == 7 ? i : i + 2);
        e.hover(stats[i].base);
        EXPECT_EQ(e.label("Panel2")->text(), total) << stats[i].base;
        e.hover(stats[i].extra);
        EXPECT_EQ(e.label("Panel3")->text(), total) << stats[i].extra;
    }
    e.edit("Edit22")->setText("6");
    e.edit("Edit40")->setText("2");
    e.hover("Edit40");
    EXPECT_EQ(e.label("Panel3")->text(), "Total Agility = 8");
    e.hoverPage(2, {365, 40}); // the free area of "Extra" keeps the total
    EXPECT_EQ(e.label("Panel3")->text(), "Total Agility = 8");
    e.hover("Edit24"); // the ages have no tip
    EXPECT_EQ(e.label("Panel2")->text(), "Total Armor Class = 18");
    e.hoverPage(1, {365, 40});
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
    e.edit("Edit17")->setText("");
    e.hover("Edit17"); // an empty box shows nothing
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();

    // A partner holding no number: one message per visit, however long the pointer moves.
    e.edit("Edit17")->setText("8");
    e.edit("Edit35")->setText("-");
    for (int x = 5; x < 25; x += 5)
        e.hover("Edit17", {x, 6});
    EXPECT_EQ(e.prompter.texts(), QStringList({"'-' is not a valid integer value"}));
    e.hover("Edit18");
    e.hover("Edit17");
    e.hoverPage(1, {365, 40});
    e.hover("Edit17");
    EXPECT_EQ(e.prompter.messages.size(), 3u);
    EXPECT_EQ(e.label("Panel2")->text(), "Tip Bar! 8)");
}

TEST(CritterPage, ArtNamesAreCutAtTheFirstComma) {
    const struct {
        const char* entry;
        const char* name;
    } cases[] = {{"zmscout,11,1", "zmscout"}, {"nocomma", "nocomma"}, {"a,b,c", "a"}, {",x", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CritterPreview::artName(c.entry), QLatin1String(c.name)) << c.entry;
}

TEST(CritterPage, ThePreviewTurnsThroughTheSixFacings) {
    Critters e;
    e.drawPictures("cri2");
    e.open(critter()); // frame 2: "cri2,11,1"
    EXPECT_EQ(e.shownFacing(), 3);
    EXPECT_TRUE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_EQ(e.rotate()->text(), "Stop");
    for (int facing : {4, 5, 6, 1, 2})
        ASSERT_TRUE(waitFor([&] { return e.shownFacing() == facing; }, 1500)) << facing;
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_FALSE(e.timer()->isActive());
    QTest::qWait(600);
    EXPECT_EQ(e.shownFacing(), 2); // stopped where it stood
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_TRUE(waitFor([&] { return e.shownFacing() == 3; }, 1500));

    // Another critter without pictures while turning: the not-available picture, still.
    e.pick("ComboBox2", "cri4,11,1");
    EXPECT_EQ(e.shownFacing(), 0);
    EXPECT_FALSE(e.timer()->isActive());
    EXPECT_FALSE(e.rotate()->isEnabled());
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    // Back to one with pictures: facing 3, still, ready to turn.
    e.pick("ComboBox2", "cri2,11,1");
    EXPECT_EQ(e.shownFacing(), 3);
    EXPECT_TRUE(e.rotate()->isEnabled());
    EXPECT_FALSE(e.timer()->isActive());
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}

TEST(CritterPage, AMissingPictureIsReportedOnceAndStopsTheTurning) {
    Critters e;
    e.drawPictures("cri2");
    QFile::remove(e.folder.file("images/critters/cri2_5.bmp"));
    e.open(critter());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !e.timer()->isActive(); }, 2000));
    QTest::qWait(600);
    EXPECT_EQ(e.prompter.texts(),
              QStringList({"Cannot open file " + e.folder.file("images/critters/cri2_5.bmp")}));
    EXPECT_EQ(e.shownFacing(), 4); // the last picture that loaded
    EXPECT_EQ(e.rotate()->text(), "Rotate");
    EXPECT_TRUE(e.rotate()->isEnabled());

    // No not-available picture either: reported, the picture stays.
    QFile::remove(e.folder.file("images/notav.bmp"));
    e.prompter.messages.clear();
    e.pick("ComboBox2", "cri5,11,1");
    EXPECT_EQ(e.prompter.texts(),
              QStringList({"Cannot open file " + e.folder.file("images/notav.bmp")}));
    EXPECT_EQ(e.shownFacing(), 4);
    EXPECT_FALSE(e.rotate()->isEnabled());
    // Opening any prototype makes the button usable again.
    e.open(makePrototype(2, 49)); // its own page is shown: the critter tab is locked
    EXPECT_TRUE(e.rotate()->isEnabledTo(e.rotate()->parentWidget()));
}

TEST(CritterPage, WithoutBitmapsThePreviewDrawsTheGamesOwnArt) {
    Critters e;
    // A palette whose entries 1..6 tell the facings apart, and one standing-art file per
    // direction, each filled with its direction's entry.
    QByteArray palette(768, '\0');
    auto colour = [](int n) { return qRgb(n * 40, 252 - n * 40, n * 20); };
    for (int n = 1; n <= 6; ++n) {
        palette[3 * n] = char(n * 10);
        palette[3 * n + 1] = char(63 - n * 10);
        palette[3 * n + 2] = char(n * 5);
    }
    e.folder.write("Source/color.pal", palette);
    for (int d = 0; d < 6; ++d)
        e.folder.write(QString("Game/data/art/critters/CRI2AA.FR%1").arg(d),
                       makeFrame(20, 30, QByteArray(20 * 30, char(d + 1))));
    e.open(critter()); // frame 2: "cri2,11,1", no prepared bitmaps
    auto centre = [&] { return e.label("Image1")->pixmap().toImage().pixel(58, 58); };
    EXPECT_EQ(centre(), colour(3));
    EXPECT_EQ(e.label("Image1")->pixmap().toImage().pixel(2, 2), qRgb(0, 0, 0)); // black panel
    EXPECT_TRUE(e.rotate()->isEnabled());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    for (int facing : {4, 5, 6, 1, 2})
        ASSERT_TRUE(waitFor([&] { return centre() == colour(facing); }, 1500)) << facing;
    QTest::mouseClick(e.rotate(), Qt::LeftButton);
    EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
}
