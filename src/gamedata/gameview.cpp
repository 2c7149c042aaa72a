#include "gameview.h"

#include "core/files.h"
#include "gameconfig.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace zantrel {

namespace {

// A game name with '/' between folders and no empty parts; nothing for a name no game file
// can have ("", "." or ".." parts), so no lookup leaves the game's places.
std::optional<QString> cleanName(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return std::nullopt;
    }
    return parts.join(QLatin1Char('/'));
}

// '*' and '?' as the game's own file lists take them: within one folder.
QRegularExpression wildcard(const QString& pattern) {
    QString re;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            re += QLatin1String("[^/]*");
        else if (c == QLatin1Char('?'))
            re += QLatin1String("[^/]");
        else
            re += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(re));
}

// fallout2.cfg names places relative to the game folder, whatever their letter case.
QString placePath(const QString& folder, const QString& configured) {
    const QString p = QDir::fromNativeSeparators(QString(configured).replace('\\', '/'));
    return QDir::isAbsolutePath(p) ? QDir::cleanPath(p) : QDir::cleanPath(resolvePath(folder, p));
}

// patchNNN.dat in the game folder, the highest number first, as the game opens them last.
QStringList patchArchives(const QString& folder) {
    static const QRegularExpression patchName(QStringLiteral("^patch(\\d{3})\\.dat$"),
                                              QRegularExpression::CaseInsensitiveOption);
    std::multimap<int, QString, std::greater<int>> byNumber;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = patchName.match(name);
        if (m.hasMatch())
            byNumber.emplace(m.captured(1).toInt(), QDir(folder).filePath(name));
    }
    QStringList out;
    for (const auto& [number, path] : byNumber)
        out.append(path);
    return out;
}

// Every folder under base whose path matches parts whatever the letter case: folders that
// differ only in case all count, as a lookup may find its file in any of them.
QStringList foldersMatching(const QString& base, const QStringList& parts) {
    QStringList level{base};
    for (const QString& part : parts) {
        QStringList next;
        for (const QString& folder : level) {
            const QStringList entries =
                QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0)
                    next.append(folder + QLatin1Char('/') + e);
            }
        }
        level = next;
    }
    return level;
}

// The folders of a pattern before its first wildcard: a listing walks only below them.
QStringList literalFolders(const QString& cleaned, bool wild) {
    QStringList parts = cleaned.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!wild)
        return parts;
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i].contains(QLatin1Char('*')) || parts[i].contains(QLatin1Char('?')))
            break;
        out.append(parts[i]);
    }
    return out;
}

} // namespace

GameView::GameView(const QString& gameFolder)
    : m_folder(QDir::cleanPath(QDir::fromNativeSeparators(gameFolder))) {
    // No folder set is no game, not the working folder (nor the root).
    if (m_folder.isEmpty())
        return;
    GameConfig config;
    const QString configPath = resolvePath(m_folder, QStringLiteral("fallout2.cfg"));
    // The game starts with its defaults when the file is missing or unreadable; so do we.
    if (QFileInfo(configPath).isFile()) {
        try {
            config = parseGameConfig(readFileBytes(configPath));
        } catch (const UserError&) {
        }
    }
    m_language = config.language;
    addArchive(resolvePath(m_folder, QStringLiteral("f2_res.dat")));
    for (const QString& patch : patchArchives(m_folder))
        addArchive(patch);
    m_patchesFolder = placePath(m_folder, config.masterPatches);
    addFolder(m_patchesFolder);
    addFolder(placePath(m_folder, config.critterPatches));
    addArchive(placePath(m_folder, config.critterDat));
    addArchive(placePath(m_folder, config.masterDat));
}

void GameView::addArchive(const QString& path) {
    if (!QFileInfo::exists(path))
        return;
    for (const Place& p : m_places) {
        if (p.path == path)
            return;
    }
    try {
        m_places.push_back({path, DatArchive::open(path)});
    } catch (const UserError& e) {
        m_problems.append(e);
    }
}

void GameView::addFolder(const QString& path) {
    if (!QFileInfo(path).isDir())
        return;
    for (const Place& p : m_places) {
        if (p.path == path)
            return;
    }
    m_places.push_back({path, std::nullopt});
}

QStringList GameView::searchOrder() const {
    QStringList out;
    for (const Place& p : m_places)
        out.append(p.path);
    return out;
}

std::optional<GameSource> GameView::locate(const QString& path) const {
    const std::optional<QString> name = cleanName(path);
    return name ? locateKey(*name) : std::nullopt;
}

std::optional<GameSource> GameView::locateKey(const QString& name) const {
    for (const Place& p : m_places) {
        if (p.archive) {
            if (const DatArchive::Entry* e = p.archive->find(name))
                return GameSource{GameSource::Kind::Archive, p.path, e->name};
            continue;
        }
        const QString file = resolvePath(p.path, name);
        if (QFileInfo(file).isFile())
            return GameSource{GameSource::Kind::Folder, p.path, file};
    }
    return std::nullopt;
}

