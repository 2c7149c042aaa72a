#include "lists.h"

#include "core/files.h"
#include "core/numbers.h"
#include "textcursor.h"

#include "core/usererror.h"

namespace zantrel {

const QString kNoneEntry = QStringLiteral("<NONE>");

namespace {

// Up to ten characters up to "}" (consumed, not kept) or the line end (not consumed).
QString idTextAfterBrace(TextCursor& in) {
    QString id;
    char c;
    while (id.size() < 10 && in.readChar(c)) {
        if (c == '}')
            return id;
        id += QLatin1Char(c);
    }
    return id;
}

// A message line's number: its first character (normally "{") is passed over first.
QString readIdText(TextCursor& in) {
    char c;
    in.readChar(c);
    return idTextAfterBrace(in);
}

// The text of the line whose number was just read: after "{}{", the rest of the line
// with its last character (the closing brace) replaced by a space.
QString messageText(TextCursor& in) {
    char c;
    for (int i = 0; i < 3; ++i)
        in.readChar(c);
    QString text = in.readRestOfLine();
    if (!text.isEmpty())
        text[text.size() - 1] = QLatin1Char(' ');
    return text;
}

} // namespace

ListContents readlist(const QString& path, ListMode mode) {
    return readListBytes(readFileBytes(path), mode);
}

ListContents readListBytes(const QByteArray& bytes, ListMode mode) {
    TextCursor in(bytes);
    ListContents list;
    while (!in.atEnd()) {
        list.entries << in.read(mode == ListMode::First12 ? 12 : -1);
        in.nextLine();
        ++list.count;
    }
    list.entries << kNoneEntry;
    return list;
}

namespace {

// proto.msg's lines without a number of their own.
bool skippedId(const QString& id, MessageVariant variant) {
    return variant == MessageVariant::ProtoMsg &&
           (id.isEmpty() || id[0] == QLatin1Char(' ') || id[0] == QLatin1Char('{'));
}

} // namespace

QString findmessage(const QString& path, qint64 number, MessageVariant variant) {
    return findMessageIn(readFileBytes(path), number, variant);
}

QString findMessageIn(const QByteArray& bytes, qint64 number, MessageVariant variant) {
    TextCursor in(bytes);
    while (!in.atEnd()) {
        const QString id = readIdText(in);
        if (!skippedId(id, variant)) {
            const std::int32_t value = strToInt(id);
            if (value >= 0 && value == number)
                return messageText(in);
        }
        in.nextLine();
    }
    return kNoneEntry;
}

QHash<qint64, QString> messageIndex(const QByteArray& bytes, MessageVariant variant) {
    QHash<qint64, QString> index;
    TextCursor in(bytes);
    while (!in.atEnd()) {
        const QString id = readIdText(in);
        if (!skippedId(id, variant)) {
            std::int32_t value = 0;
            if (!tryStrToInt(id, value))
                break;
            if (value >= 0 && !index.contains(value))
                index.insert(value, messageText(in));
        }
        in.nextLine();
    }
    return index;
}

TypeSections readsection(const QString& path) {
    return readSectionBytes(readFileBytes(path));
}

TypeSections readSectionBytes(const QByteArray& bytes) {
    TextCursor in(bytes);
    TypeSections sections;
    int killHeaders = 1;
    auto readEntries = [&in](QStringList& list) {
        in.nextLine(); // the line after the header
        char c;
        while (!in.atEnd()) {
            const bool hasChar = in.readChar(c);
            if (hasChar && c == '#')
                return; // the rest of this line is read as an ordinary line next
            list << idTextAfterBrace(in);
            in.nextLine();
        }
    };
    while (!in.atEnd()) {
        const QString line = in.readRestOfLine();
        in.nextLine();
        if (line == QLatin1String("# Body Types")) {
            readEntries(sections.bodyTypes);
        } else if (line == QLatin1String("# Kill Types names")) {
            if (killHeaders == 2)
                readEntries(sections.killTypes);
            else
                ++killHeaders;
        }
    }
    return sections;
}

QString scriptdescription(const QString& path, int index) {
    return scriptDescriptionBytes(readFileBytes(path), index);
}

QString scriptDescriptionBytes(const QByteArray& bytes, int index) {
    TextCursor in(bytes);
    for (int i = 0; i < index && !in.atEnd(); ++i)
        in.nextLine();
    in.read(18);
    return in.read(46);
}

} // namespace zantrel
