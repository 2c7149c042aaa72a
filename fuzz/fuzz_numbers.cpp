// Every edit box of the editor goes through these conversions, and every field of a
// prototype through the codec; typed text and odd field positions must never crash them.
#include "fuzzsupport.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/fieldcodec.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using fuzz::fail;

namespace {

void conversions(const QString& text) {
    bool threw = false;
    try {
        zantrel::strToInt(text);
    } catch (const zantrel::UserError&) {
        threw = true;
    }
    std::int32_t value = 0;
    if (zantrel::tryStrToInt(text, value) == threw)
        fail("strToInt and tryStrToInt disagree on", text);
    try {
        zantrel::strToFloat(text);
    } catch (const zantrel::UserError&) {
    }
    zantrel::lenientInt(text);
    zantrel::hextoint(text);
}

void rounding(double v) {
    const double r = zantrel::roundHalfEven(v);
    zantrel::roundHalfEvenToInt(v);
    if (std::isfinite(v) && (r != std::trunc(r) || std::fabs(r - v) > 0.5))
        fail("roundHalfEven: not the nearest whole number", QString::number(v, 'g', 17));
}

// Whatever the position and the text, the codec must stay inside (or grow) the bytes it
// is given, and write nothing but the field.
void codecAnywhere(const QByteArray& field, int offset, int width, const QString& text) {
    zantrel::fieldValue(field, offset, width);
    zantrel::fieldToHex(field, offset, width);
    QByteArray bytes = field;
    zantrel::hexToField(bytes, offset, width, text);
    if (offset >= 0 && width > 0) {
        const qsizetype end = qsizetype(offset) + width;
        if (bytes.size() != qMax(field.size(), end))
            fail("hexToField: the bytes do not end where the field does", text);
        // Bytes before the field stay; a gap the field opens past the end is zeros.
        const qsizetype kept = qMin(qsizetype(offset), field.size());
        if (bytes.left(kept) != field.left(kept) || bytes.mid(end) != field.mid(end) ||
            bytes.mid(kept, offset - kept) != QByteArray(offset - kept, '\0'))
            fail("hexToField: bytes outside the field changed", text);
    } else if (bytes != field) {
        fail("hexToField: an empty field changed the bytes", text);
    }
    bytes = field;
    zantrel::setFieldValue(bytes, offset, width, std::uint32_t(text.size()));
}

// The decimal display's way into a field: the number read, then its hex text.
void storeDecimal(QByteArray& bytes, int offset, int width, const QString& text) {
    const auto value = std::uint32_t(zantrel::strToInt(text));
    zantrel::hexToField(bytes, offset, width, zantrel::hexText(value, 2 * width));
}

// The round trips the editor relies on, for the field widths prototypes use.
void codecRoundTrips(const QByteArray& field, int offset, int width, std::uint32_t raw) {
    const std::uint32_t mask = width == 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    QByteArray bytes = field;
    zantrel::setFieldValue(bytes, offset, width, raw & mask);
    if (zantrel::fieldValue(bytes, offset, width) != (raw & mask))
        fail("setFieldValue/fieldValue round trip");

    // Decimal text of a value that fits goes in big-endian and reads back the same.
    const std::uint32_t fits = raw & mask & 0x7FFFFFFFu;
    bytes = field;
    storeDecimal(bytes, offset, width, QString::number(fits));
    if (zantrel::fieldValue(bytes, offset, width) != fits)
        fail("decimal text does not read back", QString::number(fits));

    bytes = field;
    storeDecimal(bytes, offset, width, QStringLiteral("-1"));
    if (zantrel::fieldValue(bytes, offset, width) != mask)
        fail("-1 is not all FF");

    // A value too wide for the field keeps its leading hex digits.
    const std::uint32_t wide = (raw & 0x7FFFFFFFu) | (mask + 1u);
    if (width < 4 && wide > mask) {
        const QString hex = zantrel::hexText(wide, 1);
        bytes = field;
        storeDecimal(bytes, offset, width, QString::number(wide));
        if (zantrel::fieldToHex(bytes, offset, width) != hex.left(2 * width))
            fail("a wide value does not keep its leading digits", hex);
    }
    if (zantrel::hexText(raw, 8) != QString::number(raw, 16).rightJustified(8, u'0').toUpper())
        fail("hexText: not eight upper-case digits", QString::number(raw, 16));

    // Hex text in file byte order goes in and comes out unchanged.
    const QString hex = zantrel::fieldToHex(field, offset, width);
    bytes = QByteArray();
    zantrel::hexToField(bytes, offset, width, hex);
    if (zantrel::fieldToHex(bytes, offset, width) != hex)
        fail("hexToField/fieldToHex round trip", hex);

    const std::int32_t signedRaw = std::int32_t(raw);
    std::int32_t back = 0;
    if (!zantrel::tryStrToInt(QString::number(signedRaw), back) || back != signedRaw)
        fail("strToInt does not read back", QString::number(signedRaw));
    if (zantrel::strToInt(QLatin1Char('$') + QString::number(raw, 16)) != signedRaw)
        fail("strToInt does not read back $ hex", QString::number(raw, 16));
    if (zantrel::lenientInt(QString::number(signedRaw)) != raw)
        fail("lenientInt does not read back", QString::number(signedRaw));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader in(data, size);
    // Offsets a little before the bytes to well past them; widths from -2 to 9.
    const int offset = int(in.byte()) - 16;
    const int width = int(in.byte() % 12) - 2;
    const std::uint8_t flags = in.byte();
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw = (raw << 8) | in.byte();
    double real = 0;
    const QByteArray realBytes = in.take(sizeof real);
    std::memcpy(&real, realBytes.constData(), std::size_t(realBytes.size()));
    const QByteArray field = in.bytes(40);
    const QByteArray textBytes = in.rest();
    const QString text = flags & 1 ? QString::fromUtf8(textBytes) : QString::fromLatin1(textBytes);

    conversions(text);
    rounding(real);
    codecAnywhere(field, offset, width, text);
    if (offset >= 0 && width >= 1 && width <= 4)
        codecRoundTrips(field, offset, width, raw);
    return 0;
}
