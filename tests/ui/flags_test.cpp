// The flag words driven through the mouse and the keyboard: each box stands for the bits of
// its digit value at one position of the eight-digit text.
#include "support/tempfolder.h"
#include "ui/flags.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

using namespace zantrel;

namespace {

enum Word { Common, ForUse, Individual };
const char* const kGroups[] = {" (flags)", " (flags for use)", " (individual flags)"};

struct Row : FlagBoxRow {
    Word word;
};

// Every box of the three words, from the editor's own tables.
const std::vector<Row>& rows() {
    static const std::vector<Row> all = [] {
        std::vector<Row> r;
        for (Word w : {Common, ForUse, Individual})
            for (const FlagBoxRow& b : w == Common   ? commonFlagRows()
                                       : w == ForUse ? forUseFlagRows()
                                                     : individualFlagRows())
                r.push_back({b, w});
        return r;
    }();
    return all;
}

using Numbers = std::vector<int>;

int nibble(QChar c) {
    bool ok = false;
    const int v = QString(c).toInt(&ok, 16);
    return ok ? v : -1;
}

// The boxes a text should check: all bits of the box's digit set at its position, first eight
// characters.
Numbers decoded(Word word, const QString& text) {
    Numbers on;
    for (const Row& r : rows()) {
        const int bits = nibble(QLatin1Char(r.digit));
        if (r.word == word && r.position <= qMin(int(text.size()), 8) &&
            (nibble(text[r.position - 1]) & bits) == bits)
            on.push_back(r.number);
    }
    return on;
}

// A click sets the box's bits when it becomes checked, else clears them; the rest stays.
QString afterClick(QString text, const Row& r, bool wasChecked) {
    if (r.position <= text.size()) {
        const int at = nibble(text[r.position - 1]), bits = nibble(QLatin1Char(r.digit));
        text[r.position - 1] =
            QString::number(wasChecked ? at & ~bits : at | bits, 16).toUpper().front();
    }
    return text;
}

// A mouse click on the box's square, wherever the layout direction puts it.
void click(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect square =
        button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, square.center());
}

class Flags : public ::testing::Test {
protected:
    QWidget header;
    QWidget container;
    int alarms = 0;
    CommonFlags common{&header};
    CritterFlags critter{&container};

    void SetUp() override {
        QObject::connect(&common, &CommonFlags::edited, [this] { ++alarms; });
        QObject::connect(&critter, &CritterFlags::edited, [this] { ++alarms; });
        common.enableForOpen();
    }

    QLineEdit* text(Word word) const {
        return word == Common   ? common.text()
               : word == ForUse ? critter.flagsForUse()
                                : critter.individual();
    }
    QCheckBox* box(int number) const {
        const QWidget* parent = number < 30 ? &header : &container;
        return parent->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(number));
    }
    Numbers checked(Word word) const {
        Numbers on;
        for (const Row& r : rows())
            if (r.word == word && box(r.number)->isChecked())
                on.push_back(r.number);
        return on;
    }
    void set(Word word, const char* value) { text(word)->setText(QLatin1String(value)); }
    // Every box of every word shows exactly the digits of its text.
    void expectInLine(const char* where) const {
        for (Word w : {Common, ForUse, Individual})
            EXPECT_EQ(checked(w), decoded(w, text(w)->text())) << where << " word " << w;
    }
    void startManual() {
        click(common.manual());
        ASSERT_TRUE(common.manual()->isChecked());
    }
};

