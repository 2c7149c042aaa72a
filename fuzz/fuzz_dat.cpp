// DAT archives come from mods and downloads of every quality; a broken one must give its
// message, never crash, hang or allocate what its directory claims.
#include "fuzzsupport.h"

#include "core/usererror.h"
#include "gamedata/datarchive.h"
#include "gamedata/gameview.h"

#include <QDir>
#include <QFileInfo>

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

// The game's view of a folder whose master.dat is these bytes, as the editor and
// zantrel-cli see the game: a broken archive is a problem with its own message, which a
// file it may hold gives instead of "File not found"; a listed file reads as its entry.
void checkView(const QString& gameFolder, const QString& opened) {
    const zantrel::GameView view(gameFolder);
    const bool broken = opened.startsWith(QStringLiteral("Broken archive"));
    if (broken != !view.problems().isEmpty() ||
        (broken && view.problems().first().text() != opened))
        fuzz::fail("GameView: the archive's problem is not its message", opened);
    try {
        view.read(QStringLiteral("scripts/scripts.lst"));
    } catch (const UserError& error) {
        if (broken && error.text() != opened)
            fuzz::fail("GameView: a missing file does not name the broken archive", error.text());
    }
    for (const zantrel::GameFile& file : view.list(QString())) {
        if (!view.exists(file.name))
            fuzz::fail("GameView: a listed file is not found", file.name);
        try {
            view.read(file.name);
        } catch (const UserError& error) {
            if (!error.text().startsWith(QStringLiteral("Broken archive 'master.dat': entry '")))
                fuzz::fail("GameView: a listed file reads with an unexpected message",
                           error.text());
        }
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

    const QString game = QFileInfo(fuzz::scratchPath("game/x")).path();
    QDir().mkpath(game);
    fuzz::writeScratch("game/master.dat", data, size);
    QString opened;
    try {
        DatArchive::open(game + QStringLiteral("/master.dat"));
    } catch (const UserError& error) {
        opened = error.text();
    }
    checkView(game, opened);
    return 0;
}
