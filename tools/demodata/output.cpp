#include "output.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace demo {

namespace {

// The game's archives store some entries as they are and deflate the rest; ours mix both
// the same way, so a reader meets each kind: frames of the inventory pictures, the
// palette and the per-direction critter files stay stored.
bool deflate(const QString& gamePath) {
    const QString name = gamePath.toLower();
    if (name.startsWith(QLatin1String("art/inven/")) || name.endsWith(QLatin1String(".pal")))
        return false;
    return !(name.size() > 4 && name.chopped(1).endsWith(QLatin1String(".fr")) &&
             name.back().isDigit());
}

} // namespace

void Output::clear(const QString& relative) {
    QDir(QDir(m_root).filePath(relative)).removeRecursively();
}

void Output::write(const QString& relative, const QByteArray& data) {
    if (m_failed)
        return;
    const QString path = QDir(m_root).filePath(relative);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(path, QStringLiteral("cannot create its folder"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(path, f.errorString());
    if (f.write(data) != data.size() || !f.flush())
        return fail(path, f.errorString());
    f.close();
    if (f.error() != QFileDevice::NoError)
        fail(path, f.errorString());
}

void Output::write(const QString& relative, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        return fail(relative, QStringLiteral("cannot encode BMP"));
    write(relative, bytes);
}

void Output::archive(Dat dat, const QString& gamePath, const QByteArray& data) {
    (dat == Dat::Master ? m_master : m_critter).append({gamePath, data, deflate(gamePath)});
}

QByteArray Output::archived(const QString& gamePath) const {
    for (const QList<DatEntryIn>* entries : {&m_master, &m_critter})
        for (const DatEntryIn& e : *entries)
            if (e.name.compare(gamePath, Qt::CaseInsensitive) == 0)
                return e.bytes;
    return {};
}

void Output::both(const QString& gamePath, const QByteArray& data) {
    archive(Dat::Master, gamePath, data);
    write(QStringLiteral("Source/") + QFileInfo(gamePath).fileName(), data);
}

void Output::writeArchives() {
    writeArchive(QStringLiteral("master.dat"), m_master);
    writeArchive(QStringLiteral("critter.dat"), m_critter);
}

void Output::writeArchive(const QString& name, QList<DatEntryIn> entries) {
    // The game looks names up by binary search, without letter case: keep them in that order.
    auto key = [](const DatEntryIn& e) { return e.name.toLower().replace('/', '\\'); };
    std::sort(entries.begin(), entries.end(),
              [&](const DatEntryIn& a, const DatEntryIn& b) { return key(a) < key(b); });
    QByteArray bytes;
    try {
        bytes = buildDat(entries);
    } catch (const std::runtime_error& e) {
        return fail(kGameFolder + name, QString::fromLocal8Bit(e.what()));
    }
    write(kGameFolder + name, bytes);
    const auto stored = std::count_if(entries.begin(), entries.end(),
                                      [](const DatEntryIn& e) { return !e.compressed; });
    std::printf("zantrel_demodata: %s: %lld entries (%lld stored as they are), %lld bytes\n",
                qPrintable(name), qlonglong(entries.size()), qlonglong(stored),
                qlonglong(bytes.size()));
}

void Output::fail(const QString& path, const QString& why) {
    std::fprintf(stderr, "zantrel_demodata: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(why));
    m_failed = true;
}

} // namespace demo
