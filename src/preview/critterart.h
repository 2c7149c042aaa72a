#pragma once

#include "framedecoder.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

namespace zantrel {

// The critter preview's picture: the size of its label and the black of its panel.
constexpr QSize kCritterBox(117, 117);
constexpr QRgb kCritterBackground = 0xFF000000;

// Reads a game file by its name relative to the game's data ("art/critters/x.frm", '/'
// between folders); nothing when no place has it. A GameView or the sources folder
// stands behind it.
using GameFileReader = std::function<std::optional<QByteArray>(const QString& relativePath)>;

// The first frame of direction 0..5 of a frame file on a 117 x 117 picture filled with
// background, placed as the label places a prepared bitmap: left = (117 - width) / 2 and
// top = (117 - height) / 2, rounded toward zero. A larger frame is thus cut to its middle.
// Index 0 shows the background. Only bytes the file has are read, whatever its header
// claims; a direction outside 0..5 or a frame the file lacks gives the bare background.
// The picture is RGB32, or ARGB32 when background is not opaque.
QImage renderCritterDirection(const QByteArray& frameFile, int direction, const Palette& palette,
                              QRgb background = kCritterBackground);

// Frame `frame` (from 0) of direction 0..5, drawn as renderCritterDirection draws the first;
// a frame the file lacks gives the bare background.
QImage renderCritterFrame(const QByteArray& frameFile, int direction, int frame,
                          const Palette& palette, QRgb background = kCritterBackground);

// The names the game tries for a critter's standing art, facing 1..6 (direction facing - 1),
// in order: art/critters/<base>aa.frm, then the direction's own art/critters/<base>aa.fr<n>.
// Empty for a facing outside 1..6.
QStringList critterStandPaths(const QString& base, int facing);

// A critter's standing art for one facing: the file and which of its directions it is.
struct StandingArt {
    QByteArray file;
    int direction = 0;
    // The frames the direction plays, and how many a second (the game's 10 for a header's 0).
    int frames() const { return std::max(1, framesPerDirection(file)); }
    int fps() const { return framesPerSecond(file) > 0 ? framesPerSecond(file) : 10; }
};

// Where renderCritterFacing finds the art of facing 1..6: direction facing - 1 of
// <base>aa.frm, else direction 0 of <base>aa.fr<facing - 1>; nothing when read has neither.
std::optional<StandingArt> findStandingArt(const GameFileReader& read, const QString& base,
                                           int facing);

// The critter's standing art for facing 1..6 as renderCritterDirection draws it: the
// direction facing - 1 of <base>aa.frm when read gives that file, else direction 0 of
// <base>aa.fr<facing - 1>. Nothing when read has neither (or facing is outside 1..6); the
// preview then shows its not-available picture. base is the critter list's entry up to its
// first comma. Whatever read throws passes through.
std::optional<QImage> renderCritterFacing(const GameFileReader& read, const QString& base,
                                          int facing, const Palette& palette,
                                          QRgb background = kCritterBackground);

} // namespace zantrel
