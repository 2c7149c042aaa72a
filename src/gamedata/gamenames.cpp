#include "gamenames.h"

#include "codepage.h"
#include "core/usererror.h"
#include "datafolder.h"
#include "gameconfig.h"
#include "lists.h"
#include "messagewriter.h"
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

// A message file's name below text/english/ in the game's language, else in english.
QString inLanguage(const QString& path, const QString& language) {
    static const QString english = QStringLiteral("text/english/");
    if (!path.startsWith(english) ||
        language.compare(QLatin1String("english"), Qt::CaseInsensitive) == 0)
        return path;
    return QStringLiteral("text/%1/").arg(language) + path.mid(english.size());
}

QString describeIn(const GameView& view, const QString& path) {
    const std::optional<GameSource> s = view.locate(path);
    if (!s)
        return path;
    return s->kind == GameSource::Kind::Folder ? s->name
                                               : s->container + QStringLiteral(": ") + s->name;
}

GameNames::GameNames(const GameView& view, TextWarnings* warnings)
    : m_read([&view](const QString& path) {
          const QString wanted = inLanguage(path, view.language());
          return view.read(view.exists(wanted) ? wanted : path);
      }),
      m_exists([&view](const QString& path) { return view.exists(path); }),
      m_describe([&view](const QString& path) {
          const QString wanted = inLanguage(path, view.language());
          return describeIn(view, view.exists(wanted) ? wanted : path);
      }),
      m_warnings(warnings), m_codePage(codePageOfLanguage(view.language())) {}

GameNames::GameNames(const GameData& data)
    : m_read([data](const QString& path) {
          // The data files the editor reads by its own rule; everything else from the game.
          static const QString messages = QStringLiteral("text/english/game/");
          // The object names: what Zantrel saved wins, as everywhere names are shown.
          for (int type = 0; type < 6; ++type)
              if (path == messages + QLatin1String(kProtoNames[type]))
                  return shownObjectTexts(data, type);
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
      m_exists([data](const QString& path) { return data.existsGamePath(path); }),
      m_describe([data](const QString& path) {
          static const QString messages = QStringLiteral("text/english/game/");
          for (int type = 0; type < 6; ++type)
              if (path == messages + QLatin1String(kProtoNames[type]))
                  return shownObjectTextsPlace(data, type);
          if (path.startsWith(messages))
              return data.describe(DataKind::Messages, path.mid(messages.size()));
          return data.describeGamePath(path);
      }),
      m_warnings(&data.textWarnings()), m_codePage(data.codePage()) {}

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

const MessageFile* GameNames::messages(const QString& path) const {
    auto it = m_messages.find(path);
    if (it == m_messages.end()) {
        const std::optional<QByteArray>& bytes = file(path);
        if (!bytes)
            return nullptr;
        it = m_messages.insert(path, MessageFile(*bytes));
        if (m_warnings && !it->problem().isEmpty())
            m_warnings->report(UserError(it->problem(), m_describe(path)));
    }
    return &*it;
}

QString GameNames::message(const QString& path, qint64 number) const {
    const MessageFile* messageFile = messages(path);
    const MessageEntry* entry = messageFile ? messageFile->find(number) : nullptr;
    return entry ? m_decode(entry->text).trimmed() : QString();
}

std::optional<bool> GameNames::hasMessage(const QString& messageFile, qint64 number) const {
    const MessageFile* file = messages(messageFile);
    if (!file)
        return std::nullopt;
    return file->find(number) != nullptr;
}

const ListFile& GameNames::lines(const QString& path) const {
    auto it = m_lists.find(path);
    if (it == m_lists.end()) {
        const std::optional<QByteArray>& bytes = file(path);
        it = m_lists.insert(path, bytes ? ListFile(*bytes) : ListFile());
    }
    return *it;
}

std::optional<int> GameNames::lineCount(const QString& list) const {
    const ListFile& entries = lines(list);
    if (!file(list))
        return std::nullopt;
    return entries.count();
}

QString GameNames::prototypeFile(std::uint32_t id) const {
    const std::uint32_t type = id >> 24;
    const std::uint32_t number = id & 0xFFFFFF;
    if (type >= std::size(kProtoFolders) || number == 0)
        return QString();
    const ListFile& list = lines(prototypeList(type));
    if (number > std::uint32_t(list.count()))
        return QString();
    return QStringLiteral("proto/%1/%2")
        .arg(QLatin1String(kProtoFolders[type]),
             QString::fromLatin1(list.name(int(number - 1))).trimmed());
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
    const ListFile& list = lines(scriptList());
    return line < std::uint32_t(list.count())
               ? QString::fromLatin1(list.line(int(line))).section(QLatin1Char(';'), 0, 0).trimmed()
               : QString();
}

QString GameNames::frame(std::uint32_t id) const {
    const QString list = artList(id >> 24);
    if (list.isEmpty())
        return QString();
    const ListFile& entries = lines(list);
    const std::uint32_t index = id & 0xFFFF;
    // Critter lines go on after the base name: "hmjmps,11,1".
    return index < std::uint32_t(entries.count()) ? QString::fromLatin1(entries.line(int(index)))
                                                        .section(QLatin1Char(','), 0, 0)
                                                        .trimmed()
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
