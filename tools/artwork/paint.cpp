// Drawing kit for the skin artwork; see paint.h.
#include "paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygon>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Smooth random field in -1..1 with features about `cell` pixels wide: blotchy, worn paint.
std::vector<float> valueNoise(int w, int h, int cell, Rng& rng) {
    const int gw = w / cell + 2, gh = h / cell + 2;
    std::vector<float> grid(size_t(gw) * size_t(gh));
    for (float& g : grid)
        g = float(rng.range(-1, 1));
    std::vector<float> out(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const double fy = double(y) / cell;
        const int iy = int(fy);
        const double ty = (fy - iy) * (fy - iy) * (3 - 2 * (fy - iy));
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / cell;
            const int ix = int(fx);
            const double tx = (fx - ix) * (fx - ix) * (3 - 2 * (fx - ix));
            auto at = [&](int gx, int gy) { return double(grid[size_t(gy) * gw + gx]); };
            const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
            const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
            out[size_t(y) * w + x] = float(top + (bottom - top) * ty);
        }
    }
    return out;
}

// Roughly normal, spread about -1..1: rust gathers round a spot instead of filling a square.
double lump(Rng& rng) {
    return (rng.unit() + rng.unit() + rng.unit() - 1.5) / 1.5;
}

void rust(QPainter& p, Rng& rng, QPointF c, double radius) {
    static const QColor kTones[] = {{112, 54, 24}, {146, 74, 32}, {84, 40, 20}, {128, 86, 40}};
    p.setPen(Qt::NoPen);
    const int dots = int(radius * radius * 0.9) + 6;
    for (int i = 0; i < dots; ++i) {
        QColor t = kTones[rng.below(4)];
        t.setAlpha(int(rng.range(14, 50)));
        p.setBrush(t);
        const double d = rng.range(0.4, 1.8);
        p.drawEllipse(QPointF(c.x() + lump(rng) * radius, c.y() + lump(rng) * radius * 0.8), d, d);
    }
    // Water carried the rust downwards: a few fading runs below the stain.
    const int runs = 1 + rng.below(3);
    for (int i = 0; i < runs; ++i) {
        const double x = c.x() + lump(rng) * radius * 0.6, len = radius * rng.range(1.0, 2.6);
        QLinearGradient g(x, c.y(), x, c.y() + len);
        g.setColorAt(0, QColor(120, 60, 26, int(rng.range(40, 80))));
        g.setColorAt(1, QColor(120, 60, 26, 0));
        p.setBrush(g);
        p.drawRect(QRectF(x, c.y(), rng.range(0.8, 2.2), len));
    }
}

// Three box blurs in a row come close to a gaussian; edges fade to transparent.
QImage blurred(const QImage& src, int radius) {
    QImage a = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = a.width(), h = a.height(), span = 2 * radius + 1;
    for (int pass = 0; pass < 6; ++pass) {
        const bool across = pass % 2 == 0;
        QImage b(a.size(), a.format());
        const int n = across ? w : h, lines = across ? h : w;
        const int stride = a.bytesPerLine() / 4;
        const QRgb* from = reinterpret_cast<const QRgb*>(a.constBits());
        QRgb* to = reinterpret_cast<QRgb*>(b.bits());
        for (int l = 0; l < lines; ++l) {
            auto index = [&](int i) { return across ? l * stride + i : i * stride + l; };
            int sum[4] = {0, 0, 0, 0};
            auto add = [&](int i, int sign) {
                const QRgb v = from[index(i)];
                sum[0] += sign * qAlpha(v);
                sum[1] += sign * qRed(v);
                sum[2] += sign * qGreen(v);
                sum[3] += sign * qBlue(v);
            };
            for (int i = 0; i <= radius && i < n; ++i)
                add(i, 1);
            for (int i = 0; i < n; ++i) {
                to[index(i)] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
                if (i - radius >= 0)
                    add(i - radius, -1);
                if (i + radius + 1 < n)
                    add(i + radius + 1, 1);
            }
        }
        a = b;
    }
    return a;
}

} // namespace

