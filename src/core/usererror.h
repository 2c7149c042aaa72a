#pragma once

#include <QString>
#include <stdexcept>

namespace zantrel {

// The one error type of the program: it carries the exact text the user is shown.
// Thrown where a failure is found, caught once by the handler that started the action.
class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& text, const QString& path = QString())
        : std::runtime_error(text.toStdString()), m_text(text), m_path(path) {}

    const QString& text() const { return m_text; }
    // The file the failure is about, when there is one (for the caller's message title).
    const QString& path() const { return m_path; }

private:
    QString m_text;
    QString m_path;
};

} // namespace zantrel
