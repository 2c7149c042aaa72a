#pragma once

#include "datafolder.h"
#include "gameview.h"
#include "settings/settingsfile.h"
#include "textwarnings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace zantrel {

// Where every reader gets a game file from. With the use-sources flag exactly "1" the data
// files (lists, messages, palette) come from the flat sources folder, found whatever their
// letter case; otherwise from the game as the game sees it: archives, patches folder and all
// (a GameView of the game folder). Art and prototypes always come from the game's view.
//
// Built once from the settings (the archives' directories are read then) and rebuilt when
// they change; copies share the one view.
class GameData {
public:
    // No game and no sources: every lookup fails with "File not found".
    GameData();
    explicit GameData(const Settings& settings);

    bool fromSources() const { return m_fromSources; }
    // The sources folder with '/' separators and a trailing '/'.
    const QString& sourcesFolder() const { return m_sources; }
    const QString& gameFolder() const { return m_view->folder(); }
    // Never null.
    const GameView* view() const { return m_view.get(); }
    // The game's language (fallout2.cfg) and the code page its texts are read and written in:
    // the settings' choice, else the language's.
    const QString& language() const { return m_view->language(); }
    const QString& codePage() const { return m_codePage; }
    // Where readers leave what they skipped in the game's texts, for the one who shows it;
    // shared by the copies.
    TextWarnings& textWarnings() const { return *m_warnings; }

    // The names below the game's data root a file of this kind is looked for under, in order
    // ("text/<language>/game/proto.msg", then "text/<language>/proto.msg", then the same
    // under "text/english/").
    static QStringList gamePaths(DataKind kind, const QString& name,
                                 const QString& language = QStringLiteral("english"));

    // A data file's bytes. Throws UserError: the file layer's text with the sources file's
    // path; "File not found" with describe()'s path; a broken archive's message.
    QByteArray read(DataKind kind, const QString& name) const;
    bool exists(DataKind kind, const QString& name) const;
    // Where the file was found (a full path, or "<archive>: <entry>"), else where it would be
    // (the sources file, or the game's patches folder + the first of gamePaths()).
    QString describe(DataKind kind, const QString& name) const;

    // Message number of a message file (DataKind::Messages) as findMessageIn() gives it, in
    // the code page in force ("Knife ", "<NONE>"); what its reading skipped goes to
    // textWarnings(). Throws as read().
    QString message(const QString& file, qint64 number) const;

    // A file by its name below the game's data root ("art/items/ite3.frm"), always from the
    // game's view, whatever the use-sources flag. Throws as read().
    QByteArray readGamePath(const QString& relative) const;
    bool existsGamePath(const QString& relative) const;
    QString describeGamePath(const QString& relative) const;

private:
    // The first of relatives the view has, with its source; false when none.
    bool locate(const QStringList& relatives, QString& found, GameSource& source) const;
    QByteArray readFromView(const QStringList& relatives) const;
    QString describeInView(const QStringList& relatives) const;
    QString sourcesFile(const QString& name) const;

    bool m_fromSources = false;
    QString m_sources;
    std::shared_ptr<const GameView> m_view;
    QString m_codePage;
    std::shared_ptr<TextWarnings> m_warnings = std::make_shared<TextWarnings>();
};

} // namespace zantrel
