#include "preview/critterart.h"

#include "core/usererror.h"
#include "support/gamedata.h"

#include <QHash>
#include <QRect>

#include <gtest/gtest.h>

#include <array>

using namespace zantrel;

namespace {

void put(QByteArray& d, int at, quint32 v, int width) {
    for (int i = width - 1; i >= 0; --i, v >>= 8)
        d[at + i] = char(v & 0xFF);
}

// One frame: its 12-byte header, then the pixels given (maybe fewer than width × height).
QByteArray frame(int w, int h, const QByteArray& pixels) {
    QByteArray f(12, '\0');
    put(f, 0, quint32(w), 2);
    put(f, 2, quint32(h), 2);
    put(f, 4, quint32(w) * quint32(h), 4); // 65535 x 65535 does not fit an int
    return f + pixels;
}

QByteArray solid(int w, int h, int index) {
    return frame(w, h, QByteArray(w * h, char(index)));
}

// A frame file whose header gives these six offsets, followed by the frame data.
QByteArray frameFile(const std::array<quint32, 6>& offsets, const QByteArray& data) {
    QByteArray f(62, '\0');
    put(f, 0, 4, 4);
    put(f, 8, 1, 2); // one frame per direction
    for (int d = 0; d < 6; ++d)
        put(f, 34 + 4 * d, offsets[std::size_t(d)], 4);
    put(f, 58, quint32(data.size()), 4);
    return f + data;
}

// Six directions, frame d of size (10 + 3d) × (20 - d) in colour d + 1.
QByteArray sixDirections() {
    QByteArray data;
    std::array<quint32, 6> offsets{};
    for (int d = 0; d < 6; ++d) {
        offsets[std::size_t(d)] = quint32(data.size());
        data += solid(10 + 3 * d, 20 - d, d + 1);
    }
    return frameFile(offsets, data);
}

Palette testPalette() {
    QByteArray p(768, '\0');
    for (int i = 1; i <= 6; ++i)
        p[3 * i] = char(10 * i); // red 40, 80, ... tells the indices apart
    p[3 * 7 + 1] = 63;           // 7: green
    return Palette::fromBytes(p);
}

QRgb red(int index) {
    return qRgb(40 * index, 0, 0);
}

QRect painted(const QImage& img, QRgb background = kCritterBackground) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != background)
                r |= QRect(x, y, 1, 1);
    return r;
}

QRect centred(int w, int h) {
    return QRect((117 - w) / 2, (117 - h) / 2, w, h);
}

// Game files by name, remembering the names asked for.
struct Files {
    QHash<QString, QByteArray> bytes;
    mutable QStringList asked;
    GameFileReader reader() const {
        return [this](const QString& name) -> std::optional<QByteArray> {
            asked << name;
            const auto it = bytes.find(name);
            return it == bytes.end() ? std::nullopt : std::optional<QByteArray>(*it);
        };
    }
};

} // namespace

TEST(CritterArt, EachDirectionShowsItsOwnFirstFrame) {
    const QByteArray file = sixDirections();
    for (int d = 0; d < 6; ++d) {
        const QImage img = renderCritterDirection(file, d, testPalette());
        ASSERT_EQ(img.size(), QSize(117, 117));
        EXPECT_EQ(painted(img), centred(10 + 3 * d, 20 - d)) << "direction " << d;
        EXPECT_EQ(img.pixel(58, 58), red(d + 1)) << "direction " << d;
        EXPECT_EQ(img.pixel(0, 0), kCritterBackground);
    }
}

TEST(CritterArt, OneDirectionServesEveryFacing) {
    Files files;
    files.bytes["art/critters/zmoneaa.frm"] = frameFile({}, solid(5, 8, 3));
    for (int facing = 1; facing <= 6; ++facing) {
        const auto img = renderCritterFacing(files.reader(), "zmone", facing, testPalette());
        ASSERT_TRUE(img.has_value()) << facing;
        EXPECT_EQ(painted(*img), centred(5, 8)) << facing;
        EXPECT_EQ(img->pixel(56, 55), red(3));
    }
}

TEST(CritterArt, FindsTheWholeFileFirstThenTheDirectionsOwn) {
    Files perDirection;
    for (int d = 0; d < 6; ++d)
        if (d != 3) // the fourth facing's file is missing
            perDirection.bytes[QString("art/critters/zmsplitaa.fr%1").arg(d)] =
                frameFile({}, solid(4 + d, 4, d + 1));
    for (int facing = 1; facing <= 6; ++facing) {
        const auto img =
            renderCritterFacing(perDirection.reader(), "zmsplit", facing, testPalette());
        if (facing == 4) {
            EXPECT_FALSE(img.has_value());
            continue;
        }
        ASSERT_TRUE(img.has_value()) << facing;
        EXPECT_EQ(painted(*img), centred(3 + facing, 4)) << facing;
        EXPECT_EQ(img->pixel(57, 57), red(facing)) << facing;
    }
    EXPECT_EQ(perDirection.asked.mid(0, 2),
              QStringList({"art/critters/zmsplitaa.frm", "art/critters/zmsplitaa.fr0"}));

    // With both kinds present the whole file wins; with neither there is nothing to show.
    Files both = perDirection;
    both.bytes["art/critters/zmsplitaa.frm"] = sixDirections();
    const auto img = renderCritterFacing(both.reader(), "zmsplit", 2, testPalette());
    ASSERT_TRUE(img.has_value());
    EXPECT_EQ(painted(*img), centred(13, 19));
    for (int facing : {1, 6})
        EXPECT_FALSE(renderCritterFacing(Files().reader(), "zmnone", facing, testPalette()));
    for (int facing : {0, 7, -1})
        EXPECT_FALSE(renderCritterFacing(both.reader(), "zmsplit", facing, testPalette()))
            << facing;
    EXPECT_FALSE(renderCritterFacing(GameFileReader(), "zmsplit", 1, testPalette()));
}

