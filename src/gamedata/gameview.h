#pragma once

#include "core/usererror.h"
#include "datarchive.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zantrel {

// Where one copy of a game file lies.
struct GameSource {
    enum class Kind { Archive, Folder };
    Kind kind = Kind::Folder;
    QString container; // the archive's full path, or the patches folder's
    QString name;      // the entry's name as stored in the archive, or the file's full path
};

// One file of the game as a listing shows it: its name ('/' between folders, letter case of
// the copy that wins) and where that copy lies.
struct GameFile {
    QString name;
    GameSource source;
};

// The game's files as the game sees them: a file is taken from the first place that has it,
// in the game's order: f2_res.dat, the patchNNN.dat archives (highest number first), the
// patches folders of fallout2.cfg, critter.dat, master.dat. Names compare without letter
// case, with '/' or '\'.
//
// An archive that cannot be opened is skipped, as the game skips it, and kept in
// problems(). A file found nowhere else then gives that archive's message instead of "File
// not found", since the file may well be inside it.
class GameView {
public:
    explicit GameView(const QString& gameFolder);

    const QString& folder() const { return m_folder; }
    // The first patches folder (master_patches, default "data"), whether it exists or not;
    // empty for a view of no folder.
    const QString& patchesFolder() const { return m_patchesFolder; }
    // fallout2.cfg's [system] language, "english" when it names none.
    const QString& language() const { return m_language; }
    // Archives present but unreadable, in search order.
    const QList<UserError>& problems() const { return m_problems; }
    // The places searched, in order: archives' and folders' full paths.
    QStringList searchOrder() const;

    // Where the copy of path that the game uses lies; nothing when no place has it.
    std::optional<GameSource> locate(const QString& path) const;
    bool exists(const QString& path) const { return locate(path).has_value(); }
    // The bytes of the copy the game uses. Throws UserError "File not found" (path: the name
    // asked), a broken archive's message, or the file layer's message for a loose file.
    QByteArray read(const QString& path) const;

    // Where the copies of many files of one folder lie ("proto/items", {"00000001.pro", ...}):
    // the answers of locate(), with one look into each patches folder instead of one a file.
    std::vector<std::optional<GameSource>> locateAll(const QString& folder,
                                                     const QStringList& names) const;
    // The first n bytes of each copy (the whole of a shorter one); nothing read for a source
    // that is not there. One that cannot be read gets its message in errors.
    std::vector<QByteArray> readHeads(const std::vector<std::optional<GameSource>>& sources, int n,
                                      std::vector<QString>& errors) const;

    // Every file under the folder pattern names ("art/critters", "" for all), or, when the
    // pattern holds '*' or '?', every file whose whole name matches it ('*' and '?' stay
    // inside one folder). Each name once, with the copy that wins; sorted by name.
    QList<GameFile> list(const QString& pattern) const;

private:
    struct Place {
        QString path; // the archive file or the patches folder
        std::optional<DatArchive> archive;
    };

    void addArchive(const QString& path);
    void addFolder(const QString& path);
    std::optional<GameSource> locateKey(const QString& key) const;

    QString m_folder;
    QString m_patchesFolder;
    QString m_language = QStringLiteral("english");
    std::vector<Place> m_places;
    QList<UserError> m_problems;
};

} // namespace zantrel
