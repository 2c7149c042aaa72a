// Frame files and palettes come from mods and tools of every quality; a broken one must
// paint something or nothing, never crash the preview.
#include "fuzzsupport.h"

#include "preview/critterart.h"
#include "preview/framedecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader in(data, size);
    // Four bytes a step reaches past the 768 a palette uses, so long files are tried too.
    const std::size_t paletteLength = std::size_t(in.byte()) * 4;
    const std::uint8_t boxByte = in.byte();
    const QByteArray paletteBytes = in.take(paletteLength);
    const QByteArray frame = in.rest();
    const zantrel::Palette palette = zantrel::Palette::fromBytes(paletteBytes);

    for (int mode = 0; mode <= 2; ++mode) {
        const QImage image = zantrel::renderFrame(frame, palette, mode);
        if (image.size() != zantrel::kPictureBox)
            fuzz::fail("renderFrame: picture of the wrong size");
    }
    // Smaller and odd boxes than the preview's own, down to empty ones.
    const QSize box(boxByte & 0x0F ? (boxByte & 0x0F) * 13 : 0, (boxByte >> 4) * 11);
    for (int mode = 0; mode <= 1; ++mode) {
        const QImage image = zantrel::renderFrame(frame, palette, mode, box);
        if (!box.isEmpty() && image.size() != box)
            fuzz::fail("renderFrame: picture of the wrong size for a small box");
    }
    // The critter preview: every direction of the file, and the facings the page asks for
    // from a game that has only this file, or only the direction's own.
    for (int direction = -1; direction <= 6; ++direction) {
        const QImage image = zantrel::renderCritterDirection(frame, direction, palette);
        if (image.size() != zantrel::kCritterBox)
            fuzz::fail("renderCritterDirection: picture of the wrong size");
    }
    const bool ownFiles = boxByte & 1;
    const zantrel::GameFileReader read = [&](const QString& path) -> std::optional<QByteArray> {
        if (path.endsWith(QLatin1String(".frm")) != ownFiles)
            return frame;
        return std::nullopt;
    };
    for (int facing = 0; facing <= 7; ++facing) {
        const std::optional<QImage> image =
            zantrel::renderCritterFacing(read, QStringLiteral("hmjmps"), facing, palette);
        if (image.has_value() != (facing >= 1 && facing <= 6))
            fuzz::fail("renderCritterFacing: a picture for a facing outside 1..6, or none");
        if (image && image->size() != zantrel::kCritterBox)
            fuzz::fail("renderCritterFacing: picture of the wrong size");
    }
    return 0;
}
