#include "critterart.h"

namespace zantrel {

QImage renderCritterDirection(const QByteArray& frameFile, int direction, const Palette& palette,
                              QRgb background) {
    return renderCritterFrame(frameFile, direction, 0, palette, background);
}

QImage renderCritterFrame(const QByteArray& frameFile, int direction, int frame,
                          const Palette& palette, QRgb background) {
    QImage picture(kCritterBox,
                   qAlpha(background) == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    picture.fill(background);
    const qint64 start = frameStart(frameFile, direction, frame);
    if (start < 0)
        return picture;
    const QSize size = frameSize(frameFile, start);
    // Integer division rounds toward zero, as QLabel centres the prepared bitmaps: the art
    // lands on the same pixels a bitmap of its size would.
    const QPoint at((kCritterBox.width() - size.width()) / 2,
                    (kCritterBox.height() - size.height()) / 2);
    paintFrame(picture, frameFile, start, at, 1, palette);
    return picture;
}

QStringList critterStandPaths(const QString& base, int facing) {
    if (facing < 1 || facing > 6)
        return {};
    const QString stem = QStringLiteral("art/critters/") + base + QStringLiteral("aa.fr");
    return {stem + QLatin1Char('m'), stem + QString::number(facing - 1)};
}

std::optional<StandingArt> findStandingArt(const GameFileReader& read, const QString& base,
                                           int facing) {
    const QStringList paths = critterStandPaths(base, facing);
    if (paths.isEmpty() || !read)
        return std::nullopt;
    if (std::optional<QByteArray> whole = read(paths[0]))
        return StandingArt{std::move(*whole), facing - 1};
    // A per-direction file holds its one direction first.
    if (std::optional<QByteArray> single = read(paths[1]))
        return StandingArt{std::move(*single), 0};
    return std::nullopt;
}

std::optional<QImage> renderCritterFacing(const GameFileReader& read, const QString& base,
                                          int facing, const Palette& palette, QRgb background) {
    const std::optional<StandingArt> art = findStandingArt(read, base, facing);
    if (!art)
        return std::nullopt;
    return renderCritterDirection(art->file, art->direction, palette, background);
}

} // namespace zantrel
