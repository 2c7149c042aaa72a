#include "critterart.h"

namespace zantrel {

QImage renderCritterDirection(const QByteArray& frameFile, int direction, const Palette& palette,
                              QRgb background) {
    QImage picture(kCritterBox,
                   qAlpha(background) == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    picture.fill(background);
    const qint64 start = directionFrameStart(frameFile, direction);
    if (start < 0)
        return picture;
    const QSize frame = frameSize(frameFile, start);
    // Integer division rounds toward zero, as QLabel centres the prepared bitmaps: the art
    // lands on the same pixels a bitmap of its size would.
    const QPoint at((kCritterBox.width() - frame.width()) / 2,
                    (kCritterBox.height() - frame.height()) / 2);
    paintFrame(picture, frameFile, start, at, 1, palette);
    return picture;
}

QStringList critterStandPaths(const QString& base, int facing) {
    if (facing < 1 || facing > 6)
        return {};
    const QString stem = QStringLiteral("art/critters/") + base + QStringLiteral("aa.fr");
    return {stem + QLatin1Char('m'), stem + QString::number(facing - 1)};
}

std::optional<QImage> renderCritterFacing(const GameFileReader& read, const QString& base,
                                          int facing, const Palette& palette, QRgb background) {
    const QStringList paths = critterStandPaths(base, facing);
    if (paths.isEmpty() || !read)
        return std::nullopt;
    if (const std::optional<QByteArray> whole = read(paths[0]))
        return renderCritterDirection(*whole, facing - 1, palette, background);
    // A per-direction file holds its one direction first.
    if (const std::optional<QByteArray> single = read(paths[1]))
        return renderCritterDirection(*single, 0, palette, background);
    return std::nullopt;
}

} // namespace zantrel
