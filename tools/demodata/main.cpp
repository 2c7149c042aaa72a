// zantrel_demodata: writes the invented game folder (archives as the game installs them),
// sources folder and critter previews the editor is developed and demonstrated with.
// Every byte is made here; same output each run.
#include "demodata.h"
#include "output.h"
#include "tables.h"

#include <QCoreApplication>
#include <QList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace demo;

namespace {

struct Lists {
    QList<QByteArray> scripts, items, critters, scenery, walls, tiles, misc, inven;
};

// ---- Helpers --------------------------------------------------------------------------------

[[noreturn]] void broken(const QByteArray& what) {
    std::fprintf(stderr, "zantrel_demodata: internal table error: %s\n", what.constData());
    std::exit(3);
}

QByteArray textFile(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QList<QByteArray> seriesList(const std::vector<Series>& series) {
    QList<QByteArray> out;
    for (const Series& s : series)
        for (int i = 1; i <= s.count; ++i)
            out << QByteArray(s.stem) + QByteArray::number(i).rightJustified(2, '0') + ".frm";
    return out;
}

template <typename T> QList<QByteArray> artList(const T& arts) {
    QList<QByteArray> out;
    for (const auto& a : arts)
        out << QByteArray(a.file);
    return out;
}

// Lines are matched on their first word, so "zmscout,11,1" is found as "zmscout" and a
// script line by its file name; a missing name means "none".
quint32 lineOf(const QList<QByteArray>& list, const char* name) {
    if (!name)
        return 0xFFFFFFFF;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].split(',').first().split(';').first().trimmed() == name)
            return quint32(i);
    broken(QByteArray("no list line for ") + name);
}

// A script id as the game stores it: the script type in the high byte (4 critter scripts,
// 3 item scripts, used by items, scenery and walls alike), the list line below it.
quint32 scriptId(const Lists& l, const char* name, quint32 type) {
    return name ? type << 24 | lineOf(l.scripts, (QByteArray(name) + ".int").constData())
                : 0xFFFFFFFF;
}

quint32 lightIntensity(int percent) {
    return quint32((65536 * percent + 50) / 100);
}

// A prototype image of fixed length; fields are poked at their offsets.
class Proto {
public:
    explicit Proto(int length) : d_(length, '\0') {}
    void u8(int at, quint32 v) {
        check(at, 1);
        d_[at] = char(v);
    }
    void u16(int at, quint32 v) {
        check(at, 2);
        d_[at] = char(v >> 8);
        d_[at + 1] = char(v);
    }
    void u32(int at, quint32 v) {
        u16(at, v >> 16);
        u16(at + 2, v & 0xFFFF);
    }
    template <typename C> int words(int at, const C& values) {
        for (qint32 v : values) {
            u32(at, quint32(v));
            at += 4;
        }
        return at;
    }
    const QByteArray& bytes() const { return d_; }

private:
    void check(int at, int n) const {
        if (at < 0 || at + n > d_.size())
            broken("prototype field past its end at " + QByteArray::number(at));
    }
    QByteArray d_;
};

// Common header up to the flags word; every kind is at least 28 bytes long.
Proto header(int length, int type, int id, quint32 frame, quint32 flags, int lightDist,
             int lightPct) {
    Proto p(length);
    p.u8(0, type);
    p.u16(2, id);
    p.u32(4, id * 100);
    p.u8(8, type);
    p.u16(10, frame);
    p.u32(12, lightDist);
    p.u32(16, lightDist ? lightIntensity(lightPct) : 0);
    p.u32(20, flags);
    return p;
}

void finish(const Proto& p, int at) {
    if (at != p.bytes().size())
        broken("prototype length mismatch: filled " + QByteArray::number(at) + " of " +
               QByteArray::number(p.bytes().size()));
}

QByteArray protoName(int id) {
    return QByteArray::number(id).rightJustified(8, '0') + ".pro";
}

template <typename T> QByteArray namesFile(const std::vector<T>& protos) {
    QList<QByteArray> lines;
    for (size_t i = 0; i < protos.size(); ++i) {
        const QByteArray n = QByteArray::number(qint64(i + 1) * 100);
        lines << "{" + n + "}{}{" + protos[i].names.name + "}";
        lines << "{" + QByteArray::number(qint64(i + 1) * 100 + 1) + "}{}{" +
                     protos[i].names.about + "}";
    }
    return textFile(lines);
}

QByteArray entry(int number, const char* text) {
    return "{" + QByteArray::number(number) + "}{}{" + text + "}";
}

// ---- Writers --------------------------------------------------------------------------------

