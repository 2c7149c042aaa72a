#include "settingslocation.h"

#include "core/platform.h"
#include "settings/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zantrel {

QString settingsFilePath(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(settingsFileName());
    if (QFileInfo::exists(beside) || platform::isWritableFolder(programFolder))
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(settingsFileName());
}

} // namespace zantrel
