#pragma once

#include <QByteArray>
#include <QImage>
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

// Paints the first frame of a frame file, centred, onto a grey picture of the box's size.
// sizeMode 0 draws every pixel, 1 every second pixel of every second row, any other value
// nothing. Index 0 is transparent. Only bytes the file has are read, whatever its header
// claims, and only pixels inside the box are visited.
QImage renderFrame(const QByteArray& frameFile, const Palette& palette, int sizeMode,
                   QSize box = kPictureBox);

// Reads the frame file and the palette once each and renders. An unreadable palette paints
// black; an unreadable frame file throws UserError.
QImage renderFrameFile(const QString& framePath, const QString& palettePath, int sizeMode,
                       QSize box = kPictureBox);

// Exchanges the first and third character pairs of a six-digit colour text.
QString BGRtoRGB(const QString& text);

} // namespace zantrel
