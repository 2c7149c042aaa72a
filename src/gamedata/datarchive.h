#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace zantrel {

// One DAT archive of the game (master.dat, critter.dat, patch000.dat ...): the directory is
// read once, entries are read on demand. A broken archive or entry gives a UserError that
// names the archive (and the entry, where it concerns one); nothing the file claims is
// allocated before it has been checked against the file.
class DatArchive {
public:
    struct Entry {
        QString name; // as stored, backslash-separated
        quint32 offset = 0;
        quint32 packedSize = 0;
        quint32 unpackedSize = 0;
        bool compressed = false;
    };

    // No game file comes near this; larger claims are refused before anything is allocated.
    static constexpr quint32 kMaxEntrySize = 256u * 1024 * 1024;

    // Reads the tail and the directory of the archive at path (never the data).
    static DatArchive open(const QString& path);
    // An archive held in memory; label stands in for its path in messages.
    static DatArchive fromBytes(const QByteArray& bytes, const QString& label);

    // The name a lookup compares: lower case, '/' between folders.
    static QString key(const QString& name);

    const QString& path() const { return m_path; }
    int count() const { return int(m_entries.size()); }
    const std::vector<Entry>& entries() const { return m_entries; }

    bool contains(const QString& name) const { return find(name) != nullptr; }
    const Entry* find(const QString& name) const;
    // Every entry's name with '/' between folders, letter case as stored, in directory order.
    QStringList names() const;

    // The entry's bytes, inflated when compressed. Throws UserError "File not found" (path:
    // the name) when absent, or the broken-archive message.
    QByteArray read(const QString& name) const;
    QByteArray read(const Entry& entry) const;
    // The first n bytes of each entry (the whole of a shorter one), for many small reads at
    // once: the file is opened once, neighbouring entries are read together and only as
    // much is inflated as is asked for. An entry that cannot be read gets an empty result
    // and its message in errors (same positions).
    std::vector<QByteArray> readHeads(const std::vector<const Entry*>& entries, int n,
                                      std::vector<QString>& errors) const;

private:
    DatArchive(const QString& path, qint64 size) : m_path(path), m_size(size) {}

    // The directory's size from the archive's last 8 bytes, once they agree with the file.
    quint32 checkTail(const QByteArray& tail) const;
    void readDirectory(const QByteArray& directory);
    QByteArray readRange(const Entry& entry) const;
    QByteArray inflate(const Entry& entry, const QByteArray& packed) const;
    // The head of an entry from its packed bytes; throws as read().
    QByteArray headOf(const Entry& entry, const char* packed, int n, void* stream) const;
    [[noreturn]] void broken(const QString& what) const;
    [[noreturn]] void broken(const Entry& entry, const QString& what) const;

    QString m_path;
    qint64 m_size = 0;
    QByteArray m_bytes; // the whole archive, only for one made from bytes
    bool m_inMemory = false;
    std::vector<Entry> m_entries;
    QHash<QString, int> m_index; // key -> position in m_entries
};

} // namespace zantrel
