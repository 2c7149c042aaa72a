#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Every byte of every prototype as rows of a table: what the editor's pages show and the
// command-line tool shows and sets. Each field is described once, here.
namespace zantrel {

// How a stored value is shown and read back.
enum class Display {
    Unsigned,    // decimal
    Signed,      // decimal of the signed value of the field's width
    HexFlags,    // 2 * width upper-case hex digits
    Percent,     // light (glow) intensity: v * 100 / 65536
    ScriptId,    // the scripts.lst line; -1 none (the type byte is kept)
    FrameId,     // eight hex digits: art type, frame shift, art list index; -1 none
    ProtoId,     // eight hex digits: object type, prototype list number; -1 none
    Choice,      // a number from a named list (Choices)
    Perk,        // perk number, -1 none
    Statistic,   // statistic number, -1 none, -2 the game's special value
    SoundCode,   // one character; other codes as "#n"
    Destination, // elevation, facing and tile packed in one word; -1 none
    AttackModes, // primary in the low nibble, secondary in the high one
    MapNumber,   // signed decimal, the map's name beside it
    SignedBonus, // -256 .. -1 for the top 256 patterns, else unsigned decimal
    HeadNumber,  // eight hex digits, FFFFFFFF as "-1"
    BodyType,    // one byte: message number 400 + b of proto.msg
    KillType,    // one byte: message number 1450 + b
    DamageCode,  // decimal with at least two digits
    Marker,      // the hidden item byte: 8 yes, 0 no
    Shift,       // frame shift byte, 255 as -1
    Picture,     // inventory art list index, 65535 as -1
};

enum class Choices {
    None,
    Material,
    ItemKind,
    SceneryKind,
    DamageType,
    Caliber,
    WeaponAnimation,
    AttackMode,
    Gender,
    AiPacket, // the game's data/ai.txt
    Map,      // the game's data/maps.txt
};

enum class RowCheck {
    None,
    NotNegative, // the value (plus its partner's for critter totals) is 0 or more
    Percent100,  // 0 .. 100
    LightRadius, // 0 .. 8 hexes
    Intensity,   // light intensity: 0 .. 65536, that is 0 .. 100 percent
    FrameShift,  // -1 .. 255
    Total,       // critter: the value plus its partner's within 0 .. bound
    MinDamage,   // 0 .. the partner (maximum damage)
    MaxDamage,   // the partner (minimum damage) or more
};

// Where a page that places its controls by hand (the critter tabs) puts a row's control, and
// what it shows beside it. Rows laid out by a form's item list leave it empty.
struct RowPlace {
    int tab = -1;    // the page's inner tab; -1: none
    int column = -1; // in the tab's grid; -1: placed by the page's own code (flag words)
    int line = 0;
    const char* caption = nullptr; // before the control, marked for translation
    const char* suffix = nullptr;  // after it ("%")
    const char* tip = nullptr;     // a tip bar's text before the total
    int maxLength = 0;             // typed characters; 0: no limit
    const char* nameBox = nullptr; // the box beside it that shows the value's name
};

struct RecordRow {
    int offset = 0;
    int width = 4;
    QString name; // unique within its record
    Display display = Display::Unsigned;
    Choices choices = Choices::None;
    RowCheck check = RowCheck::None;
    int partner = -1; // offset of the field a check adds in or compares with
    int bound = -1;   // upper end of a Total check; -1: none
    // The object name of the editor's control for this field; empty for the header panel's
    // fields, which have controls of their own.
    QString control;
    RowPlace place;
};

struct Record {
    int objectType = -1;
    QString type; // "item", "critter", "scenery", "wall", "tile", "misc"; "unknown" above 5
    int kindNumber = -1;
    QString kind; // "weapon", "door", ...; empty for types without kinds or unknown kinds
    int expectedLength = 0;
    int length = 0;
    std::vector<RecordRow> rows; // those that lie inside the bytes, by offset
    QStringList problems;        // length mismatch, unknown type or kind
};

// The record of a prototype's bytes. The type is the object id's high byte; item and
// scenery kinds are read at offset 32.
Record recordFor(const QByteArray& bytes);

// Where items and scenery keep their kind.
constexpr int kKindOffset = 32;

// Every row of a type's record (item and scenery: of that kind; an unknown kind gives the
// common part), whatever a file holds, by offset; and the record's length.
const std::vector<RecordRow>& recordRows(int objectType, int kind);
int recordLength(int objectType, int kind);

// The stored value a field starts with in a new record or a new kind's part: -1 (none) for
// the script, prototype ids, perks and destinations, 0 for every other field.
std::uint32_t defaultStored(const RecordRow& row);
// A new record of the type and kind at its full length: every row at its default, its id
// the type's with number 0, the kind word (items and scenery) set to the kind.
QByteArray defaultRecord(int objectType, int kind);

// The header panel's boxes as rows of a type's header: each shows its bytes as 2 * width hex
// digits, and the object id and frame id are split in their parts. In the order the panel
// fills them (each box's handling runs in turn: the object type first); a type with no
// script has no script row.
const std::vector<RecordRow>& headerRows(int objectType);

// The row at that offset, or nullptr.
const RecordRow* rowAt(const std::vector<RecordRow>& rows, int offset);

// The row of that name (letter case ignored), or nullptr.
const RecordRow* findRow(const Record& record, const QString& name);

// Names the game gives to stored numbers. Each function returns an empty text when it has
// none; the value is then shown as a bare number.
class Names {
public:
    virtual ~Names() = default;
    virtual QString choice(Choices list, std::uint32_t value) const = 0;
    virtual QString perk(std::int32_t perk) const = 0;
    virtual QString statistic(std::int32_t stat) const = 0;
    virtual QString script(std::uint32_t line) const = 0;
    virtual QString frame(std::uint32_t id) const = 0;
    virtual QString prototype(std::uint32_t id) const = 0;
    virtual QString protoMessage(int number) const = 0; // proto.msg: body and kill types
};

// The names the program itself knows, for the lists the game keeps in its code (weapon
// animations, attack modes, genders) and the English names of materials, kinds and damage
// types; empty for the rest.
QString builtinChoiceName(Choices list, std::uint32_t value);

// The text shown for a row's stored value: numbers alone without names, "n (name)" with.
QString showStored(const RecordRow& row, std::uint32_t stored, const Names* names = nullptr);
QString showField(const RecordRow& row, const QByteArray& bytes, const Names* names = nullptr);

// The stored value a typed text gives. Shown texts read back ("3 (Wood)" as 3); choices
// also take their names. current is the file as it is: a script line keeps the stored type
// byte. Throws UserError with the user's message when the text does not convert or does
// not fit the field. Range checks are checkField's.
std::uint32_t parseValue(const RecordRow& row, const QString& text, const QByteArray& current,
                         const Names* names = nullptr);

// The row's check on the bytes as they would be saved; the message, or empty when it passes.
QString checkField(const Record& record, const RecordRow& row, const QByteArray& bytes);

// What the row's check takes, as the user types it ("0 .. 100"); empty for none.
QString checkRange(const Record& record, const RecordRow& row);

} // namespace zantrel
