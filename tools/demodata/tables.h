// The invented game of zantrel_demodata: scripts, art, critters and prototypes as tables.
#pragma once

#include "demodata.h"

#include <QtGlobal>

#include <utility>
#include <vector>

namespace demo {

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
        bool perDirection = false; // .fr0 ... .fr5 instead of one .frm
    } entry;
    Look look;
};

// zmghost deliberately has no preview pictures, so its art is what a preview shows;
// zmdrone's art comes as one file per direction.
const Critter kCritters[] = {
    {{"zmscout", "11,1", true},
     {Figure::Scout, qRgb(150, 130, 96), qRgb(96, 74, 52), qRgb(90, 255, 130)}},
    {{"zmhulk", "21,1", true},
     {Figure::Robot, qRgb(150, 82, 40), qRgb(92, 92, 98), qRgb(90, 255, 130)}},
    {{"zmdrone", "13,0", true, true},
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
// Numbered as the game numbers them: materials, item kinds, scenery kinds, damage types and
// calibers.
const LabelGroup kGeneral[] = {
    {100, {"Glass", "Metal", "Plastic", "Wood", "Dirt", "Stone", "Cement", "Leather"}},
    {150, {"Armor", "Container", "Drug", "Weapon", "Ammo", "Misc", "Key"}},
    {200, {"Door", "Stairs", "Elevator", "Ladder bottom", "Ladder top", "Generic scenery"}},
    {250, {"Normal", "Laser", "Fire", "Plasma", "Electrical", "EMP", "Explosion"}},
    {300, {"None", "Rivet", "Bolt", "Needle", "Slug", "Cell", "Dart"}},
};

// perk.msg from 101 and stat.msg from 100, as many as the demo's prototypes name.
const LabelGroup kPerkNames[] = {
    {101, {"Sure Step", "Steady Hand", "Night Owl", "Quick Draw", "Iron Gut", "Long Reach"}},
};
const LabelGroup kStatNames[] = {
    {100,
     {"Strength", "Perception", "Endurance", "Charisma", "Intelligence", "Agility", "Luck",
      "Hit Points", "Action Points", "Armor Class"}},
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
const int kItemLength[] = {129, 65, 125, 122, 81, 69, 61};

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
     {18, 25, 15, 10, 10, 20, 0, 20, 3, 1, 2, 1, 0, 0, 3, -1, 0x01000001, 0x01000002}},
    {{"Rattle crate", "A crate that rattles. Something small is loose inside."},
     {"zcrate.frm", "icrate.frm", "zdcrate"},
     {Container, 0x0000A008, 0x00000810, 3, 40, 30, 15, 0, 0, 'C', 0},
     {60, 1}},
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
     {-1, 0, 0}},
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
     {-1, 0, 12}},
    {{"Smooth pebble", "A small round stone. Someone kept it for luck."},
     {"zpebble.frm", "inut.frm", nullptr},
     {MiscItem, 0x00000010, 0x08000010, 5, 1, 0, 1, 0, 0, 'S', 0},
     {-1, 0, 1}},
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

} // namespace demo
