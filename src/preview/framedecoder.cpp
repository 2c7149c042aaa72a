#include "framedecoder.h"

#include "core/usererror.h"
#include "core/files.h"
#include "proto/fieldcodec.h"
#include "core/numbers.h"

#include <algorithm>

namespace zantrel {

namespace {

constexpr int kWidthOffset = 62;
constexpr int kHeightOffset = 64;
constexpr qint64 kPixelsOffset = 74;

int roundHalf(double v) {
    return int(roundHalfEven(v));
}

} // namespace

Palette Palette::fromBytes(const QByteArray& bytes) {
    Palette p;
    const int entries = int(std::min<qsizetype>(bytes.size() / 3, 256));
    for (int i = 0; i < entries; ++i) {
        // Components above 63 do not occur in the game's palette; clamp them.
        auto component = [&](int k) {
            return std::min(int(std::uint8_t(bytes[3 * i + k])), 63) << 2;
        };
        p.m_colours[std::size_t(i)] = qRgb(component(0), component(1), component(2));
    }
    return p;
}

QImage greyPicture(QSize box) {
    QImage image(box, QImage::Format_RGB32);
    image.fill(kFrameBackground);
    return image;
}

QImage renderFrame(const QByteArray& frameFile, const Palette& palette, int sizeMode, QSize box) {
    QImage image = greyPicture(box);
    if (sizeMode != 0 && sizeMode != 1)
        return image;
    const qint64 w = fieldValue(frameFile, kWidthOffset, 2);
    const qint64 h = fieldValue(frameFile, kHeightOffset, 2);
    int x0 = roundHalf((box.width() - double(w)) / 2);
    int y0 = roundHalf((box.height() - double(h)) / 2);
    const int step = sizeMode == 1 ? 2 : 1;
    if (step == 2) {
        x0 += roundHalf(double(w) / 4);
        y0 += roundHalf(double(h) / 4);
    }
    // Painted columns and rows (in frame-sample units) that land inside the box.
    const qint64 samplesX = (w + step - 1) / step;
    const qint64 samplesY = (h + step - 1) / step;
    const qint64 firstX = std::max<qint64>(0, -x0);
    const qint64 lastX = std::min<qint64>(samplesX, qint64(box.width()) - x0);
    const qint64 firstY = std::max<qint64>(0, -y0);
    const qint64 lastY = std::min<qint64>(samplesY, qint64(box.height()) - y0);
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(frameFile.constData());
    const qint64 size = frameFile.size();
    for (qint64 y = firstY; y < lastY; ++y) {
        const qint64 row = kPixelsOffset + step * y * w;
        if (row >= size)
            break; // the file ends here; the rest reads as transparent
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(y0 + y)));
        for (qint64 x = firstX; x < lastX; ++x) {
            const qint64 at = row + step * x;
            if (at >= size)
                break;
            if (const std::uint8_t index = pixels[at])
                line[x0 + x] = palette.colour(index);
        }
    }
    return image;
}

QImage renderFrameFile(const QString& framePath, const QString& palettePath, int sizeMode,
                       QSize box) {
    const QByteArray frame = readFileBytes(framePath);
    Palette palette;
    try {
        palette = Palette::fromBytes(readFileBytes(palettePath));
    } catch (const UserError&) {
        // drawn in black, as the shape is still worth seeing
    }
    return renderFrame(frame, palette, sizeMode, box);
}

QString BGRtoRGB(const QString& text) {
    if (text.size() < 6)
        return text;
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2) + text.mid(6);
}

} // namespace zantrel
