// The red mark both type pages put on a range-checked box, and the half-typed rule.
#include "ui/redmark.h"
#include "ui/theme.h"

#include <QImage>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QColor painted(QLineEdit* edit) {
    const QImage shot = edit->grab().toImage();
    return shot.pixelColor(shot.width() - 4, shot.height() / 2);
}

} // namespace

TEST(RedMark, HalfTypedNumbersAreTheEmptyTextAndALoneMinus) {
    const struct {
        const char* text;
        bool half;
    } cases[] = {{"", true},    {"-", true},  {"-0", false}, {"0", false},
                 {"--", false}, {" ", false}, {"-1", false}};
    for (const auto& c : cases)
        EXPECT_EQ(isHalfTyped(QLatin1String(c.text)), c.half) << '"' << c.text << '"';
}

// Each step: the mark asked for, whether that changes it, whether the box is then red.
TEST(RedMark, ReportsChangesOnlyAndWinsOverThePageLook) {
    // A critter page's boxes, under the program's theme.
    QWidget page;
    page.setObjectName(QStringLiteral("TabSheet2"));
    page.setStyleSheet(themeStyleSheet());
    auto* edit = new QLineEdit(QStringLiteral("-7"), new QWidget(&page));
    edit->resize(80, 22);
    page.show();
    const QColor unmarked = painted(edit);
    ASSERT_NE(unmarked, markColour());
    EXPECT_FALSE(isMarked(edit));

    const struct {
        bool red;
        bool changes;
    } steps[] = {{false, false}, {true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& s : steps) {
        EXPECT_EQ(setMarked(edit, s.red), s.changes) << s.red;
        EXPECT_EQ(isMarked(edit), s.red);
        EXPECT_EQ(painted(edit), s.red ? markColour() : unmarked) << s.red;
    }
    EXPECT_EQ(markColour(), QColor(255, 0, 0));
}
