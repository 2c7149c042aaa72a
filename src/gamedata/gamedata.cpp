#include "gamedata.h"

#include "codepage.h"
#include "core/files.h"
#include "core/usererror.h"
#include "lists.h"
#include "messagefile.h"

#include <QDir>
#include <QFileInfo>

namespace zantrel {

namespace {

QString folderOf(DataKind kind) {
    switch (kind) {
    case DataKind::ScriptList:
        return QStringLiteral("scripts/");
    case DataKind::ItemArt:
        return QStringLiteral("art/items/");
    case DataKind::CritterArt:
        return QStringLiteral("art/critters/");
    case DataKind::SceneryArt:
        return QStringLiteral("art/scenery/");
    case DataKind::WallArt:
        return QStringLiteral("art/walls/");
    case DataKind::TileArt:
        return QStringLiteral("art/tiles/");
    case DataKind::MiscArt:
        return QStringLiteral("art/misc/");
    case DataKind::InventoryArt:
        return QStringLiteral("art/inven/");
    case DataKind::Messages:
        return QStringLiteral("text/english/"); // see gamePaths() for other languages
    case DataKind::Palette:
        return QString();
    }
    return QString();
}

QString withSlash(QString folder) {
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

GameData::GameData()
    : m_view(std::make_shared<const GameView>(QString())), m_codePage(codePageOfLanguage({})) {}

GameData::GameData(const Settings& settings)
    : m_fromSources(settings.useSources == QLatin1String("1")),
      m_sources(withSlash(settings.sourcesFolder)),
      m_view(std::make_shared<const GameView>(settings.gameFolder)),
      m_codePage(codePageFor(m_view->language(), settings.codePage)) {}

QStringList GameData::gamePaths(DataKind kind, const QString& name, const QString& language) {
    if (kind != DataKind::Messages)
        return {folderOf(kind) + name};
    // The game reads its message files one folder further down; the folder above is where
    // the editor has always looked too. A file the language lacks comes from english.
    QStringList paths;
    QStringList languages{language.toLower()};
    if (languages[0] != QLatin1String("english"))
        languages << QStringLiteral("english");
    for (const QString& l : languages)
        paths << QStringLiteral("text/%1/game/").arg(l) + name
              << QStringLiteral("text/%1/").arg(l) + name;
    return paths;
}

QString GameData::sourcesFile(const QString& name) const {
    return resolvePath(m_sources, name);
}

bool GameData::locate(const QStringList& relatives, QString& found, GameSource& source) const {
    for (const QString& relative : relatives) {
        if (const std::optional<GameSource> s = m_view->locate(relative)) {
            found = relative;
            source = *s;
            return true;
        }
    }
    return false;
}

QByteArray GameData::readFromView(const QStringList& relatives) const {
    QString found;
    GameSource source;
    if (locate(relatives, found, source))
        return m_view->read(found);
    // A broken archive may well hold the file: its message says more than "not found".
    if (!m_view->problems().isEmpty())
        throw m_view->problems().first();
    throw UserError(QStringLiteral("File not found"), describeInView(relatives));
}

QString GameData::describeInView(const QStringList& relatives) const {
    QString found;
    GameSource source;
    if (locate(relatives, found, source)) {
        if (source.kind == GameSource::Kind::Folder)
            return source.name;
        return source.container + QStringLiteral(": ") + source.name;
    }
    QString first = relatives.value(0);
    first.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString patches = m_view->patchesFolder();
    return patches.isEmpty() ? first : withSlash(patches) + first;
}

QByteArray GameData::read(DataKind kind, const QString& name) const {
    if (m_fromSources)
        return readFileBytes(sourcesFile(name));
    return readFromView(gamePaths(kind, name, language()));
}

bool GameData::exists(DataKind kind, const QString& name) const {
    if (m_fromSources)
        return !name.isEmpty() && QFileInfo(sourcesFile(name)).isFile();
    QString found;
    GameSource source;
    return locate(gamePaths(kind, name, language()), found, source);
}

QString GameData::describe(DataKind kind, const QString& name) const {
    if (m_fromSources)
        return sourcesFile(name);
    return describeInView(gamePaths(kind, name, language()));
}

QString GameData::message(const QString& file, qint64 number) const {
    const MessageFile messages(read(DataKind::Messages, file));
    if (!messages.problem().isEmpty())
        m_warnings->report(UserError(messages.problem(), describe(DataKind::Messages, file)));
    const MessageEntry* entry = messages.find(number);
    return entry ? decodeText(entry->text, m_codePage) + QLatin1Char(' ') : kNoneEntry;
}

QByteArray GameData::readGamePath(const QString& relative) const {
    return readFromView({relative});
}

bool GameData::existsGamePath(const QString& relative) const {
    return m_view->exists(relative);
}

QString GameData::describeGamePath(const QString& relative) const {
    return describeInView({relative});
}

} // namespace zantrel