quint64 seedOf(const char* name) {
    quint64 h = 0xCBF29CE484222325ull; // FNV-1a
    for (; *name; ++name)
        h = (h ^ quint8(*name)) * 0x100000001B3ull;
    return h;
}

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont mono(int px, qreal spacing) {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(px);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sans(int px, bool bold, qreal spacing) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont narrow(int px) {
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(px);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void metal(QImage& img, const QRect& r, quint64 seed, double light) {
    Rng rng(seed);
    const QRect area = r.intersected(img.rect());
    const int w = area.width(), h = area.height();
    const std::vector<float> blotch = valueNoise(w, h, 26, rng), grain = valueNoise(w, h, 5, rng);
    double streak = 0;
    for (int y = 0; y < h; ++y) {
        // Brushing leaves faint horizontal streaks; the plate is lit from above.
        streak = streak * 0.55 + rng.range(-1, 1) * 0.45;
        const double base = (80 - 26.0 * y / std::max(1, h - 1)) * light;
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(area.top() + y)) + area.left();
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * w + x;
            const double v = base + blotch[i] * 9 + grain[i] * 3 + streak * 3 + rng.range(-4, 4);
            auto c = [](double d) { return std::clamp(int(std::lround(d)), 0, 255); };
            line[x] = qRgb(c(v), c(v * 1.04 + 1), c(v * 1.10 + 3));
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area);
    const int scratches = w * h / 2200 + 2;
    for (int i = 0; i < scratches; ++i) {
        const QPointF a(area.left() + rng.range(0, w), area.top() + rng.range(0, h));
        const double angle = rng.range(-0.5, 0.5) + (rng.unit() < 0.3 ? kPi / 2 : 0);
        const double len = rng.range(3, 26);
        const QPointF b = a + QPointF(std::cos(angle), std::sin(angle)) * len;
        const int alpha = int(rng.range(22, 70) * light);
        p.setPen(QPen(QColor(0, 0, 0, alpha / 2), 0.9));
        p.drawLine(a + QPointF(0, 1), b + QPointF(0, 1));
        p.setPen(QPen(QColor(214, 220, 226, alpha), 0.8));
        p.drawLine(a, b);
    }
    const int stains = w * h / 30000 + (rng.unit() < 0.5 ? 1 : 0);
    for (int i = 0; i < stains; ++i)
        rust(p, rng, QPointF(area.left() + rng.range(0, w), area.top() + rng.range(0, h)),
             rng.range(4, std::min(22.0, h / 2.0 + 2)));
}

void bevel(QPainter& p, const QRect& r, int width, bool raised, int strength) {
    // Light falls from the top left: raised edges catch it there, sunken ones opposite.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        const int a = strength * (width - i) / width;
        const QColor hi(255, 250, 236, a), lo(0, 0, 0, std::min(255, a + 60));
        const QRect e = r.adjusted(i, i, -i, -i);
        p.setPen(raised ? hi : lo);
        p.drawLine(e.left(), e.top(), e.right() - 1, e.top());
        p.drawLine(e.left(), e.top() + 1, e.left(), e.bottom() - 1);
        p.setPen(raised ? lo : hi);
        p.drawLine(e.left(), e.bottom(), e.right(), e.bottom());
        p.drawLine(e.right(), e.top(), e.right(), e.bottom() - 1);
    }
    p.restore();
}

void well(QImage& img, const QRect& inner, int depth, const QColor& floor) {
    QPainter p(&img);
    const QRect o = inner.adjusted(-depth, -depth, depth, depth);
    const QPoint otl = o.topLeft(), otr = o.topRight() + QPoint(1, 0);
    const QPoint obl = o.bottomLeft() + QPoint(0, 1), obr = o.bottomRight() + QPoint(1, 1);
    const QPoint itl = inner.topLeft(), itr = inner.topRight() + QPoint(1, 0);
    const QPoint ibl = inner.bottomLeft() + QPoint(0, 1), ibr = inner.bottomRight() + QPoint(1, 1);
    // The walls go over the metal, so they keep its grain: shaded on top, lit at the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPolygon(QPolygon({otl, otr, itr, itl}));
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPolygon(QPolygon({otl, itl, ibl, obl}));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPolygon(QPolygon({otr, obr, ibr, itr}));
    p.setBrush(QColor(255, 248, 230, 28));
    p.drawPolygon(QPolygon({obl, ibl, ibr, obr}));
    // A dark seam round the opening and a worn, lit lip at its lower edge.
    p.setPen(QColor(0, 0, 0, 150));
    p.drawLine(o.left() - 1, o.top() - 1, o.right() + 1, o.top() - 1);
    p.drawLine(o.left() - 1, o.top(), o.left() - 1, o.bottom() + 1);
    p.setPen(QColor(255, 250, 236, 70));
    p.drawLine(o.left(), o.bottom() + 1, o.right() + 1, o.bottom() + 1);
    p.drawLine(o.right() + 1, o.top(), o.right() + 1, o.bottom());
    p.fillRect(inner, floor);
    QLinearGradient shade(0, inner.top(), 0, inner.top() + std::min(8, inner.height() / 2));
    shade.setColorAt(0, QColor(0, 0, 0, 150));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(inner, shade);
}

void screen(QImage& img, const QRect& inner, int depth) {
    well(img, inner, depth, kGlass);
    QPainter p(&img);
    p.setClipRect(inner);
    // The tube glows faintly in the middle and darkens to the corners.
    QRadialGradient tube(inner.center(), std::max(inner.width(), inner.height()) * 0.7);
    tube.setColorAt(0, QColor(20, 70, 36, 60));
    tube.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(inner, tube);
    for (int y = inner.top() + 1; y <= inner.bottom(); y += 2)
        p.fillRect(QRect(inner.left(), y, inner.width(), 1), QColor(0, 0, 0, 55));
    QLinearGradient sheen(inner.topLeft(), inner.bottomRight());
    sheen.setColorAt(0, QColor(200, 255, 220, 16));
    sheen.setColorAt(0.45, QColor(200, 255, 220, 0));
    p.fillRect(inner, sheen);
}

