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

// A list file's bytes: the first 12 characters of each line (never trimmed) or whole lines.
ListContents readListBytes(const QByteArray& bytes, ListMode mode);

enum class MessageVariant {
    ObjectName, // every line's number must be a whole number
    ProtoMsg,   // lines whose number is empty or starts with a space or "{" are skipped
};

// The text of message number in a message file's bytes: the rest of its line after
// "{n}{}{", its closing brace replaced by a space ("Knife "). "<NONE>" when no line has the
// number. Throws UserError for a line number that is not a whole number.
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
// file order (from proto.msg's bytes). The first "# Kill Types names" line is passed over; later
// ones are taken.
struct TypeSections {
    QStringList bodyTypes;
    QStringList killTypes;
};
TypeSections readSectionBytes(const QByteArray& bytes);

// A script's description: up to 46 characters from the 19th character of line index of
// the script list's bytes; empty when the line is shorter or missing.
QString scriptDescriptionBytes(const QByteArray& bytes, int index);

} // namespace zantrel
