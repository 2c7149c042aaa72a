#include "core/usererror.h"
#include "preview/framedecoder.h"
#include "support/gamedata.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

QByteArray testPalette() {
    QByteArray p(768, '\0');
    p[3] = 63;                                // 1: pure red
    p[7] = 63;                                // 2: pure green
    p[11] = 63;                               // 3: pure blue
    p[12] = 10, p[13] = 20, p[14] = 30;       // 4
    p[15] = char(200), p[16] = 64, p[17] = 1; // 5: out of range components
    return p;
}

const QRgb grey = qRgb(128, 128, 128);

} // namespace

TEST(FrameDecoder, PlacesTheFrameCentredWithHalvesToEven) {
    const Palette pal = Palette::fromBytes(testPalette());
    const struct {
        int w, h, mode;
        QRect expected;
    } cases[] = {
        {4, 4, 0, QRect(76, 56, 4, 4)}, {4, 4, 1, QRect(77, 57, 2, 2)},
        {5, 3, 1, QRect(77, 58, 3, 2)}, {157, 117, 0, QRect(0, 0, 157, 117)},
        {1, 1, 0, QRect(78, 58, 1, 1)}, {3, 2, 0, QRect(77, 58, 3, 2)},
    };
    for (const auto& c : cases) {
        const QImage img =
            renderFrame(makeFrame(c.w, c.h, QByteArray(c.w * c.h, char(1))), pal, c.mode);
        ASSERT_EQ(img.size(), QSize(157, 117));
        EXPECT_EQ(paintedArea(img), c.expected) << c.w << "x" << c.h << " mode " << c.mode;
    }
}

TEST(FrameDecoder, HalfSizeSamplesEverySecondPixel) {
    // 5 x 3: colour index = 1 + column % 3 in row 0, 4 elsewhere; sampled columns 0, 2, 4.
    QByteArray px(15, char(4));
    for (int x = 0; x < 5; ++x)
        px[x] = char(1 + x % 3);
    const QImage img = renderFrame(makeFrame(5, 3, px), Palette::fromBytes(testPalette()), 1);
    EXPECT_EQ(img.pixel(77, 58), qRgb(252, 0, 0));
    EXPECT_EQ(img.pixel(78, 58), qRgb(0, 0, 252));
    EXPECT_EQ(img.pixel(79, 58), qRgb(0, 252, 0));
    EXPECT_EQ(img.pixel(77, 59), qRgb(40, 80, 120));
}

TEST(FrameDecoder, ColoursTransparencyAndPaletteFaults) {
    const QByteArray px("\x01\x00\x04\x05", 4);
    const QImage img = renderFrame(makeFrame(4, 1, px), Palette::fromBytes(testPalette()), 0);
    EXPECT_EQ(img.pixel(76, 58), qRgb(252, 0, 0)); // (63, 0, 0)
    EXPECT_EQ(img.pixel(77, 58), grey);            // index 0 is transparent
    EXPECT_EQ(img.pixel(78, 58), qRgb(40, 80, 120));
    EXPECT_EQ(img.pixel(79, 58), qRgb(252, 252, 4)); // components above 63 clamp
    // A palette cut short gives black for what it lacks; a missing one black for all.
    const QImage shortPal =
        renderFrame(makeFrame(4, 1, px), Palette::fromBytes(testPalette().left(6)), 0);
    EXPECT_EQ(shortPal.pixel(76, 58), qRgb(252, 0, 0));
    EXPECT_EQ(shortPal.pixel(78, 58), qRgb(0, 0, 0));
    EXPECT_EQ(renderFrame(makeFrame(4, 1, px), Palette(), 0).pixel(76, 58), qRgb(0, 0, 0));
}

