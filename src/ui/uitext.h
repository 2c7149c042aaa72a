#pragma once

#include "proto/records.h"

#include <QCoreApplication>
#include <QString>

namespace zantrel {

// A text a table keeps, marked for translation with QT_TRANSLATE_NOOP(context, ...), in the
// language in force; a missing text stays empty.
inline QString tableText(const char* context, const char* text) {
    return text ? QCoreApplication::translate(context, text) : QString();
}

// The program's own name of a stored number (builtinChoiceName) as the window shows it.
inline QString shownChoiceName(Choices list, std::uint32_t value) {
    return QCoreApplication::translate("Names",
                                       builtinChoiceName(list, value).toUtf8().constData());
}

} // namespace zantrel
