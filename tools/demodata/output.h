// Where zantrel_demodata's files go: the build folder, and the game's two archives.
#pragma once

#include "datwriter/datwriter.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace demo {

// The demo game folder, laid out as the game is installed.
inline const QString kGameFolder = QStringLiteral("demo/Fallout2/");

enum class Dat { Master, Critter };

class Output {
public:
    explicit Output(const QString& root) : m_root(root) {}
    bool failed() const { return m_failed; }

    // Removes a folder of an earlier run, so files this run no longer writes are gone.
    void clear(const QString& relative);
    // A file below the output root, its folders made as needed.
    void write(const QString& relative, const QByteArray& data);
    void write(const QString& relative, const QImage& image);

    // A file inside master.dat or critter.dat, by its name in the game ('/' between folders).
    void archive(Dat dat, const QString& gamePath, const QByteArray& data);
    // What master.dat or critter.dat holds under gamePath; empty when neither does.
    QByteArray archived(const QString& gamePath) const;
    // Lists, palette and messages: in master.dat and in the flat sources folder.
    void both(const QString& gamePath, const QByteArray& data);

    // Writes both archives into the game folder and prints their sizes.
    void writeArchives();

private:
    void writeArchive(const QString& name, QList<DatEntryIn> entries);
    void fail(const QString& path, const QString& why);

    QString m_root;
    bool m_failed = false;
    QList<DatEntryIn> m_master;
    QList<DatEntryIn> m_critter;
};

} // namespace demo
