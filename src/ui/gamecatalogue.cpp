#include "gamecatalogue.h"

#include "app.h"

namespace zantrel {

bool GameCatalogue::current() const {
    // Asking for the game data builds it anew when the settings changed.
    m_app.gameData();
    return m_generation > 0 && m_readFrom == m_app.gameDataBuild();
}

void GameCatalogue::readAll() {
    const GameData& data = m_app.gameData();
    m_catalogue.refreshAll(data);
    m_readFrom = m_app.gameDataBuild();
    ++m_generation;
}

const Catalogue& GameCatalogue::catalogue() {
    if (!current())
        readAll();
    return m_catalogue;
}

void GameCatalogue::typeWritten(ObjectType type) {
    if (m_generation == 0)
        return; // read in full when first needed
    if (!current()) {
        readAll();
        emit rebuilt();
        return;
    }
    m_catalogue.refresh(m_app.gameData(), type);
    emit typeChanged(type);
}

void GameCatalogue::settingsChanged() {
    if (m_generation == 0 || current())
        return;
    readAll();
    emit rebuilt();
}

} // namespace zantrel
