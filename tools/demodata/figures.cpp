// Critter figures: painted for the preview bitmaps and as the critters' own frame art.
#include "demodata.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace demo {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A figure is a handful of balls and limbs in its own space: forward, side (to its right)
// and height. Turning it means rotating those points, so all six views stay consistent.
struct Part {
    double f1, s1, h1, f2, s2, h2;
    double size;
    QColor color;
    bool ball, glow;
};

class Rig {
public:
    void ball(double f, double s, double h, double r, QColor c, bool glow = false) {
        parts.push_back({f, s, h, f, s, h, r, c, true, glow});
    }
    void limb(double f1, double s1, double h1, double f2, double s2, double h2, double w,
              QColor c) {
        parts.push_back({f1, s1, h1, f2, s2, h2, w, c, false, false});
    }
    std::vector<Part> parts;
};

void buildRobot(Rig& rig, const Look& look) {
    const QColor body(look.body), trim(look.trim), glow(look.glow);
    for (double sd : {-6.0, 6.0}) {
        rig.limb(0, sd * 0.9, 30, 5, sd, 16, 6, trim);
        rig.limb(5, sd, 16, 1, sd, 2, 5, trim);
        rig.limb(-2, sd, 1, 6, sd, 1, 4, trim.darker(130));
        rig.limb(2, sd * 1.9, 48, 12, sd * 2.1, 36, 4.5, trim);
        rig.ball(13, sd * 2.1, 34, 3.2, trim.lighter(120));
    }
    rig.ball(-3, 0, 38, 14, body);
    rig.ball(3, 0, 48, 11, body);
    rig.ball(-15, 0, 44, 5, trim);
    rig.ball(11, 0, 54, 7.5, body.lighter(110));
    rig.ball(17.5, 0, 55, 2.4, glow, true);
    rig.limb(7, 0, 60, 2, 0, 69, 1.5, QColor(120, 124, 120));
    rig.ball(2, 0, 70, 1.8, glow, true);
}

void buildScout(Rig& rig, const Look& look) {
    const QColor body(look.body), trim(look.trim), glow(look.glow);
    for (double sd : {-4.0, 4.0}) {
        rig.limb(0, sd * 0.7, 34, 2, sd, 18, 3.5, body);
        rig.limb(2, sd, 18, 0, sd, 2, 3, body);
        rig.limb(-1, sd, 1, 4, sd, 1, 3, trim.darker(140));
        rig.limb(1, sd * 1.4, 55, 8, sd * 1.5, 45, 2.5, body);
    }
    rig.limb(0, 0, 34, 1, 0, 56, 8, body);
    rig.ball(-7, 0, 48, 6, trim);
    rig.ball(2, 0, 64, 5.5, body.lighter(125));
    rig.ball(6.5, 0, 64.5, 1.8, glow, true);
    rig.limb(2, 6, 46, 22, 6, 50, 2.5, QColor(70, 72, 70));
}

void buildBeast(Rig& rig, const Look& look) {
    const QColor body(look.body), trim(look.trim), glow(look.glow);
    for (double sd : {-5.0, 5.0}) {
        rig.limb(8, sd, 18, 10, sd * 1.1, 9, 3.5, body.darker(120));
        rig.limb(10, sd * 1.1, 9, 9, sd * 1.1, 1, 3, body.darker(120));
        rig.limb(-12, sd, 18, -15, sd * 1.1, 9, 3.5, body.darker(120));
        rig.limb(-15, sd * 1.1, 9, -12, sd * 1.1, 1, 3, body.darker(120));
        rig.limb(12, sd * 0.6, 32, 10, sd * 0.8, 38, 2.5, trim);
        rig.ball(18.5, sd * 0.6, 29.5, 1.5, glow, true);
    }
    rig.ball(-10, 0, 22, 9.5, body);
    rig.ball(2, 0, 23, 10.5, body);
    rig.ball(14, 0, 27, 7, body.lighter(115));
    rig.ball(20, 0, 24, 4, trim);
    rig.limb(-19, 0, 24, -27, 0, 31, 2.5, trim);
    for (double f : {-12.0, -6.0, 0.0})
        rig.ball(f, 0, 31 + (f + 12) / 6, 2.4, trim.lighter(110));
}

// The art is painted once on a roomy canvas with the feet at one spot; every direction is
// then cut to the box that holds all six, so the figure turns in place.
constexpr int kCanvas = 128;
const QPointF kFeet(64, 110);

