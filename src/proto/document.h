#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace zantrel {

// The open prototype: which file, what was read from it and whether it may be saved. The
// field values themselves live in the editor's controls.
struct Document {
    QString filepath;
    QString filename;
    std::uint8_t objtype = 0;
    QByteArray image; // the whole file as it was opened
    int scriptcount = 0;
    int artcount = 0;
    bool fieldsvalid = false;
    bool opened = false; // the last open went through completely
};

// One field the save writes: its place, its hex text, and whether the user left it as it
// was filled (such a field lying past the end of the file is not written, so short
// prototypes keep their length).
struct FieldWrite {
    int offset = 0;
    int width = 0;
    QString hex;
    bool untouched = false;
};

// Where a type keeps its header words: a tile has no light fields (flags at 12, script at
// 20), a misc object has no script field at all.
struct HeaderLayout {
    int flagsOffset;
    int scriptOffset; // -1: the type has none
};
HeaderLayout headerLayout(int objtype);

// A script id is a type byte and a 24-bit line index of scripts.lst; all ones is none.
constexpr std::uint32_t kNoScript = 0xFFFFFFFF;
// The line a script id names, or -1 for none.
qint64 scriptLine(std::uint32_t id);
// The id a picked line gets: the stored type byte is kept; a prototype that had no script
// takes the critter type (4) for critters and the item type (3) for the others.
std::uint32_t scriptIdForLine(std::uint32_t stored, int line, int objtype);

// base with the fields applied by the hex codec.
QByteArray applyFields(QByteArray base, const QList<FieldWrite>& fields);

// Writes the bytes in one step (a temporary file renamed over the old one, so an
// interrupted save leaves the old file whole) and leaves the file read-only. A read-only
// file is replaced too. Throws UserError with the file layer's text and the path.
void writePrototype(const QString& path, const QByteArray& bytes);

bool isReadOnly(const QString& path);

} // namespace zantrel
