#include "framedecoder.h"

#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/fieldcodec.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zantrel {

namespace {

constexpr qint64 kHeaderSize = 62;
constexpr int kOffsetsOffset = 34; // six 4-byte offsets of each direction's first frame
constexpr qint64 kFrameHeaderSize = 12;

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

qint64 directionFrameStart(const QByteArray& frameFile, int direction) {
    if (direction < 0 || direction > 5)
        return -1;
    return kHeaderSize + qint64(fieldValue(frameFile, kOffsetsOffset + 4 * direction, 4));
}

QSize frameSize(const QByteArray& frameFile, qint64 start) {
    // Past the end (or past what an int offset reaches) the header reads as nothing.
    if (start < 0 || start >= frameFile.size() || start > std::numeric_limits<int>::max() - 4)
        return QSize(0, 0);
    return QSize(int(fieldValue(frameFile, int(start), 2)),
                 int(fieldValue(frameFile, int(start) + 2, 2)));
}

int framesPerSecond(const QByteArray& frameFile) {
    return frameFile.size() < 6 ? 0 : int(fieldValue(frameFile, 4, 2));
}

int framesPerDirection(const QByteArray& frameFile) {
    return frameFile.size() < 10 ? 0 : int(fieldValue(frameFile, 8, 2));
}

qint64 frameStart(const QByteArray& frameFile, int direction, int frame) {
    qint64 start = directionFrameStart(frameFile, direction);
    if (start < 0 || frame < 0)
        return -1;
    for (int i = 0; i < frame; ++i) {
        if (start > frameFile.size() - kFrameHeaderSize)
            return -1;
        start += kFrameHeaderSize + qint64(fieldValue(frameFile, int(start) + 4, 4));
    }
    return start < frameFile.size() ? start : -1;
}

void paintFrame(QImage& picture, const QByteArray& frameFile, qint64 start, QPoint at, int step,
                const Palette& palette) {
    const QSize frame = frameSize(frameFile, start);
    const qint64 w = frame.width();
    // Painted columns and rows (in frame-sample units) that land inside the picture.
    const qint64 samplesX = (w + step - 1) / step;
    const qint64 samplesY = (qint64(frame.height()) + step - 1) / step;
    const qint64 firstX = std::max<qint64>(0, -at.x());
    const qint64 lastX = std::min<qint64>(samplesX, qint64(picture.width()) - at.x());
    const qint64 firstY = std::max<qint64>(0, -at.y());
    const qint64 lastY = std::min<qint64>(samplesY, qint64(picture.height()) - at.y());
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(frameFile.constData());
    const qint64 size = frameFile.size();
    for (qint64 y = firstY; y < lastY; ++y) {
        const qint64 row = start + kFrameHeaderSize + step * y * w;
        if (row >= size)
            break; // the file ends here; the rest reads as transparent
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(int(at.y() + y)));
        for (qint64 x = firstX; x < lastX; ++x) {
            const qint64 pos = row + step * x;
            if (pos >= size)
                break;
            if (const std::uint8_t index = pixels[pos])
                line[at.x() + x] = palette.colour(index);
        }
    }
}

QImage renderFrame(const QByteArray& frameFile, const Palette& palette, int sizeMode, QSize box) {
    QImage image = greyPicture(box);
    if (sizeMode != 0 && sizeMode != 1)
        return image;
    const QSize frame = frameSize(frameFile, kHeaderSize);
    const double w = frame.width(), h = frame.height();
    int x0 = roundHalf((box.width() - w) / 2);
    int y0 = roundHalf((box.height() - h) / 2);
    const int step = sizeMode == 1 ? 2 : 1;
    if (step == 2) {
        x0 += roundHalf(w / 4);
        y0 += roundHalf(h / 4);
    }
    paintFrame(image, frameFile, kHeaderSize, QPoint(x0, y0), step, palette);
    return image;
}

QImage renderFittedFrame(const QByteArray& frameFile, const Palette& palette, QSize box,
                         QRgb background) {
    QImage picture(box, QImage::Format_RGB32);
    picture.fill(background);
    const qint64 start = directionFrameStart(frameFile, 0);
    const QSize frame = frameSize(frameFile, start);
    if (frame.isEmpty())
        return picture;
    if (frame.width() <= box.width() && frame.height() <= box.height()) {
        paintFrame(picture, frameFile, start,
                   QPoint((box.width() - frame.width()) / 2, (box.height() - frame.height()) / 2),
                   1, palette);
        return picture;
    }
    // Drawn at its own size first, but only the rows the file holds pixels for: a header that
    // lies about its size cannot ask for more memory than the file's own size.
    const qint64 rowsHeld = (frameFile.size() - start - kFrameHeaderSize) / frame.width() + 1;
    const int rows = int(std::clamp<qint64>(rowsHeld, 1, frame.height()));
    QImage held(frame.width(), rows, QImage::Format_ARGB32_Premultiplied);
    held.fill(Qt::transparent);
    paintFrame(held, frameFile, start, QPoint(0, 0), 1, palette);
    const double factor =
        std::min(double(box.width()) / frame.width(), double(box.height()) / frame.height());
    const auto scaledLength = [factor](int length) {
        return std::max(1, int(std::lround(length * factor)));
    };
    const QSize fitted(scaledLength(frame.width()), scaledLength(frame.height()));
    const QImage scaled = held.scaled(fitted.width(), scaledLength(rows), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    QPainter painter(&picture);
    painter.drawImage(
        QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2), scaled);
    return picture;
}

QString BGRtoRGB(const QString& text) {
    if (text.size() < 6)
        return text;
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2) + text.mid(6);
}

} // namespace zantrel
