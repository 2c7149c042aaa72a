#include "datwriter.h"

#include <QtEndian>

#include <stdexcept>
#include <zlib.h>

namespace {

void appendU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray deflated(const QByteArray& bytes) {
    uLongf size = compressBound(uLong(bytes.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.constData()), uLong(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib cannot compress");
    out.resize(qsizetype(size));
    return out;
}

} // namespace

QByteArray buildDat(const QList<DatEntryIn>& entries) {
    QByteArray data;
    QByteArray directory;
    appendU32(directory, quint32(entries.size()));
    for (const DatEntryIn& e : entries) {
        const QByteArray stored = e.compressed ? deflated(e.bytes) : e.bytes;
        QByteArray name = e.name.toLatin1();
        name.replace('/', '\\');
        appendU32(directory, quint32(name.size()));
        directory += name;
        directory.append(char(e.compressed ? 1 : 0));
        appendU32(directory, quint32(e.bytes.size()));
        appendU32(directory, quint32(stored.size()));
        appendU32(directory, quint32(data.size()));
        data += stored;
    }
    QByteArray out = data + directory;
    appendU32(out, quint32(directory.size()));
    appendU32(out, quint32(out.size() + 4));
    return out;
}