TEST_F(Flags, BoxesCarryTheirNamesCaptionsAndHints) {
    Numbers numbers;
    for (const Row& r : rows()) {
        QCheckBox* b = box(r.number);
        ASSERT_NE(b, nullptr) << r.number;
        EXPECT_EQ(b, r.word == Common ? common.box(r.number) : critter.box(r.number));
        EXPECT_EQ(b->text(), QString::fromUtf8(r.caption));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(r.hint ? r.hint : ""));
        EXPECT_EQ(b->accessibleName(), b->text() + QLatin1String(kGroups[r.word]));
        numbers.push_back(r.number);
    }
    std::sort(numbers.begin(), numbers.end());
    Numbers expected;
    for (int n = 1; n <= 42; ++n)
        if (n != 25)
            expected.push_back(n);
    EXPECT_EQ(numbers, expected);
    for (int n : {0, 25, 30})
        EXPECT_EQ(common.box(n), nullptr) << n;
    for (int n : {29, 43})
        EXPECT_EQ(critter.box(n), nullptr) << n;

    // Typed as users know them: a typo in the hint, and two captions that begin with the
    // Cyrillic capital Es, not the Latin C.
    EXPECT_EQ(box(1)->toolTip(), QString::fromUtf8("Видать испольуются для того, чтобы в режиме "
                                                   "боя движок знал, можно ли через этот объект "
                                                   "стрелять"));
    EXPECT_EQ(box(32)->text(), QString::fromUtf8("\u0421an Barter"));
    EXPECT_EQ(box(32)->text().front(), QChar(0x0421));
    EXPECT_EQ(box(34)->text().front(), QChar(0x0421));
}

TEST_F(Flags, LayoutColumnsAndCaptionsThatFit) {
    EXPECT_EQ(header.findChild<QLabel*>("LabelFlags")->pos(), QPoint(8, 156));
    EXPECT_EQ(common.panel()->geometry(), QRect(4, 172, 313, 233));
    EXPECT_EQ(common.manual()->pos(), QPoint(8, 410));
    EXPECT_EQ(common.text()->pos(), QPoint(120, 408));
    const QFrame* line = nullptr;
    for (const QFrame* f : common.panel()->findChildren<QFrame*>())
        if (f->frameShape() == QFrame::VLine)
            line = f;
    ASSERT_NE(line, nullptr);
    // Left column CheckBox1..14, right column 15..24 then 26..29, 16 pixels apart.
    for (int i = 0; i < 14; ++i) {
        QCheckBox* l = common.box(i + 1);
        QCheckBox* r = common.box(i < 10 ? i + 15 : i + 16);
        EXPECT_EQ(l->parentWidget(), common.panel());
        EXPECT_EQ(r->parentWidget(), common.panel());
        EXPECT_EQ(l->y(), 4 + 16 * i) << i;
        EXPECT_EQ(r->y(), 4 + 16 * i) << i;
        EXPECT_LE(l->geometry().right(), line->x()) << i;
        EXPECT_GE(r->x(), line->geometry().right()) << i;
        EXPECT_LE(r->geometry().right(), common.panel()->width()) << i;
        EXPECT_EQ(l->layoutDirection(), Qt::LeftToRight) << i;
        EXPECT_EQ(r->layoutDirection(), Qt::RightToLeft) << i;
    }

    EXPECT_EQ(container.findChild<QLabel*>("LabelFlagsForUse")->pos(), QPoint(8, 4));
    EXPECT_EQ(critter.flagsForUse()->pos(), QPoint(100, 20));
    EXPECT_EQ(critter.individual()->pos(), QPoint(8, 182));
    EXPECT_EQ(critter.box(30)->pos(), QPoint(8, 22));
    EXPECT_EQ(critter.box(31)->pos(), QPoint(200, 22));
    for (int n = 32; n <= 42; ++n)
        EXPECT_EQ(critter.box(n)->pos(),
                  n <= 36 ? QPoint(8, 70 + 18 * (n - 32)) : QPoint(180, 70 + 18 * (n - 37)))
            << n;

    // No caption is cut off, under a page style sheet as well (which drops inherited fonts).
    header.setStyleSheet(QStringLiteral("QLabel { color: #8cf5a2; }"));
    container.setStyleSheet(QStringLiteral("QLabel { color: #8cf5a2; }"));
    header.show();
    container.show();
    for (const Row& r : rows()) {
        EXPECT_EQ(box(r.number)->font().pointSize(), 8) << r.number;
        EXPECT_LE(box(r.number)->sizeHint().width(), box(r.number)->width()) << r.number;
    }
    EXPECT_LE(common.manual()->sizeHint().width(), common.manual()->width());
}

