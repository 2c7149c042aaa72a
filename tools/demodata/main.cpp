// zantrel_demodata: writes the invented game folder, sources folder and critter previews
// the editor is developed and demonstrated with. Every byte is made here; same output each run.
#include "demodata.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace demo;

namespace {

const QString kGame = QStringLiteral("demo/Fallout2/data/");

// ---- Tables ---------------------------------------------------------------------------------

struct Script {
    const char* name;
    const char* about; // nullptr: the bare name, a line shorter than the description column
};

const Script kScripts[] = {
    {"zdcrate", "Crate that rattles when kicked"},
    {"zdlocker", "Locker with a sticky hinge"},
    {"zdvault", "Vault door keypad"},
    {"zdhatch", "Floor hatch in the pump room"},
    {"zdgate", "Chain gate at the scrapyard"},
    {"zdterm", "Terminal that prints weather logs"},
    {"zdradio", "Radio stuck on one station"},
    {"zdlamp", "Flickering ceiling lamp"},
    {"zdpump", "Water pump, needs a gasket"},
    {"zdgen", "Diesel generator"},
    {"zdvent", "Air vent with something inside"},
    {"zdmine", "Pressure mine under the sand"},
    {"zdshort", nullptr},
    {"zdsign", "Faded road sign"},
    {"zdwell", "Dry well with a bucket"},
    {"zdbarrel", "Barrel of rainwater"},
    {"zdfence", "Electric fence control"},
    {"zdelev", "Freight elevator call box"},
    {"zdstair", "Stairway to the lower deck"},
    {"zdladder", "Ladder to the roof"},
    {"zctrader", "Trader who haggles about bolts"},
    {"zcguard", "Gate guard on the night shift"},
    {"zcscout", "Scout who maps the dunes"},
    {"zcmedic", "Field medic with a shaky hand"},
    {"zchound", "Scrap hound that guards the yard"},
    {"zchulk", "Rust hulk that hums old tunes"},
    {"zcdrone", "Patrol drone on a fixed loop"},
    {"zcwarden", "Warden robot of the depot"},
    {"zccrawl", "Crawler in the drainage pipes"},
    {"zcghost", "Pale walker seen near the towers"},
    {"zcbarman", "Barkeeper at the Tin Cup"},
    {"zcmayor", "Mayor of Cinder Flats"},
    {"zckid", "Kid who sells lizard sticks"},
    {"zcoldman", "Old man who remembers the rain"},
    {"zcmech", "Mechanic in the bus depot"},
    {"zcpreach", "Preacher of the Glass Choir"},
    {"zcfarmer", "Farmer with three goats"},
    {"zcthief", "Pickpocket at the market"},
    {"zcboss", "Raider boss of the Red Gulch"},
    {"zcsentry", "Sentry turret at the north wall"},
    {"zigrenad", "Grenade timer"},
    {"ziflare", "Flare that lights the camp"},
    {"zitonic", "Rad-tonic side effects"},
    {"zibook", "Repair manual pages"},
    {"zicell", "Power cell drain"},
    {"zikeycrd", "Bunker keycard reader link"},
    {"zibottle", "Glow bottle light"},
    {"zirifle", "Long rifle jam check"},
    {"zmtown", "Cinder Flats town map"},
    {"zmdepot", "Bus depot map"},
    {"zmtowers", "Radio towers map"},
    {"zmgulch", "Red Gulch raider camp map"},
    {"zmbunker", "Sealed bunker map"},
    {"zmdunes", "Open dunes encounter map"},
    {"zmdrains", "Drainage tunnels map"},
    {"zgtimer", "Global timer for caravans"},
    {"zgweathr", "Global weather: dust storms roll over the flats every few days"},
    {"zgquest", "Quest log bookkeeping"},
    {"zgrepute", "Town reputation tracker that slowly forgets old grudges"},
    {"zgdebug", "Debug helper"},
};

struct Art {
    const char* file;
    Shape shape;
    int w, h;
};

// Ground pictures; the rifle overflows the 157 x 117 preview box on purpose.
const Art kItemArt[] = {
    {"zwrench.frm", Shape::Wrench, 48, 22},   {"zbottle.frm", Shape::Bottle, 20, 34},
    {"zcrate.frm", Shape::Crate, 90, 70},     {"zring.frm", Shape::Ring, 22, 15},
    {"zpistol.frm", Shape::Pistol, 40, 26},   {"zknife.frm", Shape::Knife, 38, 16},
    {"zsyringe.frm", Shape::Syringe, 34, 14}, {"zcanistr.frm", Shape::Canister, 26, 38},
    {"zkeycard.frm", Shape::Keycard, 24, 17}, {"zvest.frm", Shape::Vest, 50, 48},
    {"zammobox.frm", Shape::AmmoBox, 34, 28}, {"zcell.frm", Shape::Cell, 30, 18},
    {"zpipe.frm", Shape::Pipe, 64, 20},       {"znut.frm", Shape::Nut, 22, 20},
    {"zgoggles.frm", Shape::Goggles, 40, 20}, {"zradio.frm", Shape::Radio, 36, 38},
    {"zrifle.frm", Shape::Rifle, 200, 140},   {"zpebble.frm", Shape::Pebble, 4, 4},
    {"zhelmet.frm", Shape::Helmet, 42, 32},   {"zcan.frm", Shape::Can, 22, 26},
};

// Inventory pictures; the last name is longer than 12 characters on purpose.
const Art kInvenArt[] = {
    {"iwrench.frm", Shape::Wrench, 70, 30},   {"ibottle.frm", Shape::Bottle, 30, 50},
    {"icrate.frm", Shape::Crate, 60, 50},     {"iring.frm", Shape::Ring, 40, 30},
    {"ipistol.frm", Shape::Pistol, 70, 45},   {"iknife.frm", Shape::Knife, 60, 24},
    {"isyringe.frm", Shape::Syringe, 56, 20}, {"icanistr.frm", Shape::Canister, 36, 52},
    {"ikeycard.frm", Shape::Keycard, 44, 30}, {"ivest.frm", Shape::Vest, 70, 70},
    {"iammobox.frm", Shape::AmmoBox, 50, 40}, {"icell.frm", Shape::Cell, 52, 28},
    {"ipipe.frm", Shape::Pipe, 80, 24},       {"inut.frm", Shape::Nut, 34, 30},
    {"igoggles.frm", Shape::Goggles, 64, 30}, {"iradio.frm", Shape::Radio, 56, 60},
    {"irifle.frm", Shape::Rifle, 90, 50},     {"ihelmet.frm", Shape::Helmet, 60, 44},
    {"ican.frm", Shape::Can, 34, 40},         {"iwrenchlarge01.frm", Shape::Wrench, 90, 40},
};

// Art lists without pictures of their own: stems numbered 01, 02, ...
struct Series {
    const char* stem;
    int count;
};
const std::vector<Series> kScenery = {{"zsdoor", 3}, {"zsstr", 2},  {"zsladr", 2}, {"zscnsl", 2},
                                      {"zsrock", 3}, {"zstank", 2}, {"zsvent", 2}, {"zslamp", 2}};
const std::vector<Series> kWalls = {
    {"zwbrck", 4}, {"zwplat", 4}, {"zwrust", 3}, {"zwcave", 3}, {"zwfenc", 3}};
const std::vector<Series> kTiles = {
    {"zfloor", 4}, {"zfdirt", 4}, {"zfgrat", 3}, {"zfsand", 4}, {"zfroad", 3}};
const std::vector<Series> kMiscArt = {{"zxexit", 6}, {"zxblck", 4}, {"zxlght", 3}, {"zxmark", 3}};

struct Critter {
    struct {
        const char* name;
        const char* values;
        bool pictures;
    } entry;
    Look look;
};

// zmghost deliberately has no preview pictures.
const Critter kCritters[] = {
    {{"zmscout", "11,1", true},
     {Figure::Scout, qRgb(150, 130, 96), qRgb(96, 74, 52), qRgb(90, 255, 130)}},
    {{"zmhulk", "21,1", true},
     {Figure::Robot, qRgb(150, 82, 40), qRgb(92, 92, 98), qRgb(90, 255, 130)}},
    {{"zmdrone", "13,0", true},
     {Figure::Robot, qRgb(90, 110, 140), qRgb(60, 62, 72), qRgb(255, 80, 60)}},
    {{"zmhound", "31,1", true},
     {Figure::Beast, qRgb(122, 110, 96), qRgb(84, 52, 40), qRgb(255, 190, 60)}},
    {{"zfmedic", "11,1", true},
     {Figure::Scout, qRgb(70, 140, 130), qRgb(200, 200, 190), qRgb(90, 255, 130)}},
    {{"zmwarden", "21,1", true},
     {Figure::Robot, qRgb(104, 112, 62), qRgb(52, 56, 42), qRgb(90, 255, 130)}},
    {{"zmcrawlr", "31,0", true},
     {Figure::Beast, qRgb(70, 120, 60), qRgb(40, 62, 32), qRgb(90, 255, 130)}},
    {{"zmghost", "11,1", false},
     {Figure::Scout, qRgb(200, 204, 210), qRgb(120, 124, 130), qRgb(90, 255, 130)}},
};

const char* const kBodyTypes[] = {"Biped",       "Quadruped",       "Walker frame", "Crawler",
                                  "Hover shell", "Tracked chassis", "Serpentine",   "Winged",
                                  "Swarm",       "Fixed mount"};

struct KillType {
    const char* name;
    const char* about;
};
const KillType kKillTypes[] = {
    {"Drifter", "Wanderers without a town to call home."},
    {"Settler", "Folk who farm, trade and mend fences."},
    {"Scavenger", "Pickers of ruins and scrap heaps."},
    {"Raider", "Gangs that take what they cannot make."},
    {"Scrap hound", "Wild dogs grown tough on junkyard scraps."},
    {"Rust hulk", "Old labour robots, slow and stubborn."},
    {"Patrol drone", "Small flyers still walking their beat."},
    {"Pipe crawler", "Long-legged things living in the drains."},
    {"Dune beetle", "Armoured beetles the size of a dog."},
    {"Marsh toad", "Bloated toads with a bitter bite."},
    {"Cave bat", "Blind bats that hunt by sound."},
    {"Dust mole", "Burrowers that undermine the roads."},
    {"Glass moth", "Moths drawn to anything that glows."},
    {"Sentry gun", "Automatic turrets with long memories."},
    {"Pale walker", "Quiet figures that glow in the dark."},
    {"Tin soldier", "Toy-sized robots in loyal squads."},
    {"Pack mule", "Two-headed beasts of burden."},
    {"Rust golem", "Heaps of scrap that learned to walk."},
    {"Stray", "Anything that does not fit elsewhere."},
};

// General labels at the top of proto.msg, numbered on from each group's first number.
struct LabelGroup {
    int first;
    std::vector<const char*> labels;
};
const LabelGroup kGeneral[] = {
    {100, {"Armor", "Container", "Drug", "Weapon", "Ammo", "Misc", "Key"}},
    {110, {"Glass", "Metal", "Plastic", "Wood", "Dirt", "Stone", "Cement", "Leather"}},
    {120, {"Door", "Stairs", "Elevator", "Ladder bottom", "Ladder top", "Generic scenery"}},
    {130, {"Normal", "Laser", "Fire", "Plasma", "Electrical", "EMP", "Explosion"}},
    {140, {"Male", "Female"}},
    {150, {"None", "Unknown", "Yes", "No"}},
    {160, {"Flat", "No block", "Multi hex", "Light through", "Shoot through"}},
    {199, {"End of labels"}},
};

// Prototype tables. Entries are grouped so each group reads as one line.
struct Names {
    const char* name;
    const char* about;
};

struct Links {
    const char* art;
    const char* script; // nullptr: no script
};

enum ItemKind { Armor, Container, Drug, Weapon, Ammo, MiscItem, Key };
const int kItemLength[] = {129, 69, 125, 122, 81, 73, 61};

struct Item {
    Names names;
    struct {
        const char* art;
        const char* inven; // nullptr: no inventory picture
        const char* script;
    } links;
    struct {
        ItemKind kind;
        quint32 flags;
        quint32 word24; // hidden flag in the top byte, flags-ext below
        int material, volume, weight, price;
        int lightDist, lightPct;
        char sound, endSound; // endSound: weapons end on a one-byte sound code
    } values;
    std::vector<qint32> tail; // kind-specific words from offset 57
};

const std::vector<Item> kItems = {
    {{"Patched plate vest", "Steel plates riveted onto an old work vest."},
     {"zvest.frm", "ivest.frm", nullptr},
     {Armor, 0x20000008, 0x00000010, 1, 20, 25, 700, 0, 0, 'A', 0},
     {18, 25, 15, 10, 10, 20, 0, 20, 3, 1, 2, 1, 0, 0, 3, -1, 0x01000011, 0x01000012}},
    {{"Rattle crate", "A crate that rattles. Something small is loose inside."},
     {"zcrate.frm", "icrate.frm", "zdcrate"},
     {Container, 0x0000A008, 0x00000810, 3, 40, 30, 15, 0, 0, 'C', 0},
     {60, 1, 3}},
    {{"Rad-tonic", "A syringe of cloudy tonic. Tastes like pennies, they say."},
     {"zsyringe.frm", "isyringe.frm", "zitonic"},
     {Drug, 0x00000010, 0x00000010, 0, 1, 0, 120, 0, 0, 'D', 0},
     {2, 8, -1, 1, 2, 0, 120, -1, 0, 0, 480, 0, 0, 0, 15, 0x11, 1440}},
    {{"Scrap pistol", "Hand-built pistol. The trigger is a bent spoon."},
     {"zpistol.frm", "ipistol.frm", nullptr},
     {Weapon, 0x20000008, 0x00000011, 1, 3, 4, 350, 0, 0, 'W', 'P'},
     {5, 6, 14, 0, 18, 0, 0x05000001, 3, 4, 5, 1, -1, 1, 3, 5, 8}},
    {{"Rivet rounds", "A box of rivets cut down to fit a pistol."},
     {"zammobox.frm", "iammobox.frm", nullptr},
     {Ammo, 0x20000008, 0x00000010, 1, 1, 1, 40, 0, 0, 'M', 0},
     {3, 24, 0, -10, 1, 1}},
    {{"Rusty wrench", "Heavy, pitted, and still good for one more bolt."},
     {"zwrench.frm", "iwrenchlarge01.frm", nullptr},
     {MiscItem, 0x00000010, 0x00000010, 1, 2, 3, 25, 0, 0, 'T', 0},
     {-1, 0, 0, 0}},
    {{"Bunker keycard", "A scratched keycard with a blinking green light."},
     {"zkeycard.frm", "ikeycard.frm", "zikeycrd"},
     {Key, 0x20000008, 0x00000010, 2, 1, 0, 0, 0, 0, 'K', 0},
     {4711}},
    {{"Long rifle", "A scoped rifle, kept dry for years in a caf\xE9 cellar."},
     {"zrifle.frm", "irifle.frm", "zirifle"},
     {Weapon, 0x0000A008, 0x00000811, 1, 6, 11, 1800, 0, 0, 'W', 'R'},
     {8, 12, 30, 0, 35, 0, 0x05000002, 5, 5, 6, 2, -1, 1, 3, 5, 6}},
    {{"Glow bottle", "A bottle of faintly glowing green water. Do not drink."},
     {"zbottle.frm", nullptr, "zibottle"},
     {MiscItem, 0x00000010, 0x00000010, 0, 1, 1, 30, 3, 60, 'B', 0},
     {-1, 0, 12, 0}},
    {{"Smooth pebble", "A small round stone. Someone kept it for luck."},
     {"zpebble.frm", "inut.frm", nullptr},
     {MiscItem, 0x00000010, 0x08000010, 5, 1, 0, 1, 0, 0, 'S', 0},
     {-1, 0, 0, 1}},
};

// Base values in file order: S P E C I A L, hit points, action points, armor class, unarmed,
// melee, carry weight, sequence, healing rate, critical chance, better criticals,
// thresholds x7, resistances x9, age, gender.
constexpr int kValueCount = 35;

struct CritterProto {
    Names names;
    Links links;
    struct {
        quint32 flags, actionFlags;
        int lightDist, lightPct;
        qint32 head, ai, team;
        quint32 critterFlags;
    } head;
    std::vector<qint32> base;
    std::vector<std::pair<int, qint32>> bonus; // (index into base, value); the rest are 0
    std::vector<qint32> skills;
    struct {
        quint32 body;
        qint32 experience, kill, damage;
    } tail;
};

const std::vector<CritterProto> kCritterProtos = {
    {{"Dusty scout", "A lean scout with a patched pack and a sharp eye."},
     {"zmscout", "zcscout"},
     {0x20000008, 0x00002008, 0, 0, -1, 12, 1, 0x00000C20},
     {5, 8, 5, 4, 6, 8, 5, 42, 8, 12, 1, 2, 175, 16, 1, 5,  0, 1,
      0, 0, 0, 0, 0, 0, 5, 0,  0, 0,  0, 0, 0,   10, 5, 24, 0},
     {{1, 1}},
     {45, 10, 5, 40, 30, 35, 30, 10, 40, 20, 10, 15, 20, 25, 20, 15, 10, 60},
     {0, 40, 0, 0}},
    {{"Rust hulk", "A hunched labour robot humming an old work song."},
     {"zmhulk", "zchulk"},
     {0x0000A008, 0x00002008, 0, 0, 3, 30, 5, 0x00002000},
     {9, 3, 9, 1, 2, 3, 4,  140, 6,  4,  6,  8,  250, 6,  4,  2,  0, 6,
      2, 3, 2, 0, 5, 4, 30, 20,  25, 20, 10, 90, 30,  90, 90, 60, 0},
     {{7, -1}},
     {20, 60, 10, 80, 70, 5, 0, 0, 5, 10, 0, 5, 10, 90, 5, 5, 5, 15},
     {2, 250, 5, 0}},
    {{"Scrap hound", "A wiry dog with a collar made of bottle caps."},
     {"zmhound", "zchound"},
     {0x00000010, 0x00000008, 0, 0, -1, 41, 6, 0x00000400},
     {6, 7, 6, 1, 3, 9, 5,  55, 9, 15, 5, 0, 150, 18, 2,  6, 10, 2,
      0, 0, 0, 0, 0, 1, 10, 0,  5, 0,  0, 0, 5,   20, 20, 5, 1},
     {},
     {25, 0, 0, 70, 10, 0, 0, 0, 60, 0, 5, 0, 0, 0, 0, 0, 0, 80},
     {0x00000103, 75, 4, 0}},
    {{"Pale walker", "A quiet figure that glows faintly in the dark."},
     {"zmghost", "zcghost"},
     {0x20000008, 0x00002008, 4, 40, 2, 7, 9, 0x00000C20},
     {4, 9, 5, 3, 7, 7, 8, 36, 7, 20, 2, 1, 150, 18, 1,  8,  5, 0,
      0, 0, 0, 0, 0, 0, 0, 10, 0, 10, 0, 0, 0,   80, 40, 41, 1},
     {{32, 10}},
     {30, 5, 55, 20, 15, 10, 45, 50, 75, 35, 30, 25, 80, 40, 60, 30, 20, 50},
     {0, 120, 14, 4}},
};

// Scenery: subtype, material and a sound code, then the subtype's own words.
struct SceneryProto {
    Names names;
    Links links;
    struct {
        quint32 flags, word24;
        int subtype, material;
        char sound;
    } values;
    std::vector<qint32> tail;
};

const std::vector<SceneryProto> kSceneryProtos = {
    {{"Pump room door", "A steel door with a stencilled pump."},
     {"zsdoor01.frm", "zdhatch"},
     {0x0000A008, 0x00000800, 0, 1, 'D'},
     {0, 2}},
    {{"Broken rock", "A boulder split down the middle."},
     {"zsrock01.frm", nullptr},
     {0x00000010, 0x00000000, 5, 5, 'R'},
     {5}},
    {{"Depot stairs", "Concrete stairs down to the lower deck."},
     {"zsstr01.frm", "zdstair"},
     {0x20000008, 0x00000000, 1, 6, 'S'},
     {0x20003C8A, 3}},
    {{"Roof ladder", "A ladder bolted to the wall."},
     {"zsladr01.frm", "zdladder"},
     {0x00000010, 0x00000800, 3, 1, 'L'},
     {0x00004E21}},
};

// Walls end with their material; tiles and misc objects end after byte 27, so the word at 24
// is their last field.
struct FlatProto {
    Names names;
    Links links;
    struct {
        quint32 flags, word24;
        int material; // walls only
    } values;
};

const std::vector<FlatProto> kWallProtos = {
    {{"Brick wall", "Old red bricks, held together by habit."},
     {"zwbrck01.frm", nullptr},
     {0x0000A008, 0x00000000, 6}},
    {{"Riveted plate", "Steel plate with rows of rivets."},
     {"zwplat02.frm", nullptr},
     {0x20000008, 0x00000000, 1}},
    {{"Rusted sheet", "Corrugated sheet, more rust than metal."},
     {"zwrust01.frm", "zdfence"},
     {0x00000010, 0x00002000, 1}},
};

const std::vector<FlatProto> kTileProtos = {
    {{"Concrete floor", "Cracked concrete slabs."}, {"zfloor01.frm", nullptr}, {0, 6, 0}},
    {{"Packed dirt", "Dirt trodden hard by many boots."}, {"zfdirt02.frm", nullptr}, {0, 4, 0}},
    {{"Drain grate", "A rusty grate over a dark drain."},
     {"zfgrat01.frm", nullptr},
     {0x00000010, 1, 0}},
};

const std::vector<FlatProto> kMiscProtos = {
    {{"Map exit marker", "Walking here leaves the map."},
     {"zxexit01.frm", nullptr},
     {0x0000A008, 1, 0}},
    {{"Camera stop", "The view does not scroll past this point."},
     {"zxblck01.frm", nullptr},
     {0x00000010, 2, 0}},
};

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

// ---- Output ---------------------------------------------------------------------------------

class Output {
public:
    explicit Output(const QString& root) : root_(root) {}
    bool failed() const { return failed_; }