void rivet(QPainter& p, QPointF c, double r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(0.7, 1.0), r + 0.4, r + 0.4);
    QRadialGradient body(c, r, c - QPointF(r * 0.4, r * 0.45));
    body.setColorAt(0, QColor(186, 190, 194));
    body.setColorAt(0.5, QColor(92, 97, 102));
    body.setColorAt(1, QColor(34, 37, 40));
    p.setBrush(body);
    p.setPen(QPen(QColor(14, 15, 16, 200), 0.6));
    p.drawEllipse(c, r, r);
    p.restore();
}

void rivets(QPainter& p, const QRect& r, int inset, double radius) {
    const QRectF in = QRectF(r).adjusted(inset, inset, -inset, -inset);
    for (QPointF c : {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight()})
        rivet(p, c, radius);
}

void vents(QPainter& p, const QRect& r, int count, bool vertical) {
    // Louvre slots: a dark cut with its lower lip catching the light.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double step = double(vertical ? r.width() : r.height()) / count;
    for (int i = 0; i < count; ++i) {
        const double at = (vertical ? r.left() : r.top()) + step * (i + 0.5);
        const QLineF cut = vertical ? QLineF(at, r.top() + 2, at, r.bottom() - 2)
                                    : QLineF(r.left() + 2, at, r.right() - 2, at);
        const QPointF lip = vertical ? QPointF(1.2, 0) : QPointF(0, 1.4);
        p.setPen(QPen(QColor(255, 250, 236, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cut.translated(lip));
        p.setPen(QPen(QColor(4, 5, 6, 230), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cut);
    }
    p.restore();
}

void engrave(QPainter& p, const QRect& box, const QString& text, const QFont& font, int flags) {
    p.save();
    p.setFont(font);
    p.setPen(QColor(255, 250, 236, 45));
    p.drawText(box.translated(0, 1), flags, text);
    p.setPen(QColor(8, 9, 10, 170));
    p.drawText(box, flags, text);
    p.restore();
}

void glow(QImage& img, double strength, int radius, const Ink& ink) {
    QImage layer = canvas(img.width(), img.height());
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setRenderHint(QPainter::TextAntialiasing);
        ink(lp);
    }
    const QImage halo = blurred(layer, radius);
    QPainter p(&img);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.setOpacity(std::min(1.0, strength));
    p.drawImage(0, 0, halo);
    if (strength > 1) {
        p.setOpacity(strength - 1);
        p.drawImage(0, 0, blurred(halo, radius));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1);
    p.drawImage(0, 0, layer);
}

void glowText(QImage& img, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour, double strength, int flags) {
    glow(img, strength, std::max(1, font.pixelSize() / 6), [&](QPainter& p) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, flags, text);
    });
}

void gear(QPainter& p, QPointF c, double outer, double inner, int teeth, double hole) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        // Each tooth: rise, flat top, fall, flat root; the top is a little narrower.
        const double a = 2 * kPi * (i + (i % 4 == 1 ? 0.15 : i % 4 == 2 ? -0.15 : 0)) / steps;
        const double rad = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rad;
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    if (hole > 0)
        path.addEllipse(c, hole, hole);
    p.drawPath(path);
}

void icon(QPainter& p, Icon kind, const QRectF& b, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = colour;
    fill.setAlpha(90);
    const double w = b.width(), h = b.height();
    switch (kind) {
    case Icon::None:
        break;
    case Icon::Folder: {
        QPainterPath path;
        path.moveTo(b.left(), b.top() + h * 0.15);
        path.lineTo(b.left() + w * 0.4, b.top() + h * 0.15);
        path.lineTo(b.left() + w * 0.52, b.top() + h * 0.32);
        path.lineTo(b.right(), b.top() + h * 0.32);
        path.lineTo(b.right(), b.bottom());
        path.lineTo(b.left(), b.bottom());
        path.closeSubpath();
        p.setPen(QPen(colour, 1.3));
        p.setBrush(fill);
        p.drawPath(path);
        p.drawLine(QPointF(b.left(), b.top() + h * 0.48), QPointF(b.right(), b.top() + h * 0.48));
        break;
    }
    case Icon::Gear:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        gear(p, b.center(), w * 0.5, w * 0.36, 8, w * 0.15);
        break;
    case Icon::Cross:
        p.setPen(QPen(colour, std::max(1.6, w / 6), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(b.topLeft() + QPointF(1.5, 1.5), b.bottomRight() - QPointF(1.5, 1.5));
        p.drawLine(b.topRight() + QPointF(-1.5, 1.5), b.bottomLeft() + QPointF(1.5, -1.5));
        break;
    case Icon::Bar:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRect(QRectF(b.left(), b.bottom() - 2.5, w, 2.5));
        break;
    case Icon::Disk: {
        const QRectF d = b.adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(colour, 1.2));
        p.setBrush(fill);
        p.drawRoundedRect(d, 1.2, 1.2);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(d.left() + w * 0.25, d.top(), w * 0.45, h * 0.32));
        p.drawRect(QRectF(d.left() + w * 0.18, d.top() + h * 0.55, w * 0.64, h * 0.4));
        break;
    }
    }
    p.restore();
}

} // namespace art
