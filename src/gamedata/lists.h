#pragma once

#include <QHash>
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

// Reads a list file: the first 12 characters of each line (never trimmed) or whole lines.
// Throws UserError with the file layer's text when the file cannot be read.
ListContents readlist(const QString& path, ListMode mode);
// The same from a list file's bytes (for files read out of archives).
ListContents readListBytes(const QByteArray& bytes, ListMode mode);

enum class MessageVariant {
    ObjectName, // every line's number must be a whole number
    ProtoMsg,   // lines whose number is empty or starts with a space or "{" are skipped
};

// The text of message number in a message file: the rest of its line after "{n}{}{", its
// closing brace replaced by a space ("Knife "). "<NONE>" when no line has the number.
// Throws UserError for an unreadable file or a line number that is not a whole number.
QString findmessage(const QString& path, qint64 number, MessageVariant variant);
// The same from a message file's bytes.
QString findMessageIn(const QByteArray& bytes, qint64 number, MessageVariant variant);

// Every message of a message file's bytes, for many look-ups: each number's text as
// findMessageIn gives it. Reading stops at a line whose number is not a whole number
// (where findMessageIn throws), and stopped tells so.
struct MessageIndex {
    QHash<qint64, QString> texts;
    bool stopped = false;
};
MessageIndex readMessagesBytes(const QByteArray& bytes, MessageVariant variant);

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
// the script list; empty when the line is shorter or missing.
QString scriptdescription(const QString& path, int index);
// The same from the script list's bytes.
QString scriptDescriptionBytes(const QByteArray& bytes, int index);

} // namespace zantrel