Lists writeLists(Output& out) {
    Lists l;
    for (const Script& s : kScripts) {
        const QByteArray file = QByteArray(s.name) + ".int";
        l.scripts << (s.about ? file.leftJustified(16, ' ') + "; " + s.about : file);
    }
    l.items = artList(kItemArt);
    l.inven = artList(kInvenArt);
    for (const Critter& c : kCritters)
        l.critters << QByteArray(c.entry.name) + "," + c.entry.values;
    l.scenery = seriesList(kScenery);
    l.walls = seriesList(kWalls);
    l.tiles = seriesList(kTiles);
    l.misc = seriesList(kMiscArt);

    out.both("scripts/scripts.lst", textFile(l.scripts));
    out.both("art/items/items.lst", textFile(l.items));
    out.both("art/critters/critters.lst", textFile(l.critters));
    out.both("art/scenery/scenery.lst", textFile(l.scenery));
    out.both("art/walls/walls.lst", textFile(l.walls));
    out.both("art/tiles/tiles.lst", textFile(l.tiles));
    out.both("art/misc/misc.lst", textFile(l.misc));
    out.both("art/inven/inven.lst", textFile(l.inven));
    return l;
}

void writeArt(Output& out) {
    out.both("color.pal", palette());
    quint32 seed = 1;
    for (const Art& a : kItemArt)
        out.archive(Dat::Master, QStringLiteral("art/items/") + a.file,
                    frameFile(a.shape, a.w, a.h, seed++));
    for (const Art& a : kInvenArt)
        out.archive(Dat::Master, QStringLiteral("art/inven/") + a.file,
                    frameFile(a.shape, a.w, a.h, seed++));
    // Every scenery, wall, tile and misc frame its list names.
    const std::pair<const char*, const std::vector<Series>*> series[] = {
        {"scenery", &kScenery}, {"walls", &kWalls}, {"tiles", &kTiles}, {"misc", &kMiscArt}};
    for (const auto& [folder, list] : series)
        for (const Series& s : *list)
            for (int i = 1; i <= s.count; ++i)
                out.archive(Dat::Master,
                            QStringLiteral("art/%1/%2%3.frm")
                                .arg(QLatin1String(folder), QLatin1String(s.stem))
                                .arg(i, 2, 10, QLatin1Char('0')),
                            sceneryArt(s.stem, i));
    // Standing still with no weapon: <base>aa, as critter.dat keeps it.
    for (const Critter& c : kCritters) {
        const QString stem = QStringLiteral("art/critters/") + c.entry.name + "aa.fr";
        if (!c.entry.perDirection) {
            out.archive(Dat::Critter, stem + "m", critterArt(c.look));
            continue;
        }
        const std::vector<QByteArray> files = critterArtPerDirection(c.look);
        for (size_t d = 0; d < files.size(); ++d)
            out.archive(Dat::Critter, stem + QString::number(d), files[d]);
    }
}

template <std::size_t N> void addLabels(QList<QByteArray>& l, const LabelGroup (&groups)[N]) {
    for (const LabelGroup& g : groups) {
        int n = g.first;
        for (const char* label : g.labels)
            l << entry(n++, label);
    }
}

template <std::size_t N> QByteArray labelFile(const char* what, const LabelGroup (&groups)[N]) {
    QList<QByteArray> l = {QByteArray("# Zantrel demo data: ") + what, "#"};
    addLabels(l, groups);
    return textFile(l);
}

void writeMessages(Output& out) {
    const QString dir = QStringLiteral("text/english/game/");
    out.both(dir + "pro_item.msg", namesFile(kItems));
    out.both(dir + "pro_crit.msg", namesFile(kCritterProtos));
    out.both(dir + "pro_scen.msg", namesFile(kSceneryProtos));
    out.both(dir + "pro_wall.msg", namesFile(kWallProtos));
    out.both(dir + "pro_tile.msg", namesFile(kTileProtos));
    out.both(dir + "pro_misc.msg", namesFile(kMiscProtos));

    // The editor finds the body and kill type sections by these header lines; keep the shape.
    QList<QByteArray> l = {"# Zantrel demo data: prototype messages", "#",
                           "# Sections: Body Types, Kill Types names, Kill Types descriptions",
                           "# Kill Types names", "#"};
    addLabels(l, kGeneral);
    l << "# Body Types"
      << "#";
    int n = 400;
    for (const char* body : kBodyTypes)
        l << entry(n++, body);
    l << "#"
      << "# Kill Types names"
      << "#";
    n = 1450;
    for (const KillType& k : kKillTypes)
        l << entry(n++, k.name);
    l << "#"
      << "# Kill Types descriptions"
      << "#";
    n = 1500;
    for (const KillType& k : kKillTypes)
        l << entry(n++, k.about);
    out.both(dir + "proto.msg", textFile(l));
    out.both(dir + "perk.msg", labelFile("perk names", kPerkNames));
    out.both(dir + "stat.msg", labelFile("statistic names", kStatNames));
}

