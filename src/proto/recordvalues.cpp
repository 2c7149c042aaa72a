// Stored values of record rows as text and back, and the rows' checks.
#include "records.h"

#include "core/numbers.h"
#include "core/usererror.h"
#include "document.h"
#include "fieldcodec.h"
#include "itemfields.h"

#include <QRegularExpression>

namespace zantrel {

namespace {

using D = Display;

const char* const kSceneryKindTitles[] = {
    QT_TRANSLATE_NOOP("Names", "Door"),        QT_TRANSLATE_NOOP("Names", "Stairs"),
    QT_TRANSLATE_NOOP("Names", "Elevator"),    QT_TRANSLATE_NOOP("Names", "Ladder up"),
    QT_TRANSLATE_NOOP("Names", "Ladder down"), QT_TRANSLATE_NOOP("Names", "Generic")};
const char* const kDamageTitles[] = {
    QT_TRANSLATE_NOOP("Names", "Normal"),     QT_TRANSLATE_NOOP("Names", "Laser"),
    QT_TRANSLATE_NOOP("Names", "Fire"),       QT_TRANSLATE_NOOP("Names", "Plasma"),
    QT_TRANSLATE_NOOP("Names", "Electrical"), QT_TRANSLATE_NOOP("Names", "EMP"),
    QT_TRANSLATE_NOOP("Names", "Explosion")};
const char* const kAnimations[] = {QT_TRANSLATE_NOOP("Names", "None"),
                                   QT_TRANSLATE_NOOP("Names", "Knife"),
                                   QT_TRANSLATE_NOOP("Names", "Club"),
                                   QT_TRANSLATE_NOOP("Names", "Hammer"),
                                   QT_TRANSLATE_NOOP("Names", "Spear"),
                                   QT_TRANSLATE_NOOP("Names", "Pistol"),
                                   QT_TRANSLATE_NOOP("Names", "SMG"),
                                   QT_TRANSLATE_NOOP("Names", "Rifle"),
                                   QT_TRANSLATE_NOOP("Names", "Big gun"),
                                   QT_TRANSLATE_NOOP("Names", "Minigun"),
                                   QT_TRANSLATE_NOOP("Names", "Rocket launcher")};
const char* const kAttackModes[] = {
    QT_TRANSLATE_NOOP("Names", "None"),        QT_TRANSLATE_NOOP("Names", "Punch"),
    QT_TRANSLATE_NOOP("Names", "Kick"),        QT_TRANSLATE_NOOP("Names", "Swing"),
    QT_TRANSLATE_NOOP("Names", "Thrust"),      QT_TRANSLATE_NOOP("Names", "Throw"),
    QT_TRANSLATE_NOOP("Names", "Fire single"), QT_TRANSLATE_NOOP("Names", "Fire burst"),
    QT_TRANSLATE_NOOP("Names", "Flame")};
const char* const kGenders[] = {QT_TRANSLATE_NOOP("Names", "Male"),
                                QT_TRANSLATE_NOOP("Names", "Female")};

template <std::size_t N> QString pick(const char* const (&names)[N], std::uint32_t value) {
    return value < N ? QString::fromLatin1(names[value]) : QString();
}

std::int64_t signedOf(std::uint32_t stored, int width) {
    const int bits = 8 * width;
    const std::int64_t v = stored;
    return v >= (std::int64_t(1) << (bits - 1)) ? v - (std::int64_t(1) << bits) : v;
}

QString withName(const QString& shown, const QString& name) {
    const QString n = name.trimmed();
    return n.isEmpty() ? shown : shown + QStringLiteral(" (") + n + QLatin1Char(')');
}

QString choiceName(Choices list, std::uint32_t value, const Names* names) {
    return names ? names->choice(list, value) : QString();
}

QString attackModesText(std::uint32_t stored, const Names* names) {
    const std::uint32_t primary = stored & 0xF, secondary = stored >> 4 & 0xF;
    return withName(QString::number(primary), choiceName(Choices::AttackMode, primary, names)) +
           QStringLiteral(" / ") +
           withName(QString::number(secondary), choiceName(Choices::AttackMode, secondary, names));
}

QString destinationText(std::uint32_t stored) {
    if (stored == 0xFFFFFFFFu)
        return QStringLiteral("-1");
    return QStringLiteral("elevation %1, facing %2, tile %3")
        .arg(stored >> 29)
        .arg(stored >> 26 & 7)
        .arg(stored & 0x3FFFFFF);
}

QString soundText(std::uint32_t stored) {
    if (stored > 0x20 && stored < 0x7F)
        return QString(QChar(char16_t(stored)));
    return QStringLiteral("#%1").arg(stored);
}

QString critterText(const RecordRow& row, std::uint32_t stored, const Names* names) {
    switch (row.display) {
    case D::SignedBonus: // the top 256 patterns are the bonuses -256 .. -1
        if (stored >= 0xFFFFFF00u)
            return QString::number(std::int64_t(stored) - (std::int64_t(1) << 32));
        return QString::number(stored);
    case D::HeadNumber:
        return stored == 0xFFFFFFFFu ? QStringLiteral("-1") : hexText(stored, 8);
    case D::DamageCode:
        return QString::number(stored).rightJustified(2, QLatin1Char('0'));
    case D::BodyType:
    case D::KillType: {
        const QString n =
            QString::number((row.display == D::BodyType ? 400 : 1450) + (stored & 0xFF));
        return names ? withName(n, names->protoMessage(n.toInt())) : n;
    }
    default:
        break;
    }
    return QString();
}

} // namespace

QString builtinChoiceName(Choices list, std::uint32_t value) {
    switch (list) {
    case Choices::Material:
        return value < 8 ? QString::fromLatin1(kMaterials[value]) : QString();
    case Choices::ItemKind:
        return value < 7 ? QString::fromLatin1(kItemTypes[value]) : QString();
    case Choices::SceneryKind:
        return pick(kSceneryKindTitles, value);
    case Choices::DamageType:
        return pick(kDamageTitles, value);
    case Choices::WeaponAnimation:
        return pick(kAnimations, value);
    case Choices::AttackMode:
        return pick(kAttackModes, value);
    case Choices::Gender:
        return pick(kGenders, value);
    case Choices::Caliber:
    case Choices::AiPacket:
    case Choices::Map:
    case Choices::None:
        break;
    }
    return QString();
}

QString showStored(const RecordRow& row, std::uint32_t stored, const Names* names) {
    const bool none = stored == 0xFFFFFFFFu && row.width == 4;
    switch (row.display) {
    case D::Unsigned:
        return QString::number(stored);
    case D::Signed:
        return QString::number(signedOf(stored, row.width));
    case D::HexFlags:
        return hexText(stored, 2 * row.width);
    case D::Percent: // a negative word as a negative percent, so that it reads back
        return QString::number(stored >= 0x80000000u ? -percentOfStored(0u - stored)
                                                     : percentOfStored(stored));
    case D::ScriptId:
        if (none)
            return QStringLiteral("-1");
        return withName(QString::number(scriptLine(stored)),
                        names ? names->script(std::uint32_t(scriptLine(stored))) : QString());
    case D::FrameId:
    case D::ProtoId:
        if (none)
            return QStringLiteral("-1");
        return withName(hexText(stored, 8), !names                      ? QString()
                                            : row.display == D::FrameId ? names->frame(stored)
                                                                        : names->prototype(stored));
    case D::Choice:
        return withName(QString::number(signedOf(stored, row.width)),
                        choiceName(row.choices, stored, names));
    case D::Perk:
    case D::Statistic: {
        const std::int64_t n = signedOf(stored, row.width);
        QString name;
        if (names && n >= 0)
            name = row.display == D::Perk ? names->perk(int(n)) : names->statistic(int(n));
        return withName(QString::number(n), name);
    }
    case D::SoundCode:
        return soundText(stored);
    case D::Destination:
        return destinationText(stored);
    case D::MapNumber:
        return withName(QString::number(signedOf(stored, row.width)),
                        choiceName(Choices::Map, stored, names));
    case D::AttackModes:
        return attackModesText(stored, names);
    case D::Marker:
        return stored == kHiddenMarker ? QStringLiteral("yes")
               : stored == 0           ? QStringLiteral("no")
                                       : QString::number(stored);
    case D::Shift:
        return stored == 0xFF ? QStringLiteral("-1") : QString::number(stored);
    case D::Picture:
        if (stored == kNoPicture)
            return QStringLiteral("-1");
        return withName(QString::number(stored),
                        names ? names->frame(std::uint32_t(kInventoryArtType) << 24 | stored)
                              : QString());
    default:
        break;
    }
    return critterText(row, stored, names);
}

QString showField(const RecordRow& row, const QByteArray& bytes, const Names* names) {
    return showStored(row, fieldValue(bytes, row.offset, row.width), names);
}

} // namespace zantrel