QByteArray GameView::read(const QString& path) const {
    const std::optional<GameSource> source = locate(path);
    if (!source) {
        if (!m_problems.isEmpty())
            throw m_problems.first();
        throw UserError(QStringLiteral("File not found"), path);
    }
    if (source->kind == GameSource::Kind::Folder)
        return readFileBytes(source->name);
    for (const Place& p : m_places) {
        if (p.archive && p.path == source->container)
            return p.archive->read(*p.archive->find(source->name));
    }
    throw UserError(QStringLiteral("File not found"), path);
}

std::vector<std::optional<GameSource>> GameView::locateAll(const QString& folder,
                                                           const QStringList& names) const {
    std::vector<std::optional<GameSource>> out(std::size_t(names.size()));
    const std::optional<QString> base = cleanName(folder);
    if (!base)
        return out;
    // Each patches folder's files there, by their lower-case name.
    std::vector<QHash<QString, QString>> loose(m_places.size());
    for (std::size_t p = 0; p < m_places.size(); ++p) {
        if (m_places[p].archive)
            continue;
        for (const QString& dir :
             foldersMatching(m_places[p].path, base->split(QLatin1Char('/')))) {
            const QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
            for (const QString& f : files) {
                QString& known = loose[p][f.toLower()];
                if (known.isEmpty())
                    known = dir + QLatin1Char('/') + f;
            }
        }
    }
    const QString prefix = *base + QLatin1Char('/');
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
            cleanName(name) != name) {
            out[std::size_t(i)] = locate(prefix + name); // a path of its own: looked up alone
            continue;
        }
        const QString lower = name.toLower();
        for (std::size_t p = 0; p < m_places.size() && !out[std::size_t(i)]; ++p) {
            if (m_places[p].archive) {
                if (const DatArchive::Entry* e = m_places[p].archive->find(prefix + name))
                    out[std::size_t(i)] =
                        GameSource{GameSource::Kind::Archive, m_places[p].path, e->name};
            } else if (const auto it = loose[p].constFind(lower); it != loose[p].cend()) {
                out[std::size_t(i)] = GameSource{GameSource::Kind::Folder, m_places[p].path, *it};
            }
        }
    }
    return out;
}

std::vector<QByteArray> GameView::readHeads(const std::vector<std::optional<GameSource>>& sources,
                                            int n, std::vector<QString>& errors) const {
    std::vector<QByteArray> heads(sources.size());
    errors.assign(sources.size(), QString());
    for (const Place& p : m_places) {
        if (!p.archive)
            continue;
        std::vector<const DatArchive::Entry*> entries;
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < sources.size(); ++i) {
            const std::optional<GameSource>& s = sources[i];
            if (s && s->kind == GameSource::Kind::Archive && s->container == p.path)
                if (const DatArchive::Entry* e = p.archive->find(s->name)) {
                    entries.push_back(e);
                    at.push_back(i);
                }
        }
        if (entries.empty())
            continue;
        std::vector<QString> failed;
        std::vector<QByteArray> read = p.archive->readHeads(entries, n, failed);
        for (std::size_t k = 0; k < at.size(); ++k) {
            heads[at[k]] = std::move(read[k]);
            errors[at[k]] = failed[k];
        }
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const std::optional<GameSource>& s = sources[i];
        if (!s || s->kind != GameSource::Kind::Folder)
            continue;
        try {
            heads[i] = readFileHead(s->name, n);
        } catch (const UserError& e) {
            errors[i] = e.text();
        }
    }
    return heads;
}

QList<GameFile> GameView::list(const QString& pattern) const {
    QString p = pattern.toLower();
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool wild = p.contains(QLatin1Char('*')) || p.contains(QLatin1Char('?'));
    const QString cleaned = cleanName(p).value_or(QString());
    const QString under = cleaned.isEmpty() ? QString() : cleaned + QLatin1Char('/');
    const QRegularExpression re = wild ? wildcard(cleaned) : QRegularExpression();
    const auto matches = [&](const QString& key) {
        return wild ? re.match(key).hasMatch() : key.startsWith(under);
    };
    const QStringList folders = literalFolders(cleaned, wild);

    std::map<QString, GameFile> found; // by key, so each name once and sorted
    for (const Place& place : m_places) {
        if (place.archive) {
            for (const DatArchive::Entry& e : place.archive->entries()) {
                const QString key = DatArchive::key(e.name);
                // A name no path leads to ("", "a//b", "../b") is not offered.
                if (cleanName(key) != key)
                    continue;
                if (matches(key) && found.find(key) == found.end())
                    found.emplace(key, GameFile{QString(e.name).replace('\\', '/'),
                                                {GameSource::Kind::Archive, place.path, e.name}});
            }
            continue;
        }
        // Only the folders asked for are walked, not the whole patches tree.
        const QDir root(place.path);
        for (const QString& start : foldersMatching(place.path, folders)) {
            QDirIterator it(start, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString name = root.relativeFilePath(file);
                const QString key = name.toLower();
                if (matches(key) && found.find(key) == found.end())
                    found.emplace(key,
                                  GameFile{name, {GameSource::Kind::Folder, place.path, file}});
            }
        }
    }
    QList<GameFile> out;
    out.reserve(qsizetype(found.size()));
    for (auto& [key, file] : found)
        out.append(std::move(file));
    return out;
}

} // namespace zantrel
