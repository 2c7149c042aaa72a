// Procedural pictures for the demo data: the palette, item frames and critter previews.
#include "demodata.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace demo {

namespace {

constexpr int kRampBase = 16;
constexpr double kPi = 3.14159265358979323846;

struct RampEnds {
    int r0, g0, b0, r1, g1, b1;
};

// Dark and light ends of each ramp in 8-bit components; worn metal and a phosphor green.
const RampEnds kRamps[int(Ramp::Count)] = {
    {14, 14, 16, 228, 228, 222}, // Grey
    {2, 16, 6, 176, 255, 160},   // Green
    {34, 14, 6, 226, 146, 84},   // Rust
    {10, 16, 32, 168, 200, 236}, // Blue
    {34, 4, 4, 255, 128, 104},   // Red
    {40, 30, 6, 255, 238, 136},  // Brass
    {22, 24, 10, 192, 200, 140}, // Olive
    {40, 16, 8, 252, 176, 112},  // Copper
    {42, 36, 28, 244, 234, 210}, // Bone
    {6, 26, 26, 140, 232, 220},  // Teal
    {20, 22, 26, 204, 214, 226}, // Steel
    {26, 14, 8, 204, 152, 100},  // Leather
    {40, 20, 0, 255, 200, 64},   // Amber
    {20, 10, 30, 200, 160, 236}, // Violet
    {24, 20, 18, 220, 208, 192}, // WarmGrey
};

// Shapes are painted in a code colour (red = shade, green = ramp, blue = background) so
// QPainter's gradients can be used and still map back to palette indices exactly.
QColor code(Ramp r, int shade) {
    return QColor(shade * 16 + 8, int(r) * 16 + 8, 0);
}

using Stops = std::initializer_list<std::pair<double, int>>;

void paint(QPainter& p, const QPainterPath& path, Ramp r, Stops stops, QPointF a, QPointF b) {
    QLinearGradient g(a, b);
    for (const auto& [at, shade] : stops)
        g.setColorAt(at, code(r, shade));
    p.fillPath(path, g);
}

// Light comes from the upper left: bright at a, dark at b.
void lit(QPainter& p, const QPainterPath& path, Ramp r, int light, int dark, QPointF a = {0, 0},
         QPointF b = {1, 1}) {
    paint(p, path, r, {{0.0, light}, {1.0, dark}}, a, b);
}

// Round bodies get a bright band just before the middle.
void roundX(QPainter& p, const QPainterPath& path, Ramp r, double x0, double x1) {
    paint(p, path, r, {{0.0, 6}, {0.3, 14}, {1.0, 2}}, {x0, 0}, {x1, 0});
}
void roundY(QPainter& p, const QPainterPath& path, Ramp r, double y0, double y1) {
    paint(p, path, r, {{0.0, 6}, {0.3, 14}, {1.0, 2}}, {0, y0}, {0, y1});
}

void stroke(QPainter& p, QPointF a, QPointF b, Ramp r, int shade) {
    QPen pen(code(r, shade));
    pen.setCosmetic(true);
    p.setPen(pen);
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

QPainterPath box(double x0, double y0, double x1, double y1) {
    QPainterPath q;
    q.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return q;
}
QPainterPath oval(double x0, double y0, double x1, double y1) {
    QPainterPath q;
    q.addEllipse(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
    return q;
}
QPainterPath rounded(double x0, double y0, double x1, double y1) {
    QPainterPath q;
    q.addRoundedRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), 25, 25, Qt::RelativeSize);
    return q;
}
QPainterPath poly(std::initializer_list<QPointF> pts) {
    QPainterPath q;
    q.addPolygon(QPolygonF(QList<QPointF>(pts)));
    q.closeSubpath();
    return q;
}

void crate(QPainter& p, Ramp wood, bool ammo) {
    lit(p, poly({{0, 0.3}, {0.28, 0}, {1, 0}, {0.72, 0.3}}), wood, 14, 10);
    lit(p, box(0, 0.3, 0.72, 1), wood, 10, 5);
    lit(p, poly({{0.72, 0.3}, {1, 0}, {1, 0.7}, {0.72, 1}}), wood, 6, 2);
    if (ammo) {
        lit(p, box(0, 0.55, 0.72, 0.7), Ramp::Brass, 14, 7);
        lit(p, box(0.4, 0.08, 0.62, 0.16), Ramp::Grey, 9, 4);
        return;
    }
    lit(p, box(0, 0.3, 0.06, 1), wood, 6, 3);
    lit(p, box(0.66, 0.3, 0.72, 1), wood, 6, 3);
    for (double y : {0.53, 0.76})
        stroke(p, {0.06, y}, {0.66, y}, wood, 3);
}

void rifle(QPainter& p, int w, int h) {
    // Drawn lengthwise and turned so it fills wide frames diagonally.
    const double angle = std::atan2(h * 0.85, double(w));
    const double length = std::hypot(double(w), h * 0.85) * 0.8;
    p.translate(w / 2.0, h / 2.0);
    p.rotate(-angle * 180 / kPi);
    p.scale(length, length * 0.2);
    lit(p, poly({{0.22, -0.2}, {0.5, -0.1}, {0.5, 0.5}, {0.38, 0.5}, {0.22, 0.15}}), Ramp::Leather,
        11, 3, {0.2, -0.2}, {0.5, 0.5});
    lit(p, poly({{0.14, 0.15}, {0.22, 0.15}, {0.26, 0.5}, {0.17, 0.5}}), Ramp::Leather, 8, 3,
        {0.14, 0}, {0.26, 0.5});
    roundY(p, box(-0.5, -0.18, -0.04, 0.04), Ramp::Steel, -0.18, 0.04);
    roundY(p, box(-0.5, -0.22, -0.46, 0.08), Ramp::Grey, -0.22, 0.08);
    roundY(p, box(-0.06, -0.26, 0.24, 0.2), Ramp::Steel, -0.26, 0.2);
    lit(p, box(0.02, 0.2, 0.1, 0.5), Ramp::Grey, 8, 2, {0, 0.2}, {0, 0.5});
    lit(p, box(-0.02, -0.36, 0.02, -0.24), Ramp::Grey, 7, 3);
    lit(p, box(0.1, -0.36, 0.14, -0.24), Ramp::Grey, 7, 3);
    roundY(p, box(-0.12, -0.5, 0.18, -0.32), Ramp::Blue, -0.5, -0.32);
    lit(p, box(-0.14, -0.52, -0.1, -0.3), Ramp::Green, 15, 8, {0, -0.52}, {0, -0.3});
}

void drawShape(QPainter& p, Shape shape, int w, int h) {
    if (shape == Shape::Rifle) {
        rifle(p, w, h);
        return;
    }
    p.scale(w, h);
    switch (shape) {
    case Shape::Wrench: {
        const QPainterPath jaw = oval(0, 0.05, 0.34, 0.95).subtracted(box(0, 0.36, 0.17, 0.64));
        const QPainterPath end = oval(0.72, 0.1, 1, 0.9).subtracted(oval(0.8, 0.34, 0.92, 0.66));
        lit(p, jaw.united(box(0.2, 0.36, 0.76, 0.64)).united(end), Ramp::Steel, 14, 3, {0, 0.1},
            {0, 0.9});
        stroke(p, {0.24, 0.4}, {0.74, 0.4}, Ramp::Steel, 15);
        break;
    }
    case Shape::Bottle: {
        const QPainterPath glass =
            rounded(0.12, 0.4, 0.88, 1)
                .united(poly({{0.12, 0.5}, {0.36, 0.22}, {0.64, 0.22}, {0.88, 0.5}}))
                .united(box(0.36, 0.08, 0.64, 0.3));
        roundX(p, glass, Ramp::Green, 0.12, 0.88);
        roundX(p, box(0.32, 0, 0.68, 0.1), Ramp::Rust, 0.32, 0.68);
        roundX(p, box(0.12, 0.58, 0.88, 0.8), Ramp::Bone, 0.12, 0.88);
        stroke(p, {0.28, 0.46}, {0.28, 0.56}, Ramp::Green, 15);
        stroke(p, {0.28, 0.84}, {0.28, 0.94}, Ramp::Green, 15);
        break;
    }
    case Shape::Crate:
        crate(p, Ramp::Olive, false);
        break;
    case Shape::AmmoBox:
        crate(p, Ramp::Olive, true);
        break;
    case Shape::Ring:
        lit(p, oval(0.04, 0.2, 0.96, 0.92).subtracted(oval(0.2, 0.36, 0.8, 0.78)), Ramp::Brass, 15,
            4);
        lit(p, poly({{0.32, 0.28}, {0.4, 0.12}, {0.6, 0.12}, {0.68, 0.28}}), Ramp::Brass, 12, 5);
        lit(p, oval(0.38, 0.0, 0.62, 0.3), Ramp::Red, 15, 4);
        break;
    case Shape::Pistol:
        lit(p, poly({{0.56, 0.44}, {0.82, 0.44}, {0.96, 0.96}, {0.68, 0.98}}), Ramp::Leather, 10,
            3);
        lit(p,
            oval(0.36, 0.36, 0.62, 0.76)
                .subtracted(oval(0.41, 0.44, 0.57, 0.68))
                .subtracted(box(0, 0, 1, 0.46)),
            Ramp::Steel, 8, 3);
        lit(p, box(0.1, 0.36, 0.8, 0.48), Ramp::Steel, 8, 4, {0, 0.36}, {0, 0.48});
        lit(p, box(0.04, 0.12, 0.78, 0.38), Ramp::Steel, 14, 6, {0, 0.12}, {0, 0.38});
        lit(p, box(0, 0.18, 0.06, 0.32), Ramp::Grey, 5, 2);
        lit(p, box(0.74, 0.04, 0.84, 0.14), Ramp::Grey, 9, 4);
        lit(p, box(0.08, 0.06, 0.12, 0.12), Ramp::Grey, 9, 4);
        stroke(p, {0.06, 0.16}, {0.76, 0.16}, Ramp::Steel, 15);
        break;
    case Shape::Knife:
        lit(p, poly({{0, 0.56}, {0.18, 0.3}, {0.6, 0.28}, {0.6, 0.72}, {0.2, 0.72}}), Ramp::Steel,
            15, 5);
        stroke(p, {0.06, 0.62}, {0.58, 0.7}, Ramp::Grey, 15);
        lit(p, box(0.58, 0.1, 0.66, 0.9), Ramp::Brass, 14, 5);
        roundY(p, rounded(0.66, 0.3, 1, 0.7), Ramp::Leather, 0.3, 0.7);
        for (double x : {0.76, 0.86})
            stroke(p, {x, 0.32}, {x, 0.68}, Ramp::Leather, 2);
        break;
    case Shape::Syringe:
        lit(p, box(0, 0.46, 0.16, 0.54), Ramp::Grey, 13, 8);
        lit(p, poly({{0.14, 0.4}, {0.2, 0.32}, {0.2, 0.68}, {0.14, 0.6}}), Ramp::Grey, 11, 5);
        roundY(p, box(0.2, 0.28, 0.7, 0.72), Ramp::Teal, 0.28, 0.72);
        roundY(p, box(0.22, 0.38, 0.5, 0.64), Ramp::Red, 0.38, 0.64);
        lit(p, box(0.68, 0.12, 0.73, 0.88), Ramp::Grey, 12, 4);
        lit(p, box(0.73, 0.43, 0.92, 0.57), Ramp::Grey, 10, 5);
        lit(p, box(0.92, 0.18, 1, 0.82), Ramp::Grey, 12, 4);
        for (double x : {0.3, 0.38, 0.46, 0.54})
            stroke(p, {x, 0.28}, {x, 0.36}, Ramp::Teal, 2);
        break;
    case Shape::Canister:
        roundX(p, oval(0.08, 0.84, 0.92, 1), Ramp::Rust, 0.08, 0.92);
        roundX(p, box(0.08, 0.12, 0.92, 0.92), Ramp::Rust, 0.08, 0.92);
        roundX(p, box(0.08, 0.44, 0.92, 0.6), Ramp::Brass, 0.08, 0.92);
        lit(p, oval(0.08, 0.04, 0.92, 0.2), Ramp::Rust, 13, 8);
        lit(p, box(0.42, 0, 0.58, 0.1), Ramp::Steel, 13, 5);
        break;
    case Shape::Keycard:
        lit(p, rounded(0, 0.08, 1, 0.92), Ramp::Teal, 12, 4);
        lit(p, box(0, 0.24, 1, 0.38), Ramp::Grey, 3, 1);
        lit(p, box(0.1, 0.5, 0.32, 0.78), Ramp::Brass, 14, 6);
        lit(p, oval(0.78, 0.56, 0.9, 0.74), Ramp::Green, 15, 10);
        break;
    case Shape::Vest:
        lit(p,
            poly({{0.18, 0},
                  {0.36, 0},
                  {0.5, 0.14},
                  {0.64, 0},
                  {0.82, 0},
                  {0.96, 0.22},
                  {0.9, 1},
                  {0.1, 1},
                  {0.04, 0.22}}),
            Ramp::Leather, 10, 3);
        lit(p, box(0.18, 0.28, 0.46, 0.62), Ramp::Steel, 13, 5);
        lit(p, box(0.54, 0.28, 0.82, 0.62), Ramp::Steel, 12, 4);
        lit(p, box(0.1, 0.78, 0.9, 0.88), Ramp::Grey, 4, 2);
        lit(p, box(0.45, 0.76, 0.55, 0.9), Ramp::Brass, 14, 6);
        break;
    case Shape::Cell:
        roundY(p, box(0.04, 0.18, 0.84, 0.82), Ramp::Blue, 0.18, 0.82);
        roundY(p, box(0.56, 0.18, 0.66, 0.82), Ramp::Green, 0.18, 0.82);
        lit(p, box(0.84, 0.34, 0.96, 0.66), Ramp::Grey, 12, 5);
        lit(p, box(0.02, 0.2, 0.06, 0.8), Ramp::Grey, 9, 3);
        break;
    case Shape::Pipe:
        roundY(p, box(0.04, 0.3, 0.96, 0.7), Ramp::Rust, 0.3, 0.7);
        roundY(p, box(0, 0.12, 0.1, 0.88), Ramp::Steel, 0.12, 0.88);
        roundY(p, box(0.9, 0.12, 1, 0.88), Ramp::Steel, 0.12, 0.88);
        break;
    case Shape::Nut: {
        QPolygonF hex;
        for (int k = 0; k < 6; ++k)
            hex << QPointF(0.5 + 0.48 * std::cos(k * kPi / 3), 0.5 + 0.48 * std::sin(k * kPi / 3));
        QPainterPath outer;
        outer.addPolygon(hex);
        outer.closeSubpath();
        lit(p, outer.subtracted(oval(0.3, 0.3, 0.7, 0.7)), Ramp::Steel, 14, 4);
        lit(p, oval(0.22, 0.22, 0.78, 0.78).subtracted(oval(0.3, 0.3, 0.7, 0.7)), Ramp::Steel, 6,
            12);
        break;
    }
    case Shape::Goggles:
        lit(p, box(0, 0.4, 1, 0.6), Ramp::Leather, 8, 3);
        for (double x : {0.04, 0.54}) {
            lit(p, oval(x, 0.1, x + 0.42, 0.9), Ramp::Grey, 10, 3);
            lit(p, oval(x + 0.06, 0.2, x + 0.36, 0.8), Ramp::Green, 14, 4);
        }
        lit(p, box(0.44, 0.38, 0.56, 0.52), Ramp::Grey, 9, 4);
        break;
    case Shape::Radio:
        lit(p, box(0.78, 0, 0.82, 0.26), Ramp::Steel, 13, 6);
        lit(p, rounded(0.04, 0.24, 0.96, 1), Ramp::Blue, 11, 3);
        lit(p, box(0.1, 0.38, 0.5, 0.9), Ramp::Grey, 4, 2);
        for (double y = 0.42; y < 0.88; y += 0.08)
            stroke(p, {0.12, y}, {0.48, y}, Ramp::Grey, 0);
        lit(p, oval(0.6, 0.58, 0.88, 0.9), Ramp::Brass, 15, 5);
        lit(p, box(0.58, 0.34, 0.9, 0.5), Ramp::Green, 15, 9);
        break;
    case Shape::Helmet:
        lit(p, oval(0.04, 0.04, 0.96, 1.4).intersected(box(0, 0, 1, 0.76)), Ramp::Olive, 13, 3);
        lit(p, box(0, 0.7, 1, 0.86), Ramp::Olive, 8, 3);
        roundY(p, box(0.16, 0.44, 0.84, 0.6), Ramp::Green, 0.44, 0.6);
        break;
    case Shape::Can:
        roundX(p, oval(0.06, 0.82, 0.94, 0.98), Ramp::Grey, 0.06, 0.94);
        roundX(p, box(0.06, 0.1, 0.94, 0.9), Ramp::Grey, 0.06, 0.94);
        roundX(p, box(0.06, 0.32, 0.94, 0.72), Ramp::Red, 0.06, 0.94);
        lit(p, oval(0.06, 0.02, 0.94, 0.18), Ramp::Grey, 14, 9);
        break;
    case Shape::Rifle:
    case Shape::Pebble:
        break;
    }
}

bool metal(int ramp) {
    return ramp == int(Ramp::Grey) || ramp == int(Ramp::Steel) || ramp == int(Ramp::Blue);
}

// Dark rim so objects read against any floor, then dents, rust specks and glints.
void weather(QByteArray& px, int w, int h, quint32 seed) {
    const QByteArray src = px;
    auto solid = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && src[y * w + x]; };
    Lcg rng(seed);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = quint8(src[y * w + x]);
            if (v == 0)
                continue;
            int ramp = (v - kRampBase) / 16;
            int shade = (v - kRampBase) % 16;
            if (!solid(x - 1, y) || !solid(x + 1, y) || !solid(x, y - 1) || !solid(x, y + 1)) {
                shade = shade * 2 / 5;
            } else {
                const quint32 roll = rng.next() % 100;
                if (roll < 7)
                    shade = std::max(0, shade - 2);
                else if (roll < 10 && metal(ramp))
                    ramp = int(Ramp::Rust);
                else if (roll == 10)
                    shade = std::min(15, shade + 1);
            }
            px[y * w + x] = char(kRampBase + ramp * 16 + shade);
        }
    }
}

