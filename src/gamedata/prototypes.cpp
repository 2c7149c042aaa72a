#include "prototypes.h"

#include "core/files.h"

#include <QFileInfo>

namespace zantrel {

QList<GameFile> listPrototypes(const GameData& data, const QString& kindFolder) {
    QString folder = kindFolder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    // The view's wildcards stay inside one folder, so sub-folders are left out.
    return data.view()->list(folder + QStringLiteral("/*.pro"));
}

QString patchesPath(const GameData& data, const QString& relative) {
    QString path = data.view()->patchesFolder();
    if (path.isEmpty())
        return QString();
    QString name = relative;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Each folder and the file as they already are, whatever their case, so that no twin
    // differing only in case is made beside them; the rest as asked.
    bool existing = true;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QString(); // never outside the patches folder
        const QString found = existing ? resolvePath(path, part) : QString();
        existing = existing && QFileInfo::exists(found);
        path = existing ? found : path + QLatin1Char('/') + part;
    }
    return path;
}

} // namespace zantrel
