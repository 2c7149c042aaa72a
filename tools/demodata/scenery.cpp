// Procedural frames of the demo's scenery, walls, floor tiles and misc objects, drawn
// straight into palette indices on the ramps of pictures.cpp.
#include "demodata.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace demo {

namespace {

constexpr int kRampBase = 16; // as pictures.cpp lays out the palette: 16 shades a ramp

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), px_(w * h, '\0') {}
    void dot(int x, int y, Ramp r, int shade) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_)
            px_[y * w_ + x] = char(kRampBase + int(r) * 16 + std::clamp(shade, 0, 15));
    }
    // A block lit from the top left: light edges up and left, dark ones down and right.
    void block(int x0, int y0, int x1, int y1, Ramp r, int shade) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const int edge = (x == x0 || y == y0) ? 3 : (x == x1 - 1 || y == y1 - 1) ? -4 : 0;
                dot(x, y, r, shade + edge);
            }
    }
    FramePixels done() const { return {w_, h_, px_}; }
    int w_, h_;

private:
    QByteArray px_;
};

FramePixels door(int w, int h, Ramp r) {
    Canvas c(w, h);
    c.block(0, 0, w, h, Ramp::Steel, 5);
    c.block(6, 6, w - 6, h, r, 8);
    c.block(10, 12, w - 10, h / 2 - 2, r, 10);
    c.block(10, h / 2 + 2, w - 10, h - 8, r, 10);
    c.block(w - 16, h / 2 - 3, w - 11, h / 2 + 3, Ramp::Brass, 13);
    return c.done();
}

FramePixels stairs(int w, int h) {
    Canvas c(w, h);
    const int steps = 6;
    for (int s = 0; s < steps; ++s) {
        const int top = h - (s + 1) * h / steps;
        c.block(s * w / (2 * steps), top, w - s * w / (2 * steps), top + h / steps, Ramp::WarmGrey,
                6 + s);
    }
    return c.done();
}

FramePixels ladder(int w, int h) {
    Canvas c(w, h);
    c.block(0, 0, 5, h, Ramp::Rust, 9);
    c.block(w - 5, 0, w, h, Ramp::Rust, 9);
    for (int y = 6; y < h - 2; y += 10)
        c.block(5, y, w - 5, y + 3, Ramp::Steel, 10);
    return c.done();
}

FramePixels rock(int w, int h, quint32 seed) {
    Canvas c(w, h);
    Lcg rng(seed);
    const double cx = w / 2.0, cy = h / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            const double d = dx * dx + dy * dy;
            if (d < 1.0 - (rng.next() % 8) / 40.0)
                c.dot(x, y, Ramp::Grey, int(12 - 7 * d - dx * 2 - dy * 3) - int(rng.next() % 2));
        }
    return c.done();
}

FramePixels wall(int w, int h, Ramp r, bool bricks) {
    Canvas c(w, h);
    for (int y = 0; y < h; y += bricks ? 8 : 20)
        for (int x = (bricks && y / 8 % 2) ? -8 : 0; x < w; x += bricks ? 16 : 24)
            c.block(x, y, x + (bricks ? 15 : 23), y + (bricks ? 7 : 19), r, bricks ? 7 : 9);
    return c.done();
}

// The game's floor tiles are diamonds 80 wide, 36 high.
FramePixels tile(Ramp r, quint32 seed) {
    Canvas c(80, 36);
    Lcg rng(seed);
    for (int y = 0; y < 36; ++y) {
        const int half = y < 18 ? (y + 1) * 40 / 18 : (36 - y) * 40 / 18;
        for (int x = 40 - half; x < 40 + half; ++x)
            c.dot(x, y, r, 6 + int(rng.next() % 3) + (x + y) / 40);
    }
    return c.done();
}

FramePixels marker(int w, int h, Ramp r) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (std::abs(x - w / 2) + std::abs(y - h / 2) <= std::min(w, h) / 2)
                c.dot(x, y, r, 14 - (std::abs(x - w / 2) + std::abs(y - h / 2)) / 2);
    return c.done();
}

bool starts(const char* stem, const char* prefix) {
    return std::strncmp(stem, prefix, std::strlen(prefix)) == 0;
}

} // namespace

QByteArray sceneryArt(const char* stem, int number) {
    const quint32 seed = quint32(number * 131 + int(std::strlen(stem)));
    const Ramp tint = Ramp(1 + (number + int(stem[2])) % (int(Ramp::Count) - 1));
    FramePixels f{0, 0, {}};
    if (starts(stem, "zsdoor"))
        f = door(48, 86, number % 2 ? Ramp::Steel : Ramp::Olive);
    else if (starts(stem, "zsstr"))
        f = stairs(90, 60);
    else if (starts(stem, "zsladr"))
        f = ladder(30, 96);
    else if (starts(stem, "zsrock"))
        f = rock(54 + 8 * number, 40 + 4 * number, seed);
    else if (starts(stem, "zs"))
        f = door(40, 50, tint); // consoles, tanks, vents and lamps: a panelled box
    else if (starts(stem, "zwbrck"))
        f = wall(80, 100, Ramp::Red, true);
    else if (starts(stem, "zw"))
        f = wall(80, 100, tint, false);
    else if (starts(stem, "zf"))
        f = tile(tint, seed);
    else
        f = marker(24, 24, tint);
    return frameFileOf({f});
}

} // namespace demo
