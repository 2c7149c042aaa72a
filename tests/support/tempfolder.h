#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// A scratch folder that disappears with the test; files are written with their folders.
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    // Writes bytes at relative (folders created); returns the full name.
    QString write(const QString& relative, const QByteArray& bytes) const;
    QString mkdir(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};

// A file's bytes (empty when it cannot be read).
QByteArray fileBytes(const QString& path);

// Joins lines with CR LF after each, as the game's text files are kept.
QByteArray crlf(std::initializer_list<const char*> lines);
