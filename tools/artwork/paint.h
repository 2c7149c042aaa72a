// Drawing kit for the skin artwork: worn gunmetal, bevels, recessed slots and phosphor ink.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

namespace art {

// Fixed-seed generator (splitmix64) so every run writes byte-identical pictures.
class Rng {
public:
    explicit Rng(quint64 seed) : state_(seed) {}
    quint64 next() {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return int(next() % quint64(n)); }

private:
    quint64 state_;
};

// Seeds come from names, so adding a picture never changes the others.
quint64 seedOf(const char* name);

inline const QColor kPhosphor{0x33, 0xff, 0x66};
inline const QColor kPhosphorDim{0x1e, 0xa0, 0x44};
inline const QColor kPhosphorHot{0xb0, 0xff, 0xc4};
inline const QColor kGlass{0x05, 0x0d, 0x08};
inline const QColor kFloor{0x0b, 0x0e, 0x0d};

QImage canvas(int w, int h); // transparent, premultiplied ARGB: the format every step works in
QFont mono(int px, qreal spacing = 0);
QFont sans(int px, bool bold, qreal spacing = 0);
QFont narrow(int px); // condensed bold, for labels on the smallest keys

void metal(QImage& img, const QRect& r, quint64 seed, double light = 1.0);
void bevel(QPainter& p, const QRect& r, int width, bool raised, int strength = 80);
void well(QImage& img, const QRect& inner, int depth, const QColor& floor = kFloor);
void screen(QImage& img, const QRect& inner, int depth);
void rivet(QPainter& p, QPointF c, double r);
void rivets(QPainter& p, const QRect& r, int inset, double radius);
void vents(QPainter& p, const QRect& r, int count, bool vertical);
void engrave(QPainter& p, const QRect& box, const QString& text, const QFont& font,
             int flags = Qt::AlignCenter);

// Phosphor ink: whatever `ink` paints is drawn crisp over a blurred halo of itself.
using Ink = std::function<void(QPainter&)>;
void glow(QImage& img, double strength, int radius, const Ink& ink);
void glowText(QImage& img, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour, double strength, int flags = Qt::AlignCenter);

enum class Icon { None, Folder, Gear, Cross, Bar, Disk };
void icon(QPainter& p, Icon kind, const QRectF& box, const QColor& colour);
void gear(QPainter& p, QPointF c, double outer, double inner, int teeth, double hole);

} // namespace art
