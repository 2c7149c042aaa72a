// The pictures of scenery, walls, tiles and misc objects, drawn from art in master.dat.
#include "datwriter/datwriter.h"
#include "support/editorfixture.h"
#include "support/gamedata.h"

#include <QFile>
#include <QLabel>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

// Palette entry i: red 4i, green 252 - 4i.
QRgb entryColour(int i) {
    return qRgb(4 * i, 252 - 4 * i, 0);
}

struct Pictures : EditorFixture {
    QList<DatEntryIn> archived;
    Pictures() {
        QByteArray palette(768, '\0');
        for (int i = 1; i < 64; ++i) {
            palette[3 * i] = char(i);
            palette[3 * i + 1] = char(63 - i);
        }
        folder.write("Source/color.pal", palette);
    }
    // The game's art as a stock install keeps it: in master.dat.
    void art(const QString& path, const QByteArray& bytes) {
        archived.append({path, bytes});
        folder.write("Game/master.dat", buildDat(archived));
    }
    QImage picture(int type) {
        return w->findChild<QLabel*>(QStringLiteral("Image%1").arg(14 + type))->pixmap().toImage();
    }
    void openType(int type, int length) {
        open(write(QStringLiteral("p%1.pro").arg(type), makePrototype(type, length)));
    }
};

// A w × h frame whose pixel (x, y) is palette index (x + 2y) % 7, 0 transparent.
QByteArray pattern(int w, int h) {
    QByteArray px;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px.append(char((x + 2 * y) % 7));
    return makeFrame(w, h, px);
}

} // namespace

TEST(TypePictures, EachTypeShowsItsFramesOwnPixelsCentredOnBlack) {
    const struct {
        int type, length;
        const char* art; // frame 2 of writeGameData's list
        int w, h, boxHeight;
    } cases[] = {
        {2, 49, "art/scenery/sce2.frm", 9, 5, 84},
        {3, 36, "art/walls/wal2.frm", 30, 40, 117},
        {4, 28, "art/tiles/til2.frm", 80, 36, 117},
        {5, 28, "art/misc/mis2.frm", 1, 1, 117},
    };
    Pictures e;
    for (const auto& c : cases)
        e.art(c.art, pattern(c.w, c.h));
    for (const auto& c : cases) {
        e.openType(c.type, c.length);
        const QImage img = e.picture(c.type);
        ASSERT_EQ(img.size(), QSize(157, c.boxHeight)) << c.art;
        const QPoint at((157 - c.w) / 2, (c.boxHeight - c.h) / 2);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QPoint p = QPoint(x, y) - at;
                const bool inside = p.x() >= 0 && p.y() >= 0 && p.x() < c.w && p.y() < c.h;
                const int index = inside ? (p.x() + 2 * p.y()) % 7 : 0;
                ASSERT_EQ(img.pixel(x, y), index ? entryColour(index) : kBlack)
                    << c.art << " at " << x << "," << y;
            }
    }
    EXPECT_TRUE(e.prompter.messages.empty());
}

TEST(TypePictures, LargeFramesAreScaledDownToFit) {
    Pictures e;
    e.art("art/walls/wal2.frm", makeFrame(314, 117, QByteArray(314 * 117, '\5')));
    e.openType(3, 36);
    const QImage img = e.picture(3);
    // Half size, 157 × 59, centred: rows 29 .. 87.
    for (int y : {0, 28, 88, 116})
        EXPECT_EQ(img.pixel(78, y), kBlack) << y;
    for (QPoint p : {QPoint(0, 29), QPoint(156, 87), QPoint(78, 58)})
        EXPECT_EQ(img.pixel(p), entryColour(5)) << p.x() << "," << p.y();
}

TEST(TypePictures, ThePictureFollowsTheFrameListAndBoxes) {
    Pictures e;
    e.art("art/scenery/sce2.frm", makeFrame(3, 3, QByteArray(9, '\1')));
    e.art("art/scenery/sce5.frm", makeFrame(3, 3, QByteArray(9, '\2')));
    e.openType(2, 49); // frame 2
    QComboBox* frames = e.h->frames();
    auto centre = [&] { return e.picture(2).pixel(78, 42); };
    const struct {
        const char* step;
        std::function<void()> act;
        QRgb centre;
    } steps[] = {
        {"opened", [] {}, entryColour(1)},
        {"a missing file picked", [&] { e.pick(frames, 3); }, kGrey},
        {"a present one picked", [&] { e.pick(frames, 5); }, entryColour(2)},
        {"<NONE> picked", [&] { e.pick(frames, 8); }, kGrey},
        {"typed into the frame box", [&] { e.edit(12)->setText("0002"); }, entryColour(1)},
        {"another type opened", [&] { e.openType(3, 36); }, entryColour(1)}, // kept
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(centre(), s.centre) << s.step;
    }
    // The wall page of a wall without art: grey.
    EXPECT_EQ(e.picture(3).pixel(78, 58), kGrey);
    // The picks ended at the frame the file holds, so nothing was unsaved: no question.
    EXPECT_TRUE(e.prompter.messages.empty());
}

TEST(TypePictures, ABrokenArchiveIsReportedOnceAndLeavesGrey) {
    Pictures e;
    e.art("art/misc/mis2.frm", makeFrame(3, 3, QByteArray(9, '\1')));
    QByteArray dat = fileBytes(e.folder.file("Game/master.dat"));
    dat[0] = char(dat[0] ^ 0xFF); // the compressed stream no longer inflates
    e.folder.write("Game/master.dat", dat);
    e.openType(5, 28);
    EXPECT_EQ(e.picture(5).pixel(78, 58), kGrey);
    ASSERT_EQ(e.prompter.messages.size(), 1u) << e.prompter.texts().join('\n').toStdString();
    EXPECT_TRUE(e.prompter.messages[0].text.contains("master.dat"))
        << e.prompter.messages[0].text.toStdString();
}
