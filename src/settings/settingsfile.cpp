#include "settingsfile.h"

#include "core/files.h"
#include "core/savefile.h"
#include "core/usererror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// Only the narrow (UTF-8) variant is used, so no wide-character converter is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cerrno>
#include <string>

namespace zantrel {

namespace {

const char* const kFile = "File";
const char* const kImage = "Image";
const char* const kOther = "Other";
const char* const kText = "Text";
const char* const kLanguage = "Language";

// CSimpleIniA matches section and key names without regard to case.
void loadInto(CSimpleIniA& ini, const QString& path, bool throwOnError) {
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetSpaces(false);
    if (!QFile::exists(path))
        return;
    QByteArray bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const UserError&) {
        if (throwOnError)
            throw;
        return;
    }
    ini.LoadData(bytes.constData(), size_t(bytes.size()));
}

QString value(const CSimpleIniA& ini, const char* section, const QString& key) {
    return QString::fromUtf8(ini.GetValue(section, key.toUtf8().constData(), ""));
}

void set(CSimpleIniA& ini, const char* section, const char* key, const QString& v) {
    ini.SetValue(section, key, v.toUtf8().constData());
}

} // namespace

QString settingsFileName() {
    return QStringLiteral("zantrel.ini");
}

QString existingSettingsFile(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(settingsFileName());
    if (QFileInfo::exists(beside))
        return beside;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString there = QDir(config).filePath(settingsFileName());
    return QFileInfo::exists(there) ? there : beside;
}

QStringList defaultCheckedFiles() {
    return {QStringLiteral("CRITTERS.LST"), QStringLiteral("ITEMS.LST"),
            QStringLiteral("MISC.LST"),     QStringLiteral("SCENERY.LST"),
            QStringLiteral("SCRIPTS.LST"),  QStringLiteral("TILES.LST"),
            QStringLiteral("WALLS.LST"),    QStringLiteral("color.pal"),
            QStringLiteral("pro_crit.msg"), QStringLiteral("pro_item.msg"),
            QStringLiteral("pro_misc.msg"), QStringLiteral("pro_scen.msg"),
            QStringLiteral("pro_tile.msg"), QStringLiteral("pro_wall.msg"),
            QStringLiteral("PROTO.MSG")};
}

SettingsForm defaultSettingsForm(const QString& programFolder) {
    SettingsForm f;
#ifdef Q_OS_WIN
    f.gameFolder = QStringLiteral("D:/Fallout2");
#else
    f.gameFolder = QDir::homePath() + QStringLiteral("/Fallout2");
#endif
    QString folder = QDir::fromNativeSeparators(programFolder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    f.sourcesFolder = folder + QStringLiteral("Source");
    f.useSources = true;
    f.halfSize = false;
    f.rows = defaultCheckedFiles();
    return f;
}

Settings readini(const QString& path) {
    CSimpleIniA ini;
    loadInto(ini, path, false);
    Settings s;
    s.gameFolder = normalizedPath(value(ini, kFile, QStringLiteral("F2Path")));
    s.sourcesFolder = normalizedPath(value(ini, kFile, QStringLiteral("Source")));
    s.useSources = value(ini, kFile, QStringLiteral("Usesource"));
    s.imageSize = value(ini, kImage, QStringLiteral("Optimize"));
    s.codePage = value(ini, kText, QStringLiteral("CodePage"));
    s.language = value(ini, kOther, QLatin1String(kLanguage));
    // The language shares the section with the file list but is no file to check.
    const bool hasLanguage = ini.GetValue(kOther, kLanguage) != nullptr;
    const int keys = ini.GetSectionSize(kOther) - (hasLanguage ? 1 : 0);
    const int n = qBound(0, keys, kMaxCheckedFiles);
    for (int k = 1; k <= n; ++k)
        s.files << value(ini, kOther, QStringLiteral("File%1").arg(k));
    s.fileCount = std::uint8_t(n);
    return s;
}

void saveini(const QString& path, const SettingsForm& form) {
    CSimpleIniA ini;
    loadInto(ini, path, true);
    // The file holds folders as the system writes them, so it reads well when edited by hand.
    set(ini, kFile, "F2Path", QDir::toNativeSeparators(form.gameFolder));
    set(ini, kFile, "Source", QDir::toNativeSeparators(form.sourcesFolder));
    set(ini, kFile, "UseSource", form.useSources ? QStringLiteral("1") : QStringLiteral("0"));
    set(ini, kImage, "Optimize", form.halfSize ? QStringLiteral("1") : QStringLiteral("0"));
    if (form.codePage && form.codePage->isEmpty())
        ini.Delete(kText, "CodePage", true);
    else if (form.codePage)
        set(ini, kText, "CodePage", *form.codePage);
    ini.Delete(kOther, nullptr);
    if (!form.rows.isEmpty() && !form.rows.first().isEmpty()) {
        for (int r = 0; r < form.rows.size(); ++r)
            set(ini, kOther, QStringLiteral("File%1").arg(r + 1).toUtf8().constData(),
                form.rows[r]);
    }
    if (!form.language.isEmpty())
        set(ini, kOther, kLanguage, form.language);
    std::string text;
    if (ini.Save(text, false) < 0)
        throw UserError(fileErrorText(EIO), path);
    saveFileAtomically(path, QByteArray(text.data(), qsizetype(text.size())), false);
}

} // namespace zantrel