QImage paintedDirection(const Look& look, int direction) {
    QImage img(kCanvas, kCanvas, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintFigure(p, look, direction + 1, kFeet);
    return img;
}

// Nearest palette entry by RGB distance; entry 0 is left out, as it is transparent.
class Quantizer {
public:
    Quantizer() {
        const QByteArray pal = palette();
        for (int i = 0; i < 256; ++i)
            m_colours[i] = qRgb(quint8(pal[3 * i]) << 2, quint8(pal[3 * i + 1]) << 2,
                                quint8(pal[3 * i + 2]) << 2);
    }
    char index(QRgb c) {
        if (qAlpha(c) < 128)
            return 0;
        const QRgb key = c | 0xFF000000;
        const auto known = m_cache.constFind(key);
        if (known != m_cache.cend())
            return *known;
        int best = 1, bestDistance = 1 << 30;
        for (int i = 1; i < 256; ++i) {
            const int dr = qRed(c) - qRed(m_colours[i]), dg = qGreen(c) - qGreen(m_colours[i]);
            const int db = qBlue(c) - qBlue(m_colours[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance)
                best = i, bestDistance = d;
        }
        return m_cache[key] = char(best);
    }

private:
    QRgb m_colours[256];
    QHash<QRgb, char> m_cache;
};

std::vector<FramePixels> directions(const Look& look) {
    std::vector<QImage> painted;
    QRect used;
    for (int d = 0; d < 6; ++d) {
        painted.push_back(paintedDirection(look, d));
        for (int y = 0; y < kCanvas; ++y)
            for (int x = 0; x < kCanvas; ++x)
                if (qAlpha(painted.back().pixel(x, y)) >= 128)
                    used |= QRect(x, y, 1, 1);
    }
    Quantizer q;
    std::vector<FramePixels> out;
    for (const QImage& img : painted) {
        FramePixels f{used.width(), used.height(), QByteArray(used.width() * used.height(), 0)};
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x)
                f.pixels[y * f.width + x] = q.index(img.pixel(used.x() + x, used.y() + y));
        out.push_back(std::move(f));
    }
    return out;
}

} // namespace

void paintFigure(QPainter& p, const Look& look, int direction, QPointF origin) {
    // Direction 2 faces screen east; each step turns 60 degrees clockwise, so 3 comes
    // towards the viewer on the right.
    const double turn = (direction - 2) * kPi / 3;
    const double c = std::cos(turn), sn = std::sin(turn);
    const double scale = look.figure == Figure::Beast ? 1.3 : 1.0;
    auto project = [&](double f, double s, double h, double* depth) {
        const double x = (f * c - s * sn) * scale, z = (f * sn + s * c) * scale;
        if (depth)
            *depth = z;
        return QPointF(origin.x() + x, origin.y() - h * scale + z * 0.5);
    };
    Rig rig;
    if (look.figure == Figure::Robot)
        buildRobot(rig, look);
    else if (look.figure == Figure::Scout)
        buildScout(rig, look);
    else
        buildBeast(rig, look);
    // Painter's order: parts further from the viewer first.
    std::vector<std::pair<double, const Part*>> order;
    for (const Part& part : rig.parts) {
        double d1 = 0, d2 = 0;
        project(part.f1, part.s1, part.h1, &d1);
        project(part.f2, part.s2, part.h2, &d2);
        order.emplace_back((d1 + d2) / 2, &part);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [depth, part] : order) {
        const QPointF a = project(part->f1, part->s1, part->h1, nullptr);
        const double size = part->size * scale;
        if (!part->ball) {
            const QPointF b = project(part->f2, part->s2, part->h2, nullptr);
            const QPointF off(-size * 0.18, -size * 0.18);
            p.setPen(QPen(part->color.darker(150), size, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, b);
            p.setPen(QPen(part->color.lighter(120), size * 0.45, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a + off, b + off);
            continue;
        }
        p.setPen(Qt::NoPen);
        if (part->glow) {
            QRadialGradient halo(a, size * 3);
            QColor inner = part->color, outer = part->color;
            inner.setAlpha(150);
            outer.setAlpha(0);
            halo.setColorAt(0, inner);
            halo.setColorAt(1, outer);
            p.setBrush(halo);
            p.drawEllipse(a, size * 3, size * 3);
            p.setBrush(part->color.lighter(130));
            p.drawEllipse(a, size, size);
            continue;
        }
        QRadialGradient g(a, size, a + QPointF(-0.35 * size, -0.4 * size));
        g.setColorAt(0, part->color.lighter(160));
        g.setColorAt(0.55, part->color);
        g.setColorAt(1, part->color.darker(260));
        p.setBrush(g);
        p.drawEllipse(a, size, size);
    }
}

QByteArray frameFileOf(const std::vector<FramePixels>& frames, int perDirection, int fps) {
    QByteArray data;
    QList<quint32> offsets;
    for (const FramePixels& f : frames) {
        offsets << quint32(data.size());
        be16(data, f.width);
        be16(data, f.height);
        be32(data, f.width * f.height);
        be16(data, 0); // no offset from the object's hex
        be16(data, 0);
        data += f.pixels;
    }
    QByteArray d;
    be32(d, 4); // version
    be16(d, quint16(fps));
    be16(d, 0); // action frame
    be16(d, quint16(perDirection));
    for (int i = 0; i < 12; ++i)
        be16(d, 0); // shift x and y per direction
    for (int i = 0; i < 6; ++i)
        be32(d, offsets.value(i * perDirection, offsets.value(0))); // one direction: all share it
    be32(d, quint32(data.size()));
    return d + data;
}

QByteArray critterArt(const Look& look) {
    // Standing still, breathing: each direction bobs up a pixel and back in four frames.
    std::vector<FramePixels> frames;
    for (const FramePixels& f : directions(look))
        for (int k = 0; k < 4; ++k) {
            const int down = k == 1 || k == 2 ? 0 : 1;
            FramePixels bob{f.width, f.height + 1, QByteArray((f.height + 1) * f.width, 0)};
            bob.pixels.replace(down * f.width, f.pixels.size(), f.pixels);
            frames.push_back(std::move(bob));
        }
    return frameFileOf(frames, 4, 4);
}

std::vector<QByteArray> critterArtPerDirection(const Look& look) {
    std::vector<QByteArray> files;
    for (FramePixels& f : directions(look))
        files.push_back(frameFileOf({std::move(f)}));
    return files;
}

} // namespace demo