QByteArray itemPixels(Shape shape, int w, int h, quint32 seed) {
    if (shape == Shape::Pebble) {
        // Too small to paint; set by hand on the grey ramp.
        const int g = kRampBase + int(Ramp::Grey) * 16;
        const int dots[16] = {0,     g + 6, g + 5, 0,     g + 8, g + 11, g + 6, g + 3,
                              g + 7, g + 9, g + 5, g + 2, 0,     g + 4,  g + 2, 0};
        QByteArray px(w * h, '\0');
        for (int i = 0; i < w * h; ++i)
            px[i] = char(dots[(i / w % 4) * 4 + i % w % 4]);
        return px;
    }
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 255));
    {
        QPainter p(&img);
        p.setPen(Qt::NoPen);
        drawShape(p, shape, w, h);
    }
    QByteArray px(w * h, '\0');
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qBlue(c) > 127)
                continue;
            const int ramp = std::min(qGreen(c) / 16, int(Ramp::Count) - 1);
            px[y * w + x] = char(kRampBase + ramp * 16 + qRed(c) / 16);
        }
    }
    weather(px, w, h, seed);
    return px;
}

// 5x7 pixel font, one byte per row, leftmost column in bit 4.
const char kGlyphChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-._";
const quint8 kGlyphs[][7] = {
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E},
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
    {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
    {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C},
    {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F},
    {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11},
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},
    {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
    {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04},
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},
    {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
    {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F},
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
    {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1F},
};

