#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The critter record as one table: each row is a field of the file and the control that shows
// it. Building the page, filling, saving, the range checks, the tip bars and the tests all
// iterate these rows.
namespace zantrel {

// How a stored value becomes the control's text and back.
enum class Shown {
    Unsigned,    // unsigned decimal; saved as a signed 32-bit whole number
    SignedBonus, // -256 .. -1 for the top 256 patterns, else unsigned decimal
    HexFlags,    // eight upper-case hex digits
    HeadNumber,  // eight hex digits, FFFFFFFF as "-1"
    Percent,     // v * 100 / 65536, halves to even
    Choice,      // the entry index of a pick-only combo box (0 "Male", 1 "Female")
    BodyType,    // one byte: message number 400 + b, picked in an editable combo box
    KillType,    // one byte: message number 1450 + b
    DamageCode,  // decimal with at least two digits
};

// The range a field's total (with its partner) must lie in; Any: 0 or more.
enum class Check { None, Any, Max10, Max300, Max999 };

enum class CritterTab { General, Base, Extra, Resists, Skills, Other };

struct CritterField {
    int offset;          // of the first byte written
    const char* control; // "Edit17", "ComboBox5"
    int maxLength;       // typed characters, 0: no limit
    Shown shown;
    Check check;            // tested whenever the text changes
    const char* partner;    // the box a check adds in ("Edit117": none), or a type's name box
    const char* tip;        // tip bar text before the total, or nullptr
    const char* accessible; // what a screen reader announces
    CritterTab tab;
    int column; // place in its tab's grid; -1: placed by its own code (flag words)
    int row;
    const char* caption; // label before the control
    const char* suffix;  // label after it ("%"), or nullptr
};

// Every field in save order: the two type bytes first, the experience, the record from offset
// 48 up, then the header words with a critter meaning.
const std::vector<CritterField>& critterFields();
const CritterField* critterField(const QString& control);

// Bytes a field occupies: 1 for the type numbers, else 4.
int fieldWidth(Shown shown);

// Upper bound of a check's total, or -1 when there is none.
int checkBound(Check check);

// The text shown for a stored value (Unsigned, SignedBonus, HexFlags, HeadNumber, Percent,
// DamageCode, BodyType/KillType as the message number).
QString showValue(Shown shown, std::uint32_t stored);

// The hex text (2 * width digits) a control's text saves as. Throws UserError with the text
// the user is shown when it does not convert. Not for Choice (an index, not a text).
QString storeValue(Shown shown, const QString& text);

// Glow intensity: stored value to percent and back, nearest whole number, halves to even.
std::int64_t percentOfStored(std::uint32_t stored);
std::int64_t storedOfPercent(std::int32_t percent);

} // namespace zantrel
