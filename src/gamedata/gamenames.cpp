#include "gamenames.h"

#include "core/usererror.h"
#include "datafolder.h"
#include "gameconfig.h"
#include "lists.h"
#include "proto/fieldcodec.h"

#include <QSet>

namespace zantrel {

namespace {

// Art folders by the frame id's type byte.
const char* const kArtFolders[] = {"items",    "critters", "scenery", "walls",    "tiles",   "misc",
                                   "intrface", "inven",    "heads",   "backgrnd", "skilldex"};
// Prototype folders and name files by object type.
const char* const kProtoFolders[] = {"items", "critters", "scenery", "walls", "tiles", "misc"};
const char* const kProtoNames[] = {"pro_item.msg", "pro_crit.msg", "pro_scen.msg",
                                   "pro_wall.msg", "pro_tile.msg", "pro_misc.msg"};

// First message number and count of each list's names in proto.msg.
struct ProtoRange {
    int first;
    std::uint32_t count;
};

ProtoRange protoRange(Choices list) {
    switch (list) {
    case Choices::Material:
        return {100, 8};
    case Choices::ItemKind:
        return {150, 7};
    case Choices::SceneryKind:
        return {200, 6};
    case Choices::DamageType:
        return {250, 7};
    case Choices::Caliber:
        return {300, 19};
    default:
        return {0, 0};
    }
}

QString gameText(const char* name) {
    return QStringLiteral("text/english/game/") + QLatin1String(name);
}

} // namespace

GameNames::GameNames(const GameView& view)
    : m_read([&view](const QString& path) { return view.read(path); }),
      m_exists([&view](const QString& path) { return view.exists(path); }) {}

GameNames::GameNames(const GameData& data)
    : m_read([data](const QString& path) {
          // The data files the editor reads by its own rule; everything else from the game.
          static const QString messages = QStringLiteral("text/english/game/");
          if (path.startsWith(messages))
              return data.read(DataKind::Messages, path.mid(messages.size()));
          if (path == QLatin1String("scripts/scripts.lst"))
              return data.read(DataKind::ScriptList, QStringLiteral("scripts.lst"));
          const QString inven = QStringLiteral("art/inven/inven.lst");
          if (path == inven)
              return data.read(DataKind::InventoryArt, QStringLiteral("inven.lst"));
          for (int type = 0; type < 6; ++type) {
              DataKind kind;
              QString name;
              if (artListFor(type, kind, name) &&
                  path == QStringLiteral("art/%1/%2").arg(QLatin1String(kArtFolders[type]), name))
                  return data.read(kind, name);
          }
          return data.readGamePath(path);
      }),
      m_exists([data](const QString& path) { return data.existsGamePath(path); }) {}

QString GameNames::scriptList() {
    return QStringLiteral("scripts/scripts.lst");
}

QString GameNames::artList(std::uint32_t artType) {
    if (artType >= std::size(kArtFolders))
        return QString();
    return QStringLiteral("art/%1/%1.lst").arg(QLatin1String(kArtFolders[artType]));
}

QString GameNames::prototypeList(std::uint32_t objectType) {
    if (objectType >= std::size(kProtoFolders))
        return QString();
    return QStringLiteral("proto/%1/%1.lst").arg(QLatin1String(kProtoFolders[objectType]));
}

QString GameNames::objectNames(std::uint32_t objectType) {
    return objectType < std::size(kProtoNames) ? gameText(kProtoNames[objectType]) : QString();
}

const std::optional<QByteArray>& GameNames::file(const QString& path) const {
    auto it = m_files.find(path);
    if (it == m_files.end()) {
        std::optional<QByteArray> bytes;
        try {
            bytes = m_read(path);
        } catch (const UserError&) {
            // No names from a file that cannot be read; the numbers still show.
        }
        it = m_files.insert(path, bytes);
    }
    return *it;
}

const MessageIndex* GameNames::messages(const QString& path) const {
    auto it = m_messages.find(path);
    if (it == m_messages.end()) {
        const std::optional<QByteArray>& bytes = file(path);
        if (!bytes)
            return nullptr;
        it = m_messages.insert(path, readMessagesBytes(*bytes, MessageVariant::ProtoMsg));
    }
    return &*it;
}

QString GameNames::message(const QString& path, qint64 number) const {
    const MessageIndex* index = messages(path);
    const QString text = index ? index->texts.value(number).trimmed() : QString();
    return text == kNoneEntry ? QString() : text;
}

std::optional<bool> GameNames::hasMessage(const QString& messageFile, qint64 number) const {
    const MessageIndex* index = messages(messageFile);
    if (!index)
        return std::nullopt;
    return index->texts.contains(number);
}

const QStringList& GameNames::lines(const QString& path) const {
    auto it = m_lists.find(path);
    if (it == m_lists.end()) {
        const std::optional<QByteArray>& bytes = file(path);
        QStringList entries;
        if (bytes) {
            entries = readListBytes(*bytes, ListMode::WholeLine).entries;
            entries.removeLast(); // "<NONE>"
        }
        it = m_lists.insert(path, entries);
    }
    return *it;
}

std::optional<int> GameNames::lineCount(const QString& list) const {
    const QStringList& entries = lines(list);
    if (!file(list))
        return std::nullopt;
    return int(entries.size());
}

QString GameNames::prototypeFile(std::uint32_t id) const {
    const std::uint32_t type = id >> 24;
    const std::uint32_t number = id & 0xFFFFFF;
    if (type >= std::size(kProtoFolders) || number == 0)
        return QString();
    const QStringList& list = lines(prototypeList(type));
    if (number > std::uint32_t(list.size()))
        return QString();
    return QStringLiteral("proto/%1/%2")
        .arg(QLatin1String(kProtoFolders[type]), list[number - 1].trimmed());
}

bool GameNames::exists(const QString& path) const {
    auto it = m_present.find(path);
    if (it == m_present.end())
        it = m_present.insert(path, m_exists(path));
    return *it;
}

QString GameNames::aiPacketFile() {
    return QStringLiteral("data/ai.txt");
}

QString GameNames::mapFile() {
    return QStringLiteral("data/maps.txt");
}

const QList<GameNames::AiPacket>& GameNames::aiPackets() const {
    if (!m_aiPackets) {
        m_aiPackets.emplace();
        QSet<std::uint32_t> seen;
        if (const std::optional<QByteArray>& bytes = file(aiPacketFile()))
            for (const ConfigSection& section : readConfigSections(*bytes)) {
                bool ok = false;
                const std::uint32_t n =
                    section.values.value(QStringLiteral("packet_num")).toUInt(&ok);
                if (ok && !seen.contains(n)) {
                    seen.insert(n);
                    m_aiPackets->append({n, section.name});
                }
            }
    }
    return *m_aiPackets;
}

QString GameNames::choice(Choices list, std::uint32_t value) const {
    if (list == Choices::AiPacket) {
        for (const AiPacket& packet : aiPackets())
            if (packet.number == value)
                return packet.name;
        return QString();
    }
    if (list == Choices::Map) {
        if (!m_maps) {
            m_maps.emplace();
            if (const std::optional<QByteArray>& bytes = file(mapFile()))
                for (const ConfigSection& section : readConfigSections(*bytes)) {
                    // "[Map 005]": the number after the word, whatever its zeros.
                    const QStringList words = section.name.simplified().split(QLatin1Char(' '));
                    bool ok = false;
                    const std::uint32_t n =
                        words.size() == 2 &&
                                words[0].compare(QLatin1String("map"), Qt::CaseInsensitive) == 0
                            ? words[1].toUInt(&ok)
                            : 0;
                    if (ok && !m_maps->contains(n))
                        m_maps->insert(n, section.values.value(QStringLiteral("lookup_name")));
                }
        }
        return m_maps->value(value);
    }
    // Lists the game names in proto.msg take its names only; the others are the game's
    // code's, which the program knows itself.
    const ProtoRange range = protoRange(list);
    if (range.count == 0)
        return builtinChoiceName(list, value);
    return value < range.count ? message(gameText("proto.msg"), range.first + value) : QString();
}

QString GameNames::perk(std::int32_t perk) const {
    return message(gameText("perk.msg"), 101 + qint64(perk));
}

QString GameNames::statistic(std::int32_t stat) const {
    return message(gameText("stat.msg"), 100 + qint64(stat));
}

QString GameNames::script(std::uint32_t line) const {
    const QStringList& list = lines(scriptList());
    return line < std::uint32_t(list.size()) ? list[line].section(QLatin1Char(';'), 0, 0).trimmed()
                                             : QString();
}

QString GameNames::frame(std::uint32_t id) const {
    const QString list = artList(id >> 24);
    if (list.isEmpty())
        return QString();
    const QStringList& entries = lines(list);
    const std::uint32_t index = id & 0xFFFF;
    // Critter lines go on after the base name: "hmjmps,11,1".
    return index < std::uint32_t(entries.size())
               ? entries[index].section(QLatin1Char(','), 0, 0).trimmed()
               : QString();
}

QString GameNames::prototype(std::uint32_t id) const {
    const QString path = prototypeFile(id);
    if (path.isEmpty())
        return QString();
    const QString fileName = path.section(QLatin1Char('/'), -1);
    const std::optional<QByteArray>& proto = file(path);
    if (!proto || proto->size() < 8)
        return fileName;
    const QString name = message(objectNames(id >> 24), fieldValue(*proto, 4, 4));
    return name.isEmpty() ? fileName : name;
}

QString GameNames::protoMessage(int number) const {
    return message(gameText("proto.msg"), number);
}

} // namespace zantrel
