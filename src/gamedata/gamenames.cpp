#include "gamenames.h"

#include "core/usererror.h"
#include "datafolder.h"
#include "lists.h"
#include "proto/fieldcodec.h"

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

} // namespace

GameNames::GameNames(const GameView& view)
    : m_read([&view](const QString& path) { return view.read(path); }) {}

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
      }) {}

const QByteArray& GameNames::file(const QString& path) const {
    auto it = m_files.find(path);
    if (it == m_files.end()) {
        QByteArray bytes;
        try {
            bytes = m_read(path);
        } catch (const UserError&) {
            // No names from a file that cannot be read; the numbers still show.
        }
        it = m_files.insert(path, bytes);
    }
    return *it;
}

QString GameNames::message(const QString& name, qint64 number) const {
    auto it = m_messages.find(name);
    if (it == m_messages.end())
        it = m_messages.insert(name, messageIndex(file(QStringLiteral("text/english/game/") + name),
                                                  MessageVariant::ProtoMsg));
    const QString text = it->value(number).trimmed();
    return text == kNoneEntry ? QString() : text;
}

const QStringList& GameNames::lines(const QString& path) const {
    auto it = m_lists.find(path);
    if (it == m_lists.end()) {
        QStringList entries = readListBytes(file(path), ListMode::WholeLine).entries;
        entries.removeLast(); // "<NONE>"
        it = m_lists.insert(path, entries);
    }
    return *it;
}

QString GameNames::choice(Choices list, std::uint32_t value) const {
    // Lists the game names in proto.msg take its names only; the others are the game's
    // code's, which the program knows itself.
    const ProtoRange range = protoRange(list);
    if (range.count == 0)
        return builtinChoiceName(list, value);
    return value < range.count ? message(QStringLiteral("proto.msg"), range.first + value)
                               : QString();
}

QString GameNames::perk(std::int32_t perk) const {
    return message(QStringLiteral("perk.msg"), 101 + qint64(perk));
}

QString GameNames::statistic(std::int32_t stat) const {
    return message(QStringLiteral("stat.msg"), 100 + qint64(stat));
}

QString GameNames::script(std::uint32_t line) const {
    const QStringList& list = lines(QStringLiteral("scripts/scripts.lst"));
    return line < std::uint32_t(list.size()) ? list[line].section(QLatin1Char(';'), 0, 0).trimmed()
                                             : QString();
}

QString GameNames::frame(std::uint32_t id) const {
    const std::uint32_t type = id >> 24;
    if (type >= std::size(kArtFolders))
        return QString();
    const QString folder = QLatin1String(kArtFolders[type]);
    const QStringList& list = lines(QStringLiteral("art/%1/%1.lst").arg(folder));
    const std::uint32_t index = id & 0xFFFF;
    // Critter lines go on after the base name: "hmjmps,11,1".
    return index < std::uint32_t(list.size())
               ? list[index].section(QLatin1Char(','), 0, 0).trimmed()
               : QString();
}

QString GameNames::prototype(std::uint32_t id) const {
    const std::uint32_t type = id >> 24;
    const std::uint32_t number = id & 0xFFFFFF;
    if (type >= std::size(kProtoFolders) || number == 0)
        return QString();
    const QString folder = QLatin1String(kProtoFolders[type]);
    const QStringList& list = lines(QStringLiteral("proto/%1/%1.lst").arg(folder));
    if (number > std::uint32_t(list.size()))
        return QString();
    const QString fileName = list[number - 1].trimmed();
    const QByteArray& proto = file(QStringLiteral("proto/%1/%2").arg(folder, fileName));
    if (proto.size() < 8)
        return fileName;
    const QString name = message(QLatin1String(kProtoNames[type]), fieldValue(proto, 4, 4));
    return name.isEmpty() ? fileName : name;
}

QString GameNames::protoMessage(int number) const {
    return message(QStringLiteral("proto.msg"), number);
}

} // namespace zantrel