TEST(CritterArt, ReadErrorsPassThrough) {
    const GameFileReader broken = [](const QString& name) -> std::optional<QByteArray> {
        throw UserError("Broken archive", name);
    };
    EXPECT_THROW(renderCritterFacing(broken, "zm", 1, testPalette()), UserError);
}

TEST(CritterArt, LargeFramesAreCutToTheirMiddle) {
    // 200 × 140 lands at (-41, -11): frame pixel (41, 11) is the picture's corner.
    QByteArray px(200 * 140, char(1));
    px[11 * 200 + 41] = char(7);
    px[(11 + 116) * 200 + 41 + 116] = char(7);
    const QImage img = renderCritterDirection(frameFile({}, frame(200, 140, px)), 0, testPalette());
    EXPECT_EQ(painted(img), QRect(0, 0, 117, 117));
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 252, 0));
    EXPECT_EQ(img.pixel(1, 0), red(1));
    EXPECT_EQ(img.pixel(116, 116), qRgb(0, 252, 0));
}

TEST(CritterArt, TransparencyShowsTheBackground) {
    const QByteArray file = frameFile({}, frame(3, 1, QByteArray("\x02\x00\x02", 3)));
    const QImage black = renderCritterDirection(file, 0, testPalette());
    EXPECT_EQ(black.pixel(58, 58), kCritterBackground);
    EXPECT_EQ(black.pixel(57, 58), red(2));
    const QRgb clear = qRgba(0, 0, 0, 0);
    const QImage see = renderCritterDirection(file, 0, testPalette(), clear);
    EXPECT_TRUE(see.hasAlphaChannel());
    EXPECT_EQ(see.pixel(58, 58), clear);
    EXPECT_EQ(see.pixel(57, 58), red(2));
}

TEST(CritterArt, HeadersThatLieDrawOnlyWhatTheFileHas) {
    const Palette pal = testPalette();
    const QByteArray six = sixDirections();
    const struct {
        const char* name;
        QByteArray file;
        int direction;
        QRect expected;
    } cases[] = {
        {"offset past the end", frameFile({0, 5000, 0, 0, 0, 0}, solid(4, 4, 1)), 1, QRect()},
        {"largest offset", frameFile({0xFFFFFFFF}, solid(4, 4, 1)), 0, QRect()},
        {"offset into the last bytes", frameFile({14}, solid(4, 4, 1)), 0, QRect()},
        {"direction 6", six, 6, QRect()},
        {"direction -1", six, -1, QRect()},
        {"header cut short", six.left(40), 0, QRect()},
        {"empty file", QByteArray(), 2, QRect()},
        {"pixels cut short", frameFile({}, frame(4, 4, QByteArray(6, char(1)))), 0,
         QRect(56, 56, 4, 2)},
        {"size claims 65535 × 65535", frameFile({}, frame(65535, 65535, QByteArray(9, char(1)))), 0,
         QRect()},
        {"last direction cut short", six.left(six.size() - 5 * 15), 5, QRect(46, 51, 25, 12)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(painted(renderCritterDirection(c.file, c.direction, pal)), c.expected) << c.name;
}

TEST(CritterArt, EachFrameOfTheStandingArtIsDrawn) {
    QByteArray entries(768, '\0');
    for (int i = 1; i <= 18; ++i)
        entries[3 * i] = char(3 * i); // red 12 × i tells the 18 frames apart
    const Palette palette = Palette::fromBytes(entries);
    const QByteArray file = makeAnimation(5, 3, 6, 8, 8);
    for (int d = 0; d < 6; ++d)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(renderCritterFrame(file, d, k, palette).pixel(58, 58),
                      qRgb(12 * (1 + 3 * d + k), 0, 0))
                << d << " " << k;
    // A frame past the direction's last in the file: the background.
    EXPECT_EQ(renderCritterFrame(file, 5, 3, palette).pixel(58, 58), kCritterBackground);
    // Found as the preview finds it: a per-direction file gives its direction 0.
    Files files;
    files.bytes["art/critters/zaa.fr2"] = makeAnimation(0, 2, 1, 8, 8);
    const std::optional<StandingArt> art = findStandingArt(files.reader(), "z", 3);
    ASSERT_TRUE(art);
    EXPECT_EQ(art->direction, 0);
    EXPECT_EQ(art->frames(), 2);
    EXPECT_EQ(art->fps(), 10); // the game's rate for a header without one
}
