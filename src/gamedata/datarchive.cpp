#include "datarchive.h"

#include "core/files.h"
#include "core/platform.h"
#include "core/usererror.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>

namespace zantrel {

namespace {

// Name length, compressed flag and three sizes: the least one directory entry takes.
constexpr quint32 kMinEntryBytes = 4 + 1 + 3 * 4;
// zlib cannot expand a stream by more than about 1032 to 1, so a claim beyond that is
// refused before the output is allocated.
constexpr quint64 kMaxInflateRatio = 1032;

quint32 u32At(const QByteArray& bytes, qint64 pos) {
    return qFromLittleEndian<quint32>(bytes.constData() + pos);
}

// The archive file, opened without blocking so that a FIFO or a device in its place cannot
// hang the editor, and read at offsets so no position is shared.
class ArchiveFile {
public:
    explicit ArchiveFile(const QString& path) : m_file(path) {}

    qint64 size() const { return m_file.size(); }
    // Exactly size bytes at offset; false when the file ends first or cannot be read.
    bool readAt(qint64 offset, char* into, qint64 size) const {
        return m_file.readAt(offset, into, size) == size;
    }

private:
    platform::RegularFile m_file;
};

} // namespace

QString DatArchive::key(const QString& name) {
    QString k = name.toLower();
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return k;
}

DatArchive DatArchive::open(const QString& path) {
    const ArchiveFile file(path);
    DatArchive archive(path, file.size());
    if (file.size() < 8)
        archive.broken(QStringLiteral("the file is too short to be an archive"));
    char tail[8];
    if (!file.readAt(file.size() - 8, tail, 8))
        archive.broken(QStringLiteral("its end cannot be read"));
    const quint32 directorySize = archive.checkTail(QByteArray::fromRawData(tail, 8));
    QByteArray directory(qsizetype(directorySize), Qt::Uninitialized);
    if (!file.readAt(file.size() - 8 - directorySize, directory.data(), directorySize))
        archive.broken(QStringLiteral("its directory cannot be read"));
    archive.readDirectory(directory);
    return archive;
}

DatArchive DatArchive::fromBytes(const QByteArray& bytes, const QString& label) {
    DatArchive archive(label, bytes.size());
    archive.m_bytes = bytes;
    archive.m_inMemory = true;
    if (bytes.size() < 8)
        archive.broken(QStringLiteral("the file is too short to be an archive"));
    const quint32 directorySize = archive.checkTail(bytes.right(8));
    archive.readDirectory(bytes.mid(bytes.size() - 8 - directorySize, directorySize));
    return archive;
}

quint32 DatArchive::checkTail(const QByteArray& tail) const {
    const quint32 directorySize = u32At(tail, 0);
    const quint32 total = u32At(tail, 4);
    // The directory's place is counted from the total size; only when that is the file's
    // own size does it say the same as counting from the end, so nothing else is trusted.
    if (total != quint64(m_size))
        broken(
            QStringLiteral("it says it is %1 bytes long, the file has %2").arg(total).arg(m_size));
    if (directorySize < 4 || directorySize > quint64(m_size) - 8 || directorySize > kMaxEntrySize)
        broken(QStringLiteral("its directory of %1 bytes does not fit in the file")
                   .arg(directorySize));
    return directorySize;
}

void DatArchive::readDirectory(const QByteArray& directory) {
    const qint64 size = directory.size();
    const quint32 count = u32At(directory, 0);
    // Checked before reserving, so a made-up count cannot size an allocation.
    if (count > (size - 4) / kMinEntryBytes)
        broken(QStringLiteral("its directory of %1 bytes cannot hold %2 entries")
                   .arg(size)
                   .arg(count));
    m_entries.reserve(count);
    m_index.reserve(qsizetype(count));
    qint64 pos = 4;
    for (quint32 i = 0; i < count; ++i) {
        if (size - pos < qint64(kMinEntryBytes))
            broken(QStringLiteral("the directory ends inside entry %1").arg(i + 1));
        const quint32 nameLength = u32At(directory, pos);
        pos += 4;
        if (nameLength > quint64(size - pos - (kMinEntryBytes - 4)))
            broken(QStringLiteral("the name of entry %1 is longer than the rest of the directory")
                       .arg(i + 1));
        Entry e;
        e.name = QString::fromLatin1(directory.constData() + pos, qsizetype(nameLength));
        pos += nameLength;
        // The game inflates whatever is not marked 0.
        e.compressed = directory.at(pos) != 0;
        e.unpackedSize = u32At(directory, pos + 1);
        e.packedSize = u32At(directory, pos + 5);
        e.offset = u32At(directory, pos + 9);
        pos += 13;
        // Of two entries with the same name, the first one is the archive's.
        const QString k = key(e.name);
        if (!m_index.contains(k)) {
            m_index.insert(k, int(m_entries.size()));
            m_entries.push_back(std::move(e));
        }
    }
}

const DatArchive::Entry* DatArchive::find(const QString& name) const {
    const auto it = m_index.constFind(key(name));
    return it == m_index.constEnd() ? nullptr : &m_entries[size_t(it.value())];
}

QStringList DatArchive::names() const {
    QStringList out;
    out.reserve(qsizetype(m_entries.size()));
    for (const Entry& e : m_entries)
        out.append(QString(e.name).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return out;
}

QByteArray DatArchive::read(const QString& name) const {
    const Entry* e = find(name);
    if (!e)
        throw UserError(QStringLiteral("File not found"), name);
    return read(*e);
}

QByteArray DatArchive::read(const Entry& entry) const {
    if (entry.unpackedSize > kMaxEntrySize || entry.packedSize > kMaxEntrySize)
        broken(entry, QStringLiteral("claims %1 bytes, more than a game file can have")
                          .arg(qMax(entry.unpackedSize, entry.packedSize)));
    if (quint64(entry.offset) + entry.packedSize > quint64(m_size))
        broken(entry, QStringLiteral("points past the end"));
    if (!entry.compressed && entry.packedSize != entry.unpackedSize)
        broken(entry, QStringLiteral("is stored with %1 bytes but claims %2")
                          .arg(entry.packedSize)
                          .arg(entry.unpackedSize));
    if (entry.compressed &&
        quint64(entry.unpackedSize) > quint64(entry.packedSize) * kMaxInflateRatio + 64)
        broken(entry, QStringLiteral("cannot inflate from %1 to %2 bytes")
                          .arg(entry.packedSize)
                          .arg(entry.unpackedSize));
    const QByteArray packed = readRange(entry);
    return entry.compressed ? inflate(entry, packed) : packed;
}

QByteArray DatArchive::readRange(const Entry& entry) const {
    if (m_inMemory)
        return m_bytes.mid(entry.offset, entry.packedSize);
    const ArchiveFile file(m_path);
    QByteArray data(qsizetype(entry.packedSize), Qt::Uninitialized);
    // The file may have shrunk since the directory was read.
    if (!file.readAt(entry.offset, data.data(), entry.packedSize))
        broken(entry, QStringLiteral("points past the end"));
    return data;
}

QByteArray DatArchive::inflate(const Entry& entry, const QByteArray& packed) const {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw UserError(QStringLiteral("Out of memory"), m_path);
    // One byte more than claimed, so a stream that goes on is told from one that fits.
    QByteArray out(qsizetype(entry.unpackedSize) + 1, Qt::Uninitialized);
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int result = ::inflate(&zs, Z_FINISH);
    const uLong produced = zs.total_out;
    inflateEnd(&zs);
    if (produced > entry.unpackedSize)
        broken(
            entry,
            QStringLiteral("inflates to more than the %1 bytes it claims").arg(entry.unpackedSize));
    if (result != Z_STREAM_END)
        broken(entry, QStringLiteral("does not inflate"));
    if (produced != entry.unpackedSize)
        broken(entry, QStringLiteral("inflates to %1 bytes, not the %2 it claims")
                          .arg(produced)
                          .arg(entry.unpackedSize));
    out.chop(1);
    return out;
}

QByteArray DatArchive::headOf(const Entry& entry, const char* packed, int n, void* stream) const {
    const qsizetype wanted = qMin<qsizetype>(n, entry.unpackedSize);
    if (!entry.compressed) {
        if (entry.packedSize != entry.unpackedSize)
            broken(entry, QStringLiteral("is stored with %1 bytes but claims %2")
                              .arg(entry.packedSize)
                              .arg(entry.unpackedSize));
        return QByteArray(packed, wanted);
    }
    auto* zs = static_cast<z_stream*>(stream);
    inflateReset(zs);
    QByteArray out(wanted, Qt::Uninitialized);
    zs->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed));
    zs->avail_in = uInt(entry.packedSize);
    zs->next_out = reinterpret_cast<Bytef*>(out.data());
    zs->avail_out = uInt(out.size());
    const int result = ::inflate(zs, Z_SYNC_FLUSH);
    if ((result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) ||
        qsizetype(zs->total_out) != wanted)
        broken(entry, QStringLiteral("does not inflate"));
    return out;
}

