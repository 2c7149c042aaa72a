#include "lists.h"

#include "codepage.h"
#include "core/files.h"
#include "listfile.h"
#include "messagefile.h"
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

} // namespace

ListContents readlist(const QString& path, ListMode mode) {
    return readListBytes(readFileBytes(path), mode);
}

ListContents readListBytes(const QByteArray& bytes, ListMode mode) {
    const ListFile file(bytes);
    ListContents list;
    list.count = file.count();
    list.entries.reserve(list.count + 1);
    for (int i = 0; i < list.count; ++i) {
        const QByteArrayView line = file.line(i);
        list.entries << QString::fromLatin1(
            mode == ListMode::First12 ? line.first(qMin<qsizetype>(12, line.size())) : line);
    }
    list.entries << kNoneEntry;
    return list;
}

QString findmessage(const QString& path, qint64 number, const QString& codePage) {
    return findMessageIn(readFileBytes(path), number, codePage);
}

QString findMessageIn(const QByteArray& bytes, qint64 number, const QString& codePage) {
    const MessageFile file(bytes);
    const MessageEntry* entry = file.find(number);
    return entry ? decodeText(entry->text, codePage) + QLatin1Char(' ') : kNoneEntry;
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
    const QByteArrayView line = ListFile(bytes).line(index);
    return line.size() <= 18
               ? QString()
               : QString::fromLatin1(line.sliced(18).first(qMin<qsizetype>(46, line.size() - 18)));
}

} // namespace zantrel
