#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace zantrel {

// One entry of a message file, with where its text field lies so that it can be rewritten
// in place.
struct MessageEntry {
    qint32 number = 0;
    int line = 0;            // the line of its first '{', counted from 1
    qsizetype start = 0;     // its first '{'
    qsizetype textStart = 0; // the text field's bytes between its braces
    qsizetype textEnd = 0;
    QByteArray text; // the field's bytes, its line breaks dropped as the game drops them
};

// A message file (.msg) as the game reads it: an entry is three brace fields
// {number}{sound}{text}; whatever lies outside braces before a '{' (comments, blank lines,
// tabs) is skipped; a line break inside a field is dropped. Where the game would give up on
// the whole file, one entry is lost at most: an entry whose number is not a number is
// skipped, a '}' outside a field is passed over, and an entry the end of the file cuts off
// is left out. The first of these is kept as the file's problem.
class MessageFile {
public:
    MessageFile() = default;
    explicit MessageFile(const QByteArray& bytes);

    // The entries with a number, in file order.
    const std::vector<MessageEntry>& entries() const { return m_entries; }
    // The entry the game finds for a number (of several, the last); null when none.
    const MessageEntry* find(qint64 number) const;
    // The first thing skipped, as "Line N: ...", or empty.
    const QString& problem() const { return m_problem; }
    // Where an unfinished field starts (a '{' the end of the file cuts off), or -1: no
    // text may be added after it.
    qsizetype unfinishedField() const { return m_unfinished; }

private:
    void noteProblem(int line, const QString& text);

    std::vector<MessageEntry> m_entries;
    QHash<qint32, int> m_byNumber; // number -> position in m_entries
    QString m_problem;
    qsizetype m_unfinished = -1;
};

// The longest text a field holds.
constexpr int kMaxMessageBytes = 1023;

} // namespace zantrel
