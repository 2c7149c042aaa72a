#include "catalogue.h"

#include "codepage.h"
#include "core/numbers.h"
#include "datafolder.h"
#include "listfile.h"
#include "messagefile.h"
#include "messagewriter.h"
#include "proto/fieldcodec.h"
#include "proto/records.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace zantrel {

namespace {

const char* const kFolders[] = {"items", "critters", "scenery", "walls", "tiles", "misc"};

// The bytes a catalogue reads of each file: the header and, for items and scenery, the kind.
constexpr int kHeadBytes = 36;

QString sourceText(const GameView& view, const GameSource& source) {
    if (source.kind == GameSource::Kind::Archive)
        return QFileInfo(source.container).fileName();
    return QDir(view.folder()).relativeFilePath(source.container);
}

void readFile(CatalogueEntry& e, const QByteArray& head, const QString& error) {
    if (!error.isEmpty() || head.size() < 12) {
        e.problems |= UnreadableFile;
        e.readError = !error.isEmpty()
                          ? error
                          : QStringLiteral("the file holds only %1 bytes").arg(head.size());
        return;
    }
    e.storedId = fieldValue(head, 0, 4);
    e.textId = std::int32_t(fieldValue(head, 4, 4));
    const bool kinds = e.type == ObjectType::Item || e.type == ObjectType::Scenery;
    if (kinds && head.size() >= 36)
        e.kind = int(fieldValue(head, 32, 4));
    if (e.storedId != e.id())
        e.problems |= WrongId;
    if (std::uint8_t(head[0]) != std::uint8_t(e.type))
        e.problems |= WrongType;
}

} // namespace

QString typeFolder(ObjectType type) {
    return QLatin1String(kFolders[std::size_t(type)]);
}

bool typeFromFolder(const QString& word, ObjectType& type) {
    for (int t = 0; t < kObjectTypeCount; ++t) {
        if (word.compare(QLatin1String(kFolders[t]), Qt::CaseInsensitive) == 0) {
            type = ObjectType(t);
            return true;
        }
    }
    return false;
}

QString prototypeListPath(ObjectType type) {
    return QStringLiteral("proto/%1/%1.lst").arg(typeFolder(type));
}

QString CatalogueEntry::path() const {
    return QStringLiteral("proto/%1/%2").arg(typeFolder(type), file);
}

QString CatalogueEntry::idText() const {
    return hexText(id(), 8);
}

QString CatalogueEntry::kindName() const {
    if (kind < 0)
        return QString();
    const QString name = builtinChoiceName(
        type == ObjectType::Item ? Choices::ItemKind : Choices::SceneryKind, std::uint32_t(kind));
    return name.isEmpty() ? QString::number(kind) : name;
}

QStringList CatalogueEntry::problemTexts() const {
    QStringList out;
    if (problems & MissingFile)
        out << QStringLiteral("the file %1 is missing").arg(path());
    if (problems & UnreadableFile)
        out << QStringLiteral("the file cannot be read: %1").arg(readError);
    if (problems & WrongId)
        out << QStringLiteral("its stored id %1 is not its line's %2")
                   .arg(hexText(storedId, 8), idText());
    if (problems & WrongType)
        out << QStringLiteral("its type byte %1 is not the list's type %2")
                   .arg(storedId >> 24)
                   .arg(int(type));
    if (problems & NoName)
        out << QStringLiteral("its text id %1 has no name").arg(textId);
    if (problems & RepeatedLine)
        out << QStringLiteral("an earlier line of the list names %1 too").arg(file);
    return out;
}

bool CatalogueEntry::matches(const QString& text) const {
    return text.isEmpty() || file.contains(text, Qt::CaseInsensitive) ||
           name.contains(text, Qt::CaseInsensitive) || idText().contains(text, Qt::CaseInsensitive);
}

void Catalogue::refreshAll(const GameData& data) {
    for (int t = 0; t < kObjectTypeCount; ++t)
        refresh(data, ObjectType(t));
}

void Catalogue::refresh(const GameData& data, ObjectType type) {
    Type& out = m_types[std::size_t(type)];
    out = Type();
    const GameView& view = *data.view();
    ListFile list;
    try {
        list = ListFile(view.read(prototypeListPath(type)));
    } catch (const UserError& e) {
        out.listProblem =
            e.path().isEmpty() ? e.text() : e.path() + QStringLiteral(": ") + e.text();
        return;
    }
    out.lines = list.count();
    QStringList files;
    files.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        files << QString::fromLatin1(list.name(i));
    const std::vector<std::optional<GameSource>> sources =
        view.locateAll(QStringLiteral("proto/") + typeFolder(type), files);
    std::vector<QString> errors;
    const std::vector<QByteArray> heads = view.readHeads(sources, kHeadBytes, errors);

    MessageFile messages;
    try {
        messages = MessageFile(shownObjectTexts(data, int(type)));
        if (!messages.problem().isEmpty())
            data.textWarnings().report(
                UserError(messages.problem(), shownObjectTextsPlace(data, int(type))));
    } catch (const UserError&) {
        // No message file: every entry says it has no name.
    }

    QHash<QString, int> seen;
    TextDecoder decode(data.codePage());
    out.entries.resize(std::size_t(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        CatalogueEntry& e = out.entries[std::size_t(i)];
        e.type = type;
        e.index = i + 1;
        e.file = files[i];
        if (seen.contains(e.file.toLower()))
            e.problems |= RepeatedLine;
        else
            seen.insert(e.file.toLower(), i);
        const std::optional<GameSource>& source = sources[std::size_t(i)];
        if (!source) {
            e.problems |= MissingFile;
            continue;
        }
        e.source = sourceText(view, *source);
        readFile(e, heads[std::size_t(i)], errors[std::size_t(i)]);
        if (e.problems & UnreadableFile || e.textId == -1)
            continue;
        const MessageEntry* name = messages.find(e.textId);
        if (!name) {
            e.problems |= NoName;
            continue;
        }
        e.name = decode(name->text);
        if (const MessageEntry* description = messages.find(qint64(e.textId) + 1))
            e.description = decode(description->text);
    }
}

const CatalogueEntry* Catalogue::find(std::uint32_t id) const {
    const std::uint32_t type = id >> 24;
    const std::uint32_t index = id & 0xFFFFFF;
    if (type >= kObjectTypeCount || index == 0)
        return nullptr;
    const std::vector<CatalogueEntry>& list = m_types[type].entries;
    return index <= list.size() ? &list[index - 1] : nullptr;
}

int Catalogue::textIdUsers(ObjectType type, std::int32_t textId) const {
    int n = 0;
    for (const CatalogueEntry& e : entries(type))
        n += e.textId == textId && !(e.problems & (MissingFile | UnreadableFile));
    return n;
}

} // namespace zantrel
