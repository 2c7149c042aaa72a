#pragma once

#include <QString>
#include <QStringList>

namespace zantrel {

extern const QString kNoneEntry; // "<NONE>"

enum class ListMode { First12, WholeLine };

// The entries of a list file in line order, then "<NONE>"; count is the number of lines
// read, which is also the index of "<NONE>".
struct ListContents {
    QStringList entries;
    int count = 0;
};

// Reads a list file, its lines counted as the game counts them (see ListFile): the first 12
// characters of each line (never trimmed) or whole lines.
// Throws UserError with the file layer's text when the file cannot be read.
ListContents readlist(const QString& path, ListMode mode);
// The same from a list file's bytes (for files read out of archives).
ListContents readListBytes(const QByteArray& bytes, ListMode mode);

// The text of message number in a message file's bytes, read as the game reads them, with a
// space after it, as the editor has always shown it ("Knife "); "<NONE>" when no entry has
// the number. Texts are bytes of codePage.
QString findmessage(const QString& path, qint64 number,
                    const QString& codePage = QStringLiteral("windows-1252"));
QString findMessageIn(const QByteArray& bytes, qint64 number,
                      const QString& codePage = QStringLiteral("windows-1252"));

// The id texts of the sections "# Body Types" and "# Kill Types names" of proto.msg, in
// file order. The first "# Kill Types names" line is passed over; later ones are taken.
struct TypeSections {
    QStringList bodyTypes;
    QStringList killTypes;
};
TypeSections readsection(const QString& path);
// The same from proto.msg's bytes.
TypeSections readSectionBytes(const QByteArray& bytes);

// A script's description: up to 46 characters from the 19th character of line index of
// the script list (lines as ListFile counts them); empty when the line is shorter or missing.
QString scriptdescription(const QString& path, int index);
// The same from the script list's bytes.
QString scriptDescriptionBytes(const QByteArray& bytes, int index);

} // namespace zantrel
