#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace zantrel {

// A list file (.lst) as the game reads it: lines end at '\n', a '\r' just before it belongs to
// the line end, and no other byte is special, so a line of binary garbage is one line like
// any other and never moves the lines after it. A last line without a line end counts once.
class ListFile {
public:
    ListFile() = default;
    explicit ListFile(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }
    // The lines as the game counts them when it hands out the next id.
    int count() const { return int(m_starts.size()); }
    // Line i (from 0) without its line end; empty past the last line.
    QByteArrayView line(int i) const;
    // What the game takes from line i: the line up to its first space or '\r'.
    QByteArrayView name(int i) const;
    // Whether the file's last byte ends a line (true for an empty file).
    bool endsWithLineEnd() const { return m_bytes.isEmpty() || m_bytes.endsWith('\n'); }
    // The file's own line end: that of its first line, CR LF when it has none.
    QByteArray lineEnd() const;

private:
    QByteArray m_bytes;
    std::vector<qsizetype> m_starts; // where each line begins
};

// The bytes with one more line: a line end first when the last line had none, then the line
// and the file's own line end.
QByteArray appendListLine(const QByteArray& list, const QByteArray& line);

} // namespace zantrel