TEST(FlagsStart, LockedUntilOpenThenOneWayOfEditing) {
    QWidget header;
    CommonFlags flags(&header);
    // The word keeps its own look under the page's style sheet.
    header.setStyleSheet(QStringLiteral("QLineEdit { font-size: 9pt; font-weight: normal; }"));
    header.show();
    QLineEdit* edit = flags.text();
    EXPECT_EQ(edit->text(), "00000000");
    EXPECT_EQ(edit->maxLength(), 8);
    EXPECT_TRUE(edit->font().bold());
    EXPECT_EQ(edit->font().pixelSize(), 13);
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_FALSE(flags.panel()->isEnabled());
    EXPECT_FALSE(flags.manual()->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
    for (int n = 1; n <= 29; ++n)
        EXPECT_FALSE(n != 25 && flags.box(n)->isChecked()) << n;

    flags.enableForOpen();
    EXPECT_TRUE(flags.manual()->isEnabled());
    EXPECT_TRUE(flags.panel()->isEnabled());
    EXPECT_FALSE(edit->isEnabled());

    // Opening again with "Set Manually:" checked keeps it checked and the boxes locked.
    click(flags.manual());
    flags.enableForOpen();
    EXPECT_TRUE(flags.manual()->isChecked());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_FALSE(flags.panel()->isEnabled());

    QWidget container;
    CritterFlags critter(&container);
    container.setStyleSheet(header.styleSheet());
    container.show();
    for (QLineEdit* e : {critter.flagsForUse(), critter.individual()}) {
        EXPECT_EQ(e->text(), "00000000");
        EXPECT_TRUE(e->isReadOnly());
        EXPECT_TRUE(e->font().bold());
        EXPECT_FALSE(e->hasFrame());
    }
}

// Each text holds one digit; the boxes it checks are written out here, not taken from the
// table: a combined box's digit also sets the single bits it is made of.
TEST_F(Flags, LoneDigitChecksExactlyItsBox) {
    const struct {
        Word word;
        const char* text;
        Numbers numbers;
    } cases[] = {
        {Common, "10000000", {21}},        {Common, "20000000", {1}},
        {Common, "40000000", {22}},        {Common, "80000000", {23}},
        {Common, "A0000000", {1, 23, 29}}, {Common, "01000000", {24}},
        {Common, "02000000", {26}},        {Common, "04000000", {27}},
        {Common, "08000000", {28}},        {Common, "00010000", {5}},
        {Common, "00020000", {2}},         {Common, "00040000", {3}},
        {Common, "00080000", {4}},         {Common, "00001000", {8}},
        {Common, "00004000", {7}},         {Common, "00008000", {6}},
        {Common, "00000100", {17}},        {Common, "00000200", {18}},
        {Common, "00000400", {19}},        {Common, "00000800", {20}},
        {Common, "00000010", {10}},        {Common, "00000020", {9}},
        {Common, "00000040", {15}},        {Common, "00000080", {16}},
        {Common, "00000001", {13}},        {Common, "00000002", {14}},
        {Common, "00000004", {12}},        {Common, "00000008", {11}},
        {ForUse, "0000B000", {31}},        {ForUse, "00000800", {30}},
        {Individual, "00001000", {40}},    {Individual, "00002000", {41}},
        {Individual, "00004000", {42}},    {Individual, "00000100", {36}},
        {Individual, "00000200", {37}},    {Individual, "00000400", {38}},
        {Individual, "00000800", {39}},    {Individual, "00000020", {33}},
        {Individual, "00000040", {34}},    {Individual, "00000080", {35}},
        {Individual, "00000002", {32}},
    };
    ASSERT_EQ(std::size(cases), rows().size());
    for (const auto& c : cases) {
        set(c.word, c.text);
        EXPECT_EQ(checked(c.word), c.numbers) << c.text;
    }
}

// Applied one after another, so each row also shows that the previous boxes were cleared.
TEST_F(Flags, DecodingExamples) {
    const struct {
        Word word;
        const char* text;
        const char* shown; // the text after the change cycle
        Numbers checked;
    } cases[] = {
        {Common, "A0000000", "A0000000", {1, 23, 29}},
        {Common, "30000000", "30000000", {21, 1}},
        {Common, "C0000000", "C0000000", {22, 23}},
        {Common, "00700000", "00700000", {}},
        {Common, "00002000", "00002000", {}},
        {Common, "08000000", "08000000", {28}},
        {Common, "00000000", "00000000", {}},
        {Common, "12345678", "12345678", {21, 26, 3, 8, 7, 18, 19, 10, 9, 15, 11}},
        {Common, "0000001", "0000001", {10}},
        {Common, "0000000812", "00000008", {11}},
        {Common, "A0000008", "A0000008", {1, 23, 29, 11}}, // a real armor's word
        {ForUse, "0000B800", "0000B800", {31, 30}},
        {ForUse, "00009000", "00009000", {}},
        {ForUse, "0000B80012", "0000B800", {31, 30}},
        {Individual, "00007F22", "00007F22", {40, 41, 42, 36, 37, 38, 39, 33, 32}},
        {Individual, "00007F", "00007F", {40, 41, 42, 36, 37, 38, 39}},
        {Individual, "000061E0", "000061E0", {41, 42, 36, 33, 34, 35}}, // a real critter's
    };
    for (const auto& c : cases) {
        set(c.word, c.text);
        EXPECT_EQ(text(c.word)->text(), QLatin1String(c.shown)) << c.text;
        EXPECT_EQ(checked(c.word), c.checked) << c.text;
    }
}

TEST_F(Flags, ClickExamples) {
    const struct {
        Word word;
        const char* start;
        Numbers clicks;
        const char* result;
    } cases[] = {
        {Common, "00020000", {3}, "00060000"},      // 50% joins 25%
        {Common, "A0000000", {23}, "20000000"},     // Flag 10 off keeps the other bit
        {Common, "A0000000", {23, 23}, "A0000000"}, // and back on
        {Common, "00080000", {2}, "000A0000"},      // 25% joins the yellow palette
        {Common, "00080000", {4}, "00000000"},
        {Common, "A0000000", {29}, "00000000"}, // a combined box clears all its bits
        {Common, "20000000", {29}, "A0000000"}, // and sets them all
        {Common, "A0000008", {22}, "E0000008"}, // a real armor's word keeps its flags
        {Common, "00000000", {1, 5, 11}, "20010008"},
        {Common, "0000", {11}, "0000"}, // beyond the end of a short text nothing changes
        {ForUse, "00000000", {31, 30}, "0000B800"},
        {ForUse, "00009000", {31}, "0000B000"},
        {Individual, "00007F22", {33}, "00007F02"},
        {Individual, "00007F22", {34}, "00007F62"},
        {Individual, "00007F22", {40, 38}, "00006B22"},
        {Individual, "000061E0", {33}, "000061C0"}, // a real critter's word keeps its flags
        {Individual, "000061E0", {36}, "000060E0"},
        {ForUse, "00008000", {31}, "0000B000"},
        {ForUse, "0000B000", {31}, "00000000"},
    };
    for (const auto& c : cases) {
        set(c.word, c.start);
        for (int n : c.clicks)
            click(box(n));
        EXPECT_EQ(text(c.word)->text(), QLatin1String(c.result)) << c.start;
        expectInLine(c.start);
    }
}

// Any click on any box of any word: the text follows the rule and the boxes follow the text.
TEST_F(Flags, EveryClickFollowsTheRule) {
    const char* const starts[] = {"00000000", "A0000000", "12345678", "FFFFFFFF",
                                  "00080000", "84C21F48", "0000B800", "00007F22",
                                  "30000000", "00700000", "0000",     "1234567"};
    for (const char* start : starts) {
        for (const Row& r : rows()) {
            set(r.word, "");
            set(r.word, start);
            const bool was = box(r.number)->isChecked();
            click(box(r.number));
            const QString expected = afterClick(QLatin1String(start), r, was);
            ASSERT_EQ(text(r.word)->text(), expected) << start << " box " << r.number;
            // No box stands for position 3 of the common word.
            EXPECT_EQ(text(r.word)->text().mid(2, 1), QLatin1String(start).mid(2, 1));
            expectInLine(start);
        }
    }
}

TEST_F(Flags, DecodeNeverUnchecksAndClearLeavesTheRest) {
    using Action = void (*)(CommonFlags&, CritterFlags&);
    const struct {
        Word word;
        const char* first;
        const char* second; // put in without the change cycle, then decoded on top
        Numbers both;
        Action decode;
        Action clear;
    } cases[] = {
        {Common,
         "08000000",
         "04000000",
         {27, 28},
         [](CommonFlags& c, CritterFlags&) { c.setcommonflags(); },
         [](CommonFlags& c, CritterFlags&) { c.clearflags(); }},
        {ForUse,
         "00000800",
         "0000B000",
         {31, 30},
         [](CommonFlags&, CritterFlags& c) { c.setflagsonuse(); },
         [](CommonFlags&, CritterFlags& c) { c.clearflagsonuse(); }},
        {Individual,
         "00000002",
         "00000020",
         {33, 32},
         [](CommonFlags&, CritterFlags& c) { c.setindividflags(); },
         [](CommonFlags&, CritterFlags& c) { c.clearindividflags(); }},
    };
    startManual();
    for (const auto& c : cases) {
        set(c.word, c.first);
        {
            QSignalBlocker quiet(text(c.word));
            set(c.word, c.second);
        }
        c.decode(common, critter);
        EXPECT_EQ(checked(c.word), c.both) << c.first;
        const int before = alarms;
        c.clear(common, critter);
        EXPECT_EQ(checked(c.word), Numbers{}) << c.first;
        EXPECT_EQ(text(c.word)->text(), QLatin1String(c.second));
        EXPECT_EQ(alarms, before);
        EXPECT_TRUE(common.manual()->isChecked());
    }
}

TEST_F(Flags, TypingInManualMode) {
    startManual();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"0000001", "0000001"}, {"00000018", "00000018"},  {"a0b", "A0B"}, {"fz9-", "F9"},
        {" g.x", ""},           {"123456789", "12345678"}, {"A", "A"},     {"84c21f48", "84C21F48"},
    };
    for (const auto& c : cases) {
        common.text()->clear();
        QTest::keyClicks(common.text(), QLatin1String(c.typed));
        EXPECT_EQ(common.text()->text(), QLatin1String(c.shown)) << c.typed;
        expectInLine(c.typed);
    }

    // The boxes follow every keystroke: the eighth digit checks its box.
    common.text()->clear();
    QTest::keyClicks(common.text(), QStringLiteral("0000001"));
    for (int n : {11, 12, 13, 14})
        EXPECT_FALSE(box(n)->isChecked()) << n;
    QTest::keyClick(common.text(), Qt::Key_8);
    EXPECT_TRUE(box(11)->isChecked());
}

