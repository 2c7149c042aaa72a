#include "datafolder.h"

#include "core/files.h"

#include <QDir>
#include <QFileInfo>

namespace zantrel {

namespace {

QString subfolder(DataKind kind) {
    switch (kind) {
    case DataKind::ScriptList:
        return QStringLiteral("data/scripts/");
    case DataKind::ItemArt:
        return QStringLiteral("data/art/items/");
    case DataKind::CritterArt:
        return QStringLiteral("data/art/critters/");
    case DataKind::SceneryArt:
        return QStringLiteral("data/art/scenery/");
    case DataKind::WallArt:
        return QStringLiteral("data/art/walls/");
    case DataKind::TileArt:
        return QStringLiteral("data/art/tiles/");
    case DataKind::MiscArt:
        return QStringLiteral("data/art/misc/");
    case DataKind::InventoryArt:
        return QStringLiteral("data/art/inven/");
    case DataKind::Messages:
        return QStringLiteral("data/text/english/");
    case DataKind::Palette:
        return QStringLiteral("data/");
    }
    return QString();
}

bool fromSources(const Settings& s) {
    return s.useSources == QLatin1String("1");
}

QString withSlash(QString folder) {
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString datafolder(const Settings& settings, DataKind kind) {
    if (fromSources(settings))
        return withSlash(settings.sourcesFolder);
    return withSlash(settings.gameFolder) + subfolder(kind);
}

QString dataFile(const Settings& settings, DataKind kind, const QString& name) {
    if (fromSources(settings))
        return resolvePath(withSlash(settings.sourcesFolder), name);
    const QString base = withSlash(settings.gameFolder);
    const QString path = resolvePath(base, subfolder(kind) + name);
    if (kind == DataKind::Messages && !QFileInfo(path).isFile()) {
        // The game keeps its message files one folder further down.
        const QString game = resolvePath(base, subfolder(kind) + QStringLiteral("game/") + name);
        if (QFileInfo(game).isFile())
            return game;
    }
    return path;
}

bool artListFor(int objtype, DataKind& kind, QString& name) {
    static const struct {
        DataKind kind;
        const char* name;
    } lists[] = {{DataKind::ItemArt, "items.lst"},      {DataKind::CritterArt, "critters.lst"},
                 {DataKind::SceneryArt, "scenery.lst"}, {DataKind::WallArt, "walls.lst"},
                 {DataKind::TileArt, "tiles.lst"},      {DataKind::MiscArt, "misc.lst"}};
    if (objtype < 0 || objtype > 5)
        return false;
    kind = lists[objtype].kind;
    name = QLatin1String(lists[objtype].name);
    return true;
}

QString nameMessageFile(int objtype) {
    static const char* const files[] = {"pro_item.msg", "pro_crit.msg", "pro_scen.msg",
                                        "pro_wall.msg", "pro_tile.msg", "pro_misc.msg"};
    return objtype >= 0 && objtype <= 5 ? QLatin1String(files[objtype]) : QString();
}

} // namespace zantrel
