// Shared pieces of zantrel_demodata: byte helpers and the picture makers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRgb>
#include <QString>

#include <vector>

class QPainter;

namespace demo {

// The game's files are big-endian throughout.
inline void be16(QByteArray& d, quint32 v) {
    d.append(char(v >> 8));
    d.append(char(v));
}
inline void be32(QByteArray& d, quint32 v) {
    be16(d, v >> 16);
    be16(d, v & 0xFFFF);
}

// Tiny fixed-seed generator so every run writes the same bytes.
class Lcg {
public:
    explicit Lcg(quint32 seed) : state_(seed) {}
    quint32 next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 16;
    }

private:
    quint32 state_;
};

// Colour ramps of the invented palette, 16 shades each from dark to light.
enum class Ramp {
    Grey,
    Green,
    Rust,
    Blue,
    Red,
    Brass,
    Olive,
    Copper,
    Bone,
    Teal,
    Steel,
    Leather,
    Amber,
    Violet,
    WarmGrey,
    Count
};

enum class Shape {
    Wrench,
    Bottle,
    Crate,
    AmmoBox,
    Ring,
    Pistol,
    Knife,
    Syringe,
    Canister,
    Keycard,
    Vest,
    Cell,
    Pipe,
    Nut,
    Goggles,
    Radio,
    Rifle,
    Pebble,
    Helmet,
    Can
};

enum class Figure { Robot, Scout, Beast };

struct Look {
    Figure figure;
    QRgb body;
    QRgb trim;
    QRgb glow;
};

// One frame's size and palette indices, row by row.
struct FramePixels {
    int width, height;
    QByteArray pixels;
};

QByteArray palette();
// A frame file with one frame per direction: one frame serves all six directions, six give
// each its own.
// perDirection > 1: that many frames of each direction in turn, fps of them a second.
QByteArray frameFileOf(const std::vector<FramePixels>& frames, int perDirection = 1, int fps = 10);
QByteArray frameFile(Shape shape, int width, int height, quint32 seed);
// Paints a critter standing at origin, turned to direction 1..6 of the preview.
void paintFigure(QPainter& p, const Look& look, int direction, QPointF origin);
// The critter's standing art: one file of six directions of four frames each, or six files of
// one frame each.
QByteArray critterArt(const Look& look);
std::vector<QByteArray> critterArtPerDirection(const Look& look);
// A frame of the scenery, wall, tile or misc art list: <stem><number>.frm.
QByteArray sceneryArt(const char* stem, int number);
QImage critterPreview(const QString& name, const Look& look, int direction);
QImage noPreview();

} // namespace demo
