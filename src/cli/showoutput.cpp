#include "showoutput.h"

#include "core/usererror.h"
#include "proto/fieldcodec.h"

#include <QJsonArray>

namespace zantrel {

QJsonObject recordJson(const QString& path, const QByteArray& bytes, const Names* names) {
    const Record record = recordFor(bytes);
    QJsonArray fields;
    for (const RecordRow& row : record.rows) {
        const std::uint32_t stored = fieldValue(bytes, row.offset, row.width);
        fields.append(QJsonObject{{QStringLiteral("offset"), row.offset},
                                  {QStringLiteral("width"), row.width},
                                  {QStringLiteral("name"), row.name},
                                  {QStringLiteral("value"), double(stored)},
                                  {QStringLiteral("shown"), showStored(row, stored, names)}});
    }
    return QJsonObject{
        {QStringLiteral("file"), path},
        {QStringLiteral("type"), record.type},
        {QStringLiteral("kind"), record.kind.isEmpty() ? QJsonValue() : QJsonValue(record.kind)},
        {QStringLiteral("length"), record.length},
        {QStringLiteral("problems"), QJsonArray::fromStringList(record.problems)},
        {QStringLiteral("fields"), fields}};
}

QString recordText(const QString& path, const QByteArray& bytes, const Names* names) {
    const Record record = recordFor(bytes);
    const QString what = record.kind.isEmpty() ? record.type : record.type + u' ' + record.kind;
    QString out = QStringLiteral("%1: %2, %3 bytes\n").arg(path, what).arg(record.length);
    for (const QString& p : record.problems)
        out += QStringLiteral("  ! ") + p + u'\n';
    for (const RecordRow& row : record.rows) {
        const std::uint32_t stored = fieldValue(bytes, row.offset, row.width);
        out += QStringLiteral("%1  %2  %3  [%4]\n")
                   .arg(row.offset, 5)
                   .arg(row.name, -36)
                   .arg(showStored(row, stored, names))
                   .arg(stored);
    }
    return out;
}

namespace {

struct Assigned {
    const RecordRow* row;
    std::uint32_t value;
};

} // namespace

QByteArray applyAssignments(const QByteArray& bytes, const QStringList& assignments,
                            const Names* names, QStringList* changes) {
    const Record record = recordFor(bytes);
    QStringList errors;
    QList<Assigned> assigned;
    QByteArray out = bytes;
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq < 0) {
            errors << QStringLiteral("'%1' is not an assignment NAME=VALUE").arg(a);
            continue;
        }
        const QString name = a.left(eq).trimmed();
        const RecordRow* row = findRow(record, name);
        if (!row) {
            errors << QStringLiteral("No field '%1' in this %2").arg(name, record.type);
            continue;
        }
        try {
            const std::uint32_t value = parseValue(*row, a.mid(eq + 1), bytes, names);
            setFieldValue(out, row->offset, row->width, value);
            assigned.append({row, value});
        } catch (const UserError& e) {
            errors << row->name + QStringLiteral(": ") + e.text();
        }
    }
    // Checks see every assignment, so a total may be fixed by setting both of its parts.
    for (const Assigned& a : assigned) {
        const QString problem = checkField(record, *a.row, out);
        if (!problem.isEmpty())
            errors << problem;
    }
    if (!errors.isEmpty())
        throw UserError(errors.join(QLatin1Char('\n')));
    if (changes) {
        for (const Assigned& a : assigned)
            *changes << QStringLiteral("%1: %2 -> %3")
                            .arg(a.row->name, showField(*a.row, bytes, names),
                                 showStored(*a.row, a.value, names));
    }
    return out;
}

} // namespace zantrel
