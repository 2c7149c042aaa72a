#pragma once

#include "proto/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A prototype as stable text, one field a line, for git's textconv and for "diff".
namespace zantrel {

struct TextLine {
    QString name;
    QString value;
};

// "Type" (with the kind), "Length", then every row in offset order with its value as
// "show" shows it, then "Bytes at N" (up to 32 bytes as hex) for bytes no row covers. A
// shown value that does not read back to the stored number gets it in brackets
// ("50 [32769]"), so a change of any byte changes a line.
std::vector<TextLine> prototypeLines(const QByteArray& bytes, const Names* names);

// The lines as "name: value", each ended by a newline; the record's problems follow the
// length as "Problem: ..." lines.
QString prototypeText(const QByteArray& bytes, const Names* names);

// "name: valueA -> valueB" for each line whose value differs, in A's order, then the lines
// only B has. A line only one side has shows "(absent)" on the other. Empty when the two
// say the same.
QStringList prototypeDiff(const QByteArray& a, const QByteArray& b, const Names* names);

} // namespace zantrel
