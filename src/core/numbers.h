#pragma once

#include <QString>
#include <cstdint>

namespace zantrel {

// Whole-number conversion used wherever an edit box is read back: optional leading
// blanks, then a signed decimal in the 32-bit range, or (unsigned) "$", "x", "X", "0x"
// or "0X" and at most eight hex digits taken as a 32-bit pattern. Nothing may follow.
// Throws UserError "'<text>' is not a valid integer value".
std::int32_t strToInt(const QString& text);
bool tryStrToInt(const QString& text, std::int32_t& value);

// Floating-point conversion: blanks around, optional sign, digits with an optional
// fraction and exponent. Throws UserError "'<text>' is not a valid floating point value".
double strToFloat(const QString& text);

// Lenient reading: the value of the longest leading part that reads as a whole number
// (decimal, "$" or "0x" hex); the empty text and garbage give 0. Low 32 bits are kept.
std::uint32_t lenientInt(const QString& text);

// Round to nearest, halves to the even neighbour (76.5 -> 76, 57.5 -> 58).
double roundHalfEven(double value);
std::int64_t roundHalfEvenToInt(double value);

// The value in upper-case hexadecimal, zero padded to at least digits characters.
QString hexText(std::uint32_t value, int digits);
// '0'..'9', 'A'..'F' or 'a'..'f'.
bool isHexDigit(QChar c);

QString integerError(const QString& text);
QString floatError(const QString& text);

} // namespace zantrel
