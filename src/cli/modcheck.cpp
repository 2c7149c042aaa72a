#include "modcheck.h"

#include "core/files.h"
#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/document.h"
#include "proto/fieldcodec.h"
#include "proto/itemfields.h"

#include <QDir>
#include <QFileInfo>

namespace zantrel {

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

QString lines(int n) {
    return n == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(n);
}

QString fileName(const QString& path) {
    return path.section(QLatin1Char('/'), -1);
}

} // namespace

void PrototypeChecker::noteUnreadable(const QString& path) {
    if (!m_unreadable.contains(path))
        m_unreadable << path;
}

std::optional<int> PrototypeChecker::count(const QString& list) {
    const std::optional<int> n = m_game->lineCount(list);
    if (!n)
        noteUnreadable(list);
    return n;
}

QString PrototypeChecker::artProblem(const QString& what, std::uint32_t type, std::uint32_t index) {
    const QString list = GameNames::artList(type);
    if (list.isEmpty())
        return QStringLiteral("%1: art type %2 is not known").arg(what).arg(type);
    const std::optional<int> n = count(list);
    if (!n || index < std::uint32_t(*n))
        return QString();
    return QStringLiteral("%1: index %2 is past %3 (%4)").arg(what).arg(index).arg(list, lines(*n));
}

QString PrototypeChecker::prototypeProblem(const QString& what, std::uint32_t id) {
    const std::uint32_t type = id >> 24, number = id & 0xFFFFFF;
    const QString list = GameNames::prototypeList(type);
    if (list.isEmpty())
        return QStringLiteral("%1 names no prototype: object type %2 is not known")
            .arg(what)
            .arg(type);
    const std::optional<int> n = count(list);
    if (!n)
        return QString();
    if (number == 0 || number > std::uint32_t(*n))
        return QStringLiteral("%1 names no prototype: %2 has %3")
            .arg(what, list,
                 *n == 0 ? QStringLiteral("no lines") : QStringLiteral("lines 1 .. %1").arg(*n));
    const QString file = m_game->prototypeFile(id);
    if (!m_game->exists(file))
        return QStringLiteral("%1 names %2, which the game does not have").arg(what, file);
    return QString();
}

void PrototypeChecker::checkReferences(const Record& record, const QByteArray& bytes,
                                       QStringList& out) {
    const QString names = GameNames::objectNames(std::uint32_t(record.objectType));
    for (const RecordRow& row : record.rows) {
        const std::uint32_t v = fieldValue(bytes, row.offset, row.width);
        const QString what = row.name + QLatin1Char(' ');
        QString problem;
        if (row.offset == 4 && !names.isEmpty()) {
            const std::optional<bool> has = m_game->hasMessage(names, v);
            if (!has)
                noteUnreadable(names);
            else if (!*has)
                problem =
                    QStringLiteral("Text id %1 has no name in %2").arg(v).arg(fileName(names));
        } else if (row.display == Display::FrameId && v != kNone) {
            problem = artProblem(what + hexText(v, 8), v >> 24, v & 0xFFFF);
        } else if (row.display == Display::Picture && v != kNoPicture) {
            problem = artProblem(row.name, kInventoryArtType, v);
        } else if (row.display == Display::ScriptId && v != kNone) {
            const std::optional<int> n = count(GameNames::scriptList());
            if (n && scriptLine(v) >= *n)
                problem = QStringLiteral("%1%2 is past %3 (%4)")
                              .arg(what)
                              .arg(scriptLine(v))
                              .arg(GameNames::scriptList(), lines(*n));
        } else if (row.display == Display::ProtoId && row.offset != 0 && v != kNone) {
            problem = prototypeProblem(what + hexText(v, 8), v);
        }
        if (!problem.isEmpty())
            out << problem;
    }
}

QStringList PrototypeChecker::problems(const QByteArray& bytes) {
    const Record record = recordFor(bytes);
    QStringList out = record.problems;
    for (const RecordRow& row : record.rows) {
        const QString problem = checkField(record, row, bytes);
        if (!problem.isEmpty())
            out << problem;
    }
    if (m_game)
        checkReferences(record, bytes, out);
    return out;
}

