#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace zantrel {

// What the rest of the program reads of the settings file. Values are kept as the text
// the file holds and compared as text.
struct Settings {
    QString gameFolder;    // F2Path
    QString sourcesFolder; // Source
    QString useSources;    // UseSource: "1" reads data from the sources folder
    QString imageSize;     // Optimize: "1" half size, "0" full size
    QString codePage;      // [Text] CodePage: the game texts' code page; empty: the language's
    std::uint8_t fileCount = 0;
    QStringList files; // the names the loading screen checks, fileCount of them
    QString language;  // [Other] Language: "en" for English; empty for the program's own texts
};

// The editable copy the settings window holds. Folders are in the program's form (see
// normalizedPath); the settings file and the window show them with native separators.
struct SettingsForm {
    QString gameFolder;
    QString sourcesFolder;
    bool useSources = true;
    bool halfSize = false;
    // Written only when set: a window without the choice keeps the file's; "" removes it.
    std::optional<QString> codePage;
    QStringList rows; // file grid rows 1.. (row 0 is the grid's header)
    QString language; // as Settings::language
};

constexpr int kMaxCheckedFiles = 100;

QString settingsFileName(); // "zantrel.ini"
// The settings file a program in programFolder reads: the one beside it, else the one in
// the user's configuration folder when that exists, else the one beside it. Nothing is
// created; the application name must be set (it names the configuration folder).
QString existingSettingsFile(const QString& programFolder);
QStringList defaultCheckedFiles();
// The values a first start writes: the game folder, <programFolder>/Source, sources on,
// full-size pictures and the 15 default file names.
SettingsForm defaultSettingsForm(const QString& programFolder);

// Reads the settings file; a missing or unreadable file reads as all keys empty. The
// folders are read through normalizedPath. The Language key of section "Other" is no entry
// of the file list and is not counted as one.
Settings readini(const QString& path);

// Writes the form into the settings file, keeping other sections and keys of an existing
// file; section "Other" is rewritten at the end, the language after the file names (none
// when empty). Written atomically. Throws UserError.
void saveini(const QString& path, const SettingsForm& form);

} // namespace zantrel
