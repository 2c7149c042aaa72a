#include "messagewriter.h"

#include "codepage.h"
#include "core/files.h"
#include "core/savefile.h"
#include "core/usererror.h"
#include "datafolder.h"
#include "listfile.h"
#include "lists.h"
#include "messagefile.h"
#include "prototypes.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace zantrel {

namespace {

// Where a new entry goes and what surrounds it, so that it lies outside every field.
QByteArray insertEntry(const QByteArray& file, const MessageFile& parsed, qint32 number,
                       const QByteArray& text) {
    const QByteArray end = ListFile(file).lineEnd();
    const QByteArray entry = "{" + QByteArray::number(number) + "}{}{" + text + "}";
    const MessageEntry* before = nullptr;
    const MessageEntry* first = nullptr;
    for (const MessageEntry& e : parsed.entries()) {
        if (!first || e.start < first->start)
            first = &e;
        if (e.number < number && (!before || e.number > before->number ||
                                  (e.number == before->number && e.start > before->start)))
            before = &e;
    }
    if (!before && first) {
        // Before the first entry: at the start of its line when only blanks precede it there.
        qsizetype at = first->start;
        qsizetype lineStart = at;
        while (lineStart > 0 && (file[lineStart - 1] == ' ' || file[lineStart - 1] == '\t'))
            --lineStart;
        if (lineStart == 0 || file[lineStart - 1] == '\n')
            at = lineStart;
        return file.left(at) + entry + end + file.mid(at);
    }
    if (!before) {
        // No entry at all: at the end, or before a field the end of the file leaves open.
        const qsizetype at = parsed.unfinishedField() >= 0 ? parsed.unfinishedField() : file.size();
        const bool lineDone = at == 0 || file[at - 1] == '\n';
        return file.left(at) + (lineDone ? QByteArray() : end) + entry + end + file.mid(at);
    }
    const qsizetype close = before->textEnd + 1; // just after the entry's last brace
    const qsizetype lf = file.indexOf('\n', close);
    const QByteArray rest = file.mid(close, lf < 0 ? -1 : lf - close);
    if (lf >= 0 && !rest.contains('{') && !rest.contains('}'))
        return file.left(lf + 1) + entry + end + file.mid(lf + 1); // a line of its own
    return file.left(close) + end + entry + file.mid(close);
}

QString boxName(TextBox box) {
    return box == TextBox::Name ? QStringLiteral("Name") : QStringLiteral("Description");
}

QString gameText(const QString& language, int objectType) {
    return QStringLiteral("text/%1/game/").arg(language.toLower()) + nameMessageFile(objectType);
}

// Every number's text as the game finds it.
QHash<qint32, QByteArray> gameTexts(const MessageFile& file) {
    QHash<qint32, QByteArray> out;
    for (const MessageEntry& e : file.entries())
        out.insert(e.number, file.find(e.number)->text);
    return out;
}

} // namespace

QByteArray setMessageTexts(const QByteArray& file, const std::vector<MessageChange>& changes) {
    QByteArray out = file;
    QHash<qint32, QByteArray> expected = gameTexts(MessageFile(file));
    for (const MessageChange& c : changes) {
        const MessageFile parsed(out);
        if (const MessageEntry* e = parsed.find(c.number))
            out = out.left(e->textStart) + c.text + out.mid(e->textEnd);
        else
            out = insertEntry(out, parsed, c.number, c.text);
        expected.insert(c.number, c.text);
    }
    // Stray braces can pair a new entry with a neighbour's leftover field; then the game
    // would read something else, so nothing is written.
    if (gameTexts(MessageFile(out)) != expected)
        throw UserError(QStringLiteral("Its braces are out of step, so the texts cannot be "
                                       "written without changing other entries"));
    return out;
}