ListCheck::ListCheck(const Catalogue& catalogue) : m_catalogue(catalogue) {
    for (int t = 0; t < kObjectTypeCount; ++t)
        for (const CatalogueEntry& e : catalogue.entries(ObjectType(t)))
            if (!m_firstLine[std::size_t(t)].contains(e.file.toLower()))
                m_firstLine[std::size_t(t)].insert(e.file.toLower(), e.index);
}

QStringList ListCheck::problems(const QString& path, const QByteArray& bytes) const {
    const QStringList parts = QDir::fromNativeSeparators(path).split(u'/');
    ObjectType type = ObjectType::Item;
    if (parts.size() < 2 || !typeFromFolder(parts[parts.size() - 2], type) ||
        !m_catalogue.listProblem(type).isEmpty())
        return {};
    const QString list = prototypeListPath(type);
    const int line = m_firstLine[std::size_t(type)].value(parts.back().toLower());
    if (line == 0)
        return {QStringLiteral("No line of %1 names it").arg(list)};
    const std::uint32_t lineId = std::uint32_t(type) << 24 | std::uint32_t(line);
    if (bytes.size() >= 4 && fieldValue(bytes, 0, 4) != lineId)
        return {QStringLiteral("Object id %1 is not %2, the id of its line in %3")
                    .arg(hexText(fieldValue(bytes, 0, 4), 8), hexText(lineId, 8), list)};
    return {};
}

std::vector<Finding> ListCheck::listProblems() const {
    std::vector<Finding> out;
    for (int t = 0; t < kObjectTypeCount; ++t) {
        const QString list = prototypeListPath(ObjectType(t));
        for (const CatalogueEntry& e : m_catalogue.entries(ObjectType(t))) {
            if (e.problems & MissingFile)
                out.push_back({list, QStringLiteral("Line %1 names %2, which the game does not "
                                                    "have")
                                         .arg(e.index)
                                         .arg(e.file)});
            if (e.problems & RepeatedLine)
                out.push_back(
                    {list, QStringLiteral("Line %1 names %2, as line %3 does")
                               .arg(e.index)
                               .arg(e.file)
                               .arg(m_firstLine[std::size_t(t)].value(e.file.toLower()))});
        }
    }
    return out;
}

namespace {

void walk(const QString& folder, QStringList& files, std::vector<Finding>& findings) {
    const QDir dir(folder);
    if (!dir.isReadable()) {
        findings.push_back({folder, QStringLiteral("The folder cannot be read")});
        return;
    }
    // System: FIFOs and broken links named *.pro are reported, not passed over.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : entries) {
        if (e.isDir()) {
            if (!e.isSymLink())
                walk(e.filePath(), files, findings);
        } else if (e.fileName().endsWith(QLatin1String(".pro"), Qt::CaseInsensitive)) {
            files << e.filePath();
        }
    }
}

} // namespace

QStringList prototypeFiles(const QStringList& paths, QStringList& missing,
                           std::vector<Finding>& findings) {
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            walk(path, files, findings);
        else if (info.exists() || info.isSymLink())
            files << path;
        else
            missing << path;
    }
    return files;
}

CheckResult checkPaths(const QStringList& paths, const GameNames* game,
                       const Catalogue* catalogue) {
    CheckResult result;
    const QStringList files = prototypeFiles(paths, result.missing, result.findings);
    PrototypeChecker checker(game);
    const std::optional<ListCheck> lists =
        catalogue ? std::optional<ListCheck>(*catalogue) : std::nullopt;
    for (const QString& file : files) {
        QStringList problems;
        try {
            const QByteArray bytes = readFileBytes(file);
            problems = checker.problems(bytes);
            if (lists)
                problems += lists->problems(file, bytes);
        } catch (const UserError& e) {
            problems << e.text();
        }
        for (const QString& p : problems)
            result.findings.push_back({file, p});
    }
    if (lists) {
        const std::vector<Finding> listed = lists->listProblems();
        result.findings.insert(result.findings.end(), listed.begin(), listed.end());
    }
    result.files = int(files.size());
    result.unreadable = checker.unreadable();
    return result;
}

} // namespace zantrel
