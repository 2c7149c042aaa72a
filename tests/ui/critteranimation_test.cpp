// The critter preview playing the standing animation of the game's art.
#include "critterfixture.h"

namespace {

// Palette entry i: red 4i, so that each of up to 63 frames shows its own colour.
QRgb frameColour(int index) {
    return qRgb(4 * index, 0, 0);
}

void writeRamp(Critters& e) {
    QByteArray palette(768, '\0');
    for (int i = 1; i < 64; ++i)
        palette[3 * i] = char(i);
    e.folder.write("Source/color.pal", palette);
}

QRgb centre(const Critters& e) {
    return e.label("Image1")->pixmap().toImage().pixel(58, 58);
}

} // namespace

TEST(CritterAnimation, PlaysTheShownFacingsFramesAtTheFilesRate) {
    const struct {
        const char* why;
        const char* file;
        QByteArray art;
        int facing3; // the palette index of facing 3's first frame
        int frames, interval;
    } cases[] = {
        {"six directions, 5 a second", "CRI2AA.FRM", makeAnimation(5, 3, 6, 10, 10), 7, 3, 200},
        {"one file a direction, no rate", "CRI2AA.FR2", makeAnimation(0, 4, 1, 10, 10), 1, 4, 100},
    };
    for (const auto& c : cases) {
        Critters e;
        writeRamp(e);
        e.folder.write(QStringLiteral("Game/data/art/critters/") + c.file, c.art);
        e.open(critter()); // "cri2", facing 3
        e.inner()->setCurrentIndex(0);
        ASSERT_TRUE(e.play()->isEnabled()) << c.why;
        EXPECT_EQ(e.play()->accessibleName(), "Play the standing animation");
        EXPECT_FALSE(e.clock->isActive()) << c.why;
        QTest::mouseClick(e.play(), Qt::LeftButton);
        EXPECT_EQ(e.play()->text(), "Stop") << c.why;
        EXPECT_TRUE(e.clock->isActive()) << c.why;
        EXPECT_EQ(e.clock->interval(), c.interval) << c.why;
        for (int tick = 1; tick <= c.frames + 1; ++tick) {
            e.clock->tick();
            EXPECT_EQ(centre(e), frameColour(c.facing3 + tick % c.frames)) << c.why << tick;
        }
        QTest::mouseClick(e.play(), Qt::LeftButton);
        EXPECT_EQ(e.play()->text(), "Play") << c.why;
        EXPECT_FALSE(e.clock->isActive()) << c.why;
        EXPECT_TRUE(e.prompter.messages.empty()) << e.lastMessage().toStdString();
    }
}

TEST(CritterAnimation, RunsOnlyWhileThePreviewIsShown) {
    Critters e;
    writeRamp(e);
    e.folder.write("Game/data/art/critters/CRI2AA.FRM", makeAnimation(10, 2, 6, 10, 10));
    e.open(critter());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.play(), Qt::LeftButton);
    auto* pages = e.w->findChild<QTabWidget*>("PageControl1");
    const struct {
        const char* step;
        std::function<void()> act;
        bool running;
    } steps[] = {
        {"another inner tab", [&] { e.inner()->setCurrentIndex(1); }, false},
        {"back", [&] { e.inner()->setCurrentIndex(0); }, true},
        {"another page", [&] { pages->setCurrentIndex(2); }, false},
        {"back again", [&] { pages->setCurrentIndex(1); }, true},
        {"the window minimised", [&] { e.w->hide(); }, false},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(e.clock->isActive(), s.running) << s.step;
    }
}

TEST(CritterAnimation, NothingToPlayWithoutFramesToStepThrough) {
    const struct {
        const char* why;
        bool bitmaps;
        QByteArray art;
    } cases[] = {
        {"prepared bitmaps", true, makeAnimation(10, 3, 6, 10, 10)},
        {"one frame a direction", false, makeAnimation(10, 1, 6, 10, 10)},
        {"no art at all", false, QByteArray()},
    };
    for (const auto& c : cases) {
        Critters e;
        if (c.bitmaps)
            e.drawPictures("cri2");
        if (!c.art.isEmpty())
            e.folder.write("Game/data/art/critters/CRI2AA.FRM", c.art);
        e.open(critter());
        EXPECT_FALSE(e.play()->isEnabled()) << c.why;
    }
    // Playing, then a critter with bitmaps picked: the animation ends.
    Critters e;
    e.drawPictures("cri3");
    e.folder.write("Game/data/art/critters/CRI2AA.FRM", makeAnimation(10, 3, 6, 10, 10));
    e.open(critter());
    e.inner()->setCurrentIndex(0);
    QTest::mouseClick(e.play(), Qt::LeftButton);
    e.pick("ComboBox2", "cri3,11,1");
    EXPECT_FALSE(e.clock->isActive());
    EXPECT_FALSE(e.play()->isEnabled());
    EXPECT_EQ(e.play()->text(), "Play");
}