    void write(const QString& relative, const QByteArray& data) {
        if (failed_)
            return;
        const QString path = QDir(root_).filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fail(path, QStringLiteral("cannot create its folder"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(path, f.errorString());
        if (f.write(data) != data.size() || !f.flush())
            return fail(path, f.errorString());
        f.close();
        if (f.error() != QFileDevice::NoError)
            fail(path, f.errorString());
    }

    void write(const QString& relative, const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "BMP"))
            return fail(relative, QStringLiteral("cannot encode BMP"));
        write(relative, bytes);
    }

    // Lists, palette and messages live both in the game tree and in the flat sources folder.
    void both(const QString& gamePath, const QByteArray& data) {
        write(kGame + gamePath, data);
        write(QStringLiteral("Source/") + QFileInfo(gamePath).fileName(), data);
    }

private:
    void fail(const QString& path, const QString& why) {
        std::fprintf(stderr, "zantrel_demodata: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(why));
        failed_ = true;
    }

    QString root_;
    bool failed_ = false;
};

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
        out.write(kGame + "art/items/" + a.file, frameFile(a.shape, a.w, a.h, seed++));
    for (const Art& a : kInvenArt)
        out.write(kGame + "art/inven/" + a.file, frameFile(a.shape, a.w, a.h, seed++));
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
    for (const LabelGroup& g : kGeneral) {
        int n = g.first;
        for (const char* label : g.labels)
            l << entry(n++, label);
    }
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
}

void writeProtos(Output& out, const Lists& l) {
    const QString dir = kGame + "proto/";
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
        out.write(dir + "items/" + protoName(id), p.bytes());
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
        out.write(dir + "critters/" + protoName(id), p.bytes());
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
        out.write(dir + "scenery/" + protoName(id), p.bytes());
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
            out.write(dir + k.folder + protoName(id), p.bytes());
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

void writeReadme(Output& out) {
    out.write(QStringLiteral("demo/README.txt"),
              textFile({"Zantrel demo data", "",
                        "Everything in this folder is synthetic: invented names, invented",
                        "numbers and procedurally drawn pictures, written by the",
                        "zantrel_demodata tool during the build. It contains nothing from",
                        "any game. Rebuilding overwrites these files.", "",
                        "Fallout2/data    game folder layout: lists, palette, frames,",
                        "                 messages and sample prototypes",
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
    const Lists lists = writeLists(out);
    writeArt(out);
    writeMessages(out);
    writeProtos(out, lists);
    writePreviews(out);
    writeReadme(out);
    return out.failed() ? 1 : 0;
}
