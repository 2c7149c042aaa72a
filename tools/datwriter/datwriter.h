#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One file to put into an archive. Names may use '/' or '\'; they are stored with '\' as
// the game's own archives have them.
struct DatEntryIn {
    QString name;
    QByteArray bytes;
    bool compressed = true; // a zlib stream, else the bytes as they are
};

// A whole DAT archive in the game's layout: every entry's data in the given order, then the
// directory, then the directory size and the total size (little-endian).
QByteArray buildDat(const QList<DatEntryIn>& entries);
