#pragma once

#include "core/usererror.h"

#include <QList>

#include <utility>

namespace zantrel {

// What was skipped while the game's text files were read (a message entry without a number,
// a stray brace), each file's first problem once, until the one who shows them takes them.
class TextWarnings {
public:
    void report(const UserError& warning) {
        for (const UserError& w : m_warnings)
            if (w.path() == warning.path())
                return;
        m_warnings.append(warning);
    }
    QList<UserError> take() { return std::exchange(m_warnings, {}); }

private:
    QList<UserError> m_warnings;
};

} // namespace zantrel