std::vector<QByteArray> DatArchive::readHeads(const std::vector<const Entry*>& entries, int n,
                                              std::vector<QString>& errors) const {
    std::vector<QByteArray> heads(entries.size());
    errors.assign(entries.size(), QString());
    std::vector<std::size_t> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return entries[a]->offset < entries[b]->offset;
    });
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw UserError(QStringLiteral("Out of memory"), m_path);
    const ArchiveFile file(m_path);
    // Entries close to each other are read in one go, up to a few megabytes at a time.
    constexpr quint64 kGap = 64 * 1024, kBlock = 4 * 1024 * 1024;
    QByteArray block;
    quint64 blockStart = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        const Entry& e = *entries[i];
        try {
            if (e.packedSize > kMaxEntrySize || quint64(e.offset) + e.packedSize > quint64(m_size))
                broken(e, QStringLiteral("points past the end"));
            const quint64 end = quint64(e.offset) + e.packedSize;
            if (m_inMemory) {
                heads[i] = headOf(e, m_bytes.constData() + e.offset, n, &zs);
                continue;
            }
            if (e.offset < blockStart || end > blockStart + quint64(block.size())) {
                quint64 last = end;
                for (std::size_t j = k + 1; j < order.size(); ++j) {
                    const Entry& next = *entries[order[j]];
                    const quint64 nextEnd = quint64(next.offset) + next.packedSize;
                    if (next.offset > last + kGap || nextEnd - e.offset > kBlock ||
                        nextEnd > quint64(m_size))
                        break;
                    last = qMax(last, nextEnd);
                }
                blockStart = e.offset;
                block.resize(qsizetype(last - blockStart));
                if (!file.readAt(qint64(blockStart), block.data(), block.size())) {
                    block.clear();
                    broken(e, QStringLiteral("points past the end"));
                }
            }
            heads[i] = headOf(e, block.constData() + (e.offset - blockStart), n, &zs);
        } catch (const UserError& error) {
            errors[i] = error.text();
        }
    }
    inflateEnd(&zs);
    return heads;
}

void DatArchive::broken(const QString& what) const {
    throw UserError(
        QStringLiteral("Broken archive '%1': %2").arg(QFileInfo(m_path).fileName(), what), m_path);
}

void DatArchive::broken(const Entry& entry, const QString& what) const {
    broken(QStringLiteral("entry '%1' %2").arg(entry.name, what));
}

} // namespace zantrel
