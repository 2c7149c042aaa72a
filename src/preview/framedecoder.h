#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

namespace zantrel {

// The game palette: 256 entries of red, green, blue, each 0..63, scaled by four.
class Palette {
public:
    Palette() { m_colours.fill(qRgb(0, 0, 0)); } // all black, as an unreadable palette draws
    // Missing entries of a short file stay black; bytes past the 768th are ignored.
    static Palette fromBytes(const QByteArray& bytes);
    QRgb colour(int index) const { return m_colours[std::size_t(index & 0xFF)]; }

private:
    std::array<QRgb, 256> m_colours;
};

enum class FrameSize { Full = 0, Half = 1 };

constexpr QRgb kFrameBackground = 0xFF808080; // grey 128, 128, 128
constexpr QSize kPictureBox(157, 117);

// The grey picture a box shows with no frame in it.
QImage greyPicture(QSize box = kPictureBox);

// Where the first frame of direction 0..5 starts in a frame file: after the 62-byte header,
// at the offset the header gives for that direction. A file with one direction gives the
// same offset for all six. -1 for a direction outside 0..5.
qint64 directionFrameStart(const QByteArray& frameFile, int direction);

// The width and height the frame header at byte start claims; bytes the file lacks read 0.
QSize frameSize(const QByteArray& frameFile, qint64 start);

// What the file header claims: frames per second (offset 4) and frames per direction
// (offset 8); 0 where the file is too short to hold them.
int framesPerSecond(const QByteArray& frameFile);
int framesPerDirection(const QByteArray& frameFile);

// Where frame `frame` (from 0) of direction 0..5 starts: each frame is its 12-byte header and
// the pixel count that header gives. -1 for a direction outside 0..5, a negative frame, or
// a frame the file ends before.
qint64 frameStart(const QByteArray& frameFile, int direction, int frame);

// Paints the frame whose header starts at byte start onto a 32-bit picture, the frame's
// top-left pixel at `at`. step 1 takes every pixel, 2 every second pixel of every second
// row. Index 0 is transparent. Only bytes the file has are read, whatever its header
// claims, and only pixels inside the picture are visited.
void paintFrame(QImage& picture, const QByteArray& frameFile, qint64 start, QPoint at, int step,
                const Palette& palette);

// Paints the first frame of a frame file, centred, onto a grey picture of the box's size.
// sizeMode 0 draws every pixel, 1 every second pixel of every second row, any other value
// nothing. Index 0 is transparent. Only bytes the file has are read, whatever its header
// claims, and only pixels inside the box are visited.
QImage renderFrame(const QByteArray& frameFile, const Palette& palette, int sizeMode,
                   QSize box = kPictureBox);

// The first frame of direction 0 centred on background in a picture of the box's size, scaled
// down to fit when it is larger (never up). Index 0 shows the background. Only bytes the file
// has are read, whatever its header claims.
QImage renderFittedFrame(const QByteArray& frameFile, const Palette& palette, QSize box,
                         QRgb background);

// Exchanges the first and third character pairs of a six-digit colour text.
QString BGRtoRGB(const QString& text);

} // namespace zantrel
