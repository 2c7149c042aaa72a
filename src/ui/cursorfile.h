#pragma once

#include <QCursor>
#include <QString>

namespace zantrel {

// A Windows cursor file: the picture and its hot spot. False when the file cannot be read
// or Qt cannot read its picture; the cursor is then left as it was.
bool readCursorFile(const QString& path, QCursor& cursor);

} // namespace zantrel
