#pragma once

#include "gamedata/catalogue.h"

#include <QObject>
#include <QString>

namespace zantrel {

struct AppContext;

// The one catalogue of the game in force, shared by whoever shows or writes the game's
// objects. It is read when first asked for and again when the game settings differ from
// the ones it was read with; code that writes a type's list, one of its prototypes or its
// message file calls typeWritten(), so the windows showing it follow without knowing who
// wrote.
class GameCatalogue : public QObject {
    Q_OBJECT
public:
    explicit GameCatalogue(const AppContext& app) : m_app(app) {}

    // The catalogue, read now when it never was or the game settings changed since.
    // Throws UserError when the game's files cannot be read.
    const Catalogue& catalogue();
    // Counts the full readings, so a window knows whether what it shows is still current.
    int generation() const { return m_generation; }

    // A type's list, a prototype of it or its message file was written: the type is read
    // again and typeChanged() tells the windows. Nothing is read while nobody asked for the
    // catalogue yet; after a change of the game settings everything is read (rebuilt()).
    void typeWritten(ObjectType type);
    // The settings may name another game now: read everything again if they do and the
    // catalogue was read before.
    void settingsChanged();

signals:
    void typeChanged(ObjectType type);
    void rebuilt();

private:
    bool current() const; // read, and from the game data in force
    void readAll();

    const AppContext& m_app;
    Catalogue m_catalogue;
    int m_generation = 0; // 0: never read
    int m_readFrom = -1;  // the game data build it was read from
};

} // namespace zantrel