// Text is set with our own pixel font: no font files needed, and it suits the terminal look.
void text(QImage& img, const QString& s, int centreX, int top, int scale, QRgb color) {
    const int advance = 6 * scale;
    int x = centreX - (int(s.size()) * advance - scale) / 2;
    for (QChar ch : s) {
        const char key = ch.toUpper().toLatin1();
        const char* at = key ? std::strchr(kGlyphChars, key) : nullptr;
        if (at) {
            const quint8* rows = kGlyphs[at - kGlyphChars];
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 5; ++c)
                    if (rows[r] & (0x10 >> c))
                        for (int dy = 0; dy < scale; ++dy)
                            for (int dx = 0; dx < scale; ++dx)
                                img.setPixel(x + c * scale + dx, top + r * scale + dy, color);
        }
        x += advance;
    }
}

void scanlines(QImage& img) {
    for (int y = 1; y < img.height(); y += 2) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qRgb(qRed(line[x]) * 4 / 5, qGreen(line[x]) * 4 / 5, qBlue(line[x]) * 4 / 5);
    }
}

const QRgb kPhosphor = qRgb(90, 255, 130);

} // namespace

QByteArray palette() {
    QByteArray pal(768, '\0');
    auto put = [&](int index, int r, int g, int b) {
        pal[index * 3] = char(r >> 2); // the game keeps 6-bit VGA components
        pal[index * 3 + 1] = char(g >> 2);
        pal[index * 3 + 2] = char(b >> 2);
    };
    // Entry 0 stays black: it is the transparent colour. 1..15 are terminal blacks.
    for (int i = 1; i < kRampBase; ++i)
        put(i, i * 3, i * 5, i * 3);
    for (int r = 0; r < int(Ramp::Count); ++r) {
        const RampEnds& e = kRamps[r];
        for (int s = 0; s < 16; ++s)
            put(kRampBase + r * 16 + s, e.r0 + (e.r1 - e.r0) * s / 15,
                e.g0 + (e.g1 - e.g0) * s / 15, e.b0 + (e.b1 - e.b0) * s / 15);
    }
    return pal;
}

