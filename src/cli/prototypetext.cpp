#include "prototypetext.h"

#include "core/usererror.h"
#include "proto/fieldcodec.h"

#include <QHash>
#include <QSet>

namespace zantrel {

namespace {

constexpr int kBytesPerLine = 32;

// Whether the shown text gives the stored number back by itself: read with the field as
// if it held nothing, so no stored byte is carried over (a script line's type byte).
bool readsBack(const RecordRow& row, const QString& shown, std::uint32_t stored,
               const QByteArray& bytes, const Names* names) {
    QByteArray blank = bytes;
    setFieldValue(blank, row.offset, row.width, 0xFFFFFFFFu);
    try {
        return parseValue(row, shown, blank, names) == stored;
    } catch (const UserError&) {
        return false;
    }
}

void addUncovered(std::vector<TextLine>& out, const QByteArray& bytes, int from, int to) {
    for (int at = from; at < to; at += kBytesPerLine)
        out.push_back(
            {QStringLiteral("Bytes at %1").arg(at),
             QString::fromLatin1(bytes.mid(at, qMin(kBytesPerLine, to - at)).toHex().toUpper())});
}

std::vector<TextLine> linesOf(const Record& record, const QByteArray& bytes, const Names* names) {
    std::vector<TextLine> out;
    out.reserve(record.rows.size() + 4);
    out.push_back({QStringLiteral("Type"), record.kind.isEmpty()
                                               ? record.type
                                               : record.type + QLatin1Char(' ') + record.kind});
    out.push_back({QStringLiteral("Length"), QString::number(record.length)});
    int covered = 0;
    for (const RecordRow& row : record.rows) {
        addUncovered(out, bytes, covered, row.offset);
        const std::uint32_t stored = fieldValue(bytes, row.offset, row.width);
        QString shown = showStored(row, stored, names);
        if (!readsBack(row, shown, stored, bytes, names))
            shown += QStringLiteral(" [%1]").arg(stored);
        out.push_back({row.name, shown});
        covered = qMax(covered, row.offset + row.width);
    }
    addUncovered(out, bytes, covered, record.length);
    return out;
}

} // namespace

std::vector<TextLine> prototypeLines(const QByteArray& bytes, const Names* names) {
    return linesOf(recordFor(bytes), bytes, names);
}

QString prototypeText(const QByteArray& bytes, const Names* names) {
    const Record record = recordFor(bytes);
    const std::vector<TextLine> lines = linesOf(record, bytes, names);
    QString out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i].name + QStringLiteral(": ") + lines[i].value + QLatin1Char('\n');
        if (i == 1) // after the length
            for (const QString& p : record.problems)
                out += QStringLiteral("Problem: ") + p + QLatin1Char('\n');
    }
    return out;
}

QStringList prototypeDiff(const QByteArray& a, const QByteArray& b, const Names* names) {
    const std::vector<TextLine> before = prototypeLines(a, names);
    const std::vector<TextLine> after = prototypeLines(b, names);
    QHash<QString, QString> afterValues;
    for (const TextLine& l : after)
        afterValues.insert(l.name, l.value);
    const QString absent = QStringLiteral("(absent)");
    QStringList out;
    QSet<QString> seen;
    for (const TextLine& l : before) {
        seen.insert(l.name);
        const QString other = afterValues.value(l.name, absent);
        if (other != l.value)
            out << QStringLiteral("%1: %2 -> %3").arg(l.name, l.value, other);
    }
    for (const TextLine& l : after)
        if (!seen.contains(l.name))
            out << QStringLiteral("%1: %2 -> %3").arg(l.name, absent, l.value);
    return out;
}

} // namespace zantrel
