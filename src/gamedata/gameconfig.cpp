#include "gameconfig.h"

#include <QList>

namespace zantrel {

QList<ConfigSection> readConfigSections(const QByteArray& text) {
    QList<ConfigSection> sections;
    for (QByteArray line : text.split('\n')) {
        const qsizetype comment = line.indexOf(';');
        if (comment >= 0)
            line.truncate(comment);
        line = line.trimmed();
        if (line.startsWith('[')) {
            // An unclosed header still ends the section before it; its lines belong to none.
            const qsizetype close = line.indexOf(']');
            sections.append(
                {close > 0 ? QString::fromLatin1(line.mid(1, close - 1).trimmed()) : QString(),
                 {}});
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (sections.isEmpty() || equals <= 0)
            continue;
        sections.last().values.insert(QString::fromLatin1(line.left(equals).trimmed().toLower()),
                                      QString::fromLatin1(line.mid(equals + 1).trimmed()));
    }
    return sections;
}

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
    for (const ConfigSection& section : readConfigSections(text)) {
        if (section.name.compare(QLatin1String("system"), Qt::CaseInsensitive) != 0)
            continue;
        for (const auto& k : keys) {
            const QString value = section.values.value(QLatin1String(k.key));
            if (!value.isEmpty())
                config.*k.field = value;
        }
    }
    return config;
}

} // namespace zantrel
