#include "textcursor.h"

namespace zantrel {

QString TextCursor::read(int max) {
    const qsizetype start = m_pos;
    while (!atLineEnd() && (max < 0 || m_pos - start < max))
        ++m_pos;
    return QString::fromLatin1(m_data.constData() + start, m_pos - start);
}

void TextCursor::nextLine() {
    while (!atLineEnd())
        ++m_pos;
    if (atEnd())
        return;
    if (m_data[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < m_data.size() && m_data[m_pos] == '\n')
            ++m_pos;
    } else {
        ++m_pos; // lone LF
    }
}

} // namespace zantrel