QByteArray messageTextBytes(const QString& text, TextBox box, const QString& codePage) {
    const QString name = boxName(box);
    if (text.contains(QLatin1Char('{')) || text.contains(QLatin1Char('}')))
        throw UserError(QStringLiteral("\"%1\" may not hold '{' or '}'").arg(name));
    QString t = text;
    if (box == TextBox::Name && (t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))))
        throw UserError(QStringLiteral("\"%1\" may not hold a line break").arg(name));
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const std::optional<QByteArray> bytes = encodeText(t, codePage);
    if (!bytes)
        throw UserError(QStringLiteral("\"%1\" holds a character the code page %2 cannot hold")
                            .arg(name, codePage));
    if (bytes->size() > kMaxMessageBytes)
        throw UserError(QStringLiteral("\"%1\" is %2 bytes long: the game takes at most %3")
                            .arg(name)
                            .arg(bytes->size())
                            .arg(kMaxMessageBytes));
    return *bytes;
}

QString objectTextsPath(const GameData& data, int objectType) {
    return patchesPath(data, gameText(data.language(), objectType));
}

QByteArray gameObjectTexts(const GameData& data, int objectType) {
    for (const QString& language : {data.language(), QStringLiteral("english")}) {
        const QString path = gameText(language, objectType);
        if (data.existsGamePath(path))
            return data.readGamePath(path);
    }
    return QByteArray();
}

QString shownObjectTextsPlace(const GameData& data, int objectType) {
    const QString written = objectTextsPath(data, objectType);
    return !written.isEmpty() && QFileInfo(written).isFile()
               ? written
               : data.describe(DataKind::Messages, nameMessageFile(objectType));
}

QByteArray shownObjectTexts(const GameData& data, int objectType) {
    const QString written = objectTextsPath(data, objectType);
    if (!written.isEmpty() && QFileInfo(written).isFile())
        return readFileBytes(written);
    return data.read(DataKind::Messages, nameMessageFile(objectType));
}

QString shownObjectMessage(const GameData& data, int objectType, qint64 number) {
    const MessageFile messages(shownObjectTexts(data, objectType));
    if (!messages.problem().isEmpty())
        data.textWarnings().report(
            UserError(messages.problem(), shownObjectTextsPlace(data, objectType)));
    const MessageEntry* entry = messages.find(number);
    return entry ? decodeText(entry->text, data.codePage()) + QLatin1Char(' ') : kNoneEntry;
}

ShownTexts readObjectTexts(const GameData& data, int objectType, qint64 textId) {
    QByteArray bytes;
    try {
        bytes = shownObjectTexts(data, objectType);
    } catch (const UserError&) {
        // No message file yet: both texts start empty, and a save writes one. A broken
        // archive still says so.
        if (data.exists(DataKind::Messages, nameMessageFile(objectType)))
            throw;
    }
    const MessageFile file(bytes);
    const auto text = [&](qint64 number) {
        const MessageEntry* e = file.find(number);
        return e ? decodeText(e->text, data.codePage()) : QString();
    };
    return {text(textId), text(textId + 1)};
}

QString writeObjectTexts(const GameData& data, int objectType, qint64 textId,
                         const ObjectTexts& texts) {
    std::vector<MessageChange> changes;
    if (texts.name)
        changes.push_back(
            {qint32(textId), messageTextBytes(*texts.name, TextBox::Name, data.codePage())});
    if (texts.description)
        changes.push_back(
            {qint32(textId + 1),
             messageTextBytes(*texts.description, TextBox::Description, data.codePage())});
    const QString path = objectTextsPath(data, objectType);
    if (path.isEmpty())
        throw UserError(QStringLiteral("No game folder: the names cannot be written"));
    if (textId < 0 || textId >= INT32_MAX)
        throw UserError(QStringLiteral("Text id %1 names no message").arg(textId), path);
    const QByteArray before =
        QFileInfo(path).isFile() ? readFileBytes(path) : gameObjectTexts(data, objectType);
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw UserError(fileErrorText(EACCES), path);
    QByteArray after;
    try {
        after = setMessageTexts(before, changes);
    } catch (const UserError& e) {
        throw UserError(e.text(), path);
    }
    saveFileAtomically(path, after, false);
    return path;
}

} // namespace zantrel
