#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

namespace zantrel {

// Reads the game's 8-bit text files the way the game's tools wrote them: a line ends at
// CR, CR LF or a lone LF, and a character of code 26 ends the file.
class TextCursor {
public:
    explicit TextCursor(QByteArray data) : m_data(std::move(data)) {}

    bool atEnd() const { return m_pos >= m_data.size() || m_data[m_pos] == char(26); }
    bool atLineEnd() const { return atEnd() || m_data[m_pos] == '\r' || m_data[m_pos] == '\n'; }

    // Next character of the line; false (nothing consumed) at the end of the line.
    bool readChar(char& c) {
        if (atLineEnd())
            return false;
        c = m_data[m_pos++];
        return true;
    }
    // Up to max characters of the current line (the line end is not consumed).
    QString read(int max);
    QString readRestOfLine() { return read(-1); }
    // Skips the rest of the line and its line end.
    void nextLine();

private:
    QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace zantrel
