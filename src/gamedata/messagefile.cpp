#include "messagefile.h"

namespace zantrel {

namespace {

// A field's reading, as the game reads one: skip to '{', then take everything to '}'.
struct Field {
    enum class State { Read, NoMore, StrayBrace, Unfinished } state = State::NoMore;
    qsizetype open = 0;  // the '{'
    qsizetype start = 0; // first byte inside
    qsizetype end = 0;   // the closing '}'
    int line = 0;        // of the '{'
};

class Scanner {
public:
    explicit Scanner(const QByteArray& bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    Field next() {
        Field f;
        while (m_pos < m_size && m_data[m_pos] != '{') {
            if (m_data[m_pos] == '}') {
                f.state = Field::State::StrayBrace;
                f.line = m_line;
                ++m_pos;
                return f;
            }
            if (m_data[m_pos++] == '\n')
                ++m_line;
        }
        if (m_pos >= m_size)
            return f;
        f.open = m_pos++;
        f.start = m_pos;
        f.line = m_line;
        while (m_pos < m_size && m_data[m_pos] != '}') {
            if (m_data[m_pos++] == '\n')
                ++m_line;
        }
        if (m_pos >= m_size) {
            f.state = Field::State::Unfinished;
            return f;
        }
        f.end = m_pos++;
        f.state = Field::State::Read;
        return f;
    }

    QByteArray text(const Field& f) const {
        QByteArray out;
        out.reserve(f.end - f.start);
        for (qsizetype i = f.start; i < f.end; ++i) {
            const char c = m_data[i];
            // The game reads its text files with CR LF as one line feed, and drops that.
            if (c == '\n' || (c == '\r' && i + 1 < f.end && m_data[i + 1] == '\n'))
                continue;
            out += c;
        }
        return out;
    }

    // The game's number: an optional sign, then digits only.
    std::optional<qint32> number(const Field& f) const {
        const QByteArray t = text(f);
        qsizetype i = t.startsWith('+') || t.startsWith('-') ? 1 : 0;
        if (i == t.size())
            return std::nullopt;
        for (qsizetype k = i; k < t.size(); ++k)
            if (t[k] < '0' || t[k] > '9')
                return std::nullopt;
        bool ok = false;
        const qint32 n = t.toInt(&ok);
        return ok ? std::optional<qint32>(n) : std::nullopt;
    }

private:
    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace

MessageFile::MessageFile(const QByteArray& bytes) {
    Scanner in(bytes);
    for (;;) {
        Field fields[3];
        int read = 0;
        for (; read < 3; ++read) {
            fields[read] = in.next();
            if (fields[read].state != Field::State::Read)
                break;
        }
        const Field& last = fields[std::min(read, 2)];
        if (read < 3 && last.state == Field::State::StrayBrace) {
            noteProblem(last.line, QStringLiteral("a '}' outside braces is passed over"));
            continue; // the fields read before it are lost with it, as one entry
        }
        if (read < 3) {
            if (last.state == Field::State::Unfinished)
                m_unfinished = last.open;
            if (read > 0 || last.state == Field::State::Unfinished)
                noteProblem(fields[0].line,
                            QStringLiteral("the file ends before this entry is complete"));
            return;
        }
        const std::optional<qint32> number = in.number(fields[0]);
        if (!number) {
            noteProblem(fields[0].line, QStringLiteral("'%1' is not a message number; the entry "
                                                       "is skipped")
                                            .arg(QString::fromLatin1(in.text(fields[0]))));
            continue;
        }
        m_byNumber.insert(*number, int(m_entries.size()));
        m_entries.push_back({*number, fields[0].line, fields[0].open, fields[2].start,
                             fields[2].end, in.text(fields[2])});
    }
}

const MessageEntry* MessageFile::find(qint64 number) const {
    if (number < INT32_MIN || number > INT32_MAX)
        return nullptr;
    const auto it = m_byNumber.constFind(qint32(number));
    return it == m_byNumber.cend() ? nullptr : &m_entries[std::size_t(*it)];
}

void MessageFile::noteProblem(int line, const QString& text) {
    if (m_problem.isEmpty())
        m_problem = QStringLiteral("Line %1: %2").arg(line).arg(text);
}

} // namespace zantrel
