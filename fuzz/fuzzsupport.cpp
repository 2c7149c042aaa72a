#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

QString scratchPath(const char* name) {
    static QTemporaryDir folder;
    if (!folder.isValid())
        fail("cannot make a scratch folder");
    return QDir(folder.path()).filePath(QString::fromLatin1(name));
}

QString writeScratch(const char* name, const std::uint8_t* data, std::size_t size) {
    const QString path = scratchPath(name);
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        fail("cannot write the scratch file", path);
    return path;
}

void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "zantrel fuzz: %s %s\n", what, qPrintable(detail));
    std::abort();
}

QByteArray InputReader::bytes(std::size_t max) {
    return take(byte() % (max + 1));
}

QByteArray InputReader::take(std::size_t n) {
    n = std::min(n, left());
    const QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(n));
    m_pos += n;
    return out;
}

} // namespace fuzz
