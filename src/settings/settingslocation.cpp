#include "settingslocation.h"

#include "core/platform.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Both relative to the install prefix; the build passes the ones it installs to.
#ifndef ZANTREL_INSTALL_BINDIR
#define ZANTREL_INSTALL_BINDIR "bin"
#endif
#ifndef ZANTREL_INSTALL_DATADIR
#define ZANTREL_INSTALL_DATADIR "share/zantrel"
#endif

namespace zantrel {

QString installedDataFolder(const QString& programFolder) {
    // The program's folder must end in the install's bin folder, so a build or unpacked
    // folder that happens to lie beside a "share" folder is never taken for an install.
    const QString program = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
    const QString bin = QDir::cleanPath(QStringLiteral(ZANTREL_INSTALL_BINDIR));
    if (!program.endsWith(QLatin1Char('/') + bin))
        return {};
    const QString prefix = program.left(program.size() - bin.size() - 1);
    const QString data =
        QDir::cleanPath(prefix + QLatin1Char('/') + QStringLiteral(ZANTREL_INSTALL_DATADIR));
    return QFileInfo(data).isDir() ? data : QString();
}

QString settingsFilePath(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(settingsFileName());
    const bool installed = !installedDataFolder(programFolder).isEmpty();
    if (!installed && (QFileInfo::exists(beside) || platform::isWritableFolder(programFolder)))
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(settingsFileName());
}

} // namespace zantrel
