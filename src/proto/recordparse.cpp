// Typed texts back to stored values, and the rows' range checks.
#include "records.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "document.h"
#include "fieldcodec.h"
#include "itemfields.h"

#include <QRegularExpression>

#include <limits>

namespace zantrel {

namespace {

using D = Display;

// Shown texts carry names in brackets ("3 (Wood)"); the number before them is the value.
QString undecorated(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\S.*?)\\s+\\(.*\\)\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(1) : text;
}

QString rangeError(const QString& text, std::int64_t low, std::int64_t high) {
    return QStringLiteral("'%1' is out of range: it must lie within %2 .. %3")
        .arg(text)
        .arg(low)
        .arg(high);
}

// strToInt's forms, and unsigned decimals up to 4294967295, as shown for unsigned words.
std::int64_t wholeNumber(const QString& text) {
    std::int32_t v = 0;
    if (tryStrToInt(text, v))
        return v;
    static const QRegularExpression digits(QStringLiteral("^ *[0-9]{1,10}$"));
    if (digits.match(text).hasMatch()) {
        const qulonglong u = text.trimmed().toULongLong();
        if (u <= 0xFFFFFFFFull)
            return std::int64_t(u);
    }
    throw UserError(integerError(text));
}

// A number stored in width bytes: signed or unsigned, as long as the bytes hold it.
std::uint32_t fitted(const QString& text, std::int64_t value, int width) {
    const int bits = 8 * width;
    const std::int64_t low = -(std::int64_t(1) << (bits - 1));
    const std::int64_t high = (std::int64_t(1) << bits) - 1;
    if (value < low || value > high)
        throw UserError(rangeError(text, low, high));
    return std::uint32_t(value) & std::uint32_t(high);
}

std::uint32_t inRange(const QString& text, std::int64_t low, std::int64_t high) {
    const std::int64_t v = wholeNumber(text);
    if (v < low || v > high)
        throw UserError(rangeError(text, low, high));
    return std::uint32_t(v);
}

std::uint32_t hexWord(const QString& text, const char* what) {
    if (text.trimmed() == QLatin1String("-1"))
        return 0xFFFFFFFFu;
    static const QRegularExpression re(QStringLiteral("^(?:0[xX]|\\$)?([0-9A-Fa-f]{1,8})$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        throw UserError(QStringLiteral("'%1' is not a valid %2: type -1 for none, or up to "
                                       "eight hexadecimal digits")
                            .arg(text, QLatin1String(what)));
    return m.captured(1).toUInt(nullptr, 16);
}

std::uint32_t flagBytes(const QString& text, int width) {
    static const QRegularExpression re(QStringLiteral("^[0-9A-Fa-f]+$"));
    if (text.size() != 2 * width || !re.match(text).hasMatch()) {
        const char* const counts[] = {"two", "four", "", "eight"};
        throw UserError(QStringLiteral("'%1' is not a valid flag word: %2 hexadecimal digits "
                                       "are needed")
                            .arg(text, QLatin1String(counts[width - 1])));
    }
    return text.toUInt(nullptr, 16);
}

// A list entry by its name (the program's or the game's) or by its number.
std::uint32_t choiceValue(Choices list, const QString& text, int width, const Names* names) {
    const QString wanted = text.trimmed();
    // The game's AI packets are numbered into the hundreds; its other lists are short.
    const std::uint32_t last = list == Choices::AiPacket ? 1024 : 64;
    for (std::uint32_t v = 0; v < last; ++v) {
        const QString builtin = builtinChoiceName(list, v);
        const QString game = names ? names->choice(list, v).trimmed() : QString();
        if ((!builtin.isEmpty() && builtin.compare(wanted, Qt::CaseInsensitive) == 0) ||
            (!game.isEmpty() && game.compare(wanted, Qt::CaseInsensitive) == 0))
            return v;
    }
    return fitted(text, wholeNumber(undecorated(wanted)), width);
}

std::uint32_t attackModes(const QString& text, const Names* names) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return inRange(text, 0, 255);
    const std::uint32_t primary = choiceValue(Choices::AttackMode, parts[0], 1, names);
    const std::uint32_t secondary = choiceValue(Choices::AttackMode, parts[1], 1, names);
    if (primary > 15 || secondary > 15)
        throw UserError(QStringLiteral("'%1' is not a valid pair of attack modes: each lies "
                                       "within 0 .. 15")
                            .arg(text));
    return secondary << 4 | primary;
}

