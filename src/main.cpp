// Until the editor windows exist, the program reports the data set it was pointed at:
// the settings it read, the files the loading screen checks and the lists it found.
#include "core/usererror.h"
#include "gamedata/datafolder.h"
#include "gamedata/gamefiles.h"
#include "gamedata/lists.h"
#include "shell/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace zantrel;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zantrel"));
    QTextStream out(stdout);
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString ini = QDir(programFolder).filePath(settingsFileName());
    try {
        if (!QFileInfo::exists(ini))
            saveini(ini, defaultSettingsForm(programFolder));
    } catch (const UserError& e) {
        out << "Cannot write " << ini << ": " << e.text() << "\n";
    }
    const Settings s = readini(ini);
    out << "Settings: " << ini << "\n"
        << "  game folder:    " << s.gameFolder << "\n"
        << "  sources folder: " << s.sourcesFolder << " (used: " << s.useSources << ")\n";
    const QString checkFolder = s.useSources == QLatin1String("0") ? s.gameFolder : s.sourcesFolder;
    int missing = 0;
    for (const QString& name : s.files) {
        const bool found = QFileInfo(resolvePath(checkFolder, name)).isFile();
        missing += found ? 0 : 1;
        out << (found ? "  found    " : "  MISSING  ") << name << "\n";
    }
    const struct {
        DataKind kind;
        const char* name;
    } lists[] = {{DataKind::ScriptList, "scripts.lst"},
                 {DataKind::ItemArt, "items.lst"},
                 {DataKind::CritterArt, "critters.lst"},
                 {DataKind::InventoryArt, "inven.lst"}};
    for (const auto& l : lists) {
        try {
            const ListContents c =
                readlist(dataFile(s, l.kind, QLatin1String(l.name)), ListMode::First12);
            out << "  " << l.name << ": " << c.count << " entries\n";
        } catch (const UserError& e) {
            out << "  " << l.name << ": " << e.text() << "\n";
        }
    }
    return missing == 0 ? 0 : 1;
}
