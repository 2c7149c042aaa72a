#include "objects.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/recordkinds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zantrel {

namespace {

bool allDigits(const QString& word, int base) {
    if (word.isEmpty())
        return false;
    for (const QChar c : word) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!digit && !(base == 16 && hex))
            return false;
    }
    return true;
}

QString idProblem(const Catalogue& catalogue, std::uint32_t id) {
    const std::uint32_t type = id >> 24;
    if (type >= std::uint32_t(kObjectTypeCount))
        return QStringLiteral("The id %1 names no prototype: object type %2 is not known")
            .arg(hexText(id, 8))
            .arg(type);
    const ObjectType t = ObjectType(type);
    if (!catalogue.listProblem(t).isEmpty())
        return catalogue.listProblem(t);
    return QStringLiteral("The id %1 names no prototype: %2 has %3 lines")
        .arg(hexText(id, 8), prototypeListPath(t))
        .arg(catalogue.entries(t).size());
}

// Letters only, lower case: "Ladder up", "ladder-up" and "ladder_up" are one name.
QString kindKey(const QString& name) {
    QString key;
    for (const QChar c : name)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

// One line of list's text: its fields never hold the separators.
QString field(QString text) {
    return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

} // namespace

std::optional<std::uint32_t> parseObjectId(const QString& word) {
    bool ok = false;
    std::uint32_t id = 0;
    if (word.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) && word.size() <= 10 &&
        allDigits(word.mid(2), 16))
        id = word.mid(2).toUInt(&ok, 16);
    else if (word.size() == 8 && allDigits(word, 16))
        id = word.toUInt(&ok, 16);
    else if (allDigits(word, 10))
        id = word.toUInt(&ok, 10);
    return ok ? std::optional<std::uint32_t>(id) : std::nullopt;
}

const CatalogueEntry& findObject(const Catalogue& catalogue, const QString& word) {
    if (const std::optional<std::uint32_t> id = parseObjectId(word)) {
        if (const CatalogueEntry* e = catalogue.find(*id))
            return *e;
        throw UserError(idProblem(catalogue, *id));
    }
    const QStringList parts = QString(word).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    const QString name = parts.value(parts.size() - 1);
    ObjectType only = ObjectType::Item;
    const bool typed = parts.size() > 1 && typeFromFolder(parts[parts.size() - 2], only);
    std::vector<const CatalogueEntry*> found;
    for (int t = 0; t < kObjectTypeCount; ++t) {
        if (typed && ObjectType(t) != only)
            continue;
        for (const CatalogueEntry& e : catalogue.entries(ObjectType(t))) {
            if (e.file.compare(name, Qt::CaseInsensitive) == 0) {
                found.push_back(&e);
                break;
            }
        }
    }
    if (found.empty())
        throw UserError(
            typed ? QStringLiteral("No line of %1 names %2").arg(prototypeListPath(only), name)
                  : QStringLiteral("No line of the game's prototype lists names %1 "
                                   "(nor is it an id)")
                        .arg(name));
    if (found.size() > 1) {
        QStringList types;
        for (const CatalogueEntry* e : found)
            types << typeFolder(e->type);
        throw UserError(QStringLiteral("%1 is a prototype of the types %2: give its id or "
                                       "proto/<type>/%1")
                            .arg(name, types.join(QStringLiteral(", "))));
    }
    return *found.front();
}

std::optional<int> parseKind(ObjectType type, const QString& word) {
    const int count = kindCount(int(type));
    if (count == 0)
        return std::nullopt;
    const bool items = type == ObjectType::Item;
    bool number = false;
    const int n = word.toInt(&number);
    if (number)
        return n >= 0 && n < count ? std::optional<int>(n) : std::nullopt;
    const QString key = kindKey(word);
    for (int k = 0; k < count; ++k) {
        const QString own = QLatin1String(items ? kItemKindNames[k] : kSceneryKindNames[k]);
        const QString title =
            builtinChoiceName(items ? Choices::ItemKind : Choices::SceneryKind, std::uint32_t(k));
        if (!key.isEmpty() && (key == kindKey(own) || key == kindKey(title)))
            return k;
    }
    return std::nullopt;
}

QByteArray catalogueText(const Catalogue& catalogue, const std::vector<ObjectType>& types,
                         const QString& filter) {
    QString out;
    for (const ObjectType type : types) {
        for (const CatalogueEntry& e : catalogue.entries(type)) {
            if (!e.matches(filter))
                continue;
            out += e.idText() + u'\t' + field(e.file) + u'\t' + field(e.name) + u'\t' +
                   e.kindName() + u'\t' + field(e.source) + u'\n';
        }
    }
    return out.toUtf8();
}

QByteArray catalogueJson(const Catalogue& catalogue, const std::vector<ObjectType>& types,
                         const QString& filter) {
    QJsonArray out;
    for (const ObjectType type : types) {
        const QString typeName = typeFolder(type);
        for (const CatalogueEntry& e : catalogue.entries(type)) {
            if (!e.matches(filter))
                continue;
            const QString kind = e.kindName();
            out.append(QJsonObject{
                {QStringLiteral("type"), typeName},
                {QStringLiteral("id"), qint64(e.id())},
                {QStringLiteral("index"), e.index},
                {QStringLiteral("file"), e.file},
                {QStringLiteral("source"), e.problems & MissingFile ? QJsonValue() : e.source},
                {QStringLiteral("name"), e.name},
                {QStringLiteral("description"), e.description},
                {QStringLiteral("kind"), kind.isEmpty() ? QJsonValue() : QJsonValue(kind)},
                {QStringLiteral("problems"), QJsonArray::fromStringList(e.problemTexts())},
            });
        }
    }
    return QJsonDocument(out).toJson();
}

} // namespace zantrel