std::uint32_t destination(const QString& text) {
    static const QRegularExpression re(
        QStringLiteral("^\\s*elevation\\s+(\\d+)\\s*,\\s*(?:facing\\s+(\\d+)\\s*,\\s*)?"
                       "tile\\s+(\\d+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return fitted(text, wholeNumber(text), 4);
    const qulonglong elevation = m.captured(1).toULongLong();
    const qulonglong facing = m.captured(2).toULongLong();
    const qulonglong tile = m.captured(3).toULongLong();
    if (elevation > 7 || facing > 7 || tile > 0x3FFFFFF)
        throw UserError(QStringLiteral("'%1' is not a valid destination: elevation and facing "
                                       "lie within 0 .. 7, the tile within 0 .. 67108863")
                            .arg(text));
    return std::uint32_t(elevation << 29 | facing << 26 | tile);
}

std::uint32_t soundCode(const QString& text) {
    if (text.size() == 1 && text[0].unicode() < 256)
        return text[0].unicode();
    if (text.startsWith(QLatin1Char('#'))) {
        std::int32_t v = 0;
        if (tryStrToInt(text.mid(1), v) && v >= 0 && v <= 255)
            return std::uint32_t(v);
    }
    throw UserError(QStringLiteral("'%1' is not a valid sound id: one character, or # and its "
                                   "code (0 .. 255)")
                        .arg(text));
}

std::uint32_t marker(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("yes") || t == QLatin1String("true"))
        return kHiddenMarker;
    if (t == QLatin1String("no") || t == QLatin1String("false"))
        return 0;
    return inRange(text, 0, 255);
}

std::uint32_t scriptId(const QString& text, const QByteArray& current, int offset) {
    const QString t = undecorated(text).trimmed();
    if (t == QLatin1String("-1"))
        return kNoScript;
    const std::int64_t v = wholeNumber(t);
    // A hex pattern is the whole id; a decimal names the line and keeps the type byte.
    if (t.contains(QLatin1Char('x'), Qt::CaseInsensitive) || t.startsWith(QLatin1Char('$')))
        return std::uint32_t(v);
    if (v < 0 || v > 0xFFFFFF)
        throw UserError(rangeError(text, 0, 0xFFFFFF));
    const int type = current.isEmpty() ? 0 : std::uint8_t(current[0]);
    return scriptIdForLine(fieldValue(current, offset, 4), int(v), type);
}

std::uint32_t headNumber(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    if (text == QLatin1String("-1"))
        return 0xFFFFFFFFu;
    if (!re.match(text).hasMatch())
        throw UserError(QStringLiteral("'%1' is not a valid talking head number: type -1 "
                                       "for none, or up to eight hexadecimal digits")
                            .arg(text));
    return text.toUInt(nullptr, 16);
}

std::uint32_t percent(const QString& text) {
    const std::int64_t stored = storedOfPercent(strToInt(text));
    // Every 32-bit pattern can be reached, read as signed or as unsigned; beyond that the
    // value would be cut short without a word.
    if (stored < std::numeric_limits<std::int32_t>::min() ||
        stored > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
        throw UserError(QStringLiteral("'%1' is not a valid glow intensity: it must lie "
                                       "within -3276800 .. 6553599")
                            .arg(text));
    return std::uint32_t(stored);
}

// A message number of proto.msg, of which one byte is stored past the list's first number.
std::uint32_t typeNumber(const QString& text, std::int32_t first) {
    const std::int32_t n = strToInt(text);
    // A number the byte cannot give back is refused.
    if (n < first || n > first + 255)
        throw UserError(integerError(text));
    return std::uint32_t(n - first);
}

} // namespace

std::uint32_t parseValue(const RecordRow& row, const QString& text, const QByteArray& current,
                         const Names* names) {
    const QString plain = undecorated(text);
    switch (row.display) {
    case D::Unsigned:
    case D::Signed:
    case D::MapNumber:
    case D::Perk:
    case D::Statistic:
        return fitted(text, wholeNumber(plain), row.width);
    case D::HexFlags:
        return flagBytes(text, row.width);
    case D::Percent:
        return percent(text);
    case D::ScriptId:
        return scriptId(text, current, row.offset);
    case D::FrameId:
        return hexWord(plain, "frame id");
    case D::ProtoId:
        return hexWord(plain, "prototype id");
    case D::Choice:
        return choiceValue(row.choices, text, row.width, names);
    case D::SoundCode:
        return soundCode(text);
    case D::Destination:
        return destination(text);
    case D::AttackModes:
        return attackModes(text, names);
    case D::SignedBonus: // both are shown unsigned above the signed range, so read so too
    case D::DamageCode:
        return fitted(text, wholeNumber(plain), row.width);
    case D::HeadNumber:
        return headNumber(text);
    case D::BodyType:
        return typeNumber(plain, 400);
    case D::KillType:
        return typeNumber(plain, 1450);
    case D::Marker:
        return marker(text);
    case D::Shift:
        return inRange(text, -1, 255) & 0xFF;
    case D::Picture:
        return plain.trimmed() == QLatin1String("-1") ? kNoPicture : inRange(plain, 0, 65535);
    }
    return 0;
}

namespace {

QString rowName(const Record& record, int offset) {
    for (const RecordRow& r : record.rows)
        if (r.offset == offset)
            return r.name;
    return QString();
}

QString outside(const RecordRow& row, std::int64_t v, std::int64_t low, std::int64_t high) {
    if (v >= low && v <= high)
        return QString();
    return QStringLiteral("%1 must lie within %2 .. %3, not %4")
        .arg(row.name)
        .arg(low)
        .arg(high)
        .arg(v);
}

} // namespace

QString checkField(const Record& record, const RecordRow& row, const QByteArray& bytes) {
    const int bits = 8 * row.width;
    std::int64_t v = fieldValue(bytes, row.offset, row.width);
    if (v >= std::int64_t(1) << (bits - 1))
        v -= std::int64_t(1) << bits;
    const bool hasPartner = row.partner >= 0 && row.partner + 4 <= bytes.size();
    const std::int64_t partner =
        hasPartner ? std::int64_t(std::int32_t(fieldValue(bytes, row.partner, 4))) : 0;
    const std::int64_t maxInt = std::numeric_limits<std::int32_t>::max();
    switch (row.check) {
    case RowCheck::None:
    case RowCheck::FrameShift: // every byte is a shift; the text was checked when read
        return QString();
    case RowCheck::NotNegative:
        return outside(row, v, 0, maxInt);
    case RowCheck::Percent100:
        return outside(row, v, 0, 100);
    case RowCheck::LightRadius:
        return outside(row, v, 0, 8);
    case RowCheck::Intensity: {
        if (v >= 0 && v <= 65536)
            return QString();
        // Told in percent, as the field is typed.
        const std::int64_t percent =
            v < 0 ? -percentOfStored(std::uint32_t(-v)) : percentOfStored(std::uint32_t(v));
        return QStringLiteral("%1 must lie within 0 .. 100, not %2").arg(row.name).arg(percent);
    }
    case RowCheck::Total: {
        const std::int64_t total = v + partner;
        const std::int64_t high = row.bound >= 0 ? row.bound : maxInt;
        if (total >= 0 && total <= high)
            return QString();
        const QString with =
            hasPartner ? QStringLiteral(" with %1").arg(rowName(record, row.partner)) : QString();
        return QStringLiteral("%1%2 makes %3: the total must lie within 0 .. %4")
            .arg(row.name, with)
            .arg(total)
            .arg(high);
    }
    case RowCheck::MinDamage:
        if (v < 0)
            return outside(row, v, 0, maxInt);
        if (hasPartner && v > partner)
            return QStringLiteral("%1 (%2) is more than %3 (%4)")
                .arg(row.name)
                .arg(v)
                .arg(rowName(record, row.partner))
                .arg(partner);
        return QString();
    case RowCheck::MaxDamage:
        if (hasPartner && v < partner)
            return QStringLiteral("%1 (%2) is less than %3 (%4)")
                .arg(row.name)
                .arg(v)
                .arg(rowName(record, row.partner))
                .arg(partner);
        return QString();
    }
    return QString();
}

QString checkRange(const Record& record, const RecordRow& row) {
    const QString most = QString::number(std::numeric_limits<std::int32_t>::max());
    const auto range = [](const QString& low, const QString& high) {
        return low + QStringLiteral(" .. ") + high;
    };
    switch (row.check) {
    case RowCheck::None:
        return QString();
    case RowCheck::FrameShift:
        return range(QStringLiteral("-1"), QStringLiteral("255"));
    case RowCheck::NotNegative:
        return range(QStringLiteral("0"), most);
    case RowCheck::Percent100:
    case RowCheck::Intensity:
        return range(QStringLiteral("0"), QStringLiteral("100"));
    case RowCheck::LightRadius:
        return range(QStringLiteral("0"), QStringLiteral("8"));
    case RowCheck::Total:
        return range(QStringLiteral("0"), row.bound >= 0 ? QString::number(row.bound) : most);
    case RowCheck::MinDamage:
        return range(QStringLiteral("0"), rowName(record, row.partner));
    case RowCheck::MaxDamage:
        return range(rowName(record, row.partner), most);
    }
    return QString();
}

} // namespace zantrel
