#include "referencedecoder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kBoxWidth = 157;
constexpr int kBoxHeight = 117;

bool readAt(std::FILE* file, long offset, unsigned char* out, std::size_t count) {
    return file && std::fseek(file, offset, SEEK_SET) == 0 &&
           std::fread(out, 1, count, file) == count;
}

int readWord(std::FILE* file, long offset) {
    unsigned char b[2];
    return readAt(file, offset, b, 2) ? (b[0] << 8) | b[1] : 0;
}

// The default rounding mode rounds halves to the even neighbour, as the picture box does.
int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

} // namespace

QImage referenceRenderFrame(const char* framePath, const char* palettePath, int sizeMode) {
    QImage image(kBoxWidth, kBoxHeight, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    std::FILE* frame = std::fopen(framePath, "rb");
    if (!frame)
        return image;
    std::FILE* palette = std::fopen(palettePath, "rb");

    const int w = readWord(frame, 62);
    const int h = readWord(frame, 64);
    const int step = sizeMode == 1 ? 2 : 1;
    int x0 = roundHalfEven((kBoxWidth - w) / 2.0);
    int y0 = roundHalfEven((kBoxHeight - h) / 2.0);
    if (step == 2) {
        x0 += roundHalfEven(w / 4.0);
        y0 += roundHalfEven(h / 4.0);
    }
    if (sizeMode == 0 || sizeMode == 1) {
        for (int y = 0; y * step < h; ++y) {
            for (int x = 0; x * step < w; ++x) {
                const int px = x0 + x;
                const int py = y0 + y;
                if (px < 0 || py < 0 || px >= kBoxWidth || py >= kBoxHeight)
                    continue;
                unsigned char index = 0;
                if (!readAt(frame, 74L + long(step) * y * w + long(step) * x, &index, 1) ||
                    index == 0)
                    continue;
                unsigned char rgb[3] = {0, 0, 0};
                if (!readAt(palette, 3L * index, rgb, 3))
                    rgb[0] = rgb[1] = rgb[2] = 0;
                image.setPixel(px, py,
                               qRgb(std::min<int>(rgb[0], 63) * 4, std::min<int>(rgb[1], 63) * 4,
                                    std::min<int>(rgb[2], 63) * 4));
            }
        }
    }
    if (palette)
        std::fclose(palette);
    std::fclose(frame);
    return image;
}