void writeProtos(Output& out, const Lists& l) {
    const QString dir = QStringLiteral("proto/");
    int id = 0;
    for (const Item& it : kItems) {
        const auto& v = it.values;
        Proto p = header(kItemLength[v.kind], 0, ++id, lineOf(l.items, it.links.art), v.flags,
                         v.lightDist, v.lightPct);
        p.u32(24, v.word24);
        p.u32(28, scriptId(l, it.links.script, 3));
        p.words(32, std::array<qint32, 5>{v.kind, v.material, v.volume, v.weight, v.price});
        if (it.links.inven) {
            p.u8(52, 7);
            p.u16(54, lineOf(l.inven, it.links.inven));
        } else {
            p.u32(52, 0xFFFFFFFF);
        }
        p.u8(56, quint8(v.sound));
        int at = p.words(57, it.tail);
        if (v.endSound)
            p.u8(at++, quint8(v.endSound));
        finish(p, at);
        out.archive(Dat::Master, dir + "items/" + protoName(id), p.bytes());
    }

    id = 0;
    for (const CritterProto& c : kCritterProtos) {
        const auto& h = c.head;
        Proto p =
            header(416, 1, ++id, lineOf(l.critters, c.links.art), h.flags, h.lightDist, h.lightPct);
        p.u32(24, h.actionFlags);
        p.u32(28, scriptId(l, c.links.script, 4));
        p.words(32, std::array<qint32, 4>{h.head, h.ai, h.team, qint32(h.critterFlags)});
        if (c.base.size() != kValueCount || c.skills.size() != 18)
            broken(QByteArray("critter value count: ") + c.names.name);
        p.words(48, c.base);
        std::array<qint32, kValueCount> bonus{};
        for (const auto& [index, value] : c.bonus)
            bonus[index] = value;
        p.words(188, bonus);
        p.words(328, c.skills);
        const auto& t = c.tail;
        finish(p,
               p.words(400, std::array<qint32, 4>{qint32(t.body), t.experience, t.kill, t.damage}));
        out.archive(Dat::Master, dir + "critters/" + protoName(id), p.bytes());
    }

    id = 0;
    for (const SceneryProto& s : kSceneryProtos) {
        const auto& v = s.values;
        Proto p = header(41 + 4 * int(s.tail.size()), 2, ++id, lineOf(l.scenery, s.links.art),
                         v.flags, 0, 0);
        p.u32(24, v.word24);
        p.u32(28, scriptId(l, s.links.script, 3));
        p.u32(32, v.subtype);
        p.u32(36, v.material);
        p.u8(40, quint8(v.sound));
        finish(p, p.words(41, s.tail));
        out.archive(Dat::Master, dir + "scenery/" + protoName(id), p.bytes());
    }

    const struct {
        const std::vector<FlatProto>* protos;
        int type, length;
        const QList<QByteArray>* art;
        const char* folder;
    } flatKinds[] = {{&kWallProtos, 3, 36, &l.walls, "walls/"},
                     {&kTileProtos, 4, 28, &l.tiles, "tiles/"},
                     {&kMiscProtos, 5, 28, &l.misc, "misc/"}};
    for (const auto& k : flatKinds) {
        id = 0;
        for (const FlatProto& f : *k.protos) {
            Proto p =
                header(k.length, k.type, ++id, lineOf(*k.art, f.links.art), f.values.flags, 0, 0);
            if (k.type == 4) {
                // A tile has no light fields: flags at 12, flags for use at 16, no script
                // at 20 and its material at 24, as every tile of the game.
                p.u32(12, f.values.flags);
                p.u32(16, 0);
                p.u32(20, 0xFFFFFFFF);
            }
            p.u32(24, f.values.word24);
            if (k.length > 28) {
                p.u32(28, scriptId(l, f.links.script, 3));
                p.u32(32, f.values.material);
            }
            finish(p, k.length);
            out.archive(Dat::Master, dir + k.folder + protoName(id), p.bytes());
        }
    }
}

