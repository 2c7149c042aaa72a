#include "clicommon.h"

#include "gamedata/gamedata.h"
#include "settings/settingsfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zantrel::cli {

void write(FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void report(const QString& text) {
    for (const QString& line : text.split(u'\n'))
        write(stderr, (QStringLiteral("zantrel-cli: ") + line + u'\n').toUtf8());
}

void report(const UserError& e) {
    report(e.path().isEmpty() ? e.text() : e.path() + QStringLiteral(": ") + e.text());
}

int usage(const QString& text) {
    report(text + QStringLiteral(" (see zantrel-cli --help)"));
    return kUsage;
}

QString gameFolder(const Options& o) {
    const QString folder =
        o.game ? *o.game
               : readini(existingSettingsFile(QCoreApplication::applicationDirPath())).gameFolder;
    // Absolute, so that where a file comes from reads relative to the game folder itself.
    return folder.isEmpty() ? folder : QFileInfo(folder).absoluteFilePath();
}

std::unique_ptr<GameData> openGameData(const Options& o) {
    Settings settings;
    if (!o.game)
        settings = readini(existingSettingsFile(QCoreApplication::applicationDirPath()));
    settings.gameFolder = gameFolder(o);
    if (settings.gameFolder.isEmpty()) {
        report(QStringLiteral("No game folder: give --game FOLDER or set it in the editor's "
                              "settings"));
        return nullptr;
    }
    if (!QFileInfo(settings.gameFolder).isDir()) {
        report(UserError(QStringLiteral("Game folder not found"), settings.gameFolder));
        return nullptr;
    }
    return std::make_unique<GameData>(settings);
}

void reportGameProblems(const GameData& data) {
    for (const UserError& e : data.view()->problems())
        report(e);
    for (const UserError& e : data.textWarnings().take())
        report(UserError(QStringLiteral("warning: ") + e.text(), e.path()));
}

} // namespace zantrel::cli
