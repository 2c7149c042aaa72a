#include "loadcheck.h"

#include "core/files.h"

#include <QFileInfo>

namespace zantrel {

namespace {

// The names below the data root the editor reads a bare file name from; none for a file
// it does not read.
QStringList editorPaths(const QString& name) {
    static const char* const artKinds[] = {"items", "critters", "scenery", "walls",
                                           "tiles", "misc",     "inven"};
    const QString lower = name.toLower();
    if (lower == QLatin1String("scripts.lst"))
        return GameData::gamePaths(DataKind::ScriptList, name);
    if (lower == QLatin1String("color.pal"))
        return GameData::gamePaths(DataKind::Palette, name);
    if (lower.endsWith(QLatin1String(".msg")))
        return GameData::gamePaths(DataKind::Messages, name);
    for (const char* kind : artKinds) {
        if (lower == QLatin1String(kind) + QLatin1String(".lst"))
            return {QStringLiteral("art/") + QLatin1String(kind) + QLatin1Char('/') + name};
    }
    return {};
}

bool inGameView(const GameView& view, const QString& entry) {
    QString name = entry;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1String("data/"), Qt::CaseInsensitive))
        name.remove(0, 5);
    if (view.exists(name))
        return true;
    if (entry.contains(QLatin1Char('/')) || entry.contains(QLatin1Char('\\')))
        return false;
    for (const QString& path : editorPaths(entry)) {
        if (view.exists(path))
            return true;
    }
    return false;
}

} // namespace

bool checkedFileFound(const Settings& settings, const GameData& data, const QString& entry) {
    if (entry.isEmpty())
        return false;
    const bool fromGame = settings.useSources == QLatin1String("0");
    const QString folder = fromGame ? settings.gameFolder : settings.sourcesFolder;
    if (QFileInfo(resolvePath(folder, entry)).isFile())
        return true;
    return fromGame && inGameView(*data.view(), entry);
}

} // namespace zantrel
