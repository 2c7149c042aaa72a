#include "fieldcodec.h"

#include "core/numbers.h"

namespace zantrel {

QString revhex(const QString& text) {
    const int pairs = text.size() / 2;
    QString out;
    out.reserve(pairs * 2);
    for (int i = pairs - 1; i >= 0; --i)
        out += text.mid(2 * i, 2);
    return out;
}

int shorthextoint(const QString& text) {
    static const char* const forms[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                        "9", "A", "B", "C", "D", "E", "F", "10"};
    for (int i = 0; i < 17; ++i)
        if (text == QLatin1String(forms[i]))
            return i;
    return 17;
}

std::uint32_t hextoint(const QString& text) {
    // Only the low 32 bits of the sum are kept, so modular arithmetic gives the same result.
    const int n = text.size() % 256;
    std::uint32_t sum = 0;
    for (int p = 0; p < n; ++p) {
        const ushort u = text[p].unicode();
        std::uint32_t digit = 17;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        sum = sum * 16 + digit;
    }
    return sum;
}

std::uint32_t fieldValue(const QByteArray& bytes, int offset, int width) {
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) {
        const qsizetype at = qsizetype(offset) + i;
        v = (v << 8) | (at >= 0 && at < bytes.size() ? std::uint8_t(bytes[at]) : 0u);
    }
    return v;
}

QString fieldToHex(const QByteArray& bytes, int offset, int width) {
    return hexText(fieldValue(bytes, offset, width), 2 * width);
}

void setFieldValue(QByteArray& bytes, int offset, int width, std::uint32_t value) {
    if (offset < 0 || width <= 0)
        return;
    if (bytes.size() < qsizetype(offset) + width)
        bytes.resize(qsizetype(offset) + width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[offset + i] = char(value & 0xFF);
}

void hexToField(QByteArray& bytes, int offset, int width, const QString& text) {
    // hextoint(revhex(text)) holds the first pair in its low byte; its low bytes go
    // into the field least significant first.
    std::uint32_t v = hextoint(revhex(text));
    std::uint32_t bigEndian = 0;
    for (int i = 0; i < width; ++i, v >>= 8)
        bigEndian = (bigEndian << 8) | (v & 0xFF);
    setFieldValue(bytes, offset, width, bigEndian);
}

namespace {

// n / d to the nearest whole number, an exact half to the even neighbour; d > 0.
std::int64_t divideHalfEven(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) { // floor division, so the remainder lies in 0 .. d - 1
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && (q & 1)))
        ++q;
    return q;
}

} // namespace

std::int64_t percentOfStored(std::uint32_t stored) {
    return divideHalfEven(std::int64_t(stored) * 100, 65536);
}

std::int64_t storedOfPercent(std::int32_t percent) {
    return divideHalfEven(std::int64_t(percent) * 65536, 100);
}

} // namespace zantrel
