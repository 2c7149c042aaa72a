#pragma once

#include "codepage.h"
#include "gamedata.h"
#include "gameview.h"
#include "listfile.h"
#include "messagefile.h"
#include "proto/records.h"
#include "textwarnings.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>

namespace zantrel {

// Names of stored numbers read from the game's own files: proto.msg, perk.msg, stat.msg,
// scripts.lst, the art lists and the prototype lists with their pro_*.msg. Every file is
// read once, when first needed; a missing or unreadable file gives no names. Message files
// are read from the game's language (english where it lacks one), in its code page; what a
// message file's reading skipped is reported to warnings.
class GameNames : public Names {
public:
    // Every file from the game's view.
    explicit GameNames(const GameView& view, TextWarnings* warnings = nullptr);
    // The lists and messages where the editor reads them (the sources folder or the game,
    // by the settings); prototypes from the game. Warnings go to the data's.
    explicit GameNames(const GameData& data);

    QString choice(Choices list, std::uint32_t value) const override;
    QString perk(std::int32_t perk) const override;
    QString statistic(std::int32_t stat) const override;
    QString script(std::uint32_t line) const override;
    QString frame(std::uint32_t id) const override;
    QString prototype(std::uint32_t id) const override;
    QString protoMessage(int number) const override;

    // The files references point into, for checks: empty for an art type above 10 or an
    // object type above 5.
    static QString scriptList();                            // scripts/scripts.lst
    static QString artList(std::uint32_t artType);          // art/items/items.lst ...
    static QString prototypeList(std::uint32_t objectType); // proto/items/items.lst ...
    static QString objectNames(std::uint32_t objectType);   // text/english/game/pro_item.msg ...

    // The game's AI packets (data/ai.txt): each section is one, packet_num its number; in
    // file order, the first of a number kept. Empty when the file cannot be read.
    struct AiPacket {
        std::uint32_t number;
        QString name;
    };
    const QList<AiPacket>& aiPackets() const;
    static QString aiPacketFile(); // data/ai.txt
    static QString mapFile();      // data/maps.txt: [Map NNN] sections with a lookup_name

    // How many lines a list file holds; nothing when it cannot be read.
    std::optional<int> lineCount(const QString& list) const;
    // Whether a message file has a line of that number; nothing when it cannot be read.
    std::optional<bool> hasMessage(const QString& messageFile, qint64 number) const;
    // The prototype file an id's number names through its type's list
    // ("proto/items/00000012.pro"); empty when the list has no such line.
    QString prototypeFile(std::uint32_t id) const;
    // Whether the game has the file (looked up once).
    bool exists(const QString& path) const;

private:
    // The file's bytes; nothing when it cannot be read.
    const std::optional<QByteArray>& file(const QString& path) const;
    // A message file's text; empty for a missing number or file.
    QString message(const QString& path, qint64 number) const;
    const MessageFile* messages(const QString& path) const;
    // A list file as the game reads it; empty when it cannot be read.
    const ListFile& lines(const QString& path) const;

    // A file below the game's data root; whether the game has one; where the copy read lies.
    std::function<QByteArray(const QString&)> m_read;
    std::function<bool(const QString&)> m_exists;
    std::function<QString(const QString&)> m_describe;
    TextWarnings* m_warnings = nullptr;
    QString m_codePage;
    mutable TextDecoder m_decode{m_codePage}; // after m_codePage: it is made from it
    mutable QHash<QString, std::optional<QByteArray>> m_files;
    mutable QHash<QString, ListFile> m_lists;
    mutable QHash<QString, MessageFile> m_messages;
    mutable QHash<QString, bool> m_present;
    mutable std::optional<QList<AiPacket>> m_aiPackets;
    mutable std::optional<QHash<std::uint32_t, QString>> m_maps;
};

} // namespace zantrel
