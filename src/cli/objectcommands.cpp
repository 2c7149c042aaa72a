#include "objectcommands.h"

#include "core/files.h"
#include "core/numbers.h"
#include "gamedata/catalogue.h"
#include "gamedata/gamedata.h"
#include "gamedata/messagewriter.h"
#include "gamedata/newprototype.h"
#include "objects.h"
#include "proto/recordkinds.h"

#include <QFileInfo>

namespace zantrel::cli {

namespace {

const char kTypes[] = "items critters scenery walls tiles misc";

std::vector<ObjectType> everyType() {
    std::vector<ObjectType> types;
    for (int t = 0; t < kObjectTypeCount; ++t)
        types.push_back(ObjectType(t));
    return types;
}

// The entry whose name and description are asked for; a UserError when its file gives none.
const CatalogueEntry& namedObject(const Catalogue& catalogue, const QString& word) {
    const CatalogueEntry& e = findObject(catalogue, word);
    if (e.problems & MissingFile)
        throw UserError(QStringLiteral("The game does not have the file line %1 of %2 names")
                            .arg(e.index)
                            .arg(prototypeListPath(e.type)),
                        e.path());
    if (e.problems & UnreadableFile)
        throw UserError(e.readError, e.path());
    if (e.textId < 0)
        throw UserError(QStringLiteral("Text id %1: the prototype has no name").arg(e.textId),
                        e.path());
    return e;
}

// The bytes --from names: an id, a file on disk, else a file as the lists name it.
QByteArray startBytes(const GameData& data, const Catalogue& catalogue, const QString& word) {
    if (!parseObjectId(word) && QFileInfo(word).isFile())
        return readFileBytes(word);
    const CatalogueEntry& e = findObject(catalogue, word);
    if (e.problems & MissingFile)
        throw UserError(QStringLiteral("File not found"), e.path());
    return data.readGamePath(e.path());
}

} // namespace

int listObjects(const Options& o) {
    QStringList args = o.words.mid(1);
    std::vector<ObjectType> types = everyType();
    ObjectType type = ObjectType::Item;
    if (!args.isEmpty() && typeFromFolder(args.front(), type)) {
        types = {type};
        args.removeFirst();
    }
    if (args.size() > 1)
        return usage(QStringLiteral("list takes a type and one text to look for"));
    const std::unique_ptr<GameData> data = openGameData(o);
    if (!data)
        return kFailed;
    Catalogue catalogue;
    for (const ObjectType t : types)
        catalogue.refresh(*data, t);
    const QString filter = args.value(0);
    write(stdout, o.json ? catalogueJson(catalogue, types, filter)
                         : catalogueText(catalogue, types, filter));
    for (const ObjectType t : types)
        if (!catalogue.listProblem(t).isEmpty())
            report(QStringLiteral("warning: ") + catalogue.listProblem(t));
    reportGameProblems(*data);
    return kOk;
}

int objectText(const Options& o) {
    if (o.words.size() != 2)
        return usage(QStringLiteral("text takes one id or prototype file"));
    const std::unique_ptr<GameData> data = openGameData(o);
    if (!data)
        return kFailed;
    const Catalogue catalogue(*data);
    const CatalogueEntry& e = namedObject(catalogue, o.words[1]);
    if (!o.name && !o.description) {
        const ShownTexts texts = readObjectTexts(*data, int(e.type), e.textId);
        write(stdout, QStringLiteral("name: %1\ndescription: %2\n")
                          .arg(texts.name, texts.description)
                          .toUtf8());
    } else {
        const QString written =
            writeObjectTexts(*data, int(e.type), e.textId, ObjectTexts{o.name, o.description});
        write(stdout, (written + u'\n').toUtf8());
        const int others = catalogue.textIdUsers(e.type, e.textId) - 1;
        if (others > 0)
            report(QStringLiteral("note: text id %1 is also the name of %2 other prototypes, "
                                  "renamed with it")
                       .arg(e.textId)
                       .arg(others));
    }
    reportGameProblems(*data);
    return kOk;
}

int newObject(const Options& o) {
    ObjectType type = ObjectType::Item;
    if (o.words.size() != 2)
        return usage(o.words.size() < 2 ? QStringLiteral("new needs a type")
                                        : QStringLiteral("new takes one type"));
    if (!typeFromFolder(o.words[1], type))
        return usage(QStringLiteral("unknown type %1: one of %2").arg(o.words[1], kTypes));
    if (o.from && o.kind)
        return usage(QStringLiteral("give --from or --kind, not both"));
    if (!o.name)
        return usage(QStringLiteral("new needs --name"));
    std::optional<int> kind;
    if (o.kind && kindCount(int(type)) == 0)
        return usage(QStringLiteral("%1 have no kinds: leave out --kind").arg(o.words[1]));
    if (o.kind && !(kind = parseKind(type, *o.kind)))
        return usage(QStringLiteral("%1 is no kind of %2").arg(*o.kind, typeFolder(type)));
    if (!o.from && !o.kind && kindCount(int(type)) > 0)
        return usage(
            QStringLiteral("new %1 needs --from ID|FILE or --kind KIND").arg(typeFolder(type)));
    const std::unique_ptr<GameData> data = openGameData(o);
    if (!data)
        return kFailed;
    QByteArray start;
    if (o.from)
        start = startBytes(*data, Catalogue(*data), *o.from);
    else
        start = defaultRecord(int(type), kind.value_or(0));
    const NewPrototype made = createPrototype(*data, type, start, {o.name, o.description});
    write(stdout, (hexText(made.id, 8) + u'\t' + made.file + u'\n').toUtf8());
    reportGameProblems(*data);
    return kOk;
}

} // namespace zantrel::cli
