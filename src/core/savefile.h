#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

class QSaveFile;

namespace zantrel {

// The steps of a save that touch the platform: the read-only attribute and the final
// replace of the old file. Tests derive from it to watch or fail a step.
class SaveSteps {
public:
    virtual ~SaveSteps() = default;
    virtual bool isReadOnly(const QString& path);
    virtual bool setReadOnly(const QString& path, bool readOnly);
    // Puts the written temporary file in place of the old one; NoError when done.
    virtual QFileDevice::FileError commit(QSaveFile& file);
};

// Writes bytes to path in one step: a temporary file beside it replaces the old file, so an
// interrupted or failed save leaves the old file whole. A read-only file is replaced too
// (Windows refuses to replace one, so the attribute is lifted just for the replace) and
// stays read-only; leaveReadOnly makes the new file read-only as well. Throws UserError with
// the file layer's text and the path: "File not found" for a missing folder, "File access
// denied" for a folder in the way or a refused open or replace, "I/O error 5" otherwise.
void saveFileAtomically(const QString& path, const QByteArray& bytes, bool leaveReadOnly);
void saveFileAtomically(const QString& path, const QByteArray& bytes, bool leaveReadOnly,
                        SaveSteps& steps);

} // namespace zantrel
