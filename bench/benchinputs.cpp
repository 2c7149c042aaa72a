#include "benchinputs.h"

#include <QDir>
#include <QFile>

#include <cstdint>
#include <stdexcept>

namespace {

// A small generator of our own, so the inputs are the same on every machine and library.
class Xorshift {
public:
    explicit Xorshift(unsigned seed) : m_state(seed * 2654435761u + 1u) {}
    std::uint32_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int n) { return int(next() % std::uint32_t(n)); }

private:
    std::uint32_t m_state;
};

void putBigEndian(QByteArray& bytes, int offset, int width, std::uint32_t value) {
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[offset + i] = char(value & 0xFF);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray makePalette() {
    QByteArray bytes(768, '\0');
    Xorshift random(7);
    for (char& c : bytes)
        c = char(random.below(64));
    return bytes;
}

QByteArray makeScriptList(int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(4, '0');
        text += "zdcrate" + n + ".int ; Description text of this script number " + n + "\r\n";
    }
    return text;
}

QByteArray makeMessages(qint64 first, int lines) {
    QByteArray text;
    for (qint64 n = first; n < first + lines; ++n) {
        const QByteArray number = QByteArray::number(n);
        text += "{" + number + "}{}{Name " + number + "}\r\n";
    }
    return text;
}

} // namespace

QByteArray makeFrameFile(int width, int height, int paintedPercent, unsigned seed) {
    // The header as the game's tools write it: version, frame rate, action frame, frames
    // per direction, six shifts and offsets, then the first frame's own header at 62.
    QByteArray bytes(74 + width * height, '\0');
    putBigEndian(bytes, 0, 4, 4);
    putBigEndian(bytes, 4, 2, 10);
    putBigEndian(bytes, 8, 2, 1);
    putBigEndian(bytes, 62, 2, std::uint32_t(width));
    putBigEndian(bytes, 64, 2, std::uint32_t(height));
    putBigEndian(bytes, 66, 4, std::uint32_t(width * height));
    Xorshift random(seed);
    for (int i = 0; i < width * height; ++i)
        if (random.below(100) < paintedPercent)
            bytes[74 + i] = char(1 + random.below(255));
    return bytes;
}

BenchInputs writeBenchInputs(const QString& folder) {
    const QDir dir(folder);
    BenchInputs in;
    in.palette = dir.filePath(QStringLiteral("color.pal"));
    in.smallFrame = dir.filePath(QStringLiteral("small.frm"));
    in.fullBoxFrame = dir.filePath(QStringLiteral("fullbox.frm"));
    in.scriptList = dir.filePath(QStringLiteral("scripts.lst"));
    in.messages = dir.filePath(QStringLiteral("pro_item.msg"));
    in.scriptLines = 1500;
    in.firstMessage = 100;
    in.lastMessage = in.firstMessage + 3000 - 1;

    writeFile(in.palette, makePalette());
    writeFile(in.smallFrame, makeFrameFile(80, 60, 70, 1));
    writeFile(in.fullBoxFrame, makeFrameFile(157, 117, 70, 2));
    writeFile(in.scriptList, makeScriptList(in.scriptLines));
    writeFile(in.messages, makeMessages(in.firstMessage, 3000));
    return in;
}