void writePreviews(Output& out) {
    for (const Critter& c : kCritters) {
        if (!c.entry.pictures)
            continue;
        const QString name = QString::fromLatin1(c.entry.name);
        for (int dir = 1; dir <= 6; ++dir)
            out.write(QStringLiteral("images/critters/%1_%2.bmp").arg(name).arg(dir),
                      critterPreview(name, c.look, dir));
    }
    out.write(QStringLiteral("images/notav.bmp"), noPreview());
}

// The game finds a prototype's file by its number through the type's list.
void writeProtoLists(Output& out) {
    const std::pair<const char*, size_t> kinds[] = {
        {"items", kItems.size()},           {"critters", kCritterProtos.size()},
        {"scenery", kSceneryProtos.size()}, {"walls", kWallProtos.size()},
        {"tiles", kTileProtos.size()},      {"misc", kMiscProtos.size()}};
    for (const auto& [kind, count] : kinds) {
        QList<QByteArray> lines;
        for (size_t id = 1; id <= count; ++id)
            lines << protoName(int(id));
        out.archive(Dat::Master, QStringLiteral("proto/%1/%1.lst").arg(kind), textFile(lines));
    }
}

// A small patch of loose files that wins over master.dat, as the game's own patches folder
// does: the wrench has been oiled, its name and price say so.
void writeOverrides(Output& out) {
    const QString data = kGameFolder + "data/";
    const QString wrench = QStringLiteral("proto/items/00000006.pro");
    QByteArray pro = out.archived(wrench);
    const QByteArray name = "{600}{}{Rusty wrench}";
    const QString names = QStringLiteral("text/english/game/pro_item.msg");
    QByteArray msg = out.archived(names);
    if (pro.size() != kItemLength[MiscItem] || !msg.contains(name))
        broken("the overridden wrench is not item 6");
    pro[51] = char(30); // price, was 25
    out.write(data + wrench, pro);
    out.write(data + names, msg.replace(name, "{600}{}{Oiled wrench}"));
}

// The AI packets the demo critters use and the map the depot stairs lead to, in the
// game's settings format, inside master.dat as the game keeps them.
void writeGameTables(Output& out) {
    QList<QByteArray> ai = {"; Zantrel demo data: AI packets"};
    for (const auto& [number, name] : std::vector<std::pair<int, const char*>>{
             {7, "Glow Walker"}, {12, "Cautious Scout"}, {30, "Slow Hulk"}, {41, "Pack Hound"}})
        ai << "[" + QByteArray(name) + "]"
           << "packet_num=" + QByteArray::number(number) << "max_dist=8"
           << "";
    out.archive(Dat::Master, QStringLiteral("data/ai.txt"), textFile(ai));
    QList<QByteArray> maps = {"; Zantrel demo data: maps"};
    const char* const names[] = {"Scrapyard Gate", "Pump Room", "Depot Yard", "Lower Deck"};
    for (int n = 0; n < 4; ++n)
        maps << "[Map " + QByteArray::number(n).rightJustified(3, '0') + "]"
             << "lookup_name=" + QByteArray(names[n]) << "";
    out.archive(Dat::Master, QStringLiteral("data/maps.txt"), textFile(maps));
}

// The game's settings file, naming the places it would take by default anyway.
void writeConfig(Output& out) {
    out.write(kGameFolder + "fallout2.cfg",
              textFile({"[system]", "critter_dat=critter.dat", "critter_patches=data",
                        "language=english", "master_dat=master.dat", "master_patches=data"}));
}

void writeReadme(Output& out) {
    out.write(QStringLiteral("demo/README.txt"),
              textFile({"Zantrel demo data", "",
                        "Everything in this folder is synthetic: invented names, invented",
                        "numbers and procedurally drawn pictures, written by the",
                        "zantrel_demodata tool during the build. It contains nothing from",
                        "any game. Rebuilding overwrites these files.", "",
                        "Fallout2         game folder as installed: master.dat (lists,",
                        "                 palette, frames, messages, sample prototypes),",
                        "                 critter.dat (critter art), fallout2.cfg and",
                        "                 loose overrides under data/",
                        "../Source        the same lists, palette and messages side by side",
                        "../images        critter previews (zmghost has none on purpose)"}));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zantrel_demodata <output-root>\n");
        return 2;
    }
    Output out(QString::fromLocal8Bit(argv[1]));
    out.clear(kGameFolder); // loose files of an earlier layout would override the archives
    const Lists lists = writeLists(out);
    writeArt(out);
    writeMessages(out);
    writeProtos(out, lists);
    writeProtoLists(out);
    writeGameTables(out);
    writeOverrides(out);
    writeConfig(out);
    out.writeArchives();
    writePreviews(out);
    writeReadme(out);
    return out.failed() ? 1 : 0;
}
