// DAT archives come from mods and downloads of every quality; a broken one must give its
// message, never crash, hang or allocate what its directory claims.
#include "fuzzsupport.h"

#include "core/usererror.h"
#include "gamedata/datarchive.h"

#include <cstdint>
#include <functional>

namespace {

using zantrel::DatArchive;
using zantrel::UserError;

// Every entry read back; the text of the first failure of the archive, or the names.
QString readAll(const DatArchive& dat, const QString& prefix) {
    if (dat.names().size() != dat.count())
        fuzz::fail("names: not one per entry");
    QString seen = dat.names().join(QLatin1Char('|'));
    for (const DatArchive::Entry& e : dat.entries()) {
        if (dat.find(e.name) != &e)
            fuzz::fail("find: does not give the entry back", e.name);
        try {
            const QByteArray bytes = dat.read(e);
            if (quint64(bytes.size()) != e.unpackedSize)
                fuzz::fail("read: not the size the entry claims", e.name);
            seen += QString::number(qChecksum(bytes));
        } catch (const UserError& error) {
            if (!error.text().startsWith(prefix + QStringLiteral("entry '")))
                fuzz::fail("read: an unexpected message", error.text());
            seen += error.text();
        }
    }
    return seen;
}

QString indexAndRead(const std::function<DatArchive()>& open, const QString& prefix) {
    try {
        return readAll(open(), prefix);
    } catch (const UserError& error) {
        if (!error.text().startsWith(prefix))
            fuzz::fail("open: an unexpected message", error.text());
        return error.text();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::writeScratch("fuzz.dat", data, size);
    const QString prefix = QStringLiteral("Broken archive 'fuzz.dat': ");
    // The archive in memory and on disk must tell the same story.
    const QString inMemory =
        indexAndRead([&] { return DatArchive::fromBytes(bytes, path); }, prefix);
    const QString onDisk = indexAndRead([&] { return DatArchive::open(path); }, prefix);
    if (inMemory != onDisk)
        fuzz::fail("the archive reads differently from memory and from the file", onDisk);
    return 0;
}
