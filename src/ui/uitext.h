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

// An object type's name (0 .. 5) as the header panel and the New prototype dialog show it;
// empty for another number.
inline QString shownTypeName(int type) {
    static const char* const names[] = {QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Item"),
                                        QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Critter"),
                                        QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Scenery"),
                                        QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Wall"),
                                        QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Tile"),
                                        QT_TRANSLATE_NOOP("zantrel::HeaderPanel", "Misc")};
    return type >= 0 && type < 6 ? QCoreApplication::translate("zantrel::HeaderPanel", names[type])
                                 : QString();
}

} // namespace zantrel
