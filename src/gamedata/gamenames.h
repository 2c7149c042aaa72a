#pragma once

#include "gamedata.h"
#include "gameview.h"
#include "proto/records.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace zantrel {

// Names of stored numbers read from the game's own files: proto.msg, perk.msg, stat.msg,
// scripts.lst, the art lists and the prototype lists with their pro_*.msg. Every file is
// read once, when first needed; a missing or unreadable file gives no names.
class GameNames : public Names {
public:
    // Every file from the game's view.
    explicit GameNames(const GameView& view);
    // The lists and messages where the editor reads them (the sources folder or the game,
    // by the settings); prototypes from the game.
    explicit GameNames(const GameData& data);

    QString choice(Choices list, std::uint32_t value) const override;
    QString perk(std::int32_t perk) const override;
    QString statistic(std::int32_t stat) const override;
    QString script(std::uint32_t line) const override;
    QString frame(std::uint32_t id) const override;
    QString prototype(std::uint32_t id) const override;
    QString protoMessage(int number) const override;

private:
    const QByteArray& file(const QString& path) const;
    // A message file of text/english/game; empty for a missing number or file.
    QString message(const QString& name, qint64 number) const;
    // A list file's lines (without the "<NONE>" entry); empty when it cannot be read.
    const QStringList& lines(const QString& path) const;

    std::function<QByteArray(const QString&)> m_read; // a file below the game's data root
    mutable QHash<QString, QByteArray> m_files;
    mutable QHash<QString, QStringList> m_lists;
    mutable QHash<QString, QHash<qint64, QString>> m_messages; // by file name
};

} // namespace zantrel
