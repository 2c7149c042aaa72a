#pragma once

#include <QByteArray>
#include <QString>

namespace zantrel {

// Finds base/relative whatever the letter case of the relative part: each folder and the
// file name are taken exactly when present, else by a case-insensitive match in their
// folder. Backslashes in relative are folder separators. When nothing matches, the path
// is returned as composed, so opening it reports the missing file.
QString resolvePath(const QString& base, const QString& relative);

// The texts the file layer reports: "File not found", "File access denied",
// "Invalid filename", "I/O error <n>".
QString fileErrorText(int posixError);

// A file's whole contents, read once. Throws UserError with the file layer's text and the
// path when the file cannot be opened or read (a folder counts as access denied).
QByteArray readFileBytes(const QString& path);

} // namespace zantrel
