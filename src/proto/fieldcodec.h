#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Moving one big-endian field between a prototype's bytes and the text of an edit box.
// Fields are carried as hex text (2*width upper-case digits in file byte order) or as
// decimal text of the big-endian value.
namespace zantrel {

// Reverses the order of the text's character pairs; a trailing odd character is dropped.
QString revhex(const QString& text);

// Value of one hex digit "0".."F" (or "10" for 16); anything else, lower case included, is 17.
int shorthextoint(const QString& text);

// Digit-by-digit value of a hex text, low 32 bits. Characters that are not upper-case hex
// digits count 17 in their place, so "-1" gives 273 and "a" gives 17.
std::uint32_t hextoint(const QString& text);

// Big-endian value of the width-byte field at offset; bytes past the end count as 0.
std::uint32_t fieldValue(const QByteArray& bytes, int offset, int width);

// Field -> hex text: the field's bytes in file order, two digits each (missing bytes "00").
QString fieldToHex(const QByteArray& bytes, int offset, int width);

// Hex text -> field: the text's character pairs go into the field's bytes in order (first
// pair into the first byte), missing pairs as 0. Grows the bytes when the field lies
// past their end.
void hexToField(QByteArray& bytes, int offset, int width, const QString& text);

// Writes value big-endian into the width-byte field, growing the bytes if needed.
void setFieldValue(QByteArray& bytes, int offset, int width, std::uint32_t value);

// Light intensity: stored value to percent and back, nearest whole number, halves to even.
std::int64_t percentOfStored(std::uint32_t stored);
std::int64_t storedOfPercent(std::int32_t percent);

} // namespace zantrel
