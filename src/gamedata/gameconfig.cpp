#include "gameconfig.h"

#include <QList>

namespace zantrel {

GameConfig parseGameConfig(const QByteArray& text) {
    GameConfig config;
    const struct {
        const char* key;
        QString GameConfig::*field;
    } keys[] = {
        {"master_dat", &GameConfig::masterDat},
        {"critter_dat", &GameConfig::critterDat},
        {"master_patches", &GameConfig::masterPatches},
        {"critter_patches", &GameConfig::critterPatches},
        {"language", &GameConfig::language},
    };
    bool inSystem = false;
    for (QByteArray line : text.split('\n')) {
        const qsizetype comment = line.indexOf(';');
        if (comment >= 0)
            line.truncate(comment);
        line = line.trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inSystem = close > 0 && line.mid(1, close - 1).trimmed().toLower() == "system";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSystem || equals <= 0)
            continue;
        const QByteArray key = line.left(equals).trimmed().toLower();
        const QString value = QString::fromLatin1(line.mid(equals + 1).trimmed());
        for (const auto& k : keys) {
            if (key == k.key && !value.isEmpty())
                config.*k.field = value;
        }
    }
    return config;
}

} // namespace zantrel
