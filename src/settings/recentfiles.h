#pragma once

#include <QString>
#include <QStringList>

namespace zantrel {

// The files last opened or saved, newest first, kept in the settings file's section
// [Recent] as File1= .. File10=.
constexpr int kRecentFileCount = 10;

// The list the settings file holds (empty entries and those past the tenth left out);
// a missing or unreadable file reads as an empty list.
QStringList readRecentFiles(const QString& settingsPath);

// Writes the list as the section [Recent], in place of the one there or else at the end.
// Every other line of the file keeps its bytes. Written atomically. Throws UserError.
void saveRecentFiles(const QString& settingsPath, const QStringList& files);

// files with path first and no other copy of it, cut to kRecentFileCount. A name the
// settings file could not give back as it is (a line break, blanks at either end) is
// left out.
QStringList withRecentFile(const QStringList& files, const QString& path);

} // namespace zantrel
