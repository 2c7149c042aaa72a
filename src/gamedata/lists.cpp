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

namespace {

// Calls found(number, cursor) for each message line, the cursor just past its number, until
// found returns true. Throws UserError where a line's number is not a whole number.
template <typename Found>
void scanMessages(const QByteArray& bytes, MessageVariant variant, Found found) {
    TextCursor in(bytes);
    while (!in.atEnd()) {
        const QString id = readIdText(in);
        if (!skippedId(id, variant)) {
            const std::int32_t value = strToInt(id);
            if (value >= 0 && found(value, in))
                return;
        }
        in.nextLine();
    }
}

} // namespace

QString findMessageIn(const QByteArray& bytes, qint64 number, MessageVariant variant) {
    QString text = kNoneEntry;
    scanMessages(bytes, variant, [&](std::int32_t value, TextCursor& in) {
        if (value != number)
            return false;
        text = messageText(in);
        return true;
    });
    return text;
}

MessageIndex readMessagesBytes(const QByteArray& bytes, MessageVariant variant) {
    MessageIndex index;
    try {
        scanMessages(bytes, variant, [&](std::int32_t value, TextCursor& in) {
            if (!index.texts.contains(value))
                index.texts.insert(value, messageText(in));
            return false;
        });
    } catch (const UserError&) {
        index.stopped = true;
    }
    return index;
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

QString scriptDescriptionBytes(const QByteArray& bytes, int index) {
    TextCursor in(bytes);
    for (int i = 0; i < index && !in.atEnd(); ++i)
        in.nextLine();
    in.read(18);
    return in.read(46);
}

} // namespace zantrel
