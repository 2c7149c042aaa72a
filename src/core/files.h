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
// "I/O error <code>", for failures the texts above do not name.
QString ioErrorText(qint64 code);

// Throws UserError with the file layer's text and the path when the file cannot be opened
// or read (a folder counts as access denied).
// No game text, palette or frame file comes near this; larger ones are refused rather
// than read into memory.
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

// A file's whole contents, read once. Devices, pipes and files over kMaxFileSize are
// refused; what is appended while reading is not read.
QByteArray readFileBytes(const QString& path);
// The first n bytes of a file (all of a shorter one), refused as readFileBytes() refuses.
QByteArray readFileHead(const QString& path, qint64 n);

// A folder or file name as the user typed it or a settings file holds it, in the form the
// program works with: on Windows backslashes become slashes; elsewhere a backslash is a
// character of the name and stays.
QString normalizedPath(const QString& text);

} // namespace zantrel