TEST(FrameDecoder, GreyOnlyCases) {
    const Palette pal = Palette::fromBytes(testPalette());
    const QByteArray ones(16, char(1));
    const struct {
        const char* name;
        QByteArray file;
        int mode;
    } cases[] = {
        {"setting 2", makeFrame(4, 4, ones), 2},
        {"setting -1", makeFrame(4, 4, ones), -1},
        {"zero width", makeFrame(0, 4, ones), 0},
        {"zero height", makeFrame(4, 0, ones), 1},
        {"all transparent", makeFrame(4, 4, QByteArray(16, '\0')), 0},
        {"no pixels", makeFrame(4, 4, QByteArray()), 0},
        {"empty file", QByteArray(), 0},
        {"header only", QByteArray(63, '\xff'), 0},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(paintedArea(renderFrame(c.file, pal, c.mode)).isNull()) << c.name;
}

TEST(FrameDecoder, ClipsLargeFramesAndLyingHeaders) {
    const Palette pal = Palette::fromBytes(testPalette());
    // 200 x 140: offsets -22/-12 (-21.5 and -11.5 round to even), clipped to the box.
    QImage img = renderFrame(makeFrame(200, 140, QByteArray(200 * 140, char(2))), pal, 0);
    EXPECT_EQ(paintedArea(img), QRect(0, 0, 157, 117));
    // The header claims 65535 x 65535 over 100 pixel bytes: only those are drawn.
    img = renderFrame(makeFrame(65535, 65535, QByteArray(100, char(3))), pal, 0);
    EXPECT_TRUE(paintedArea(img).isNull()); // the first row lies far left of the box
    img = renderFrame(makeFrame(150, 117, QByteArray(300, char(3))), pal, 0);
    EXPECT_EQ(paintedArea(img), QRect(4, 0, 150, 2));
    // A truncated frame leaves the missing pixels unpainted.
    img = renderFrame(makeFrame(4, 4, QByteArray(6, char(1))), pal, 0);
    EXPECT_EQ(paintedArea(img), QRect(76, 56, 4, 2));
    EXPECT_EQ(img.pixel(77, 57), qRgb(252, 0, 0));
    EXPECT_EQ(img.pixel(78, 57), grey);
}

TEST(FrameDecoder, WithoutAPaletteTheShapeIsDrawnInBlack) {
    const QByteArray frame = makeFrame(2, 2, QByteArray(4, char(1)));
    EXPECT_EQ(renderFrame(frame, Palette::fromBytes(testPalette()), 0).pixel(78, 58),
              qRgb(252, 0, 0));
    EXPECT_EQ(renderFrame(frame, Palette(), 0).pixel(78, 58), qRgb(0, 0, 0));
}

TEST(FrameDecoder, BGRtoRGBSwapsTheOuterPairs) {
    EXPECT_EQ(BGRtoRGB("AABBCC"), "CCBBAA");
    EXPECT_EQ(BGRtoRGB("0000FC"), "FC0000");
    EXPECT_EQ(BGRtoRGB("ABC"), "ABC");
}

TEST(FrameDecoder, FittedFramesAreCentredOnBlackAndOnlyScaledDown) {
    const Palette pal = Palette::fromBytes(testPalette());
    const QRgb black = qRgb(0, 0, 0);
    const auto solidFrame = [](int w, int h) { return makeFrame(w, h, QByteArray(w * h, '\1')); };
    // A header claiming 65535 rows with one row of pixels: drawn from what the file holds.
    const struct {
        const char* name;
        QByteArray file;
        QRect painted;
    } cases[] = {
        {"small, not scaled up", solidFrame(4, 4), QRect(76, 56, 4, 4)},
        {"exactly the box", solidFrame(157, 117), QRect(0, 0, 157, 117)},
        {"twice as wide", solidFrame(314, 50), QRect(0, 46, 157, 25)},
        {"twice as high", solidFrame(20, 234), QRect(73, 0, 10, 117)},
        {"lying height", makeFrame(157, 65535, QByteArray(157, '\1')), QRect(78, 0, 1, 1)},
        {"no frame", QByteArray(62, '\0'), QRect()},
    };
    for (const auto& c : cases) {
        const QImage img = renderFittedFrame(c.file, pal, kPictureBox, black);
        ASSERT_EQ(img.size(), kPictureBox) << c.name;
        QRect painted;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != black)
                    painted |= QRect(x, y, 1, 1);
        EXPECT_EQ(painted, c.painted) << c.name;
        if (c.painted.height() > 1) { // inside a block: the frame's own colour
            EXPECT_EQ(img.pixel(c.painted.center()), qRgb(252, 0, 0)) << c.name;
        }
    }
}

TEST(FrameDecoder, FramesOfADirectionFollowEachOther) {
    const QByteArray file = makeAnimation(7, 3, 6, 2, 2);
    EXPECT_EQ(framesPerSecond(file), 7);
    EXPECT_EQ(framesPerDirection(file), 3);
    const qint64 frameBytes = 12 + 4;
    for (int d = 0; d < 6; ++d)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(frameStart(file, d, k), 62 + (3 * d + k) * frameBytes) << d << " " << k;
    // Past the file's last frame, and out of range: none.
    EXPECT_EQ(frameStart(file, 5, 3), -1);
    EXPECT_EQ(frameStart(file, 6, 0), -1);
    EXPECT_EQ(frameStart(file, 0, -1), -1);
    EXPECT_EQ(framesPerSecond(QByteArray(4, '\0')), 0);
}
