#include "listfile.h"

#include <cstring>

namespace zantrel {

ListFile::ListFile(QByteArray bytes) : m_bytes(std::move(bytes)) {
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    for (qsizetype pos = 0; pos < size;) {
        m_starts.push_back(pos);
        const void* end = std::memchr(data + pos, '\n', size_t(size - pos));
        pos = end ? static_cast<const char*>(end) - data + 1 : size;
    }
}

QByteArrayView ListFile::line(int i) const {
    if (i < 0 || i >= count())
        return {};
    const qsizetype start = m_starts[std::size_t(i)];
    qsizetype end = i + 1 < count() ? m_starts[std::size_t(i) + 1] : m_bytes.size();
    if (end > start && m_bytes[end - 1] == '\n')
        --end;
    if (end > start && m_bytes[end - 1] == '\r')
        --end;
    return QByteArrayView(m_bytes.constData() + start, end - start);
}

QByteArrayView ListFile::name(int i) const {
    const QByteArrayView whole = line(i);
    qsizetype n = 0;
    while (n < whole.size() && whole[n] != ' ' && whole[n] != '\r')
        ++n;
    return whole.first(n);
}

QByteArray ListFile::lineEnd() const {
    const qsizetype lf = m_bytes.indexOf('\n');
    return lf > 0 && m_bytes[lf - 1] == '\r' ? QByteArray("\r\n")
           : lf >= 0                         ? QByteArray("\n")
                                             : QByteArray("\r\n");
}

QByteArray appendListLine(const QByteArray& list, const QByteArray& line) {
    const ListFile file(list);
    QByteArray out = list;
    if (!file.endsWithLineEnd())
        out += file.lineEnd();
    return out + line + file.lineEnd();
}

} // namespace zantrel
