#include "recentfiles.h"

#include "core/files.h"
#include "core/savefile.h"
#include "core/usererror.h"

#include <QDir>
#include <QFile>
#include <QMap>

namespace zantrel {

namespace {

const QByteArray kSection = "Recent";

// One line of the file, its line break included.
struct Line {
    QByteArray text;
    QByteArray trimmed() const { return text.trimmed(); }
};

QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        lines.push_back({bytes.mid(start, next - start)});
        start = next;
    }
    return lines;
}

// The section a header line opens, as the settings reader sees it: "[ Name ]" with
// blanks around the name; empty for any other line.
QByteArray sectionName(const QByteArray& trimmed) {
    if (!trimmed.startsWith('['))
        return {};
    const qsizetype close = trimmed.indexOf(']');
    return close < 0 ? QByteArray() : trimmed.mid(1, close - 1).trimmed();
}

bool isRecentHeader(const QByteArray& trimmed) {
    const QByteArray name = sectionName(trimmed);
    return !name.isEmpty() && name.compare(kSection, Qt::CaseInsensitive) == 0;
}

bool isComment(const QByteArray& trimmed) {
    return trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#');
}

bool fitsOneLine(const QString& path) {
    return !path.isEmpty() && !path.contains(QLatin1Char('\n')) &&
           !path.contains(QLatin1Char('\r')) && path.trimmed() == path;
}

} // namespace

QStringList readRecentFiles(const QString& settingsPath) {
    QByteArray bytes;
    try {
        if (QFile::exists(settingsPath))
            bytes = readFileBytes(settingsPath);
    } catch (const UserError&) {
        return {};
    }
    QMap<int, QString> byNumber;
    bool inside = false;
    for (const Line& line : splitLines(bytes)) {
        const QByteArray t = line.trimmed();
        if (!sectionName(t).isEmpty()) {
            inside = isRecentHeader(t);
            continue;
        }
        const qsizetype equals = t.indexOf('=');
        if (!inside || isComment(t) || equals < 0)
            continue;
        const QByteArray key = t.left(equals).trimmed();
        if (key.left(4).compare("File", Qt::CaseInsensitive) != 0)
            continue; // key names are matched without regard to case, as the reader does
        bool ok = false;
        const int number = key.mid(4).toInt(&ok);
        const QString value = normalizedPath(QString::fromUtf8(t.mid(equals + 1).trimmed()));
        if (ok && number >= 1 && number <= kRecentFileCount && !value.isEmpty())
            byNumber.insert(number, value); // a later line of the same key wins
    }
    QStringList files;
    for (const QString& f : std::as_const(byNumber))
        if (!files.contains(f))
            files << f;
    return files;
}

void saveRecentFiles(const QString& settingsPath, const QStringList& files) {
    const QByteArray bytes = readFileBytes(settingsPath);
    const QByteArray newline = bytes.contains("\r\n") ? "\r\n" : "\n";
    QByteArray section = '[' + kSection + ']' + newline;
    for (int i = 0; i < files.size() && i < kRecentFileCount; ++i)
        section += "File" + QByteArray::number(i + 1) + '=' +
                   QDir::toNativeSeparators(files[i]).toUtf8() + newline;

    // Every [Recent] section goes; the first one's place takes the new one. Blank and
    // comment lines just before the next header stay with that header.
    QByteArray out;
    bool placed = false;
    QList<Line> held; // blank and comment lines inside a [Recent] section
    bool inside = false;
    for (const Line& line : splitLines(bytes)) {
        const QByteArray t = line.trimmed();
        const bool header = !sectionName(t).isEmpty();
        if (header && isRecentHeader(t)) {
            held.clear();
            inside = true;
            if (!placed) {
                out += section;
                placed = true;
            }
            continue;
        }
        if (inside && !header) {
            if (isComment(t))
                held << line;
            else
                held.clear(); // a key of the old section: dropped with what came before it
            continue;
        }
        if (inside) {
            for (const Line& h : std::as_const(held))
                out += h.text;
            held.clear();
            inside = false;
        }
        out += line.text;
    }
    if (!placed) {
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += newline;
        if (!out.isEmpty() && !out.endsWith(newline + newline))
            out += newline; // a blank line between sections, as the settings are written
        out += section;
    }
    saveFileAtomically(settingsPath, out, false);
}

QStringList withRecentFile(const QStringList& files, const QString& path) {
    QStringList out;
    if (fitsOneLine(path))
        out << path;
    for (const QString& f : files)
        if (f != path && out.size() < kRecentFileCount)
            out << f;
    return out;
}

} // namespace zantrel