QByteArray frameFile(Shape shape, int w, int h, quint32 seed) {
    return frameFileOf({{w, h, itemPixels(shape, w, h, seed)}});
}

QImage critterPreview(const QString& name, const Look& look, int direction) {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::black);
    // The facing mark on the ground turns with the figure (see paintFigure).
    const double turn = (direction - 2) * kPi / 3;
    const double c = std::cos(turn), sn = std::sin(turn);
    const double scale = look.figure == Figure::Beast ? 1.3 : 1.0;
    const QPointF origin(50, 77);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QPolygonF hex;
        for (int k = 0; k < 6; ++k) {
            const double a = kPi / 6 + k * kPi / 3;
            hex << origin + QPointF(28 * std::cos(a), 12 * std::sin(a));
        }
        p.setPen(QPen(QColor(0, 110, 50), 1));
        p.setBrush(QColor(0, 24, 12));
        p.drawPolygon(hex);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 8, 4));
        p.drawEllipse(origin, 16 * scale, 6 * scale);
        p.setPen(QPen(QColor(60, 220, 110), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(origin + QPointF(17 * c, 7.5 * sn), origin + QPointF(25 * c, 11 * sn));

        paintFigure(p, look, direction, origin);
    }
    scanlines(img);
    text(img, name, 50, 92, 1, kPhosphor);
    return img;
}

QImage noPreview() {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(QColor(16, 18, 16));
    {
        QPainter p(&img);
        // Brushed-metal streaks.
        Lcg rng(7);
        for (int i = 0; i < 70; ++i) {
            const int y = int(rng.next() % 100), x = int(rng.next() % 80);
            const int len = 10 + int(rng.next() % 30), tone = 22 + int(rng.next() % 10);
            p.setPen(QColor(tone, tone + 2, tone));
            p.drawLine(x, y, x + len, y);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(52, 58, 52), 3));
        p.drawRect(2, 2, 95, 95);
        p.setPen(QColor(0, 100, 44));
        p.drawRect(7, 7, 85, 85);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(86, 92, 86));
        for (QPointF at :
             {QPointF(4.5, 4.5), QPointF(94.5, 4.5), QPointF(4.5, 94.5), QPointF(94.5, 94.5)})
            p.drawEllipse(at, 1.6, 1.6);
    }
    scanlines(img);
    text(img, QStringLiteral("NO"), 50, 33, 2, kPhosphor);
    text(img, QStringLiteral("PREVIEW"), 50, 53, 2, kPhosphor);
    return img;
}

} // namespace demo
