#include "gamesearch.h"

#include "core/files.h"
#include "gamedata.h"
#include "loadcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace zantrel {

namespace {

const char* const kInstalls[] = {
    "Program Files (x86)/Steam/steamapps/common/Fallout 2",
    "GOG Games/Fallout 2",
    "Program Files (x86)/GOG Galaxy/Games/Fallout 2",
};

#ifdef Q_OS_WIN
QString systemDrive() {
    const QString drive = qEnvironmentVariable("SystemDrive");
    return drive.isEmpty() ? QStringLiteral("C:") : QDir::fromNativeSeparators(drive);
}
#endif

} // namespace

QStringList gameFolderCandidates(const QString& home) {
    const QString h = QDir::fromNativeSeparators(home);
    QStringList out;
#ifdef Q_OS_WIN
    Q_UNUSED(h);
    out << QStringLiteral("D:/Fallout2");
    const QString drive = systemDrive();
    out << drive + QLatin1Char('/') + QLatin1String(kInstalls[0])
        << drive + QLatin1Char('/') + QLatin1String(kInstalls[1])
        << drive + QLatin1Char('/') + QLatin1String(kInstalls[2])
        << QStringLiteral("C:/Games/Fallout 2");
#else
    out << h + QStringLiteral("/Fallout2")
        << h + QStringLiteral("/.steam/steam/steamapps/common/Fallout 2")
        << h + QStringLiteral("/.local/share/Steam/steamapps/common/Fallout 2")
        << h + QStringLiteral("/GOG Games/Fallout 2");
    // A Windows release run through Wine keeps its Windows folders inside the prefix.
    const QString wine = h + QStringLiteral("/.wine/drive_c/");
    out << wine + QLatin1String(kInstalls[1]) << wine + QLatin1String(kInstalls[2])
        << wine + QLatin1String(kInstalls[0]);
#endif
    return out;
}

bool holdsGame(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    if (QFileInfo(resolvePath(folder, QStringLiteral("master.dat"))).isFile())
        return true;
    if (!QFileInfo(resolvePath(folder, QStringLiteral("data"))).isDir())
        return false;
    // A loose install must pass the check the loading screen will run on it, or the first
    // start would stop at "The file is missing" all the same.
    Settings s;
    s.gameFolder = folder;
    s.useSources = QStringLiteral("0");
    const GameData data(s);
    const QStringList names = defaultCheckedFiles();
    for (const QString& name : names) {
        if (!checkedFileFound(s, data, name))
            return false;
    }
    return true;
}

QString findGameFolder(const QStringList& candidates) {
    for (const QString& folder : candidates) {
        if (holdsGame(folder))
            return folder;
    }
    return QString();
}

} // namespace zantrel
