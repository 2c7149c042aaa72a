#pragma once

#include "proto/records.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What "show" and "set" print, apart from the program's arguments and streams, so the
// tests and the benchmark call it directly.
namespace zantrel {

// {"file", "type", "kind" (null without one), "length", "problems", "fields": [{"offset",
// "width", "name", "value" (stored, unsigned), "shown"}, ...]}: every row in offset order.
QJsonObject recordJson(const QString& path, const QByteArray& bytes, const Names* names);

// A heading line, the problems, then one line per row: offset, name, shown text and the
// stored number in brackets.
QString recordText(const QString& path, const QByteArray& bytes, const Names* names);

// The bytes after "NAME=VALUE" assignments. Every assignment is converted, then every
// assigned field is checked on the result; on any failure it throws UserError with all
// the messages, one a line. changes gets "name: old -> new" per assignment.
QByteArray applyAssignments(const QByteArray& bytes, const QStringList& assignments,
                            const Names* names, QStringList* changes = nullptr);

} // namespace zantrel
