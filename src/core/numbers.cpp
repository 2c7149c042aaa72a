#include "numbers.h"

#include "core/usererror.h"

#include <cmath>
#include <limits>

namespace zantrel {

namespace {

int hexDigit(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isDecimal(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Length of a hex prefix at position i ("$", "x", "X", "0x", "0X"), or 0.
int hexPrefixLength(const QString& t, int i) {
    if (i >= t.size())
        return 0;
    const QChar c = t[i];
    if (c == u'$' || c == u'x' || c == u'X')
        return 1;
    if (c == u'0' && i + 1 < t.size() && (t[i + 1] == u'x' || t[i + 1] == u'X'))
        return 2;
    return 0;
}

} // namespace

QString integerError(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString floatError(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

bool tryStrToInt(const QString& text, std::int32_t& value) {
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (const int p = hexPrefixLength(text, i)) {
        i += p;
        if (i == n || n - i > 8)
            return false;
        std::uint32_t v = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                return false;
            v = (v << 4) | std::uint32_t(d);
        }
        value = std::int32_t(v);
        return true;
    }
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return false;
    std::int64_t v = 0;
    for (; i < n; ++i) {
        if (!isDecimal(text[i]))
            return false;
        v = v * 10 + (text[i].unicode() - '0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max())
        return false;
    value = std::int32_t(v);
    return true;
}

std::int32_t strToInt(const QString& text) {
    std::int32_t v = 0;
    if (!tryStrToInt(text, v))
        throw UserError(integerError(text));
    return v;
}

double strToFloat(const QString& text) {
    int i = 0;
    int n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    while (n > i && text[n - 1] == u' ')
        --n;
    const int start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    int digits = 0;
    while (i < n && isDecimal(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDecimal(text[i]))
            ++i, ++digits;
    }
    bool ok = digits > 0;
    if (ok && i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'-' || text[i] == u'+'))
            ++i;
        int expDigits = 0;
        while (i < n && isDecimal(text[i]))
            ++i, ++expDigits;
        ok = expDigits > 0;
    }
    if (!ok || i != n)
        throw UserError(floatError(text));
    const double v = text.mid(start, n - start).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        throw UserError(floatError(text));
    return v;
}

std::uint32_t lenientInt(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::uint64_t v = 0; // wraps like the 32-bit value it ends as
    const int p = hexPrefixLength(text, i);
    if (p > 0 && text[i] != u'x' && text[i] != u'X') {
        for (i += p; i < n && hexDigit(text[i]) >= 0; ++i)
            v = (v << 4) | std::uint64_t(hexDigit(text[i]));
    } else {
        for (; i < n && isDecimal(text[i]); ++i)
            v = v * 10 + std::uint64_t(text[i].unicode() - '0');
    }
    if (negative)
        v = ~v + 1;
    return std::uint32_t(v);
}

double roundHalfEven(double value) {
    const double r = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return r;
}

std::int64_t roundHalfEvenToInt(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -9.2e18 && r <= 9.2e18))
        return 0;
    return std::int64_t(r);
}

QString hexText(std::uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

bool isHexDigit(QChar c) {
    return hexDigit(c) >= 0;
}

} // namespace zantrel
