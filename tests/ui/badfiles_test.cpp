// Files that are not whole prototypes, opened through the window after a good one: nothing
// of the good one is lost or shown under the new name, and what a short file lacks is never
// written.
#include "proto/fieldcodec.h"
#include "support/editorfixture.h"

#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray withType(QByteArray p, int type) {
    p[0] = char(type);
    return p;
}

} // namespace

TEST(BadFiles, WhatIsNoPrototypeIsNotOpened) {
    const struct {
        const char* why;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty", QByteArray(), "Not a prototype: the file holds only 0 bytes"},
        {"five bytes", makePrototype(0, 5), "Not a prototype: the file holds only 5 bytes"},
        {"eleven bytes", makePrototype(2, 11), "Not a prototype: the file holds only 11 bytes"},
        {"a folder", QByteArray(), "This is a folder, not a file"},
    };
    for (const auto& c : cases) {
        EditorFixture e;
        const QString good = e.write("good.pro", makePrototype(2, 49));
        e.open(good);
        e.edit(3)->setText("00000123"); // an unsaved change of the good one
        const QString bad = QLatin1String(c.why) == QLatin1String("a folder")
                                ? e.folder.mkdir("x.pro")
                                : e.write("bad.pro", c.bytes);
        e.prompter.confirmAnswers = {true};
        e.open(bad);
        EXPECT_EQ(e.prompter.texts().last(),
                  QStringLiteral("%1\n%2").arg(QLatin1String(c.message), bad))
            << c.why;
        EXPECT_EQ(e.w->windowTitle(), "Zantrel - " + good) << c.why;
        EXPECT_EQ(e.text(3), "00000123") << c.why;
        EXPECT_TRUE(e.w->alarmOn()) << c.why;
    }
}

TEST(BadFiles, AShortFileKeepsItsLength) {
    EditorFixture e;
    const QByteArray original = makePrototype(0, 50); // the price (48..51) is cut off
    const QString path = e.write("short.pro", original);
    e.open(path);
    ASSERT_TRUE(e.prompter.messages.empty()) << e.prompter.texts().join(" | ").toStdString();
    auto* price = e.w->findChild<QLineEdit*>("Edit116");
    auto* weight = e.w->findChild<QLineEdit*>("Edit115");
    EXPECT_FALSE(price->isEnabled());
    weight->selectAll();
    QTest::keyClicks(weight, "12");
    e.save();
    QByteArray expected = original;
    setFieldValue(expected, 44, 4, 12);
    EXPECT_EQ(fileBytes(path).toHex(), expected.toHex());

    // The next, whole file has its price box back.
    e.open(e.write("whole.pro", makePrototype(0, 61)));
    EXPECT_TRUE(price->isEnabled());
}

// An unknown type opens its header alone: no page, not even the last file's.
TEST(BadFiles, AnUnknownTypeShowsOnlyTheHeader) {
    for (int type : {7, 0xCC}) {
        EditorFixture e;
        e.open(e.write("item.pro", makePrototype(0, 61)));
        ASSERT_TRUE(e.w->pageControl()->isVisible());
        const QByteArray original = withType(makePrototype(0, 1000), type);
        const QString path = e.write("odd.pro", original);
        e.open(path);
        EXPECT_EQ(e.prompter.texts().join(" | "),
                  QStringLiteral("Unknown object type %1: only the header is shown\n%2")
                      .arg(type)
                      .arg(path));
        EXPECT_FALSE(e.w->pageControl()->isVisible()) << type;
        EXPECT_EQ(e.text(6), "Unknown");
        e.edit(1)->setText("00"); // the type box picks no page either
        EXPECT_FALSE(e.w->pageControl()->isVisible()) << type;
        e.edit(1)->setText(QString::number(type, 16).toUpper().rightJustified(2, '0'));
        e.edit(3)->setText("00000777");
        e.save();
        QByteArray expected = original;
        setFieldValue(expected, 4, 4, 0x777);
        EXPECT_EQ(fileBytes(path).toHex(), expected.toHex()) << type;
        e.open(e.write("item2.pro", makePrototype(0, 61)));
        EXPECT_TRUE(e.w->pageControl()->isVisible()) << type;
    }
}

// The item's kind tabs that are hidden cannot be reached by the tab bar's keys.
TEST(BadFiles, HiddenKindTabsAreOutOfReach) {
    EditorFixture e;
    QByteArray drug = makePrototype(0, 125);
    setFieldValue(drug, 32, 4, 2);
    e.open(e.write("drug.pro", drug));
    auto* inner = e.w->findChild<QTabWidget*>("PageControl3");
    QTabBar* bar = inner->tabBar();
    bar->setFocus();
    for (auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left,
                     Qt::Key_End, Qt::Key_Home}) {
        QTest::keyClick(bar, key);
        EXPECT_TRUE(inner->isTabVisible(inner->currentIndex())) << inner->currentIndex();
    }
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(inner, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_TRUE(inner->isTabVisible(inner->currentIndex())) << inner->currentIndex();
        QTest::keyClick(inner, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(inner->isTabVisible(inner->currentIndex())) << inner->currentIndex();
    }
}