TEST_F(Flags, ManualModeLocksTheBoxes) {
    set(Common, "00080000");
    startManual();
    EXPECT_TRUE(common.text()->isEnabled());
    for (const FlagBoxRow& r : commonFlagRows()) {
        EXPECT_FALSE(box(r.number)->isEnabled()) << r.number;
        click(box(r.number));
    }
    EXPECT_EQ(common.text()->text(), "00080000");
    expectInLine("locked");

    click(common.manual());
    EXPECT_FALSE(common.manual()->isChecked());
    EXPECT_FALSE(common.text()->isEnabled());
    for (const FlagBoxRow& r : commonFlagRows())
        EXPECT_TRUE(box(r.number)->isEnabled()) << r.number;
    QTest::keyClicks(common.text(), QStringLiteral("1"));
    EXPECT_EQ(common.text()->text(), "00080000");
}

TEST_F(Flags, EveryChangeOfAWordRaisesTheAlarm) {
    const struct {
        Word word;
        int box;
        int last; // a box at a position beyond the end of "0"
    } cases[] = {{Common, 1, 11}, {ForUse, 30, 30}, {Individual, 32, 32}};
    for (const auto& c : cases) {
        int before = alarms;
        set(c.word, "12345678");
        EXPECT_EQ(alarms, before + 1) << c.box;
        set(c.word, "12345678"); // the same text is no change
        EXPECT_EQ(alarms, before + 1) << c.box;
        click(box(c.box));
        EXPECT_EQ(alarms, before + 2) << c.box;
        click(box(c.box));
        EXPECT_EQ(alarms, before + 3) << c.box;

        set(c.word, "0");
        before = alarms;
        click(box(c.last));
        EXPECT_EQ(alarms, before) << c.last;
        EXPECT_EQ(text(c.word)->text(), "0");
        EXPECT_FALSE(box(c.last)->isChecked()) << c.last;
    }
    startManual();
    common.text()->clear();
    const int before = alarms;
    QTest::keyClicks(common.text(), QStringLiteral("0F"));
    EXPECT_EQ(alarms, before + 2);
}

} // namespace
